#include "CollectionSnapshot.h"

#include "ChangedRows.h"
#include "ListController.h"
#include "PackageCommit.h"
#include "SpinoraDatabase.h"
#include "FileHelpers.h"
#include "SpinoraUtility.h"
#include "SqlConnection.h"
#include "UndoWorkArea.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

namespace spinora {

namespace {

QString photosOf(const QString& folder)
{
    return folder + QStringLiteral("/photos");
}

QString databaseOf(const QString& folder)
{
    return folder + QStringLiteral("/spinora.db");
}

QStringList photoFilesIn(const QString& folder)
{
    QStringList names;
    for (const QString& name : QDir(folder).entryList(QDir::Files)) {
        if (PackageCommit::isPhotoFileName(name))
            names << name;
    }
    return names;
}

bool linkOrCopy(const QString& from, const QString& to)
{
    if (::link(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0)
        return true;
    return FileHelpers::copyFileFrom(from, to);
}

bool sameFile(const QString& a, const QString& b)
{
    struct stat first {};
    struct stat second {};
    if (::stat(QFile::encodeName(a).constData(), &first) != 0 || ::stat(QFile::encodeName(b).constData(), &second) != 0)
        return false;
    if (first.st_dev == second.st_dev && first.st_ino == second.st_ino)
        return true;
    QFile one(a);
    QFile two(b);
    return first.st_size == second.st_size && one.open(QIODevice::ReadOnly) && two.open(QIODevice::ReadOnly) &&
           one.readAll() == two.readAll();
}

// Copies every page of one database into another in one step; the
// destination takes all of them or none.
bool copyDatabase(sqlite3* from, sqlite3* to, QString* error)
{
    sqlite3_backup* backup = sqlite3_backup_init(to, "main", from, "main");
    if (!backup) {
        *error = QString::fromUtf8(sqlite3_errmsg(to));
        return false;
    }
    const int stepped = sqlite3_backup_step(backup, -1);
    const int finished = sqlite3_backup_finish(backup);
    if (stepped != SQLITE_DONE || finished != SQLITE_OK) {
        *error = QString::fromUtf8(sqlite3_errstr(stepped != SQLITE_DONE ? stepped : finished));
        return false;
    }
    return true;
}

} // namespace

bool CollectionSnapshot::take(SpinoraDatabase& document, const QString& folder, QString* error)
{
    Connection* live = document.database();
    if (!live) {
        *error = QStringLiteral("the collection is not open");
        return false;
    }
    saveChangedRecords(document);
    FileHelpers::removeFileIfExists(folder);
    if (!QDir().mkpath(photosOf(folder))) {
        *error = QStringLiteral("the folder %1 could not be made").arg(folder);
        return false;
    }
    auto copy = Connection::open(databaseOf(folder), Connection::Mode::ReadWriteCreate, error);
    if (!copy || !copyDatabase(live->handle(), copy->handle(), error) || !copy->close(error))
        return false;
    for (const QString& name : photoFilesIn(document.packageFilename())) {
        if (!linkOrCopy(document.packageFilename() + QLatin1Char('/') + name, photosOf(folder) + QLatin1Char('/') + name)) {
            *error = QStringLiteral("the photo %1 could not be kept").arg(name);
            return false;
        }
    }
    return true;
}

bool CollectionSnapshot::restore(SpinoraDatabase& document, const QString& folder, QString* error, bool reload)
{
    const QString package = document.packageFilename();
    Connection* live = document.database();
    if (!live) {
        *error = QStringLiteral("the collection is not open");
        return false;
    }
    const QStringList wanted = photoFilesIn(photosOf(folder));
    QStringList added;
    for (const QString& name : wanted) {
        const QString target = package + QLatin1Char('/') + name;
        if (QFileInfo::exists(target))
            continue;
        if (!linkOrCopy(photosOf(folder) + QLatin1Char('/') + name, target)) {
            for (const QString& done : added)
                QFile::remove(package + QLatin1Char('/') + done);
            *error = QStringLiteral("the photo %1 could not be put back").arg(name);
            return false;
        }
        added << name;
    }

    auto source = Connection::open(databaseOf(folder), Connection::Mode::ReadOnly, error);
    if (!source || !copyDatabase(source->handle(), live->handle(), error)) {
        for (const QString& done : added)
            QFile::remove(package + QLatin1Char('/') + done);
        return false;
    }
    source.reset();

    // The snapshot is the collection now; its photo files replace the others.
    const QSet<QString> keep(wanted.begin(), wanted.end());
    for (const QString& name : photoFilesIn(package)) {
        const QString file = package + QLatin1Char('/') + name;
        const QString kept = photosOf(folder) + QLatin1Char('/') + name;
        if (!keep.contains(name)) {
            QFile::remove(file);
        } else if (!sameFile(file, kept)) {
            const QString partial = file + QStringLiteral(".restoring");
            QFile::remove(partial);
            if (linkOrCopy(kept, partial))
                std::rename(QFile::encodeName(partial).constData(), QFile::encodeName(file).constData());
        }
    }
    return !reload || reloadCollection(document, error);
}

bool CollectionSnapshot::reloadCollection(SpinoraDatabase& document, QString* error)
{
    document.setAddEventFlag(false);
    document.setWriteCreationDate(false);
    if (!document.initializeDatabase(document.dbFilename())) {
        *error = QStringLiteral("the collection could not be read again: %1").arg(document.lastError());
        return false;
    }
    document.mapLogsAndImages();
    if (ListController* logList = document.listController(SpinoraDatabase::kLogList))
        logList->recalculateReminders();
    return true;
}

} // namespace spinora
