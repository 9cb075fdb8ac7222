#pragma once

#include "Timestamp.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>

struct sqlite3;
struct sqlite3_stmt;

namespace spinora {

// One SQLite connection. Statements are prepared once per connection and
// reused: loading a collection runs the same per-record SELECT thousands of
// times.
class Connection {
public:
    enum class Mode {
        ReadWrite,       // the file must exist: opening never creates an empty database
        ReadWriteCreate, // creates the file when missing
        ReadOnly,
        // Read-only, its file read ahead (ReadAheadVfs.h): for a connection
        // that reads a file's blobs one after the other.
        ReadOnlyReadAhead,
    };

    // How long a statement waits for another process's lock on the file
    // before it fails with SQLITE_BUSY.
    static constexpr int kBusyTimeoutMs = 5000;

    // Opens the file; on failure answers null and sets the error text.
    static std::unique_ptr<Connection> open(const QString& path, Mode mode, QString* error);
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    sqlite3* handle() const { return db_; }
    QString path() const { return path_; }
    QString errorMessage() const;
    // SQLite's primary result code of the last failed call (SQLITE_FULL, ...).
    int errorCode() const;
    int64_t lastInsertRowId() const;
    // Opened read-only, or told to forbid writes.
    bool isReadOnly() const;
    // Every write through this connection fails from now on (PRAGMA
    // query_only): for a collection that can no longer be read whole.
    void forbidWrites();
    // True inside a transaction begun on this connection.
    bool inTransaction() const;

    // Runs one or more statements (sqlite3_exec); false and the error text on failure.
    bool execute(const QString& sql, QString* error = nullptr);
    bool execute(const char* sql, QString* error = nullptr) { return execute(QString::fromUtf8(sql), error); }

    // Finalizes the cached statements and closes; false with the error text
    // when SQLite refuses to close.
    bool close(QString* error = nullptr);

    // Asked every few thousand steps of any statement; answering true
    // interrupts it (SQLITE_INTERRUPT). A file from elsewhere can make one
    // statement run for ever, so a cancel must not wait for it to end.
    void setInterruptCheck(std::function<bool()> shouldStop);
    // The largest text or blob any statement may read or make; larger
    // values fail with SQLITE_TOOBIG instead of being loaded into memory.
    void setLengthLimit(int bytes);

private:
    friend class Statement;
    explicit Connection(sqlite3* db, QString path) : db_(db), path_(std::move(path)) {}

    // A cached statement, or a fresh one when the cached one is in use
    // (nested use of the same SQL). Null when preparing fails.
    struct Entry {
        sqlite3_stmt* statement = nullptr;
        bool inUse = false;
    };
    // The cached entry, or null with a fresh statement when the cached one
    // is in use (nested use of the same SQL). Null statement when preparing fails.
    sqlite3_stmt* acquire(std::string_view sql, Entry*& entry);
    void release(sqlite3_stmt* statement, Entry* entry);
    void finalizeCache();

    // Looked up by the SQL text without copying it into a std::string.
    struct TextHash {
        using is_transparent = void;
        size_t operator()(std::string_view text) const { return std::hash<std::string_view>()(text); }
    };
    sqlite3* db_ = nullptr;
    QString path_;
    bool writesForbidden_ = false;
    std::unordered_map<std::string, Entry, TextHash, std::equal_to<>> cache_;
    std::function<bool()> shouldStop_;
};

// A prepared statement borrowed from its connection for one use; reset and
// given back in the destructor. Parameters and columns use the stored
// conventions: integers as 64-bit, dates as REAL seconds (0.0 = none),
// missing texts as NULL.
class Statement {
public:
    Statement(Connection* connection, std::string_view sql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    bool prepared() const { return statement_ != nullptr; }
    int parameterCount() const;

    // Binds the values to parameters 1, 2, ... in order.
    template <class... Values>
    void bind(const Values&... values)
    {
        int index = 1;
        (bindAt(index++, values), ...);
    }
    void bindAt(int index, int64_t value);
    void bindAt(int index, int value) { bindAt(index, static_cast<int64_t>(value)); }
    void bindAt(int index, bool value) { bindAt(index, static_cast<int64_t>(value ? 1 : 0)); }
    void bindAt(int index, double value);
    void bindAt(int index, const QString& value);
    void bindAt(int index, const Timestamp& value);
    void bindAt(int index, const QByteArray& value);
    // A blob bound without a copy (a photo's megabytes): `value` must keep
    // its bytes until the statement is reset.
    void bindView(int index, const QByteArray& value);

    // SQLite's result code: SQLITE_ROW, SQLITE_DONE or an error.
    int step();
    bool stepRow();
    bool stepDone();
    // Ready to be bound and stepped again (the same statement for many rows).
    void reset();

    int columnCount() const;
    bool isNull(int column) const;
    int64_t integer(int column) const;
    double real(int column) const;
    QString text(int column) const; // NULL gives the empty string
    // The same, for a column whose values repeat from row to row (event
    // and species names): equal values share one string, so a table of
    // 300,000 logs keeps a handful of event names, not 300,000 copies.
    QString repeatedText(int column) const;
    Timestamp date(int column) const;
    QByteArray blob(int column) const;
    // The same without a copy, for large values read once: valid only until
    // the statement steps again or is reset.
    QByteArray blobView(int column) const;

private:
    Connection* connection_ = nullptr;
    sqlite3_stmt* statement_ = nullptr;
    Connection::Entry* entry_ = nullptr;
    mutable std::unique_ptr<std::unordered_map<std::string, QString, Connection::TextHash, std::equal_to<>>> repeated_;
};

// A transaction that rolls back unless committed; never throws from its
// destructor. Begun inside another transaction it is a savepoint of it.
class Transaction {
public:
    enum class Kind { Deferred, Exclusive };
    Transaction(Connection* connection, Kind kind = Kind::Deferred);
    ~Transaction();
    bool begun() const { return begun_; }
    bool commit(QString* error = nullptr);

private:
    Connection* connection_;
    bool begun_ = false;
    bool finished_ = false;
    bool nested_ = false;
};

} // namespace spinora
