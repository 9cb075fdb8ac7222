#include "CollectionSnapshot.h"

#include "ChangedRows.h"
#include "Messages.h"
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

#include <cerrno>
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
Result<> copyDatabase(sqlite3* from, sqlite3* to)
{
    sqlite3_backup* backup = sqlite3_backup_init(to, "main", from, "main");
    if (!backup)
        return Failure(formatMessage(msg::kSaveFailed, QString::fromUtf8(sqlite3_errmsg(to))),
                       Failure::causeOfSqliteCode(sqlite3_errcode(to)));
    const int stepped = sqlite3_backup_step(backup, -1);
    const int finished = sqlite3_backup_finish(backup);
    if (stepped != SQLITE_DONE || finished != SQLITE_OK) {
        const int code = stepped != SQLITE_DONE ? stepped : finished;
        return Failure(formatMessage(msg::kSaveFailed, QString::fromUtf8(sqlite3_errstr(code))),
                       Failure::causeOfSqliteCode(code));
    }
    return {};
}

} // namespace

Result<> CollectionSnapshot::take(SpinoraDatabase& document, const QString& folder)
{
    Connection* live = document.database();
    if (!live)
        return Failure(QStringLiteral("the collection is not open"));
    if (Result<> saved = saveChangedRecords(document); !saved)
        return saved;
    FileHelpers::removeFileIfExists(folder);
    if (!QDir().mkpath(photosOf(folder)))
        return Failure::file(msg::kSaveFailed, folder, errno);
    QString error;
    auto copy = Connection::open(databaseOf(folder), Connection::Mode::ReadWriteCreate, &error);
    if (!copy)
        return Failure(formatMessage(msg::kOpenFailed, error));
    if (Result<> copied = copyDatabase(live->handle(), copy->handle()); !copied)
        return copied;
    if (!copy->close(&error))
        return Failure::sql(msg::kCloseFailed, copy.get());
    for (const QString& name : photoFilesIn(document.packageFilename())) {
        if (!linkOrCopy(document.packageFilename() + QLatin1Char('/') + name, photosOf(folder) + QLatin1Char('/') + name))
            return Failure::file(msg::kWritePhotoFailed, photosOf(folder) + QLatin1Char('/') + name, errno);
    }
    return {};
}

Result<> CollectionSnapshot::restore(SpinoraDatabase& document, const QString& folder, bool reload)
{
    const QString package = document.packageFilename();
    Connection* live = document.database();
    if (!live)
        return Failure(QStringLiteral("the collection is not open"));
    const QStringList wanted = photoFilesIn(photosOf(folder));
    QStringList added;
    for (const QString& name : wanted) {
        const QString target = package + QLatin1Char('/') + name;
        if (QFileInfo::exists(target))
            continue;
        if (!linkOrCopy(photosOf(folder) + QLatin1Char('/') + name, target)) {
            const Failure failed = Failure::file(msg::kWritePhotoFailed, target, errno);
            for (const QString& done : added)
                QFile::remove(package + QLatin1Char('/') + done);
            return failed;
        }
        added << name;
    }

    QString error;
    auto source = Connection::open(databaseOf(folder), Connection::Mode::ReadOnly, &error);
    Result<> copied = source ? copyDatabase(source->handle(), live->handle())
                             : Result<>(Failure(formatMessage(msg::kOpenFailed, error)));
    if (!copied) {
        for (const QString& done : added)
            QFile::remove(package + QLatin1Char('/') + done);
        return copied;
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
                FileHelpers::renameFile(partial, file);
        }
    }
    if (!reload)
        return {};
    return reloadCollection(document);
}

Result<> CollectionSnapshot::reloadCollection(SpinoraDatabase& document)
{
    // One notice, once the records read again are linked.
    const ChangeNotices::Held held(document.notices());
    document.setAddEventFlag(false);
    document.setWriteCreationDate(false);
    if (Result<> read = document.initializeDatabase(document.dbFilename()); !read)
        return Failure(QStringLiteral("the collection could not be read again: %1").arg(read.failure().message()));
    document.mapLogsAndImages();
    return {};
}

} // namespace spinora
