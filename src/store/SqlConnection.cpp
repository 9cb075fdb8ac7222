#include "SqlConnection.h"

#include "ReadAheadVfs.h"

#include <sqlite3.h>

namespace spinora {

std::unique_ptr<Connection> Connection::open(const QString& path, Mode mode, QString* error)
{
    // URI names let an import attach a file read-only ("file:...?mode=ro");
    // every path given here is absolute, so none is taken for a URI by mistake.
    const bool readOnly = mode == Mode::ReadOnly || mode == Mode::ReadOnlyReadAhead;
    int flags = (readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE) | SQLITE_OPEN_URI;
    if (mode == Mode::ReadWriteCreate)
        flags |= SQLITE_OPEN_CREATE;
    sqlite3* db = nullptr;
    const QByteArray utf8 = path.toUtf8();
    const int rc =
        sqlite3_open_v2(utf8.constData(), &db, flags, mode == Mode::ReadOnlyReadAhead ? readAheadVfsName() : nullptr);
    if (rc != SQLITE_OK) {
        if (error)
            *error = db ? QString::fromUtf8(sqlite3_errmsg(db)) : QString::fromUtf8(sqlite3_errstr(rc));
        sqlite3_close(db);
        return nullptr;
    }
    // Another process may hold the file for a moment (a reader, the flush of
    // an import): wait for it instead of failing at once with "database is locked".
    sqlite3_busy_timeout(db, kBusyTimeoutMs);
    // Record errors report SQLite's text; extended codes would only add noise.
    return std::unique_ptr<Connection>(new Connection(db, path));
}

Connection::~Connection()
{
    if (db_) {
        finalizeCache();
        sqlite3_close_v2(db_);
    }
}

QString Connection::errorMessage() const
{
    return db_ ? QString::fromUtf8(sqlite3_errmsg(db_)) : QStringLiteral("database is closed");
}

int Connection::errorCode() const
{
    return db_ ? sqlite3_errcode(db_) & 0xff : SQLITE_MISUSE;
}

int64_t Connection::lastInsertRowId() const
{
    return sqlite3_last_insert_rowid(db_);
}

bool Connection::isReadOnly() const
{
    return writesForbidden_ || sqlite3_db_readonly(db_, "main") == 1;
}

void Connection::forbidWrites()
{
    writesForbidden_ = true;
    execute("PRAGMA query_only=1");
}

bool Connection::inTransaction() const
{
    return db_ && sqlite3_get_autocommit(db_) == 0;
}

bool Connection::execute(const QString& sql, QString* error)
{
    char* message = nullptr;
    const QByteArray utf8 = sql.toUtf8();
    const int rc = sqlite3_exec(db_, utf8.constData(), nullptr, nullptr, &message);
    if (rc == SQLITE_OK)
        return true;
    if (error)
        *error = message ? QString::fromUtf8(message) : QString::fromUtf8(sqlite3_errstr(rc));
    sqlite3_free(message);
    return false;
}

bool Connection::close(QString* error)
{
    if (!db_)
        return true;
    finalizeCache();
    if (sqlite3_close(db_) != SQLITE_OK) {
        if (error)
            *error = errorMessage();
        return false;
    }
    db_ = nullptr;
    return true;
}

void Connection::setInterruptCheck(std::function<bool()> shouldStop)
{
    shouldStop_ = std::move(shouldStop);
    if (!db_)
        return;
    if (!shouldStop_) {
        sqlite3_progress_handler(db_, 0, nullptr, nullptr);
        return;
    }
    // About a millisecond of work between two checks.
    sqlite3_progress_handler(
        db_, 10000, [](void* self) { return static_cast<Connection*>(self)->shouldStop_() ? 1 : 0; }, this);
}

void Connection::setLengthLimit(int bytes)
{
    if (db_)
        sqlite3_limit(db_, SQLITE_LIMIT_LENGTH, bytes);
}

sqlite3_stmt* Connection::acquire(std::string_view sql, Entry*& entry)
{
    entry = nullptr;
    auto it = cache_.find(sql);
    if (it != cache_.end() && !it->second.inUse) {
        it->second.inUse = true;
        entry = &it->second;
        return it->second.statement;
    }
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db_, sql.data(), static_cast<int>(sql.size()), &statement, nullptr) != SQLITE_OK) {
        sqlite3_finalize(statement);
        return nullptr;
    }
    if (it == cache_.end())
        entry = &cache_.emplace(std::string(sql), Entry{statement, true}).first->second;
    return statement;
}

void Connection::release(sqlite3_stmt* statement, Entry* entry)
{
    if (!entry) {
        sqlite3_finalize(statement);
        return;
    }
    sqlite3_reset(statement);
    sqlite3_clear_bindings(statement);
    entry->inUse = false;
}

void Connection::finalizeCache()
{
    for (auto& [sql, entry] : cache_)
        sqlite3_finalize(entry.statement);
    cache_.clear();
}

Statement::Statement(Connection* connection, std::string_view sql) : connection_(connection)
{
    if (connection_ && connection_->handle())
        statement_ = connection_->acquire(sql, entry_);
}

Statement::~Statement()
{
    if (statement_)
        connection_->release(statement_, entry_);
}

