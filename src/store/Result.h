#pragma once

#include <QLoggingCategory>
#include <QString>

#include <optional>
#include <source_location>
#include <utility>
#include <variant>

namespace spinora {

class Connection;

// The one logging category: a failure is logged once, where it ends.
Q_DECLARE_LOGGING_CATEGORY(lcSpinora)

// Why something could not be done. It carries the fixed text for the log
// ("Error: failed to save with message 'database or disk is full'."), the
// record it concerns, where it happened, and the cause in terms a user
// understands, so that the one place that tells the user can say it in words.
class Failure {
public:
    enum class Cause {
        DiskFull,  // no space left
        ReadOnly,  // the file or its medium cannot be written
        Busy,      // another program holds the file
        IoError,   // the disk failed to read or write
        Damaged,   // the database file is not a sound SQLite file
        Other,
    };

    explicit Failure(QString message, Cause cause = Cause::Other, QString record = {},
                     std::source_location where = std::source_location::current());
    // A failed SQLite call on `db`: its error text fills the format's '%s'
    // and its error code gives the cause.
    static Failure sql(const char* format, const Connection* db, QString record = {},
                       std::source_location where = std::source_location::current());
    // A failed file operation: errno (as the C library left it) gives the cause.
    static Failure file(const char* format, const QString& path, int error,
                        std::source_location where = std::source_location::current());

    const QString& message() const { return message_; }
    Cause cause() const { return cause_; }
    const QString& record() const { return record_; }
    const std::source_location& where() const { return where_; }

    // "Cactus.cpp:120 save (Cactus 12): Error: failed to ..."
    QString logLine() const;
    // The cause in a user's words, with what to do about it.
    QString reason() const;

    static Cause causeOfSqliteCode(int code);
    static Cause causeOfErrno(int error);

private:
    QString message_;
    Cause cause_;
    QString record_;
    std::source_location where_;
};

// Writes the failure's one line to the log.
void logFailure(const Failure& failure);

// Fills the first '%s' or '%@' of a fixed message with the detail text.
QString formatMessage(const char* format, const QString& detail);

// What an operation that can fail answers: its value, or the failure.
// [[nodiscard]]: a result that nobody looks at is a failure swallowed, and
// the compiler says so.
template <class T = void>
class [[nodiscard]] Result {
public:
    Result(T value) : state_(std::in_place_index<0>, std::move(value)) {}
    Result(Failure failure) : state_(std::in_place_index<1>, std::move(failure)) {}

    bool ok() const { return state_.index() == 0; }
    explicit operator bool() const { return ok(); }

    T& value() { return std::get<0>(state_); }
    const T& value() const { return std::get<0>(state_); }
    T& operator*() { return value(); }
    const T& operator*() const { return value(); }
    T* operator->() { return &value(); }
    const T* operator->() const { return &value(); }

    const Failure& failure() const { return std::get<1>(state_); }

private:
    std::variant<T, Failure> state_;
};

template <>
class [[nodiscard]] Result<void> {
public:
    Result() = default;
    Result(Failure failure) : failure_(std::move(failure)) {}

    bool ok() const { return !failure_.has_value(); }
    explicit operator bool() const { return ok(); }
    const Failure& failure() const { return *failure_; }

private:
    std::optional<Failure> failure_;
};

// The first failure of several steps that each ran: `first` when it failed,
// else `next`.
inline Result<> firstFailure(Result<> first, Result<> next)
{
    return first ? next : first;
}

} // namespace spinora
