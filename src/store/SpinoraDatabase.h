#pragma once

#include "BackgroundLogRead.h"
#include "ChangeNotices.h"
#include "CollectionPackage.h"
#include "DisplayedLists.h"
#include "RecordSet.h"
#include "SqlConnection.h"
#include "VersionRow.h"

#include <QObject>
#include <QString>

#include <memory>
#include <optional>
#include <vector>


namespace spinora {

class SpinoraUtility;
class UndoHistory;

// A collection read by a job on a connection of its own (after an import),
// for the document to take over on the main thread.
struct LoadedCollection {
    std::unique_ptr<Connection> connection;
    RecordSet records;
    VersionRow version;
};

// One open collection: a package folder ("*.sdb") holding "spinora.db" and
// the photo files, one SQLite connection, and every record of the collection
// in memory. Records write themselves to the database as they change, so
// saving only flushes, moves the package when needed, and reopens.
//
// The document owns its parts and ties them together:
// - CollectionPackage: where the package is, its lock and its template;
// - VersionRow: the database checked at open, its schema version and age
//   (SchemaUpgrade brings an older schema up to date);
// - RecordSet: every record, in the lists' order;
// - DisplayedLists: what each list shows, and its direction;
// - ChangeNotices: one notice per change, for the lists to refresh once;
// - BackgroundLogRead: the logs read behind the first screen (see
//   "Loading in two stages").
class SpinoraDatabase {
public:
    using ListKind = spinora::ListKind;
    using enum spinora::ListKind;

    // A new, untitled collection (its package is made by createUntitledPackage).
    SpinoraDatabase();
    // A collection opened from a package path (readFromURL then loads it).
    explicit SpinoraDatabase(const QString& packagePath);
    ~SpinoraDatabase();
    SpinoraDatabase(const SpinoraDatabase&) = delete;
    SpinoraDatabase& operator=(const SpinoraDatabase&) = delete;

    // --- The document's life
    // Opens an existing collection (a missing package is made from the
    // template). A collection opened for writing is locked for this document
    // until close(): opening it a second time, in this process or another,
    // fails, and the failure names the holder ("... it is in use by
    // spinora-cli (process 4242) ..." or "... it is already open in this
    // program ...").
    Result<> readFromURL(const QString& packagePath);
    // Call before readFromURL: open without the lock and without writing
    // anything (listing, exporting, printing). The package must exist; records
    // changed in memory are not stored.
    void setReadOnly(bool readOnly) { package_.setReadOnly(readOnly); }
    bool isReadOnly() const { return package_.isReadOnly(); }
    // True while this document holds its package's writer lock.
    bool holdsPackageLock() const { return package_.holdsLock(); }
    // Makes (or reuses) "<application support>/Spinora/<name>.sdb" and loads it.
    Result<> createUntitledPackage(const QString& displayName);
    Result<> createEditableCopyOfDatabaseIfNeeded(const std::optional<QString>& packagePath, const QString& dbPath);
    bool openDatabase(const QString& dbPath);
    // Reads every record again from the file.
    Result<> initializeDatabase(const QString& dbPath);
    bool upgradeDatabaseIfNeeded(Connection* connection);
    static Result<> updateSchemaForDatabase(Connection* connection, const QString& scriptName);
    static Result<> databaseFilter(const QString& dbPath, const QString& scriptName);
    Result<> addDefaultEventsToDatabase();
    bool beginTransactionWithDatabase(Connection* connection);
    bool endTransactionWithDatabase(Connection* connection);
    // Writes every pending change in one exclusive transaction; the
    // connection stays open (before a job reads or changes the file).
    Result<> writePendingChanges();
    // Writes every pending change in one exclusive transaction and closes the connection.
    Result<> flushDatabase(bool vacuum);
    Result<> saveBeforeQuit() { return flushDatabase(false); }
    // Saves the collection as the package at `packagePath` (or in place).
    Result<> writeSafelyToURL(const QString& packagePath);
    // Flushes if open and closes; the document can be dropped afterwards.
    // The lock and the connection go even when the flush fails.
    Result<> close();

