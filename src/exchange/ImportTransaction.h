#pragma once

#include "ExchangeRequests.h"
#include "PackageCommit.h"
#include "Result.h"
#include "SqlConnection.h"

#include <QByteArray>
#include <QSet>
#include <QString>

#include <memory>
#include <optional>
#include <utility>
#include <vector>

struct sqlite3_value;

namespace spinora {

class JobContext;

// The collection's side of an import. The job opens a connection of its own
// to the collection's live database and takes its write lock before it reads
// anything of the collection; it keeps it until the commit. Other programs
// that write the file meanwhile wait for the lock and then see the result, so
// nothing they were told had committed is lost. SQLite's journal makes the
// change all or nothing, a crash included. The new photo files are written
// straight into the package under keys no file there has, made durable just
// before the commit and removed again when the import does not commit; photo
// files of a job that died before its commit are removed at the next import.
class ImportTransaction {
public:
    ImportTransaction(const ImportRequest& request, JobContext& context);
    // Rolls back and takes out the photo files of an import that did not commit.
    ~ImportTransaction();
    ImportTransaction(const ImportTransaction&) = delete;
    ImportTransaction& operator=(const ImportTransaction&) = delete;

    // The connection to the collection's database, ready for ATTACH.
    bool open();
    Connection* db() const { return db_.get(); }
    JobContext& context() const { return context_; }
    // Attaches another database file read-only under `name` (before begin).
    bool attachReadOnly(const QString& path, const char* name, QString* error);
    bool detach(const char* name);
    // Takes the write lock, removes photo files a dead job left behind and,
    // for a replaced collection, puts the template's records in place of the
    // collection's.
    bool begin();

    // The hidden folder inside the package for the job's private files.
    const QString& stagingFolder() const { return staging_; }
    // Where the new photo files go: the package itself.
    const QString& photoFolder() const { return request_.collection; }
    // New photo rows get keys above every photo file the package holds, so a
    // new photo's files never land on files of the package.
    bool reservePhotoKeys();

    // A merge that notes the names of every log and cactus it copies (as
    // its copying statement reads the row) says so before it copies: the
    // steps below then read only the records that were there before, not
    // every one once more.
    void noteCopiedNames() { namesNoted_ = true; }
    void noteEvent(sqlite3_value* name);
    void noteSpecies(sqlite3_value* scientific, sqlite3_value* common);

    // The steps every import ends with (each true on success).
    // The default event names and those used by log entries (after the
    // last log entry is in).
    bool addDefaultEvents();
    // A species for each plant whose names no species has.
    bool addSpeciesFromCacti();
    // An event name for each log entry's event that no event has.
    bool addEventsFromLogs();

    // The commit point. After a failure or a cancel everything is rolled back
    // (kJobFailed, kJobCancelled); otherwise the photos move in, the
    // transaction commits, and a cancel that comes later is too late.
    int finish(bool merged);
    bool committed() const { return commit_.committed(); }
    // The records a committed import added (to the template's, when it
    // replaced the collection).
    const RecordCounts& added() const { return added_; }

    // Fails the job with the reason (the first one given wins), unless the
    // failure was the user's cancel stopping a statement.
    bool fail(const QString& reason);
    bool fail(const Failure& failure);
    bool cancelled() const;

private:
    QString databasePath() const;
    bool releasePhotoKeys();
    bool replaceWithTemplate();
    void rollBack();
    RecordCounts countRecords() const;

    const ImportRequest& request_;
    JobContext& context_;
    std::unique_ptr<Connection> db_;
    QString staging_;
    PackageCommit commit_;
    bool begun_ = false;
    int64_t placeholder_ = 0;
    bool logEventsNoted_ = false; // temp.log_events holds the logs' event names
    // The names the copying statements noted, each once and in the order of
    // the rows; the records that were there before are those up to the keys.
    struct NotedNames {
        QSet<QByteArray> seenEvents;
        std::vector<QByteArray> events;
        bool blobEvent = false;
        QSet<std::pair<QByteArray, QByteArray>> seenSpecies;
        std::vector<std::pair<QByteArray, QByteArray>> species; // scientific, common
    };
    bool namesNoted_ = false;
    NotedNames noted_;
    int64_t lastLogBefore_ = 0;
    int64_t lastCactusBefore_ = 0;
    RecordCounts before_;
    RecordCounts added_;
};

// A statement run for its effect on the import's connection; false with the
// reason given to the transaction.
bool runSql(ImportTransaction& transaction, const QString& sql);

} // namespace spinora
