#include "Result.h"

#include "Localization.h"
#include "SqlConnection.h"

#include <QFileInfo>

#include <sqlite3.h>

#include <cerrno>
#include <cstring>

namespace spinora {

Q_LOGGING_CATEGORY(lcSpinora, "spinora")

void logFailure(const Failure& failure)
{
    qCWarning(lcSpinora).noquote() << failure.logLine();
}

QString formatMessage(const char* format, const QString& detail)
{
    QString text = QString::fromUtf8(format);
    qsizetype at = text.indexOf(QLatin1String("%s"));
    if (at < 0)
        at = text.indexOf(QLatin1String("%@"));
    if (at >= 0)
        text.replace(at, 2, detail);
    return text;
}

Failure::Failure(QString message, Cause cause, QString record, std::source_location where)
    : message_(std::move(message)), cause_(cause), record_(std::move(record)), where_(where)
{
}

Failure Failure::sql(const char* format, const Connection* db, QString record, std::source_location where)
{
    if (!db)
        return Failure(formatMessage(format, localized("no database connection")), Cause::Other,
                       std::move(record), where);
    return Failure(formatMessage(format, db->errorMessage()), causeOfSqliteCode(db->errorCode()), std::move(record),
                   where);
}

Failure Failure::file(const char* format, const QString& path, int error, std::source_location where)
{
    const QString detail = QStringLiteral("%1: %2").arg(path, QString::fromLocal8Bit(std::strerror(error)));
    return Failure(formatMessage(format, detail), causeOfErrno(error), {}, where);
}

Failure::Cause Failure::causeOfSqliteCode(int code)
{
    switch (code & 0xff) {
    case SQLITE_FULL: return Cause::DiskFull;
    case SQLITE_READONLY:
    case SQLITE_PERM:
    case SQLITE_CANTOPEN: return Cause::ReadOnly;
    case SQLITE_BUSY:
    case SQLITE_LOCKED: return Cause::Busy;
    case SQLITE_IOERR: return Cause::IoError;
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB: return Cause::Damaged;
    default: return Cause::Other;
    }
}

Failure::Cause Failure::causeOfErrno(int error)
{
    switch (error) {
    case ENOSPC:
    case EDQUOT: return Cause::DiskFull;
    case EROFS:
    case EACCES:
    case EPERM: return Cause::ReadOnly;
    case EIO: return Cause::IoError;
    default: return Cause::Other;
    }
}

QString Failure::logLine() const
{
    QString line = QStringLiteral("%1:%2 %3").arg(QFileInfo(QString::fromUtf8(where_.file_name())).fileName())
                       .arg(where_.line())
                       .arg(QString::fromUtf8(where_.function_name()));
    if (!record_.isEmpty())
        line += QStringLiteral(" (%1)").arg(record_);
    return line + QStringLiteral(": ") + message_;
}

QString Failure::reason() const
{
    switch (cause_) {
    case Cause::DiskFull: return localized("There is no space left on the disk. Free some space, then try again.");
    case Cause::ReadOnly: return localized("The collection cannot be written: its disk or folder is read-only.");
    case Cause::Busy: return localized("Another program is using the collection. Try again once it has finished.");
    case Cause::IoError: return localized("The disk could not be read or written. Check the disk, then try again.");
    case Cause::Damaged: return localized("The collection's database file is damaged.");
    case Cause::Other: break;
    }
    return message_;
}

} // namespace spinora
