#include "InternalError.h"

#include <QFileInfo>

namespace spinora {

Q_LOGGING_CATEGORY(lcSpinora, "spinora")

InternalError::InternalError(const QString& message, const QString& record, std::source_location where)
    : std::runtime_error(message.toStdString()), message_(message), record_(record), where_(where)
{
}

QString InternalError::logLine() const
{
    QString line = QStringLiteral("%1:%2 %3").arg(QFileInfo(QString::fromUtf8(where_.file_name())).fileName())
                       .arg(where_.line())
                       .arg(QString::fromUtf8(where_.function_name()));
    if (!record_.isEmpty())
        line += QStringLiteral(" (%1)").arg(record_);
    return line + QStringLiteral(": ") + message_;
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

void raiseInternalError(const char* format, const QString& detail, const QString& record, std::source_location where)
{
    throw InternalError(formatMessage(format, detail), record, where);
}

void logInternalError(const InternalError& error)
{
    qCWarning(lcSpinora).noquote() << error.logLine();
}

} // namespace spinora
