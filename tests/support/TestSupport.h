#pragma once

#include "Result.h"

#include <QByteArray>
#include <QDateTime>
#include <QImage>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>
#include <memory>
#include <ostream>

#include <gtest/gtest.h>

// Readable QString values in test failures.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace spinora {
class SpinoraDatabase;
}

namespace spinora::test {

// What an operation the test expects to succeed answers; a failure fails
// the test (with the failure's log line) and answers the type's empty value.
template <class T>
T expectOk(spinora::Result<T> result)
{
    if (result)
        return *result;
    ADD_FAILURE() << result.failure().logLine().toStdString();
    return T{};
}
inline void expectOk(const spinora::Result<>& result)
{
    if (!result)
        ADD_FAILURE() << result.failure().logLine().toStdString();
}
// The words of a failure that must happen; empty when it did not.
inline QString failureOf(const spinora::Result<>& result)
{
    return result ? QString() : result.failure().reason();
}

// A temporary folder that lives for one test.
class TempFolder {
public:
    TempFolder();
    QString path() const { return dir_.path(); }
    QString file(const QString& name) const { return dir_.filePath(name); }

private:
    QTemporaryDir dir_;
};

// Relative path -> SHA-256 of every file below a folder (or of one file):
// comparing two snapshots shows whether anything on disk changed.
using TreeSnapshot = QMap<QString, QByteArray>;
TreeSnapshot snapshot(const QString& path);

QByteArray readFile(const QString& path);
void writeFile(const QString& path, const QByteArray& data);
// Puts a symbolic link to `target` (as written: relative to the link) at `path`, in place of what is there.
void replaceWithLink(const QString& path, const QString& target);

// A new collection package at `path`, made from the default template and loaded.
std::unique_ptr<SpinoraDatabase> newCollection(const QString& path, bool emptyTemplate = false);
// Opens an existing package; fails the test when it does not open.
std::unique_ptr<SpinoraDatabase> openCollection(const QString& path);

// Runs one SQL text on a database file with a connection of its own.
void execSql(const QString& dbPath, const QString& sql);
// The single integer a query answers (-1 when it answers nothing).
long long queryInt(const QString& dbPath, const QString& sql);
// Overwrites the middle of a table's first page, as a failing disk would.
void damageTable(const QString& dbPath, const char* table);
// Every row a query answers, its columns as text joined by "|" (NULL as
// ""): one comparison checks a whole row or table, and a failure shows it.
QStringList queryRows(const QString& dbPath, const QString& sql);

// A picture with a colour gradient (so that JPEG artefacts are measurable).
QImage gradientImage(int width, int height);
QByteArray jpegBytes(const QImage& image, int quality = 90);
// The JPEG with an EXIF segment that says when it was taken
// ("2021:06:14 10:32:00"), as DateTimeOriginal (little-endian, as phones
// write it) or with `bigEndian` as a camera's DateTime in the main directory.
QByteArray withExifDate(const QByteArray& jpeg, const QByteArray& taken, bool bigEndian = false);
// The image as a file of the format ("PNG", "BMP", ...) holds it.
QByteArray encoded(const QImage& image, const char* format, int quality = -1);
// Mean absolute difference per channel (0 to 255) of two same-sized images.
double meanDifference(const QImage& a, const QImage& b);

// A local date and time, and its seconds since 1970.
QDateTime at(int year, int month, int day, int hour = 0, int minute = 0, int second = 0);
double localSeconds(int year, int month, int day, int hour = 0, int minute = 0);

// Where the tests leave their screenshots: $SPINORA_SCREENSHOTS, else
// "screenshots" beside the test program (created when missing).
QString screenshotFolder();

// The alerts failed actions showed ("Edit Cactus: There is no space ..."),
// oldest first; tests clear it before the action they look at.
QStringList& edgeAlerts();

// Runs the event loop until `done` answers true or the time is up.
bool waitFor(const std::function<bool()>& done, int milliseconds = 10000);

} // namespace spinora::test
