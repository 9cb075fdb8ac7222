#include "SpinoraDatabase.h"

#include "AppInfo.h"
#include "FileHelpers.h"
#include "InterruptedChange.h"
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


#include <algorithm>

namespace spinora {

namespace {

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
    package_.setPath(packagePath);
}

SpinoraDatabase::~SpinoraDatabase()
{
    // Whoever closes a document on purpose tells the user of a failed
    // flush; a document dropped without that only leaves its log line.
    if (Result<> closed = close(); !closed)
        logFailure(closed.failure());
    utility_.documents().deregisterDatabase(this);
}

bool SpinoraDatabase::failLoad(const QString& reason, Failure::Cause cause)
{
    loadFailure_ = reason;
    loadCause_ = cause;
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
    const ChangeNotices::Held held(notices_);
    package_.setPath(packagePath);
    if (!loadPackage()) {
        utility_.documents().deregisterDatabase(this);
        return Failure(localized("The collection %1 could not be opened: %2").arg(quoted(package_.path()), loadFailure_),
                       loadCause_);
    }
    return {};
}

bool SpinoraDatabase::loadPackage()
{
    loadFailure_.clear();
    loadCause_ = Failure::Cause::Other;
    writeCreationDate_ = false;
    addEventFlag_ = false;
    bool opened = false;
    {
        Result<> made;
        if (!package_.isReadOnly())
            made = createEditableCopyOfDatabaseIfNeeded(package_.path(), package_.dbPath());
        if (!made)
            failLoad(made.failure());
        // A read-only connection cannot undo a change that a crash cut short.
        const auto readable = [this] {
            Result<> undone = package_.isReadOnly() ? undoInterruptedChange(package_.path()) : Result<>{};
            if (!undone) {
                logFailure(undone.failure());
                failLoad(undone.failure().message());
            }
            return undone.ok();
        };
        const auto usable = [this] {
            Result<> checked = package_.checkUsable();
            if (checked)
                checked = package_.lock();
            return checked ? true : failLoad(checked.failure().message());
        };
        opened = made && usable() && readable() && loadRecords(package_.dbPath(), true);
        if (opened) {
            if (!package_.isReadOnly()) {
                // What a history kept when the program died goes now.
                QSet<int64_t> imageKeys;
                for (const auto& image : records_.images)
                    imageKeys.insert(image->primaryKey());
                UndoWorkArea::recoverAfterCrash(package_.path(), imageKeys);
                // Photos an editor was still preparing never became part
                // of the collection.
                FileHelpers::removeFileIfExists(Image::addingFolder(package_.path()));
            }
            mapLogsAndImages();
            // The plants stay while the logs are read: removing one waits for them.
            if (logsBehind_.pending())
                logsBehind_.start(package_.dbPath(), sortLogsAscending(), RecordSet::plantsByKey(records_.cacti),
                                  groupByPlant, [this] { finishLoading(); });
        }
    }
    // Nothing is flushed after a failure: a collection that did not load is
    // left as it is on disk.
    if (!opened) {
        database_.reset();
        package_.unlock(true);
    }
    loaded_ = opened;
    return opened;
}

Result<> SpinoraDatabase::createUntitledPackage(const QString& displayName)
{
    const QString support =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Spinora");
    QDir().mkpath(support);
    package_.setPath(support + QLatin1Char('/') + QFileInfo(displayName).completeBaseName() + QLatin1Char('.') +
                       QString::fromUtf8(kPackageExtension));
    unsavedDocument_ = true;
    if (!loadPackage())
        return Failure(localized("The collection %1 could not be made: %2").arg(quoted(package_.path()), loadFailure_));
    return {};
}

Result<> SpinoraDatabase::createEditableCopyOfDatabaseIfNeeded(const std::optional<QString>& packagePath,
                                                               const QString& dbPath)
{
    writeCreationDate_ = false;
    addEventFlag_ = false;
    const Result<bool> made = package_.makeFromTemplateIfMissing(packagePath, dbPath);
    if (!made)
        return made.failure();
    // A new collection gets its creation date and the default events.
    writeCreationDate_ = addEventFlag_ = *made;
    return {};
}

bool SpinoraDatabase::openDatabase(const QString& dbPath)
{
    database_.reset();
    QString error;
    const bool ownFileReadOnly = package_.isReadOnly() && QDir::cleanPath(dbPath) == QDir::cleanPath(package_.dbPath());
    auto connection =
        CollectionPackage::openConnection(dbPath, ownFileReadOnly ? Connection::Mode::ReadOnly : Connection::Mode::ReadWrite, &error);
    if (!connection)
        return failLoad(error);
    database_ = std::move(connection);
    reopenAllRecords();
    return true;
}

void SpinoraDatabase::reopenAllRecords()
{
    Connection* db = database_.get();
    for (auto& r : records_.cacti)
        r->reopen(db);
    for (auto& r : records_.watering)
        r->reopen(db);
    for (auto& r : records_.logs)
        r->reopen(db);
    for (auto& r : records_.species)
        r->reopen(db);
    for (auto& r : records_.events)
        r->reopen(db);
    for (auto& r : records_.images)
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

Result<> SpinoraDatabase::initializeDatabase(const QString& dbPath)
{
    loadFailure_.clear();
    if (!loadRecords(dbPath, false))
        return Failure(loadFailure_);
    return {};
}

bool SpinoraDatabase::loadRecords(const QString& dbPath, bool logsBehind)
{
    const ChangeNotices::Held held(notices_);
    // What an earlier load still reads behind is part of what goes now.
    finishLoading();
    replaceRecords(RecordSet());

    if (!openDatabase(dbPath))
        return false;
    Result<VersionRow> version = VersionRow::checkAtOpen(database_.get(), writeCreationDate_);
    if (!version)
        return failLoad(version.failure().message(), version.failure().cause());
    version_ = *version;
    if (!upgradeDatabaseIfNeeded(database_.get()))
        return false;

    // The same load as a job's (RecordSet), on the document's connection;
    // the unusable rows it leaves out are deleted with it.
    RecordSet loaded;
    QString loadError;
    if (!loaded.load(database_.get(), package_.path(), true, !logsBehind, &loadError))
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
    const ChangeNotices::Held held(notices_);
    // Taken first (once read): the lists refreshed below read the records again.
    BackgroundLogRead::Logs behind = logsBehind_.take();
    if (behind.ok) {
        records_.logs = std::move(behind.logs);
        for (const auto& log : records_.logs)
            log->reopen(database_.get());
        if (behind.newestFirst != sortLogsAscending()) {
            RecordSet::sortLogs(records_.logs, sortLogsAscending());
            behind.byPlant = groupByPlant(records_.logs);
        }
    } else {
        // The worker could not read them (its connection failed): read
        // them here, or keep the collection without logs, read-only, and say why.
        records_.logs.clear();
        if (!database_ || !loadTable<Log>([&](std::unique_ptr<Log> log) { records_.logs.push_back(std::move(log)); })) {
            records_.logs.clear();
            stopWritingAfterFailedRead(
                localized("The logs of %1 could not be read: %2").arg(quoted(package_.path()), loadFailure_));
        }
        RecordSet::setPlantsOfLogs(records_.logs, RecordSet::plantsByKey(records_.cacti));
        RecordSet::sortLogs(records_.logs, sortLogsAscending());
        behind.byPlant = groupByPlant(records_.logs);
    }
    linkLogs(std::move(behind.byPlant));
    showAllUnlessSearched(kLogList);
    // The log list fills, the plants' rows show their first logs, and a
    // search may find them.
    notices_.noteLogsArrived();
}

void SpinoraDatabase::stopWritingAfterFailedRead(const QString& reason)
{
    // What could not be read would pass for missing: the photos of the logs
    // for orphans to delete, a flush or a save for the whole collection. So
    // nothing is written any more, on any path: the connection refuses every
    // write, imports need the lock, and the history records no step.
    package_.setReadOnly(true);
    if (database_)
        database_->forbidWrites();
    if (undoHistory_)
        undoHistory_->clear();
    package_.unlock();
    readFailure_ = localized("%1. So that nothing is lost, the collection is now read-only: nothing in it is "
                                  "changed or deleted. Close it and open it again to try once more.")
                       .arg(reason);
    logFailure(Failure(readFailure_, Failure::Cause::Damaged));
}

bool SpinoraDatabase::upgradeDatabaseIfNeeded(Connection* connection)
{
    if (version_.version == kSchemaVersion)
        return true;
    if (version_.version > kSchemaVersion)
        return failLoad(localized("it was made by a newer version of Spinora (schema %1; this version reads up to %2).")
                            .arg(version_.version)
                            .arg(kSchemaVersion));
    QString error;
    if (!SchemaUpgrade::upgrade(connection, &error)) {
        qCWarning(lcSpinora).noquote() << formatMessage(msg::kUpdateSchemaFailed, error);
        return failLoad(localized("its schema could not be upgraded (%1).").arg(error));
    }
    version_.version = kSchemaVersion;
    return true;
}

Result<> SpinoraDatabase::updateSchemaForDatabase(Connection* connection, const QString& scriptName)
{
    QString script;
    if (!Resources::readText(scriptName, script))
        return Failure(formatMessage(msg::kUpdateSchemaFailed,
                                     localized("the script %1 could not be read").arg(scriptName)));
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
    for (const auto& event : records_.events)
        existing.insert(event->name());
    QStringList names;
    for (const auto& log : records_.logs) {
        if (!log->eventName().isEmpty())
            names << log->eventName();
    }
    for (const char* name : {QT_TRID_NOOP("Fertilized"), QT_TRID_NOOP("Flowered"), QT_TRID_NOOP("Planted"),
                             QT_TRID_NOOP("Purchased"), QT_TRID_NOOP("Repotted"), QT_TRID_NOOP("Sold")})
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
    if (database_->isReadOnly() || !(anyDirty(records_.cacti) || anyDirty(records_.watering) || anyDirty(records_.logs) ||
                                     anyDirty(records_.events) || anyDirty(records_.species) || anyDirty(records_.images)))
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
            result = writeDirty(records_.cacti);
        if (result)
            result = writeDirty(records_.watering);
        if (result)
            result = writeDirty(records_.logs);
        if (result)
            result = writeDirty(records_.events);
        if (result)
            result = writeDirty(records_.species);
        if (result)
            result = writeDirty(records_.images);
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
    release(records_.cacti);
    release(records_.watering);
    release(records_.logs);
    release(records_.events);
    release(records_.species);
    release(records_.images);

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
    if (package_.isReadOnly())
        return Failure(localized("The collection %1 was opened read-only and cannot be saved.").arg(quoted(package_.path())),
                       Failure::Cause::ReadOnly);
    const QString target = QDir::cleanPath(packagePath);
    if (target == QDir::cleanPath(package_.path())) {
        if (Result<> flushed = flushDatabase(false); !flushed) {
            // The changes stay in memory, marked for the next attempt.
            if (!database_)
                openDatabase(package_.dbPath());
            return flushed;
        }
        if (!openDatabase(package_.dbPath()))
            return Failure(localized("The collection %1 was saved, but could not be opened again: %2")
                               .arg(quoted(package_.path()), loadFailure_));
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
            openDatabase(package_.dbPath());
            return Failure(localized("The collection could not be saved as %1: %2").arg(quoted(target), error));
        }
    }
    // The copy is made beside the target and swapped in only when it is
    // complete, so a failed save never destroys what was there before.
    const QString suffix = QStringLiteral(".saving-%1").arg(QCoreApplication::applicationPid());
    const QString partial = target + suffix;
    const QString previous = target + QStringLiteral(".replaced-%1").arg(QCoreApplication::applicationPid());
    FileHelpers::removeFileIfExists(partial);
    bool ok = PackageCommit::copyPackage(package_.path(), partial);
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
        QString message = localized("The collection could not be saved as %1.").arg(quoted(target));
        if (changesOnlyInCopy) {
            // The changes this package could not take live only in the copy now.
            message += QStringLiteral(" The latest changes are kept in %1.").arg(QDir::toNativeSeparators(partial));
        } else {
            FileHelpers::removeFileIfExists(partial);
        }
        // The document goes on working with its own package.
        openDatabase(package_.dbPath());
        return Failure(message);
    }
    if (hadTarget)
        FileHelpers::removeFileIfExists(previous);
    package_.setPath(target);
    // The old package is left behind, free for anyone to open.
    package_.adoptLock(std::move(newLock));
    for (auto& image : records_.images)
        image->setPath(package_.path());
    if (!openDatabase(package_.dbPath()))
        return Failure(localized("The collection %1 was saved, but could not be opened again: %2")
                           .arg(quoted(package_.path()), loadFailure_));
    return {};
}

