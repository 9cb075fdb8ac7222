#include "TestSupport.h"

#include "SpinoraDatabase.h"
#include "SqlConnection.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <cstdlib>

#include <unistd.h>

namespace spinora::test {

TempFolder::TempFolder() : dir_(QDir::tempPath() + QStringLiteral("/spinora-case-XXXXXX"))
{
    EXPECT_TRUE(dir_.isValid());
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

void writeFile(const QString& path, const QByteArray& data)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    ASSERT_EQ(file.write(data), data.size());
}

void replaceWithLink(const QString& path, const QString& target)
{
    QFile::remove(path);
    ASSERT_EQ(::symlink(QFile::encodeName(target).constData(), QFile::encodeName(path).constData()), 0) << path.toStdString();
}

TreeSnapshot snapshot(const QString& path)
{
    TreeSnapshot result;
    auto hash = [](const QString& file) {
        return QCryptographicHash::hash(readFile(file), QCryptographicHash::Sha256).toHex();
    };
    const QFileInfo info(path);
    if (info.isFile()) {
        result.insert(info.fileName(), hash(path));
        return result;
    }
    QDirIterator it(path, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        result.insert(QDir(path).relativeFilePath(file), hash(file));
    }
    return result;
}

std::unique_ptr<SpinoraDatabase> newCollection(const QString& path, bool emptyTemplate)
{
    auto document = std::make_unique<SpinoraDatabase>(path);
    document->setTemplateChoice(emptyTemplate);
    expectOk(document->readFromURL(path));
    return document;
}

std::unique_ptr<SpinoraDatabase> openCollection(const QString& path)
{
    auto document = std::make_unique<SpinoraDatabase>(path);
    expectOk(document->readFromURL(path));
    return document;
}

void execSql(const QString& dbPath, const QString& sql)
{
    QString error;
    auto db = Connection::open(dbPath, Connection::Mode::ReadWriteCreate, &error);
    ASSERT_TRUE(db) << error.toStdString();
    ASSERT_TRUE(db->execute(sql, &error)) << error.toStdString() << " in " << sql.toStdString();
}

void damageTable(const QString& dbPath, const char* table)
{
    const long long page = queryInt(dbPath, QStringLiteral("SELECT rootpage FROM sqlite_master WHERE name='%1'").arg(table));
    QFile file(dbPath);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite) && file.seek((page - 1) * 4096 + 8));
    ASSERT_EQ(file.write(QByteArray(300, '\x7f')), 300);
}

long long queryInt(const QString& dbPath, const QString& sql)
{
    QString error;
    auto db = Connection::open(dbPath, Connection::Mode::ReadOnly, &error);
    if (!db)
        return -1;
    Statement st(db.get(), sql.toStdString());
    if (!st.prepared() || !st.stepRow())
        return -1;
    return st.integer(0);
}

QStringList queryRows(const QString& dbPath, const QString& sql)
{
    QStringList rows;
    QString error;
    auto db = Connection::open(dbPath, Connection::Mode::ReadOnly, &error);
    if (!db) {
        ADD_FAILURE() << error.toStdString();
        return rows;
    }
    Statement st(db.get(), sql.toStdString());
    if (!st.prepared()) {
        ADD_FAILURE() << db->errorMessage().toStdString() << " in " << sql.toStdString();
        return rows;
    }
    while (st.stepRow()) {
        QStringList columns;
        for (int column = 0; column < st.columnCount(); ++column)
            columns << st.text(column);
        rows << columns.join(QLatin1Char('|'));
    }
    return rows;
}

QImage gradientImage(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x)
            line[x] = qRgb(x * 255 / std::max(1, width - 1), y * 255 / std::max(1, height - 1), 128);
    }
    return image;
}

QByteArray encoded(const QImage& image, const char* format, int quality)
{
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(image.save(&buffer, format, quality)) << format;
    return data;
}

QByteArray jpegBytes(const QImage& image, int quality)
{
    return encoded(image, "JPG", quality);
}

QByteArray withExifDate(const QByteArray& jpeg, const QByteArray& taken, bool bigEndian)
{
    auto number = [bigEndian](quint32 value, int bytes) {
        QByteArray out;
        for (int i = 0; i < bytes; ++i)
            out += char((value >> (8 * (bigEndian ? bytes - 1 - i : i))) & 0xFF);
        return out;
    };
    auto entry = [&](quint16 tag, quint16 type, quint32 count, quint32 value) {
        return number(tag, 2) + number(type, 2) + number(count, 4) + number(value, 4);
    };
    const QByteArray text = taken + '\0';
    // Header (8), one directory of one entry (18), maybe a second (18), then the text.
    QByteArray tiff = QByteArray(bigEndian ? "MM" : "II") + number(42, 2) + number(8, 4);
    if (bigEndian) {
        tiff += number(1, 2) + entry(0x0132, 2, text.size(), 26) + number(0, 4);
    } else {
        tiff += number(1, 2) + entry(0x8769, 4, 1, 26) + number(0, 4);
        tiff += number(1, 2) + entry(0x9003, 2, text.size(), 44) + number(0, 4);
    }
    tiff += text;
    const QByteArray segment = QByteArray("Exif\0\0", 6) + tiff;
    const int length = int(segment.size()) + 2;
    return jpeg.left(2) + "\xFF\xE1" + char(length >> 8) + char(length & 0xFF) + segment + jpeg.mid(2);
}

double meanDifference(const QImage& a, const QImage& b)
{
    if (a.size() != b.size() || a.isNull())
        return 255.0;
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    double total = 0;
    for (int row = 0; row < x.height(); ++row) {
        const auto* p = reinterpret_cast<const QRgb*>(x.constScanLine(row));
        const auto* q = reinterpret_cast<const QRgb*>(y.constScanLine(row));
        for (int col = 0; col < x.width(); ++col) {
            total += std::abs(qRed(p[col]) - qRed(q[col])) + std::abs(qGreen(p[col]) - qGreen(q[col])) +
                     std::abs(qBlue(p[col]) - qBlue(q[col]));
        }
    }
    return total / (3.0 * x.width() * x.height());
}

QDateTime at(int year, int month, int day, int hour, int minute, int second)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second));
}

double localSeconds(int year, int month, int day, int hour, int minute)
{
    return static_cast<double>(at(year, month, day, hour, minute).toSecsSinceEpoch());
}

QString screenshotFolder()
{
    QString folder = qEnvironmentVariable("SPINORA_SCREENSHOTS");
    if (folder.isEmpty())
        folder = QCoreApplication::applicationDirPath() + QStringLiteral("/screenshots");
    QDir().mkpath(folder);
    return folder;
}

QStringList& edgeAlerts()
{
    static QStringList alerts;
    return alerts;
}

bool waitFor(const std::function<bool()>& done, int milliseconds)
{
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < milliseconds)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

} // namespace spinora::test
