#pragma once

#include "Result.h"
#include "SqlConnection.h"
#include "Timestamp.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <source_location>

namespace spinora {

// One row of one table. Every record class follows the same pattern, written
// here once: load the summary columns by key, hydrate the detail columns on
// demand, insert, save a dirty record with one UPDATE, dehydrate (save and
// release the detail), unload (drop unsaved changes) and delete.
//
// Every operation that touches the database answers a Result: the failure
// says what failed and why, and travels up to the edge of the action that
// asked for it. Nothing here throws or shows anything.
class Record {
public:
    virtual ~Record() = default;
    Record(const Record&) = delete;
    Record& operator=(const Record&) = delete;

    int64_t primaryKey() const { return primaryKey_; }
    Connection* database() const { return database_; }
    bool isHydrated() const { return hydrated_; }
    bool isDirty() const { return dirty_; }
    // Marks changes as not yet stored (after a flush that was rolled back).
    void markDirty() { dirty_ = true; }
    bool isEditing() const { return isEditing_; }
    // Counts the changes of the record's fields: what was derived from
    // them (a list's search keys) is stale once it moved.
    // Unique across every record of the process, so that a record made
    // where a dropped one lived is never taken for it.
    uint64_t revision() const { return revision_; }
    // The newest revision of any record: while it stands, no record changed.
    static uint64_t latestRevision();
    void setIsEditing(bool editing) { isEditing_ = editing; }

    // Loads the summary columns of row `key`; a missing row leaves the
    // placeholders. Used for a row that appeared behind the document's back
    // (an undo).
    Result<> initWithPrimaryKey(int64_t key, Connection* db);
    virtual Result<> insertIntoDatabase(Connection* db);
    // The same in one statement for a record made whole in memory (the CSV
    // import's thousands): every column is written by the INSERT itself.
    // Classes without such a statement insert as above.
    Result<> insertWhole(Connection* db);
    void reopen(Connection* db) { database_ = db; }
    virtual Result<> hydrate();
    // For what only shows a record (a list row, a printed page): a detail
    // that cannot be read is logged and shown as its defaults.
    void hydrateForDisplay();
    Result<> save();
    virtual Result<> dehydrate();
    // Drops unsaved changes of the detail and releases it.
    void unload();
    virtual Result<> deleteFromDatabase();
    // Reads the row again, dropping what memory held: the row was changed
    // behind the record's back (an undo, a rolled-back step).
    Result<> reload();

    // "Cactus 12": names the record in error reports.
    QString description() const;

    // Every row of a record class's table, read with one SELECT in key
    // order: each record made as loading it by its key would make it, and
    // handed to `keep`. A collection of hundreds of thousands of rows loads
    // in one pass instead of one statement per key. False when the SELECT fails.
    // Whether that SELECT can run on a connection (its table and columns
    // are there), without reading a row.
    template <class T>
    static bool canLoadEveryRow(Connection* db)
    {
        T probe;
        return Statement(db, static_cast<const Record&>(probe).sql().loadAll).prepared();
    }
    template <class T, class Keep>
    static bool loadEveryRow(Connection* db, Keep keep)
    {
        return readEveryRow(
            db, [] { return std::unique_ptr<Record>(new T); },
            [&keep](std::unique_ptr<Record> record) { keep(std::unique_ptr<T>(static_cast<T*>(record.release()))); });
    }

protected:
    Record() = default;

    // The statements of one record class, kept together in its source file.
    struct Sql {
        const char* kind;         // class name for error reports
        const char* load;         // summary SELECT ... WHERE pk=?
        const char* loadAll;      // the same columns and then pk, of every row
        const char* hydrate;      // detail SELECT ... WHERE pk=?; null when the class has none
        const char* insert;
        const char* update;       // every column, pk as the last parameter
        const char* remove;
        const char* saveFailed;   // the class's save message
        const char* insertWhole = nullptr; // every UPDATE column in one INSERT; null when the class has none
    };
    virtual const Sql& sql() const = 0;

    virtual void readSummary(const Statement& row) = 0;
    virtual void setPlaceholders() = 0;   // the row is missing at load
    virtual void readDetail(const Statement&) {}
    virtual void setDetailDefaults() {}   // the row is missing at hydrate
    virtual void bindInsert(Statement& st) const = 0;
    virtual void bindUpdate(Statement& st) const = 0;
    virtual void releaseDetail() {}
    // The UPDATE writes every column from memory: what was released must be
    // read back first, or the stored values would be wiped.
    virtual Result<> loadColumnsBeforeSave();
    virtual void afterLoad() {}

    // A row of the table-wide SELECT: the summary columns, the key last.
    void readRow(const Statement& row, Connection* db);
    static bool readEveryRow(Connection* db, const std::function<std::unique_ptr<Record>()>& make,
                             const std::function<void(std::unique_ptr<Record>)>& keep);

    // The failure of the last statement on the record's connection.
    Failure failure(const char* message, std::source_location where = std::source_location::current()) const;

    // Setters mark the record dirty only when the value really changes.
    template <class T>
    void change(T& field, const T& value)
    {
        if (!same(field, value)) {
            field = value;
            dirty_ = true;
            revision_ = nextRevision();
        }
    }
    static bool same(const QString& a, const QString& b) { return a.isNull() == b.isNull() && a == b; }
    template <class T>
    static bool same(const T& a, const T& b) { return a == b; }

    int64_t primaryKey_ = -1;
    Connection* database_ = nullptr;
    bool hydrated_ = false;
    bool dirty_ = false;
    bool isEditing_ = false;
    uint64_t revision_ = nextRevision();

private:
    static uint64_t nextRevision();
};

} // namespace spinora
