#include "ListSearch.h"

#include "DateStyles.h"
#include "DueRules.h"
#include "Localization.h"

#include <QHash>

#include <tuple>
#include <type_traits>
#include <unordered_map>

namespace spinora {

ListTexts::ListTexts(const QLocale& locale)
    : locale_(readableLocale(locale)), mediumDate_(spinora::mediumDateFormat(locale_)),
      shortTime_(locale_.timeFormat(QLocale::ShortFormat)), dayMonth_(dayMonthFormat(locale_))
{
}

QString ListTexts::date(const Timestamp& t) const
{
    if (!t)
        return QString();
    if (*t >= dayStart_ && *t < nextDayStart_)
        return dayText_;
    const QDateTime local = toDateTime(t);
    QString text = locale_.toString(local, mediumDate_);
    if (!local.isValid())
        return text;
    // The day is remembered only when its bounds are sure.
    const Timestamp start = fromDateTime(local.date().startOfDay());
    const Timestamp next = fromDateTime(local.date().addDays(1).startOfDay());
    if (start.has_value() && next.has_value() && *t >= start.value() && *t < next.value()) {
        dayStart_ = start.value();
        nextDayStart_ = next.value();
        dayText_ = text;
    }
    return text;
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

QString ListTexts::ageLine(int years)
{
    return QStringLiteral("%1: %2").arg(localized("Age"), Cactus::ageStringForYears(years));
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

QString ListTexts::nextWateringText(const Timestamp& waterNext, const Water* schedule, const Timestamp& at) const
{
    if (!waterNext || !at)
        return localized("None Scheduled");
    const QDate day = toDateTime(waterNext).date();
    const qint64 days = toDateTime(at).date().daysTo(day);
    if (days == 0)
        return localized("Today");
    if (due::wateringDue(waterNext, at))
        return localized("overdue since %1").arg(locale_.toString(day, dayMonth_));
    if (schedule && schedule->restsOn(at))
        return localized("resting until %1").arg(locale_.toString(day, dayMonth_));
    if (days == 1)
        return localized("Tomorrow");
    return localized("in %1 days").arg(days);
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

namespace {

// Joins the texts of one record in its key; no text a user types holds it.
constexpr char16_t kSeparator = u'\x01';

// Simple case folding, code point by code point: the folding Qt's
// case-insensitive comparisons apply, so that a plain search of folded
// texts finds exactly what they find.
void appendFolded(QString& out, QStringView text)
{
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t unit = text[i].unicode();
        if (unit < 0x80) {
            out += QChar(unit >= u'A' && unit <= u'Z' ? char16_t(unit + 32) : unit);
            continue;
        }
        char32_t point = unit;
        if (QChar::isHighSurrogate(unit) && i + 1 < size && QChar::isLowSurrogate(text[i + 1].unicode()))
            point = QChar::surrogateToUcs4(unit, text[++i].unicode());
        const char32_t folded = QChar::toCaseFolded(point);
        if (QChar::requiresSurrogates(folded)) {
            out += QChar(QChar::highSurrogate(folded));
            out += QChar(QChar::lowSurrogate(folded));
        } else {
            out += QChar(char16_t(folded));
        }
    }
}

bool containsText(const QString& haystack, const QString& needle)
{
    return haystack.contains(needle, Qt::CaseInsensitive);
}

// The local date and time of a plant's planting, taken apart once: its age
// is then worked out for every search without a time-zone conversion.
struct Moment {
    int year = 0;
    int monthDay = 0; // month * 32 + day
    int msOfDay = 0;
    bool valid = false;

    static Moment of(const Timestamp& t)
    {
        const QDateTime local = toDateTime(t);
        if (!local.isValid())
            return {};
        return {local.date().year(), local.date().month() * 32 + local.date().day(),
                local.time().msecsSinceStartOfDay(), true};
    }
};

// Whole years from one moment to another, as wholeYearsUntilToday counts them.
int wholeYears(const Moment& from, const Moment& to)
{
    if (!from.valid || !to.valid)
        return 0;
    int years = to.year - from.year;
    if (std::tie(to.monthDay, to.msOfDay) < std::tie(from.monthDay, from.msOfDay))
        --years;
    return years;
}

} // namespace

struct ListSearch::Key {
    const Record* record = nullptr; // null until made
    uint64_t revision = 0;
    // What the texts also depend on: a plant's first log, a log's plant.
    const Record* linked = nullptr;
    uint64_t linkedRevision = 0;
    // The record's texts (all but a plant's age line), folded, joined by
    // the separator, in UTF-8: half the memory of UTF-16, and a UTF-8
    // needle only ever matches whole characters.
    QByteArray folded;
    Moment planted;
    int years = 0;
};

namespace {

// The rule of each list: what a record's key is made of.
template <class T>
struct Rules;

template <>
struct Rules<Cactus> {
    static const Record* linked(const Cactus& cactus) { return cactus.logs().empty() ? nullptr : cactus.logs().front(); }
    template <class Add>
    static void texts(const Cactus& cactus, const ListTexts& texts, Add add)
    {
        add(cactus.name());
        add(ListTexts::cactusSecondText(cactus));
        if (const auto acquired = texts.cactusAcquiredText(cactus))
            add(*acquired);
        // Only the first log, and only when it has both an event name and a date.
        if (cactus.eventString(0) && cactus.eventDate(0))
            add(texts.cactusLogText(cactus, 0));
    }
    static bool hasAge(const Cactus& cactus) { return cactus.plantDate().has_value(); }
    static Timestamp planted(const Cactus& cactus) { return cactus.plantDate(); }
};

template <>
struct Rules<Water> {
    static const Record* linked(const Water&) { return nullptr; }
    template <class Add>
    static void texts(const Water& water, const ListTexts& texts, Add add)
    {
        add(water.name());
        add(texts.waterSecondText(water));
    }
    static bool hasAge(const Water&) { return false; }
    static Timestamp planted(const Water&) { return std::nullopt; }
};

template <>
struct Rules<Log> {
    static const Record* linked(const Log& log) { return log.cactus(); }
    template <class Add>
    static void texts(const Log& log, const ListTexts& texts, Add add)
    {
        if (const auto first = ListTexts::logFirstText(log))
            add(*first);
        add(log.eventName());
        add(texts.date(log.logDate()));
    }
    static bool hasAge(const Log&) { return false; }
    static Timestamp planted(const Log&) { return std::nullopt; }
};

template <class T>
bool isFresh(const ListSearch::Key& key, const T& record)
{
    if (key.record != &record || key.revision != record.revision())
        return false;
    const Record* linked = Rules<T>::linked(record);
    return key.linked == linked && (!linked || key.linkedRevision == linked->revision());
}

template <class T>
void makeKey(ListSearch::Key& key, const T& record, const ListTexts& texts)
{
    key.record = &record;
    key.revision = record.revision();
    key.linked = Rules<T>::linked(record);
    key.linkedRevision = key.linked ? key.linked->revision() : 0;
    QString joined;
    Rules<T>::texts(record, texts, [&joined](const QString& text) {
        if (!joined.isEmpty())
            joined += QChar(kSeparator);
        appendFolded(joined, text);
    });
    key.folded = joined.toUtf8();
    key.planted = Rules<T>::hasAge(record) ? Moment::of(Rules<T>::planted(record)) : Moment();
}

// The rule read directly, for a text that a key cannot answer.
template <class T>
bool matchesDirectly(const T& record, const QString& text, const ListTexts& texts)
{
    bool found = false;
    Rules<T>::texts(record, texts, [&](const QString& candidate) { found = found || containsText(candidate, text); });
    if constexpr (std::is_same_v<T, Cactus>)
        found = found || (record.plantDate() && containsText(*texts.cactusAgeText(record), text));
    return found;
}

} // namespace

ListSearch::ListSearch(SpinoraDatabase::ListKind list, const QLocale& locale) : list_(list), texts_(locale) {}

ListSearch::~ListSearch() = default;

// Makes missing and stale keys (at most `budget` of them) and follows the
// order of the list; `changed` tells whether any key moved or was made.
template <class T>
bool ListSearch::refreshKeys(const std::vector<std::unique_ptr<T>>& all, int budget, bool* changed)
{
    bool aligned = keys_.size() == all.size();
    for (size_t i = 0; aligned && i < all.size(); ++i)
        aligned = !keys_[i].record || keys_[i].record == all[i].get();
    if (!aligned) {
        // Sorted, added to or taken from: the keys made so far move along.
        std::unordered_map<const Record*, Key> made;
        made.reserve(keys_.size());
        for (Key& key : keys_) {
            if (key.record)
                made.emplace(key.record, std::move(key));
        }
        keys_.assign(all.size(), Key());
        for (size_t i = 0; i < all.size(); ++i) {
            const auto it = made.find(all[i].get());
            if (it != made.end())
                keys_[i] = std::move(it->second);
        }
        *changed = true;
        resumeAt_ = 0;
    }
    // A run with a budget goes on where the last one stopped, so that
    // making 300,000 keys a slice at a time does not look over the keys
    // made before each time; it ends with a look at every key.
    const size_t count = all.size();
    size_t i = budget < 0 || resumeAt_ >= count ? 0 : resumeAt_;
    for (size_t looked = 0; looked < count; ++looked, i = i + 1 == count ? 0 : i + 1) {
        if (isFresh(keys_[i], *all[i]))
            continue;
        if (budget-- == 0) {
            resumeAt_ = i;
            return false;
        }
        makeKey(keys_[i], *all[i], texts_);
        *changed = true;
    }
    resumeAt_ = 0;
    return true;
}

template <class T>
std::optional<std::vector<T*>> ListSearch::search(const std::vector<std::unique_ptr<T>>& all, const QString& text,
                                                  int keyBudget)
{
    std::vector<T*> kept;
    if (text.isEmpty()) {
        kept.reserve(all.size());
        for (const auto& record : all)
            kept.push_back(record.get());
        return kept;
    }
    QString foldedText;
    appendFolded(foldedText, text);
    // A text with the separator, a lone surrogate or a replacement
    // character could match across texts or in a broken one: it is looked
    // for in the texts themselves.
    bool direct = foldedText.contains(QChar(kSeparator)) || foldedText.contains(QChar(0xFFFD));
    for (const QChar c : std::as_const(foldedText))
        direct = direct || c.isSurrogate();
    if (direct) {
        lastNeedle_.clear();
        for (const auto& record : all) {
            if (matchesDirectly(*record, text, texts_))
                kept.push_back(record.get());
        }
        return kept;
    }
    const QByteArray needle = foldedText.toUtf8();

    bool changed = false;
    if (!refreshKeys(all, keyBudget, &changed)) {
        // Keys made now change what the last search found.
        lastNeedle_.clear();
        return std::nullopt;
    }
    // The plants' ages move with the clock: a plant whose age changed since
    // the last search is looked at again.
    const Moment today = Moment::of(now());
    QHash<int, bool> ageMatches;
    auto ageMatch = [&](int years) {
        auto it = ageMatches.find(years);
        if (it == ageMatches.end()) {
            QString line;
            appendFolded(line, ListTexts::ageLine(years));
            it = ageMatches.insert(years, line.toUtf8().contains(needle));
        }
        return *it;
    };
    if constexpr (std::is_same_v<T, Cactus>) {
        for (size_t i = 0; i < all.size(); ++i) {
            if (!all[i]->plantDate())
                continue;
            const int years = wholeYears(keys_[i].planted, today);
            changed = changed || years != keys_[i].years;
            keys_[i].years = years;
        }
    }
    auto matches = [&](size_t i) {
        const Key& key = keys_[i];
        if (key.folded.contains(needle))
            return true;
        if constexpr (std::is_same_v<T, Cactus>)
            return all[i]->plantDate().has_value() && ageMatch(key.years);
        return false;
    };
    // What the longer text finds lies within what the shorter one found.
    const bool narrowing = !changed && !lastNeedle_.isEmpty() && needle.contains(lastNeedle_);
    std::vector<uint32_t> hits;
    if (narrowing) {
        for (const uint32_t i : lastHits_) {
            if (matches(i))
                hits.push_back(i);
        }
    } else {
        for (size_t i = 0; i < all.size(); ++i) {
            if (matches(i))
                hits.push_back(static_cast<uint32_t>(i));
        }
    }
    kept.reserve(hits.size());
    for (const uint32_t i : hits)
        kept.push_back(all[i].get());
    lastNeedle_ = needle;
    lastHits_ = std::move(hits);
    return kept;
}

namespace {

// What "Due" keeps, by the one due rule (see DueRules): the row's colour,
// the statistics and `spinora-cli due` agree with it.
bool isDue(const Cactus& cactus, const Timestamp& at) { return due::wateringDue(cactus.waterNext(), at); }
bool isDue(const Water& water, const Timestamp& at) { return due::wateringDue(water.waterNext(), at); }
bool isDue(const Log& log, const Timestamp& at) { return due::reminderDue(log.reminder(), log.logDate(), at); }

} // namespace

bool ListSearch::apply(SpinoraDatabase& document, const QString& text, int keyBudget)
{
    // The displayed array changes only with a whole result.
    auto assign = [&](auto& displayed, auto found) {
        if (!found)
            return false;
        if (document.displayed().dueOnly()) {
            const Timestamp endOfToday = due::endOfDay(toDateTime(now()).date());
            std::erase_if(*found, [&](const auto* record) { return !isDue(*record, endOfToday); });
        }
        displayed = std::move(*found);
        filledForGeneration_ = document.recordsGeneration();
        return true;
    };
    switch (list_) {
    case SpinoraDatabase::kCactusList:
        // Showing every plant reads no log, and a keystroke does not wait
        // for the logs still read behind either (that would freeze the
        // window for seconds in a large collection): until they arrive the
        // plants show no log line, so none is searched, and the list
        // searches again when they come. A search without a budget
        // (printing, the command line) wants the whole collection.
        if (text.isEmpty() || keyBudget >= 0)
            return assign(document.displayedCacti(), search(document.cactiOfFirstScreen(), text, keyBudget));
        return assign(document.displayedCacti(), search(document.cacti(), text, keyBudget));
    case SpinoraDatabase::kWaterList:
        return assign(document.displayedWatering(), search(document.watering(), text, keyBudget));
    case SpinoraDatabase::kLogList:
        return assign(document.displayedLogs(), search(document.logs(), text, keyBudget));
    }
    return true;
}

size_t ListSearch::recordCount(SpinoraDatabase& document) const
{
    switch (list_) {
    case SpinoraDatabase::kCactusList: return document.cactiOfFirstScreen().size();
    case SpinoraDatabase::kWaterList: return document.watering().size();
    case SpinoraDatabase::kLogList: return document.logs().size();
    }
    return 0;
}

bool ListSearch::prepare(SpinoraDatabase& document, int count)
{
    // Keys made before the logs arrived would all go stale with them.
    if (document.logsLoadingBehind())
        return false;
    bool changed = false;
    bool done = true;
    switch (list_) {
    case SpinoraDatabase::kCactusList: done = refreshKeys(document.cacti(), count, &changed); break;
    case SpinoraDatabase::kWaterList: done = refreshKeys(document.watering(), count, &changed); break;
    case SpinoraDatabase::kLogList: done = refreshKeys(document.logs(), count, &changed); break;
    }
    // A key made again here belongs to a record that changed since the
    // last search: the next one must not narrow from that search's finds.
    if (changed)
        lastNeedle_.clear();
    return done;
}

std::vector<Cactus*> ListSearch::searchCacti(const std::vector<std::unique_ptr<Cactus>>& cacti, const QString& text,
                                             const ListTexts& texts)
{
    ListSearch once(SpinoraDatabase::kCactusList, texts.locale());
    return *once.search(cacti, text, -1);
}

std::vector<Water*> ListSearch::searchWatering(const std::vector<std::unique_ptr<Water>>& watering,
                                               const QString& text, const ListTexts& texts)
{
    ListSearch once(SpinoraDatabase::kWaterList, texts.locale());
    return *once.search(watering, text, -1);
}

std::vector<Log*> ListSearch::searchLogs(const std::vector<std::unique_ptr<Log>>& logs, const QString& text,
                                         const ListTexts& texts)
{
    ListSearch once(SpinoraDatabase::kLogList, texts.locale());
    return *once.search(logs, text, -1);
}

void ListSearch::applySearch(SpinoraDatabase& document, SpinoraDatabase::ListKind list, const QString& text,
                             const ListTexts& texts)
{
    ListSearch once(list, texts.locale());
    once.apply(document, text);
}

} // namespace spinora
