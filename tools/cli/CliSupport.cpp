#include "CliSupport.h"

#include "Localization.h"
#include "SpinoraDatabase.h"

namespace spinora::cli {

std::optional<QString> Arguments::takeOption(const QString& name)
{
    const qsizetype at = words_.indexOf(name);
    if (at < 0)
        return std::nullopt;
    if (at + 1 >= words_.size())
        throw CliError(localized("%1 needs a value").arg(name), 2);
    const QString value = words_.at(at + 1);
    words_.remove(at, 2);
    return value;
}

QStringList Arguments::takeAll(const QString& name)
{
    QStringList values;
    while (const auto value = takeOption(name))
        values << *value;
    return values;
}

bool Arguments::takeFlag(const QString& name)
{
    return words_.removeAll(name) > 0;
}

QStringList Arguments::rest(const QString& usage) const
{
    for (const QString& word : words_) {
        if (word.startsWith(QLatin1String("--")))
            throw CliError(localized("unknown option %1").arg(word) + QLatin1Char('\n') + localized("usage: %1").arg(usage),
                           2);
    }
    return words_;
}

QStringList Arguments::positional(int count, const QString& usage) const
{
    rest(usage);
    if (words_.size() != count)
        throw CliError(localized("usage: %1").arg(usage), 2);
    return words_;
}

int parseInteger(const QString& text, const QString& what, int low, int high)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < low || value > high)
        throw CliError(localized("%1 must be a whole number from %2 to %3, not “%4”").arg(what).arg(low).arg(high).arg(text), 2);
    return value;
}

QString formatMinute(const Timestamp& t)
{
    return t ? toDateTime(t).toString(kMinuteFormat) : QString();
}

QDateTime parseMinute(const QString& text, const QString& option)
{
    const QDateTime moment = QDateTime::fromString(text, kMinuteFormat);
    if (!moment.isValid())
        throw CliError(localized("%1 must be a local date and time as YYYY-MM-DD HH:MM, not “%2”").arg(option, text), 2);
    return moment;
}

void orExit(const Result<>& result, const QString& doing)
{
    if (result)
        return;
    logFailure(result.failure());
    throw CliError(doing.isEmpty() ? result.failure().reason() : QStringLiteral("%1: %2").arg(doing, result.failure().reason()));
}

void closeCollection(SpinoraDatabase& document)
{
    orExit(document.close(), localized("the collection could not be written"));
}

} // namespace spinora::cli
