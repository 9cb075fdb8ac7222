#include "Record.h"

#include "InternalError.h"
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

bool Record::fail(const char* message, std::source_location where) const
{
    if (abortOnError_) {
        const QString detail = database_ ? database_->errorMessage() : QStringLiteral("no database connection");
        raiseInternalError(message, detail, description(), where);
    }
    return true;
}

bool Record::initWithPrimaryKey(int64_t key, Connection* db, bool abortOnError)
{
    primaryKey_ = key;
    database_ = db;
    abortOnError_ = abortOnError;
    Statement st(database_, sql().load);
    if (!st.prepared()) {
        if (abortOnError_ && sql().loadPrepareRaises)
            fail(msg::kPrepareFailed);
        return true;
    }
    st.bind(primaryKey_);
    const int rc = st.step();
    if (rc == SQLITE_ROW)
        readSummary(st);
    else if (rc == SQLITE_DONE)
        setPlaceholders();
    else
        return fail(msg::kReadFailed);
    // Read again (an undo, a rollback): what was derived from the fields is stale.
    revision_ = nextRevision();
    dirty_ = false;
    afterLoad();
    return false;
}

void Record::readRow(const Statement& row, Connection* db)
{
    primaryKey_ = row.integer(row.columnCount() - 1);
    database_ = db;
    abortOnError_ = true;
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

bool Record::insertIntoDatabase(Connection* db)
{
    database_ = db;
    {
        Statement st(database_, sql().insert);
        if (!st.prepared())
            return fail(msg::kPrepareFailed);
        bindInsert(st);
        // Any result but "done" is a failure: a constraint or a read-only file
        // must not hand out the key of some earlier row.
        if (st.step() != SQLITE_DONE)
            return fail(msg::kInsertFailed);
        primaryKey_ = database_->lastInsertRowId();
    }
    hydrated_ = true;
    dirty_ = true;
    return save();
}

bool Record::insertWhole(Connection* db)
{
    if (!sql().insertWhole)
        return insertIntoDatabase(db);
    database_ = db;
    {
        Statement st(database_, sql().insertWhole);
        if (!st.prepared())
            return fail(msg::kPrepareFailed);
        bindUpdate(st);
        if (st.step() != SQLITE_DONE)
            return fail(msg::kInsertFailed);
        primaryKey_ = database_->lastInsertRowId();
    }
    hydrated_ = true;
    dirty_ = false;
    return false;
}

bool Record::hydrate()
{
    if (hydrated_ || primaryKey_ == -1)
        return false;
    if (sql().hydrate) {
        Statement st(database_, sql().hydrate);
        if (!st.prepared())
            return fail(msg::kPrepareFailed);
        st.bind(primaryKey_);
        const int rc = st.step();
        if (rc == SQLITE_ROW)
            readDetail(st);
        else if (rc == SQLITE_DONE)
            setDetailDefaults();
        else
            return fail(msg::kReadFailed);
    }
    hydrated_ = true;
    dirty_ = false;
    return false;
}

bool Record::save()
{
    if (!dirty_ || primaryKey_ == -1)
        return false;
    if (loadColumnsBeforeSave())
        return true;
    Statement st(database_, sql().update);
    if (!st.prepared())
        return fail(msg::kPrepareFailed);
    bindUpdate(st);
    st.bindAt(st.parameterCount(), primaryKey_);
    if (st.step() != SQLITE_DONE)
        return fail(sql().saveFailed);
    dirty_ = false;
    return false;
}

bool Record::loadColumnsBeforeSave()
{
    if (hydrated_ || !sql().hydrate)
        return false;
    // A record changed while its detail was released.
    const bool failed = hydrate();
    dirty_ = true;
    return failed;
}

bool Record::dehydrate()
{
    if (save())
        return true;
    if (isEditing_)
        return false;
    releaseDetail();
    hydrated_ = false;
    return false;
}

bool Record::unload()
{
    dirty_ = false;
    return dehydrate();
}

bool Record::reload()
{
    unload();
    return initWithPrimaryKey(primaryKey_, database_, abortOnError_);
}

bool Record::deleteFromDatabase()
{
    if (primaryKey_ == -1)
        return false;
    Statement st(database_, sql().remove);
    if (!st.prepared())
        return fail(msg::kPrepareFailed);
    st.bind(primaryKey_);
    if (st.step() != SQLITE_DONE)
        return fail(msg::kDeleteFailed);
    return false;
}

} // namespace spinora