    // Chooses the template of a new package for this document alone,
    // instead of the user's preference (the command-line tool's --empty).
    void setTemplateChoice(std::optional<bool> emptyTemplate) { package_.setTemplateChoice(emptyTemplate); }
    bool usesEmptyTemplate() const { return package_.usesEmptyTemplate(); }

    // Why a collection opened for writing turned read-only later (its logs,
    // read behind the first screen, could not be read); empty while all is
    // well. Nothing is written to it from then on.
    const QString& readFailure() const { return readFailure_; }

    // --- State
    Connection* database() const { return database_.get(); }
    const CollectionPackage& package() const { return package_; }
    const QString& packageFilename() const { return package_.path(); }
    const QString& dbFilename() const { return package_.dbPath(); }
    void setPackageFilename(const QString& packagePath) { package_.setPath(packagePath); }
    int64_t versionPrimaryKey() const { return version_.primaryKey; }
    int64_t dbVersionNumber() const { return version_.version; }
    void setDbVersionNumber(int64_t version) { version_.version = version; }
    const Timestamp& dbCreationDate() const { return version_.creationDate; }
    void setDbCreationDate(const Timestamp& date) { version_.creationDate = date; }
    bool writeCreationDate() const { return writeCreationDate_; }
    bool addEventFlag() const { return addEventFlag_; }
    void setAddEventFlag(bool flag) { addEventFlag_ = flag; }
    void setWriteCreationDate(bool flag) { writeCreationDate_ = flag; }
    bool unsavedDocument() const { return unsavedDocument_; }
    bool isLoaded() const { return loaded_; }

    // --- Loading in two stages
    // Opening a collection (readFromURL) loads what the first screen of the
    // cactus list needs: the plants, schedules, event and species lists and
    // the photos. The logs, by far the most rows, are read meanwhile on a
    // thread of their own with their own connection, and handed over whole
    // on the main thread: they are linked to their plants and photos and
    // the lists refresh. Until then the plants have no logs.
    // finishLoading waits for that hand-over; everything that needs more
    // than the first screen calls it, and so do the record accessors below
    // (except the displayed plants and schedules, which painting uses).
    void finishLoading();
    bool logsLoadingBehind() const { return logsBehind_.pending(); }

    // --- The records (the document owns them; links and displayed lists refer)
    std::vector<std::unique_ptr<Cactus>>& cacti()
    {
        finishLoading();
        return records_.cacti;
    }
    std::vector<std::unique_ptr<Water>>& watering() { return records_.watering; }
    std::vector<std::unique_ptr<Log>>& logs()
    {
        finishLoading();
        return records_.logs;
    }
    std::vector<std::unique_ptr<Event>>& events() { return records_.events; }
    std::vector<std::unique_ptr<Species>>& species() { return records_.species; }
    std::vector<Species*>& speciesScientific() { return records_.speciesScientific; }
    std::vector<std::unique_ptr<Image>>& images()
    {
        finishLoading();
        return records_.images;
    }
    // The plants without waiting for their logs: for showing the list with
    // no search, which reads no log.
    const std::vector<std::unique_ptr<Cactus>>& cactiOfFirstScreen() const { return records_.cacti; }

    // --- What the lists show (see DisplayedLists)
    DisplayedLists& displayed() { return displayed_; }
    std::vector<Cactus*>& displayedCacti() { return displayed_.cacti(); }
    std::vector<Water*>& displayedWatering() { return displayed_.watering(); }
    std::vector<Log*>& displayedLogs()
    {
        finishLoading();
        return displayed_.logs();
    }
    // Counts the times every record was replaced at once (a collection read
    // again after an import or an undo): the displayed lists were emptied
    // then and must be filled again before anything is drawn.
    uint64_t recordsGeneration() const { return displayed_.generation(); }
    // Fills a displayed array that no list fills from its search with
    // every record.
    void showAllUnlessSearched(ListKind kind);

