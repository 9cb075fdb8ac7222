#include "SpinoraDatabase.h"

#include "AppInfo.h"
#include "FileHelpers.h"
#include "InterruptedChange.h"
#include "ListController.h"
#include "Localization.h"
#include "Messages.h"
#include "PackageCommit.h"
#include "PackageLock.h"
#include "Resources.h"
#include "SchemaUpgrade.h"
#include "SpinoraUtility.h"
#include "TextCompare.h"
#include "UndoHistory.h"
#include "UndoWorkArea.h"

#include <QCoreApplication>
#include <QObject>
#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QStandardPaths>

#include <sqlite3.h>

#include <algorithm>

namespace spinora {

namespace {

const char* const kSelectVersion = "SELECT pk, version_num, creation_date FROM version";
const char* const kInsertVersion = "INSERT INTO version (version_num, creation_date, comments) VALUES(?, ?, ?)";
const char* const kUpdateCreationDate = "UPDATE version SET creation_date=? WHERE pk=?";

QString quoted(const QString& path)
{
    return QStringLiteral("\u201C%1\u201D").arg(QFileInfo(path).fileName().isEmpty() ? path : QFileInfo(path).fileName());
}

} // namespace

SpinoraDatabase::SpinoraDatabase() : utility_(SpinoraUtility::sharedManager())
{
    utility_.documents().registerDatabase(this);
}

SpinoraDatabase::SpinoraDatabase(const QString& packagePath) : SpinoraDatabase()
{
    setPackageFilename(packagePath);
}

SpinoraDatabase::~SpinoraDatabase()
{
    // Whoever closes a document on purpose tells the user of a failed
    // flush; a document dropped without that only leaves its log line.
    if (Result<> closed = close(); !closed)
        logFailure(closed.failure());
    utility_.documents().deregisterDatabase(this);
}

void SpinoraDatabase::setPackageFilename(const QString& packagePath)
{
    packageFilename_ = packagePath;
    dbFilename_ = packagePath + QLatin1Char('/') + QString::fromUtf8(kDatabaseFileName);
}

bool SpinoraDatabase::failLoad(const QString& reason)
{
    loadFailure_ = reason;
    return false;
}

bool SpinoraDatabase::failLoad(const Failure& failure)
{
    logFailure(failure);
    return failLoad(failure.reason());
}

// --- Opening

Result<> SpinoraDatabase::readFromURL(const QString& packagePath)
{
    setPackageFilename(packagePath);
    if (!loadPackage()) {
        utility_.documents().deregisterDatabase(this);
        return Failure(QStringLiteral("The collection %1 could not be opened: %2").arg(quoted(packageFilename_), loadFailure_));
    }
    return {};
}

bool SpinoraDatabase::loadPackage()
{
    loadFailure_.clear();
    writeCreationDate_ = false;
    addEventFlag_ = false;
    bool opened = false;
    {
        Result<> made;
        if (!readOnly_)
            made = createEditableCopyOfDatabaseIfNeeded(packageFilename_, dbFilename_);
        if (!made)
            failLoad(made.failure());
        // A read-only connection cannot undo a change that a crash cut short.
        const auto readable = [this] {
            Result<> undone = readOnly_ ? undoInterruptedChange(packageFilename_) : Result<>{};
            if (!undone) {
                logFailure(undone.failure());
                failLoad(undone.failure().message());
            }
            return undone.ok();
        };
        opened = made && checkPackageUsable() && lockPackage() && readable() && loadRecords(dbFilename_, true);
        if (opened) {
            if (!readOnly_) {
                // What a history kept when the program died goes now.
                QSet<int64_t> imageKeys;
                for (const auto& image : images_)
                    imageKeys.insert(image->primaryKey());
                UndoWorkArea::recoverAfterCrash(packageFilename_, imageKeys);
                // Photos an editor was still preparing never became part
                // of the collection.
                FileHelpers::removeFileIfExists(Image::addingFolder(packageFilename_));
            }
            mapLogsAndImages();
            // The plants stay while the logs are read: removing one waits for them.
            if (logsBehind_.pending())
                logsBehind_.start(dbFilename_, sortLogsAscending_, RecordSet::plantsByKey(cacti_), groupByPlant,
                                  [this] { finishLoading(); });
            else if (ListController* logList = listController(kLogList))
                logList->recalculateReminders();
        }
    }
    // Nothing is flushed after a failure: a collection that did not load is
    // left as it is on disk.
    if (!opened) {
        database_.reset();
        if (packageLock_)
            packageLock_->discard();
        packageLock_.reset();
    }
    loaded_ = opened;
    return opened;
}

bool SpinoraDatabase::lockPackage()
{
    if (readOnly_)
        return true;
    if (packageLock_ && packageLock_->packagePath() == packageFilename_)
        return true;
    QString error;
    auto lock = PackageLock::acquire(packageFilename_, &error);
    if (!lock)
        return failLoad(error);
    packageLock_ = std::move(lock);
    return true;
}

bool SpinoraDatabase::checkPackageUsable()
{
    const QFileInfo package(packageFilename_);
    if (!package.exists())
        return failLoad(QStringLiteral("it does not exist."));
    if (!package.isDir())
        return failLoad(QStringLiteral("it is not a collection package (a folder ending in .sdb)."));
    const QFileInfo db(dbFilename_);
    if (!db.exists() || !db.isFile())
        return failLoad(QStringLiteral("the folder holds no %1, so it is not a Spinora collection.")
                            .arg(QString::fromUtf8(kDatabaseFileName)));
    if (!readOnly_ &&
        (!FileHelpers::hasWritePermission(packageFilename_) || !FileHelpers::hasWritePermission(dbFilename_)))
        return failLoad(QStringLiteral("it is read-only. Make it writable, or copy it to another place, to open it."));
    return true;
}

Result<> SpinoraDatabase::createUntitledPackage(const QString& displayName)
{
    const QString support =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Spinora");
    QDir().mkpath(support);
    setPackageFilename(support + QLatin1Char('/') + QFileInfo(displayName).completeBaseName() + QLatin1Char('.') +
                       QString::fromUtf8(kPackageExtension));
    unsavedDocument_ = true;
    if (!loadPackage())
        return Failure(QStringLiteral("The collection %1 could not be made: %2").arg(quoted(packageFilename_), loadFailure_));
    return {};
}

Result<> SpinoraDatabase::createEditableCopyOfDatabaseIfNeeded(const std::optional<QString>& packagePath,
                                                               const QString& dbPath)
{
    writeCreationDate_ = false;
    addEventFlag_ = false;
    QString target;
    bool madePackage = false;
    if (packagePath) {
        const QFileInfo existing(*packagePath);
        if (existing.exists() || existing.isSymLink())
            return {};
        if (!QDir().mkdir(*packagePath))
            return Failure::file(msg::kCreateDatabaseFailed, *packagePath, errno);
        madePackage = true;
        target = *packagePath + QLatin1Char('/') + QString::fromUtf8(kDatabaseFileName);
    } else {
        if (QFileInfo::exists(dbPath))
            return {};
        target = dbPath;
    }
    const QString templatePath =
        Resources::path(usesEmptyTemplate() ? QStringLiteral("spinora_emptydb.sdbi") : QStringLiteral("spinoradb.sdbi"));
    if (templatePath.isEmpty() || !FileHelpers::copyFileFrom(templatePath, target)) {
        const int error = templatePath.isEmpty() ? ENOENT : errno;
        if (madePackage)
            QDir(*packagePath).removeRecursively();
        return Failure::file(msg::kCreateDatabaseFailed, target, error);
    }
    writeCreationDate_ = true;
    addEventFlag_ = true;
    return {};
}

bool SpinoraDatabase::usesEmptyTemplate() const
{
    return emptyTemplateChoice_.value_or(utility_.getPreferences().addNoDefaultsToDatabases());
}

std::unique_ptr<Connection> SpinoraDatabase::openConnection(const QString& dbPath, Connection::Mode mode,
                                                            QString* error)
{
    auto connection = Connection::open(dbPath, mode, error);
    if (!connection || !connection->execute("PRAGMA cache_size=50;", error))
        return nullptr;
    // The page cache stays small; mapping the file lets the thousands of
    // per-record lookups of a load read pages without a system call each.
    connection->execute("PRAGMA mmap_size=268435456;");
    return connection;
}

bool SpinoraDatabase::openDatabase(const QString& dbPath)
{
    database_.reset();
    QString error;
    const bool ownFileReadOnly = readOnly_ && QDir::cleanPath(dbPath) == QDir::cleanPath(dbFilename_);
    auto connection =
        openConnection(dbPath, ownFileReadOnly ? Connection::Mode::ReadOnly : Connection::Mode::ReadWrite, &error);
    if (!connection)
        return failLoad(error);
    database_ = std::move(connection);
    reopenAllRecords();
    return true;
}

void SpinoraDatabase::reopenAllRecords()
{
    Connection* db = database_.get();
    for (auto& r : cacti_)
        r->reopen(db);
    for (auto& r : watering_)
        r->reopen(db);
    for (auto& r : logs_)
        r->reopen(db);
    for (auto& r : species_)
        r->reopen(db);
    for (auto& r : events_)
        r->reopen(db);
    for (auto& r : images_)
        r->reopen(db);
}

template <class T, class Keep>
bool SpinoraDatabase::loadTable(Keep keep)
{
    // A damaged file can end the scan early; that must not pass for the whole table.
    if (!Record::loadEveryRow<T>(database_.get(), keep))
        return failLoad(database_->errorMessage());
    return true;
}

bool SpinoraDatabase::readVersionRow()
{
    Statement select(database_.get(), kSelectVersion);
    if (!select.prepared())
        return failLoad(database_->errorMessage());
    const int rc = select.step();
    if (rc == SQLITE_ROW) {
        versionPrimaryKey_ = select.integer(0);
        dbVersionNumber_ = select.integer(1);
        dbCreationDate_ = select.date(2);
        return true;
    }
    if (rc != SQLITE_DONE)
        return failLoad(database_->errorMessage());
    dbCreationDate_ = now();
    dbVersionNumber_ = kSchemaVersion;
    if (database_->isReadOnly()) {
        // Read as a version 3 collection; the row is added when it is opened for writing.
        versionPrimaryKey_ = -1;
        return true;
    }
    Statement insert(database_.get(), kInsertVersion);
    if (!insert.prepared())
        return failLoad(database_->errorMessage());
    insert.bind(kSchemaVersion, timestampToColumn(dbCreationDate_), QStringLiteral("Full"));
    if (insert.step() != SQLITE_DONE)
        return failLoad(database_->errorMessage());
    versionPrimaryKey_ = database_->lastInsertRowId();
    return true;
}

Result<> SpinoraDatabase::initializeDatabase(const QString& dbPath)
{
    loadFailure_.clear();
    if (!loadRecords(dbPath, false))
        return Failure(loadFailure_);
    return {};
}

bool SpinoraDatabase::loadRecords(const QString& dbPath, bool logsBehind)
{
    // What an earlier load still reads behind is part of what goes now.
    finishLoading();
    replaceRecords(RecordSet());

    if (!openDatabase(dbPath))
        return false;
    {
        // Refuse a damaged file before anything is written to it.
        Statement check(database_.get(), "PRAGMA quick_check(1)");
        if (!check.prepared() || !check.stepRow())
            return failLoad(database_->errorMessage());
        if (check.text(0) != QLatin1String("ok"))
            return failLoad(QStringLiteral("the database is damaged (%1).").arg(check.text(0)));
    }
    if (!readVersionRow())
        return false;
    if (writeCreationDate_) {
        dbCreationDate_ = now();
        Statement update(database_.get(), kUpdateCreationDate);
        if (!update.prepared())
            return failLoad(database_->errorMessage());
        update.bind(timestampToColumn(dbCreationDate_), versionPrimaryKey_);
        if (update.step() != SQLITE_DONE)
            return failLoad(database_->errorMessage());
    }
    if (!upgradeDatabaseIfNeeded(database_.get()))
        return false;

    // The same load as a job's (RecordSet), on the document's connection;
    // the unusable rows it leaves out are deleted with it.
    RecordSet loaded;
    QString loadError;
    if (!loaded.load(database_.get(), packageFilename_, true, !logsBehind, &loadError))
        return failLoad(loadError);
    if (logsBehind) {
        // A log table that cannot be read refuses the collection now, as
        // reading it here would.
        if (!Record::canLoadEveryRow<Log>(database_.get()))
            return failLoad(database_->errorMessage());
        logsBehind_.expect();
    }
    replaceRecords(std::move(loaded));
    sortCacti();
    sortWater();

    if (addEventFlag_ && !usesEmptyTemplate()) {
        // The default events merge in the event names the logs use.
        finishLoading();
        if (Result<> added = addDefaultEventsToDatabase(); !added)
            return failLoad(added.failure());
        addEventFlag_ = false;
    }
    sortEvents();
    sortSpecies();
    return true;
}

void SpinoraDatabase::finishLoading()
{
    if (!logsBehind_.pending())
        return;
    // Taken first (once read): the lists refreshed below read the records again.
    BackgroundLogRead::Logs behind = logsBehind_.take();
    if (behind.ok) {
        logs_ = std::move(behind.logs);
        for (const auto& log : logs_)
            log->reopen(database_.get());
        if (behind.newestFirst != sortLogsAscending_) {
            RecordSet::sortLogs(logs_, sortLogsAscending_);
            behind.byPlant = groupByPlant(logs_);
        }
    } else {
        // The worker could not read them (its connection failed): read
        // them here, or keep the collection without logs, read-only, and say why.
        logs_.clear();
        if (!database_ || !loadTable<Log>([&](std::unique_ptr<Log> log) { logs_.push_back(std::move(log)); })) {
            logs_.clear();
            stopWritingAfterFailedRead(
                QStringLiteral("The logs of %1 could not be read: %2").arg(quoted(packageFilename_), loadFailure_));
        }
        RecordSet::setPlantsOfLogs(logs_, RecordSet::plantsByKey(cacti_));
        RecordSet::sortLogs(logs_, sortLogsAscending_);
        behind.byPlant = groupByPlant(logs_);
    }
    linkLogs(std::move(behind.byPlant));
    refreshDisplayed(kLogList);
    if (ListController* logList = listController(kLogList)) {
        if (behind.ok)
            logList->setRemindersDue(behind.remindersDue);
        else
            logList->recalculateReminders();
    }
    // The plants' rows show their first logs, and a search may find them.
    if (ListController* cactusList = listController(kCactusList))
        cactusList->linkedRecordsArrived();
}

void SpinoraDatabase::stopWritingAfterFailedRead(const QString& reason)
{
    // What could not be read would pass for missing: the photos of the logs
    // for orphans to delete, a flush or a save for the whole collection. So
    // nothing is written any more, on any path: the connection refuses every
    // write, imports need the lock, and the history records no step.
    readOnly_ = true;
    if (database_)
        database_->forbidWrites();
    if (undoHistory_)
        undoHistory_->clear();
    packageLock_.reset();
    readFailure_ = QStringLiteral("%1. So that nothing is lost, the collection is now read-only: nothing in it is "
                                  "changed or deleted. Close it and open it again to try once more.")
                       .arg(reason);
    logFailure(Failure(readFailure_, Failure::Cause::Damaged));
}

bool SpinoraDatabase::upgradeDatabaseIfNeeded(Connection* connection)
{
    if (dbVersionNumber_ == kSchemaVersion)
        return true;
    if (dbVersionNumber_ > kSchemaVersion)
        return failLoad(QStringLiteral("it was made by a newer version of Spinora (schema %1; this version reads up to %2).")
                            .arg(dbVersionNumber_)
                            .arg(kSchemaVersion));
    QString error;
    if (!SchemaUpgrade::upgrade(connection, &error)) {
        qCWarning(lcSpinora).noquote() << formatMessage(msg::kUpdateSchemaFailed, error);
        return failLoad(QStringLiteral("its schema could not be upgraded (%1).").arg(error));
    }
    dbVersionNumber_ = kSchemaVersion;
    return true;
}

Result<> SpinoraDatabase::updateSchemaForDatabase(Connection* connection, const QString& scriptName)
{
    QString script;
    if (!Resources::readText(scriptName, script))
        return Failure(formatMessage(msg::kUpdateSchemaFailed,
                                     QStringLiteral("the script %1 could not be read").arg(scriptName)));
    if (connection->execute(script))
        return {};
    Failure failed = Failure::sql(msg::kUpdateSchemaFailed, connection);
    connection->close();
    return failed;
}

Result<> SpinoraDatabase::databaseFilter(const QString& dbPath, const QString& scriptName)
{
    QString error;
    auto connection = Connection::open(dbPath, Connection::Mode::ReadWrite, &error);
    if (!connection)
        return Failure(formatMessage(msg::kOpenFailed, error), Failure::Cause::ReadOnly);
    if (!connection->execute("PRAGMA cache_size=50;"))
        return Failure::sql(msg::kCacheSizeFailed, connection.get());
    // A filter that fails would let records out that the export must not
    // carry, so its failure ends the export.
    if (Result<> filtered = updateSchemaForDatabase(connection.get(), scriptName); !filtered)
        return filtered;
    if (!connection->execute("vacuum;"))
        return Failure::sql(msg::kCompactFailed, connection.get());
    if (!connection->close(&error))
        return Failure::sql(msg::kCloseFailed, connection.get());
    return {};
}

Result<> SpinoraDatabase::addDefaultEventsToDatabase()
{
    QSet<QString> existing;
    for (const auto& event : events_)
        existing.insert(event->name());
    QStringList names;
    for (const auto& log : logs_) {
        if (!log->eventName().isEmpty())
            names << log->eventName();
    }
    for (const char* name : {"Fertilized", "Flowered", "Planted", "Purchased", "Repotted", "Sold"})
        names << localized(name);
    names.removeDuplicates();
    std::sort(names.begin(), names.end(),
              [](const QString& a, const QString& b) { return text::localizedCaseInsensitiveCompare(a, b) < 0; });
    for (const QString& name : names) {
        if (existing.contains(name))
            continue;
        if (Result<Event*> added = addEvent(std::make_unique<Event>(name)); !added)
            return added.failure();
    }
    return {};
}

// --- Transactions, flushing, saving, closing

bool SpinoraDatabase::beginTransactionWithDatabase(Connection* connection)
{
    Statement st(connection, "begin exclusive transaction");
    return st.prepared() && st.stepDone();
}

bool SpinoraDatabase::endTransactionWithDatabase(Connection* connection)
{
    Statement st(connection, "commit transaction");
    return st.prepared() && st.stepDone();
}

Result<> SpinoraDatabase::writePendingChanges()
{
    finishLoading();
    if (!database_)
        return {};
    auto anyDirty = [](auto& records) {
        return std::any_of(records.begin(), records.end(), [](const auto& record) { return record->isDirty(); });
    };
    // Nothing to write, nothing to lock: a flush with no changes must not
    // wait for (or fail on) another process that reads the file meanwhile.
    // A read-only document never writes.
    if (database_->isReadOnly() || !(anyDirty(cacti_) || anyDirty(watering_) || anyDirty(logs_) ||
                                     anyDirty(events_) || anyDirty(species_) || anyDirty(images_)))
        return {};
    // Every dirty record is written in one exclusive transaction. A failed
    // write leaves every change in memory, marked for the next attempt.
    std::vector<Record*> written;
    auto writeDirty = [&](auto& records) -> Result<> {
        for (auto& record : records) {
            if (!record->isDirty())
                continue;
            written.push_back(record.get());
            if (Result<> saved = record->save(); !saved)
                return saved;
        }
        return {};
    };
    Result<> result;
    {
        Transaction transaction(database_.get(), Transaction::Kind::Exclusive);
        if (!transaction.begun())
            result = Failure::sql(msg::kBeginFailed, database_.get());
        if (result)
            result = writeDirty(cacti_);
        if (result)
            result = writeDirty(watering_);
        if (result)
            result = writeDirty(logs_);
        if (result)
            result = writeDirty(events_);
        if (result)
            result = writeDirty(species_);
        if (result)
            result = writeDirty(images_);
        if (result && !transaction.commit())
            result = Failure::sql(msg::kCommitFailed, database_.get());
    }
    if (!result) {
        for (Record* record : written)
            record->markDirty();
    }
    return result;
}

Result<> SpinoraDatabase::flushDatabase(bool vacuum)
{
    if (!database_)
        return {};
    // The detail fields are released only after the commit, so a failed
    // flush leaves every change in memory.
    if (Result<> written = writePendingChanges(); !written)
        return written;
    // Everything is written now, so releasing writes nothing; a read-only
    // document drops what changed in memory instead.
    auto release = [](auto& records) {
        for (auto& record : records)
            record->unload();
    };
    release(cacti_);
    release(watering_);
    release(logs_);
    release(events_);
    release(species_);
    release(images_);

    QString error;
    if (vacuum && !database_->isReadOnly() && !database_->execute("vacuum;", &error))
        return Failure::sql(msg::kCompactFailed, database_.get());
    if (!database_->close(&error))
        return Failure::sql(msg::kCloseFailed, database_.get());
    database_.reset();
    return {};
}

Result<> SpinoraDatabase::writeSafelyToURL(const QString& packagePath)
{
    if (readOnly_)
        return Failure(QStringLiteral("The collection %1 was opened read-only and cannot be saved.").arg(quoted(packageFilename_)),
                       Failure::Cause::ReadOnly);
    const QString target = QDir::cleanPath(packagePath);
    if (target == QDir::cleanPath(packageFilename_)) {
        if (Result<> flushed = flushDatabase(false); !flushed) {
            // The changes stay in memory, marked for the next attempt.
            if (!database_)
                openDatabase(dbFilename_);
            return flushed;
        }
        if (!openDatabase(dbFilename_))
            return Failure(QStringLiteral("The collection %1 was saved, but could not be opened again: %2")
                               .arg(quoted(packageFilename_), loadFailure_));
        return {};
    }
    // The history's work area belongs to this package, not to the copy.
    dropUndoHistory();
    // Saving elsewhere must work when the collection's own disk cannot take
    // the changes (full, gone read-only): they are then written into the
    // copy instead, and the package here stays as it was.
    QString flushError;
    if (Result<> flushed = flushDatabase(false); !flushed) {
        flushError = flushed.failure().message();
        // The failed transaction was rolled back; the changes are still in
        // memory, marked for writing.
        if (database_)
            database_->close();
        database_.reset();
    }
    // A collection at the target that someone has open is not replaced;
    // while the copy is swapped in, nobody else may open it either.
    std::unique_ptr<PackageLock> targetLock;
    if (QFileInfo(target).isDir() && !QFileInfo(target).isSymLink() &&
        QFileInfo::exists(target + QLatin1Char('/') + QString::fromUtf8(kDatabaseFileName))) {
        QString error;
        targetLock = PackageLock::acquire(target, &error);
        if (!targetLock) {
            openDatabase(dbFilename_);
            return Failure(QStringLiteral("The collection could not be saved as %1: %2").arg(quoted(target), error));
        }
    }
    // The copy is made beside the target and swapped in only when it is
    // complete, so a failed save never destroys what was there before.
    const QString suffix = QStringLiteral(".saving-%1").arg(QCoreApplication::applicationPid());
    const QString partial = target + suffix;
    const QString previous = target + QStringLiteral(".replaced-%1").arg(QCoreApplication::applicationPid());
    FileHelpers::removeFileIfExists(partial);
    bool ok = PackageCommit::copyPackage(packageFilename_, partial);
    // The copy is locked for this document before it takes the target's
    // place, so it is never open to another writer.
    std::unique_ptr<PackageLock> newLock = ok ? PackageLock::acquire(partial, nullptr) : nullptr;
    ok = ok && newLock;
    bool changesOnlyInCopy = false;
    if (ok && !flushError.isEmpty()) {
        ok = openDatabase(partial + QLatin1Char('/') + QString::fromUtf8(kDatabaseFileName));
        if (ok) {
            const Result<> flushed = flushDatabase(false);
            ok = flushed.ok();
            changesOnlyInCopy = ok;
        }
        database_.reset();
    }
    FileHelpers::syncFileSystem(partial);
    const bool hadTarget = QFileInfo::exists(target) || QFileInfo(target).isSymLink();
    if (ok && hadTarget)
        ok = QDir().rename(target, previous);
    if (ok && !QDir().rename(partial, target)) {
        if (hadTarget)
            QDir().rename(previous, target);
        ok = false;
    }
    if (!ok) {
        newLock.reset();
        QString message = QStringLiteral("The collection could not be saved as %1.").arg(quoted(target));
        if (changesOnlyInCopy) {
            // The changes this package could not take live only in the copy now.
            message += QStringLiteral(" The latest changes are kept in %1.").arg(QDir::toNativeSeparators(partial));
        } else {
            FileHelpers::removeFileIfExists(partial);
        }
        // The document goes on working with its own package.
        openDatabase(dbFilename_);
        return Failure(message);
    }
    if (hadTarget)
        FileHelpers::removeFileIfExists(previous);
    setPackageFilename(target);
    // The old package is left behind, free for anyone to open.
    packageLock_ = std::move(newLock);
    for (auto& image : images_)
        image->setPath(packageFilename_);
    if (!openDatabase(dbFilename_))
        return Failure(QStringLiteral("The collection %1 was saved, but could not be opened again: %2")
                           .arg(quoted(packageFilename_), loadFailure_));
    return {};
}

std::optional<LoadedCollection> SpinoraDatabase::loadCollection(const QString& packagePath, const SortOrder& order,
                                                                QString* error)
{
    LoadedCollection loaded;
    loaded.connection = openConnection(packagePath + QLatin1Char('/') + QString::fromUtf8(kDatabaseFileName),
                                       Connection::Mode::ReadWrite, error);
    if (!loaded.connection)
        return std::nullopt;
    {
        Statement version(loaded.connection.get(), kSelectVersion);
        if (version.prepared() && version.stepRow()) {
            loaded.versionPrimaryKey = version.integer(0);
            loaded.creationDate = version.date(2);
        }
    }
    if (!loaded.records.load(loaded.connection.get(), packagePath, false, true, error))
        return std::nullopt;
    // Sorted here, off the main thread, in the lists' order.
    loaded.records.sort(order);
    return loaded;
}

void SpinoraDatabase::replaceRecords(RecordSet&& records)
{
    // Nothing may point at the records being dropped: the displayed lists
    // go first and are rebuilt by the caller, before anything is drawn.
    displayedCacti_.clear();
    displayedWatering_.clear();
    displayedLogs_.clear();
    ++recordsGeneration_;
    for (auto& cactus : cacti_)
        cactus->clearLogs();
    speciesScientific_.clear();
    images_.clear();
    logs_.clear();
    cacti_.clear();
    watering_.clear();
    events_.clear();
    species_.clear();
    cacti_ = std::move(records.cacti);
    watering_ = std::move(records.watering);
    logs_ = std::move(records.logs);
    events_ = std::move(records.events);
    species_ = std::move(records.species);
    speciesScientific_ = std::move(records.speciesScientific);
    images_ = std::move(records.images);
}

void SpinoraDatabase::adoptCollection(LoadedCollection&& loaded)
{
    // Logs still read behind belong to the plants that go now.
    finishLoading();
    replaceRecords(std::move(loaded.records));
    database_ = std::move(loaded.connection);
    if (loaded.versionPrimaryKey != -1) {
        versionPrimaryKey_ = loaded.versionPrimaryKey;
        dbCreationDate_ = loaded.creationDate;
    }
    dbVersionNumber_ = kSchemaVersion;
    // The job sorted the records already; linking them refreshes the log
    // list, and the other two refilter once here.
    mapLogsAndImages();
    refreshDisplayed(kCactusList);
    refreshDisplayed(kWaterList);
    if (logs_.size() < 2)
        refreshDisplayed(kLogList);
    if (ListController* logList = listController(kLogList))
        logList->recalculateReminders();
}

Result<> SpinoraDatabase::close()
{
    finishLoading();
    // The lock goes even when the last flush fails: the changes it could
    // not write are lost either way once the document is dropped.
    Result<> flushed;
    if (database_ && loaded_)
        flushed = flushDatabase(false);
    database_.reset();
    loaded_ = false;
    dropUndoHistory();
    packageLock_.reset();
    return flushed;
}

void SpinoraDatabase::dropUndoHistory()
{
    if (undoHistory_)
        undoHistory_->clear();
    if (!readOnly_ && packageLock_)
        UndoWorkArea::remove(packageFilename_);
}

} // namespace spinora