int Statement::parameterCount() const
{
    return statement_ ? sqlite3_bind_parameter_count(statement_) : 0;
}

void Statement::bindAt(int index, int64_t value)
{
    // Keys are 64-bit row ids: a key cut to 32 bits would name another row.
    sqlite3_bind_int64(statement_, index, value);
}

void Statement::bindAt(int index, double value)
{
    sqlite3_bind_double(statement_, index, value);
}

void Statement::bindAt(int index, const QString& value)
{
    if (value.isNull()) {
        sqlite3_bind_null(statement_, index);
        return;
    }
    const QByteArray utf8 = value.toUtf8();
    sqlite3_bind_text(statement_, index, utf8.constData(), static_cast<int>(utf8.size()), SQLITE_TRANSIENT);
}

void Statement::bindAt(int index, const Timestamp& value)
{
    sqlite3_bind_double(statement_, index, timestampToColumn(value));
}

void Statement::bindAt(int index, const QByteArray& value)
{
    if (value.isNull()) {
        sqlite3_bind_null(statement_, index);
        return;
    }
    sqlite3_bind_blob(statement_, index, value.constData(), static_cast<int>(value.size()), SQLITE_TRANSIENT);
}

void Statement::bindView(int index, const QByteArray& value)
{
    if (value.isNull())
        sqlite3_bind_null(statement_, index);
    else
        sqlite3_bind_blob(statement_, index, value.constData(), static_cast<int>(value.size()), SQLITE_STATIC);
}

int Statement::step()
{
    return statement_ ? sqlite3_step(statement_) : SQLITE_MISUSE;
}

bool Statement::stepRow()
{
    return step() == SQLITE_ROW;
}

bool Statement::stepDone()
{
    return step() == SQLITE_DONE;
}

int Statement::columnCount() const
{
    return sqlite3_column_count(statement_);
}

void Statement::reset()
{
    if (statement_) {
        sqlite3_reset(statement_);
        sqlite3_clear_bindings(statement_);
    }
}

bool Statement::isNull(int column) const
{
    return sqlite3_column_type(statement_, column) == SQLITE_NULL;
}

int64_t Statement::integer(int column) const
{
    return sqlite3_column_int64(statement_, column);
}

double Statement::real(int column) const
{
    return sqlite3_column_double(statement_, column);
}

QString Statement::text(int column) const
{
    const auto* data = reinterpret_cast<const char*>(sqlite3_column_text(statement_, column));
    if (!data)
        return QString(QLatin1String(""));
    return QString::fromUtf8(data, sqlite3_column_bytes(statement_, column));
}

QString Statement::repeatedText(int column) const
{
    const auto* data = reinterpret_cast<const char*>(sqlite3_column_text(statement_, column));
    const int size = data ? sqlite3_column_bytes(statement_, column) : 0;
    if (size == 0)
        return text(column);
    if (!repeated_)
        repeated_ = std::make_unique<std::unordered_map<std::string, QString, Connection::TextHash, std::equal_to<>>>();
    const std::string_view key(data, static_cast<size_t>(size));
    auto it = repeated_->find(key);
    if (it == repeated_->end())
        it = repeated_->emplace(std::string(key), QString::fromUtf8(data, size)).first;
    return it->second;
}

Timestamp Statement::date(int column) const
{
    return timestampFromColumn(sqlite3_column_double(statement_, column));
}

QByteArray Statement::blob(int column) const
{
    const void* data = sqlite3_column_blob(statement_, column);
    const int size = sqlite3_column_bytes(statement_, column);
    if (!data || size <= 0)
        return {};
    return QByteArray(static_cast<const char*>(data), size);
}

QByteArray Statement::blobView(int column) const
{
    const void* data = sqlite3_column_blob(statement_, column);
    const int size = sqlite3_column_bytes(statement_, column);
    if (!data || size <= 0)
        return {};
    return QByteArray::fromRawData(static_cast<const char*>(data), size);
}

Transaction::Transaction(Connection* connection, Kind kind) : connection_(connection)
{
    // Inside a transaction already (an undoable step runs a whole command in
    // one): a savepoint, so that this part can still fail and roll back alone.
    nested_ = sqlite3_get_autocommit(connection_->handle()) == 0;
    const char* sql = nested_ ? "savepoint nested_transaction"
                      : kind == Kind::Exclusive ? "begin exclusive transaction"
                                                : "begin transaction";
    Statement begin(connection_, sql);
    begun_ = begin.prepared() && begin.stepDone();
}

Transaction::~Transaction()
{
    if (!begun_ || finished_)
        return;
    if (nested_)
        connection_->execute("rollback transaction to savepoint nested_transaction; release savepoint nested_transaction");
    else
        connection_->execute("rollback transaction");
}

bool Transaction::commit(QString* error)
{
    if (!begun_ || finished_)
        return false;
    Statement end(connection_, nested_ ? "release savepoint nested_transaction" : "commit transaction");
    const bool ok = end.prepared() && end.stepDone();
    if (!ok && error)
        *error = connection_->errorMessage();
    finished_ = ok;
    return ok;
}

} // namespace spinora