    bool sortCactiAscending() const { return displayed_.ascending(kCactusList); }
    void setSortCactiAscending(bool ascending) { displayed_.setAscending(kCactusList, ascending); }
    bool sortWaterAscending() const { return displayed_.ascending(kWaterList); }
    void setSortWaterAscending(bool ascending) { displayed_.setAscending(kWaterList, ascending); }
    bool sortLogsAscending() const { return displayed_.ascending(kLogList); }
    void setSortLogsAscending(bool ascending) { displayed_.setAscending(kLogList, ascending); }

    // The order the lists show, for a job that writes records in it.
    SortOrder sortOrder() const;

    // --- What changed: one notice per action (see ChangeNotices)
    ChangeNotices& notices() { return notices_; }

    // The window's history of undoable steps (none without a window).
    void setUndoHistory(UndoHistory* history) { undoHistory_ = history; }
    UndoHistory* undoHistory() const { return undoHistory_; }

    // --- In-memory collections. Adding stores the record, then keeps it; a
    // record that could not be stored stays with the caller.
    Result<Cactus*> addCactus(std::unique_ptr<Cactus>&& cactus);
    Result<Water*> addWater(std::unique_ptr<Water>&& water);
    Result<Log*> addLog(std::unique_ptr<Log>&& log);
    // Keeps a record its editor stored itself (see the add-mode editors):
    // memory only, nothing can fail.
    Cactus* keepCactus(std::unique_ptr<Cactus> cactus);
    Water* keepWater(std::unique_ptr<Water> water);
    Log* keepLog(std::unique_ptr<Log> log);
    Result<Event*> addEvent(std::unique_ptr<Event>&& event);
    Result<Species*> addSpecies(std::unique_ptr<Species>&& species);
    // Adding the photo to its owner's photos is the caller's step.
    Result<Image*> addImage(std::unique_ptr<Image>&& image);
    // A photo whose files were prepared in the package's adding folder (see
    // Image::insertWithAddedFiles). On failure the files that were moved
    // are the caller's to remove again.
    Result<Image*> addImage(std::unique_ptr<Image>&& image, const QStringList& preparedFiles);
    void updateCactus(Cactus* cactus);
    void updateWater(Water* water);
    void updateEvent(Event* event);
    void updateSpecies(Species* species);
    Result<> removeCactus(Cactus* cactus);
    Result<> removeWater(Water* water);
    Result<> removeLog(Log* log);
    Result<> removeEvent(Event* event);
    Result<> removeSpecies(Species* species);
    Result<> removeImage(Image* image);

    void sortCacti();
    void sortWater();
    void sortLogsByLogDateAndTitle();
    void sortEvents();
    void sortSpecies();
    Water* waterWithName(const QString& name) const;
    Event* eventWithName(const QString& name) const;
    Species* speciesWithName(const QString& name, const QString& scientificName) const;
    // The record stored under this key while the collection holds it (none
    // for -1): what an editor chose stays found after any re-sort.
    Cactus* cactusWithKey(int64_t key) const;
    Water* waterWithKey(int64_t key) const;
    Event* eventWithKey(int64_t key) const;
    Species* speciesWithKey(int64_t key) const;
    // Links plants to schedules, logs to plants and photos to owners after a load.
    bool mapLogsAndImages();

