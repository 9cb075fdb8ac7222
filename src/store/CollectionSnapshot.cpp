#include "CollectionSnapshot.h"

#include "ChangedRows.h"
#include "Localization.h"
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

QString photosOf(const QString& folder, CollectionSnapshot::Layout layout)
{
    return layout == CollectionSnapshot::Layout::Package ? folder : folder + QStringLiteral("/photos");
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

Result<> copyDatabaseFrom(const QString& file, Connection* live)
{
    QString error;
    auto source = Connection::open(file, Connection::Mode::ReadOnly, &error);
    if (!source)
        return Failure(formatMessage(msg::kOpenFailed, error));
    return copyDatabase(source->handle(), live->handle());
}

// The snapshot's database written beside the package's and renamed over it.
// Its write-ahead log goes first: left beside the new file, SQLite would
// replay the old database's pages into it.
Result<> replaceDatabaseFile(const QString& file, const QString& package)
{
    const QString target = databaseOf(package);
    const QString partial = target + QStringLiteral(".restoring");
    if (!FileHelpers::copyFileFrom(file, partial))
        return Failure::file(msg::kSaveFailed, partial, errno);
    for (const char* suffix : {"-wal", "-shm", "-journal"}) {
        if (!FileHelpers::removeFileIfExists(target + QLatin1String(suffix))) {
            QFile::remove(partial);
            return Failure::file(msg::kSaveFailed, target + QLatin1String(suffix), errno);
        }
    }
    if (!FileHelpers::renameFile(partial, target)) {
        const Failure failed = Failure::file(msg::kSaveFailed, target, errno);
        QFile::remove(partial);
        return failed;
    }
    return {};
}

} // namespace

Result<> CollectionSnapshot::take(SpinoraDatabase& document, const QString& folder, Layout layout)
{
    Connection* live = document.database();
    if (!live)
        return Failure(localized("the collection is not open"));
    if (Result<> saved = saveChangedRecords(document); !saved)
        return saved;
    return copy(live, document.packageFilename(), folder, layout);
}

Result<> CollectionSnapshot::copy(Connection* live, const QString& package, const QString& folder, Layout layout)
{
    FileHelpers::removeFileIfExists(folder);
    const QString photos = photosOf(folder, layout);
    if (!QDir().mkpath(photos))
        return Failure::file(msg::kSaveFailed, folder, errno);
    QString error;
    auto copy = Connection::open(databaseOf(folder), Connection::Mode::ReadWriteCreate, &error);
    if (!copy)
        return Failure(formatMessage(msg::kOpenFailed, error));
    if (Result<> copied = copyDatabase(live->handle(), copy->handle()); !copied)
        return copied;
    if (!copy->close(&error))
        return Failure::sql(msg::kCloseFailed, copy.get());
    return linkPhotoFiles(package, photos);
}

Result<> CollectionSnapshot::linkPhotoFiles(const QString& package, const QString& folder)
{
    for (const QString& name : photoFilesIn(package)) {
        if (!linkOrCopy(package + QLatin1Char('/') + name, folder + QLatin1Char('/') + name))
            return Failure::file(msg::kWritePhotoFailed, folder + QLatin1Char('/') + name, errno);
    }
    return {};
}

Result<> CollectionSnapshot::restore(SpinoraDatabase& document, const QString& folder, bool reload, Layout layout)
{
    Connection* live = document.database();
    if (!live)
        return Failure(localized("the collection is not open"));
    if (Result<> restored = restore(live, document.packageFilename(), folder, layout); !restored || !reload)
        return restored;
    return reloadCollection(document);
}

Result<> CollectionSnapshot::restore(Connection* live, const QString& package, const QString& folder, Layout layout)
{
    const QString photos = photosOf(folder, layout);
    const QStringList wanted = photoFilesIn(photos);
    QStringList added;
    const auto takeOutAdded = [&] {
        for (const QString& done : added)
            QFile::remove(package + QLatin1Char('/') + done);
    };
    for (const QString& name : wanted) {
        const QString target = package + QLatin1Char('/') + name;
        if (QFileInfo::exists(target))
            continue;
        if (!linkOrCopy(photos + QLatin1Char('/') + name, target)) {
            const Failure failed = Failure::file(msg::kWritePhotoFailed, target, errno);
            takeOutAdded();
            return failed;
        }
        added << name;
    }

    Result<> copied = live ? copyDatabaseFrom(databaseOf(folder), live) : replaceDatabaseFile(databaseOf(folder), package);
    if (!copied) {
        takeOutAdded();
        return copied;
    }

    // The snapshot is the collection now; its photo files replace the others.
    const QSet<QString> keep(wanted.begin(), wanted.end());
    for (const QString& name : photoFilesIn(package)) {
        const QString file = package + QLatin1Char('/') + name;
        const QString kept = photos + QLatin1Char('/') + name;
        if (!keep.contains(name)) {
            QFile::remove(file);
        } else if (!sameFile(file, kept)) {
            const QString partial = file + QStringLiteral(".restoring");
            QFile::remove(partial);
            if (linkOrCopy(kept, partial))
                FileHelpers::renameFile(partial, file);
        }
    }
    return {};
}

Result<> CollectionSnapshot::reloadCollection(SpinoraDatabase& document)
{
    // One notice, once the records read again are linked.
    const ChangeNotices::Held held(document.notices());
    document.setAddEventFlag(false);
    document.setWriteCreationDate(false);
    if (Result<> read = document.initializeDatabase(document.dbFilename()); !read)
        return Failure(localized("the collection could not be read again: %1").arg(read.failure().message()));
    document.mapLogsAndImages();
    return {};
}

} // namespace spinora