std::optional<LoadedCollection> SpinoraDatabase::loadCollection(const QString& packagePath, const SortOrder& order,
                                                                QString* error)
{
    LoadedCollection loaded;
    loaded.connection = CollectionPackage::openConnection(packagePath + QLatin1Char('/') + QString::fromUtf8(kDatabaseFileName),
                                       Connection::Mode::ReadWrite, error);
    if (!loaded.connection)
        return std::nullopt;
    loaded.version = VersionRow::read(loaded.connection.get());
    if (!loaded.records.load(loaded.connection.get(), packagePath, false, true, error))
        return std::nullopt;
    // Sorted here, off the main thread, in the lists' order.
    loaded.records.sort(order);
    return loaded;
}

void SpinoraDatabase::replaceRecords(RecordSet&& records)
{
    // Nothing may point at the records being dropped: the displayed lists
    // go first and are filled again once the change is told.
    displayed_.clear();
    records_.clear();
    records_ = std::move(records);
    notices_.noteReplacedAll();
}

void SpinoraDatabase::adoptCollection(LoadedCollection&& loaded)
{
    const ChangeNotices::Held held(notices_);
    // Logs still read behind belong to the plants that go now.
    finishLoading();
    replaceRecords(std::move(loaded.records));
    database_ = std::move(loaded.connection);
    if (loaded.version.primaryKey != -1) {
        version_.primaryKey = loaded.version.primaryKey;
        version_.creationDate = loaded.version.creationDate;
    }
    version_.version = kSchemaVersion;
    // The job sorted the records already; the lists refilter once, when
    // the change is told.
    mapLogsAndImages();
    showAllUnlessSearched(kCactusList);
    showAllUnlessSearched(kWaterList);
    showAllUnlessSearched(kLogList);
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
    package_.unlock();
    return flushed;
}

void SpinoraDatabase::dropUndoHistory()
{
    if (undoHistory_)
        undoHistory_->clear();
    if (!package_.isReadOnly() && package_.holdsLock())
        UndoWorkArea::remove(package_.path());
}

} // namespace spinora