    // --- One step of changes (UndoHistory runs every command as one)
    // While a step runs, the records it removes are kept aside instead of
    // being dropped: when the step fails and its rows come back, the same
    // records come back with them, so that the pointers editors and lists
    // hold stay valid. endStep() drops them for good.
    // The notice of what the step changed is sent once, at its end.
    void beginStep();
    void endStep();
    // A record the running step removed, taken back for its key; null when
    // there is none.
    template <class T>
    std::unique_ptr<T> takeRemoved(int64_t key)
    {
        for (auto it = removedInStep_.begin(); it != removedInStep_.end(); ++it) {
            if (auto* record = dynamic_cast<T*>(it->get()); record && record->primaryKey() == key) {
                it->release();
                removedInStep_.erase(it);
                return std::unique_ptr<T>(record);
            }
        }
        return nullptr;
    }

    // --- A collection changed by a job (an import)
    // Reads a collection through a new connection of its own and sorts it
    // in `order`, as a job does after it changed the file; nothing is
    // written. Any thread.
    static std::optional<LoadedCollection> loadCollection(const QString& packagePath, const SortOrder& order,
                                                          QString* error);
    // Main thread: takes over what a job loaded in place of the records and
    // the connection held so far, links it, and has the lists show it
    // (each list refilters once).
    void adoptCollection(LoadedCollection&& loaded);

private:
    // The load of initializeDatabase; with logsBehind the logs are left to
    // logsBehind_.
    bool loadRecords(const QString& dbPath, bool logsBehind);
    // A read failed after the collection opened: from now on nothing is
    // written to it, and readFailure() says why.
    void stopWritingAfterFailedRead(const QString& reason);
    // The logs of each plant, in the order of the document's logs (so in
    // the order of each plant's own sort).
    using LogsByPlant = std::vector<std::pair<Cactus*, std::vector<Log*>>>;
    static LogsByPlant groupByPlant(const std::vector<std::unique_ptr<Log>>& logs);
    // Gives the plants their logs and the logs their photos.
    void linkLogs(LogsByPlant byPlant);
    void removeOrphans(const std::vector<Image*>& orphans);
    // removeImage without waiting for the logs (the loading's own repairs).
    Result<> dropImage(Image* image);
    // Takes the record out of `records`: kept aside while a step runs,
    // dropped otherwise.
    template <class T>
    void eraseRecord(std::vector<std::unique_ptr<T>>& records, const T* record);
    // Inserts the record and moves it into `into` once stored.
    template <class T>
    Result<T*> store(std::unique_ptr<T>& record, std::vector<std::unique_ptr<T>>& into);
    void reopenAllRecords();
    // Drops every record (the displayed lists first) and keeps `records`.
    void replaceRecords(RecordSet&& records);
    // Marks the kinds whose records changed since `revision` as edited.
    void noteEditsSince(uint64_t revision);
    bool failLoad(const QString& reason, Failure::Cause cause = Failure::Cause::Other);
    // Logs the failure and keeps its reason for the user.
    bool failLoad(const Failure& failure);
    // Reads every row of one record class's table into records for `keep`.
    template <class T, class Keep>
    bool loadTable(Keep keep);
    // Makes the package from the template when missing, then loads and links it.
    bool loadPackage();
    // Clears the history and its work area while the package is still ours.
    void dropUndoHistory();

    SpinoraUtility& utility_;
    CollectionPackage package_;
    std::unique_ptr<Connection> database_;
    // Why loading stopped, for the failure that readFromURL answers.
    QString loadFailure_;
    // A damaged file is told apart: its user is offered a snapshot.
    Failure::Cause loadCause_ = Failure::Cause::Other;
    QString readFailure_;

    VersionRow version_;
    bool writeCreationDate_ = false;
    bool addEventFlag_ = false;
    bool unsavedDocument_ = false;
    bool loaded_ = false;

    RecordSet records_;
    DisplayedLists displayed_;
    ChangeNotices notices_;
    BackgroundLogRead logsBehind_;
    int stepDepth_ = 0;
    uint64_t stepRevision_ = 0; // the newest record revision when the step began
    std::vector<std::unique_ptr<Record>> removedInStep_;
    UndoHistory* undoHistory_ = nullptr;
};

} // namespace spinora
