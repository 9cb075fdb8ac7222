#include "Record.h"

#include "Messages.h"

#include <sqlite3.h>

#include <atomic>

namespace spinora {

namespace {
std::atomic<uint64_t> lastRevision{0};
}

uint64_t Record::nextRevision()
{
    return lastRevision.fetch_add(1, std::memory_order_relaxed) + 1;
}

uint64_t Record::latestRevision()
{
    return lastRevision.load(std::memory_order_relaxed);
}

QString Record::description() const
{
    return QStringLiteral("%1 %2").arg(QString::fromUtf8(sql().kind)).arg(primaryKey_);
}

Failure Record::failure(const char* message, std::source_location where) const
{
    return Failure::sql(message, database_, description(), where);
}

Result<> Record::initWithPrimaryKey(int64_t key, Connection* db)
{
    primaryKey_ = key;
    database_ = db;
    Statement st(database_, sql().load);
    if (!st.prepared())
        return failure(msg::kPrepareFailed);
    st.bind(primaryKey_);
    const int rc = st.step();
    if (rc == SQLITE_ROW)
        readSummary(st);
    else if (rc == SQLITE_DONE)
        setPlaceholders();
    else
        return failure(msg::kReadFailed);
    // Read again (an undo, a rollback): what was derived from the fields is stale.
    revision_ = nextRevision();
    dirty_ = false;
    afterLoad();
    return {};
}

void Record::readRow(const Statement& row, Connection* db)
{
    primaryKey_ = row.integer(row.columnCount() - 1);
    database_ = db;
    readSummary(row);
    dirty_ = false;
    afterLoad();
}

bool Record::readEveryRow(Connection* db, const std::function<std::unique_ptr<Record>()>& make,
                          const std::function<void(std::unique_ptr<Record>)>& keep)
{
    std::unique_ptr<Record> record = make();
    Statement rows(db, record->sql().loadAll);
    if (!rows.prepared())
        return false;
    int rc;
    while ((rc = rows.step()) == SQLITE_ROW) {
        record->readRow(rows, db);
        keep(std::move(record));
        record = make();
    }
    return rc == SQLITE_DONE;
}

Result<> Record::insertIntoDatabase(Connection* db)
{
    database_ = db;
    {
        Statement st(database_, sql().insert);
        if (!st.prepared())
            return failure(msg::kPrepareFailed);
        bindInsert(st);
        // Any result but "done" is a failure: a constraint or a read-only file
        // must not hand out the key of some earlier row.
        if (st.step() != SQLITE_DONE)
            return failure(msg::kInsertFailed);
        primaryKey_ = database_->lastInsertRowId();
    }
    hydrated_ = true;
    dirty_ = true;
    return save();
}

Result<> Record::insertWhole(Connection* db)
{
    if (!sql().insertWhole)
        return insertIntoDatabase(db);
    database_ = db;
    {
        Statement st(database_, sql().insertWhole);
        if (!st.prepared())
            return failure(msg::kPrepareFailed);
        bindUpdate(st);
        if (st.step() != SQLITE_DONE)
            return failure(msg::kInsertFailed);
        primaryKey_ = database_->lastInsertRowId();
    }
    hydrated_ = true;
    dirty_ = false;
    return {};
}

Result<> Record::hydrate()
{
    if (hydrated_ || primaryKey_ == -1)
        return {};
    if (sql().hydrate) {
        Statement st(database_, sql().hydrate);
        if (!st.prepared())
            return failure(msg::kPrepareFailed);
        st.bind(primaryKey_);
        const int rc = st.step();
        if (rc == SQLITE_ROW)
            readDetail(st);
        else if (rc == SQLITE_DONE)
            setDetailDefaults();
        else
            return failure(msg::kReadFailed);
    }
    hydrated_ = true;
    dirty_ = false;
    return {};
}

void Record::hydrateForDisplay()
{
    if (const Result<> read = hydrate(); !read)
        logFailure(read.failure());
}

Result<> Record::save()
{
    if (!dirty_ || primaryKey_ == -1)
        return {};
    if (Result<> loaded = loadColumnsBeforeSave(); !loaded)
        return loaded;
    Statement st(database_, sql().update);
    if (!st.prepared())
        return failure(msg::kPrepareFailed);
    bindUpdate(st);
    st.bindAt(st.parameterCount(), primaryKey_);
    if (st.step() != SQLITE_DONE)
        return failure(sql().saveFailed);
    dirty_ = false;
    return {};
}

Result<> Record::loadColumnsBeforeSave()
{
    if (hydrated_ || !sql().hydrate)
        return {};
    // A record changed while its detail was released.
    Result<> loaded = hydrate();
    dirty_ = true;
    return loaded;
}

Result<> Record::dehydrate()
{
    if (Result<> saved = save(); !saved)
        return saved;
    if (isEditing_)
        return {};
    releaseDetail();
    hydrated_ = false;
    return {};
}

void Record::unload()
{
    // Nothing is dirty once the changes are dropped, so nothing is written.
    dirty_ = false;
    if (isEditing_)
        return;
    releaseDetail();
    hydrated_ = false;
}

Result<> Record::reload()
{
    // Even a record in an editor is read again whole: what memory held is
    // not what the file holds (a rolled-back step), and a later OK must
    // find every field it sets changed.
    const bool wasHydrated = hydrated_;
    dirty_ = false;
    releaseDetail();
    hydrated_ = false;
    if (Result<> read = initWithPrimaryKey(primaryKey_, database_); !read)
        return read;
    return wasHydrated ? hydrate() : Result<>();
}

Result<> Record::deleteFromDatabase()
{
    if (primaryKey_ == -1)
        return {};
    Statement st(database_, sql().remove);
    if (!st.prepared())
        return failure(msg::kPrepareFailed);
    st.bind(primaryKey_);
    if (st.step() != SQLITE_DONE)
        return failure(msg::kDeleteFailed);
    return {};
}

} // namespace spinora
