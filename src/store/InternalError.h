#pragma once

#include <QLoggingCategory>
#include <QString>

#include <source_location>
#include <stdexcept>

namespace spinora {

Q_DECLARE_LOGGING_CATEGORY(lcSpinora)

// A failed SQL statement or file operation that must stop the current action.
// It is thrown where the failure happens and caught at the edge of the action
// (a menu command, a job, a CLI subcommand), which logs it once.
class InternalError : public std::runtime_error {
public:
    InternalError(const QString& message, const QString& record, std::source_location where);

    const QString& message() const { return message_; }
    const QString& record() const { return record_; }
    const std::source_location& where() const { return where_; }
    // "Cactus.cpp:120 save (Cactus 12): Error: failed to ..."
    QString logLine() const;

private:
    QString message_;
    QString record_;
    std::source_location where_;
};

// Fills the first '%s' or '%@' of a fixed message with the detail text.
QString formatMessage(const char* format, const QString& detail);

[[noreturn]] void raiseInternalError(const char* format, const QString& detail, const QString& record = {},
                                     std::source_location where = std::source_location::current());

// Logs an error caught at the edge of an action.
void logInternalError(const InternalError& error);

} // namespace spinora
