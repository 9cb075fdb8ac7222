#include "ListSearch.h"

#include "DateStyles.h"
#include "Localization.h"

namespace spinora {

namespace {

bool containsText(const QString& haystack, const QString& needle)
{
    return haystack.contains(needle, Qt::CaseInsensitive);
}

bool containsText(const std::optional<QString>& haystack, const QString& needle)
{
    return haystack && containsText(*haystack, needle);
}

template <class T, class Keep>
std::vector<T*> filtered(const std::vector<std::unique_ptr<T>>& all, const QString& text, Keep keep)
{
    std::vector<T*> kept;
    kept.reserve(all.size());
    for (const auto& record : all) {
        if (text.isEmpty() || keep(*record))
            kept.push_back(record.get());
    }
    return kept;
}

} // namespace

ListTexts::ListTexts(const QLocale& locale)
    : locale_(readableLocale(locale)), mediumDate_(spinora::mediumDateFormat(locale_)),
      shortTime_(locale_.timeFormat(QLocale::ShortFormat))
{
}

QString ListTexts::date(const Timestamp& t) const
{
    return t ? locale_.toString(toDateTime(t), mediumDate_) : QString();
}

QString ListTexts::dateAndTime(const Timestamp& t) const
{
    return t ? locale_.toString(toDateTime(t), mediumDate_ + QLatin1Char(' ') + shortTime_) : QString();
}

QString ListTexts::cactusSecondText(const Cactus& cactus)
{
    QString text = cactus.scientificName();
    if (!cactus.commonName().isEmpty())
        text += QStringLiteral(" (%1)").arg(cactus.commonName());
    return text;
}

QString ListTexts::cactusLogText(const Cactus& cactus, size_t index) const
{
    return QStringLiteral("%1 %2").arg(cactus.eventString(index).value_or(QString()), date(cactus.eventDate(index)));
}

std::optional<QString> ListTexts::cactusAgeText(const Cactus& cactus) const
{
    if (!cactus.plantDate())
        return std::nullopt;
    return QStringLiteral("%1: %2").arg(localized("Age"), Cactus::ageString(cactus.plantDate()));
}

std::optional<QString> ListTexts::cactusAcquiredText(const Cactus& cactus) const
{
    if (!cactus.dateAcquired())
        return std::nullopt;
    return QStringLiteral("%1: %2").arg(localized("Date Acquired"), date(cactus.dateAcquired()));
}

QString ListTexts::waterSecondText(const Water& water) const
{
    const QString when = water.lastWatered() ? dateAndTime(water.lastWatered()) : localized("Never");
    return QStringLiteral("%1: %2").arg(localized("Last Watered"), when);
}

std::optional<QString> ListTexts::logFirstText(const Log& log)
{
    if (log.logType() == Log::kCactusLog)
        return log.cactus() ? log.cactus()->name() : QString();
    if (log.logType() == Log::kNoteLog)
        return log.noteSummary();
    return std::nullopt;
}

std::optional<QString> ListTexts::logSecondText(const Log& log) const
{
    if (log.eventName().isEmpty())
        return std::nullopt;
    return QStringLiteral("%1 %2").arg(log.eventName(), date(log.logDate()));
}

namespace ListSearch {

std::vector<Cactus*> searchCacti(const std::vector<std::unique_ptr<Cactus>>& cacti, const QString& text,
                                 const ListTexts& texts)
{
    return filtered(cacti, text, [&](const Cactus& cactus) {
        if (containsText(cactus.name(), text) || containsText(ListTexts::cactusSecondText(cactus), text) ||
            containsText(texts.cactusAgeText(cactus), text) || containsText(texts.cactusAcquiredText(cactus), text))
            return true;
        // Only the first log is searched, and only when it has both an event name and a date.
        return cactus.eventString(0) && cactus.eventDate(0) && containsText(texts.cactusLogText(cactus, 0), text);
    });
}

std::vector<Water*> searchWatering(const std::vector<std::unique_ptr<Water>>& watering, const QString& text,
                                   const ListTexts& texts)
{
    return filtered(watering, text, [&](const Water& water) {
        return containsText(water.name(), text) || containsText(texts.waterSecondText(water), text);
    });
}

std::vector<Log*> searchLogs(const std::vector<std::unique_ptr<Log>>& logs, const QString& text, const ListTexts& texts)
{
    return filtered(logs, text, [&](const Log& log) {
        return containsText(ListTexts::logFirstText(log), text) || containsText(log.eventName(), text) ||
               containsText(texts.date(log.logDate()), text);
    });
}

void applySearch(SpinoraDatabase& document, SpinoraDatabase::ListKind list, const QString& text, const ListTexts& texts)
{
    switch (list) {
    case SpinoraDatabase::kCactusList:
        document.displayedCacti() = searchCacti(document.cacti(), text, texts);
        break;
    case SpinoraDatabase::kWaterList:
        document.displayedWatering() = searchWatering(document.watering(), text, texts);
        break;
    case SpinoraDatabase::kLogList:
        document.displayedLogs() = searchLogs(document.logs(), text, texts);
        break;
    }
}

} // namespace ListSearch

} // namespace spinora
