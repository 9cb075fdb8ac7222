#include "Water.h"

#include "Cactus.h"
#include "DueRules.h"
#include "Localization.h"
#include "Messages.h"
#include "SortOrder.h"
#include "SpinoraStrings.h"
#include "TextCompare.h"

#include <algorithm>

namespace spinora {

namespace {

const char* const kWaterLoad =
    "SELECT name, frequency, frequency_units, quantity, last_watered, water_next, notification_set, "
    "no_water_ddmm1, no_water_ddmm2, no_water_ddmm3, no_water_ddmm4, no_water_ddmm5, no_water_ddmm6 "
    "FROM watering WHERE pk=?";
const char* const kWaterLoadAll =
    "SELECT name, frequency, frequency_units, quantity, last_watered, water_next, notification_set, "
    "no_water_ddmm1, no_water_ddmm2, no_water_ddmm3, no_water_ddmm4, no_water_ddmm5, no_water_ddmm6, pk "
    "FROM watering";
const char* const kWaterHydrate = "SELECT notes FROM watering WHERE pk=?";
const char* const kWaterInsert = "INSERT INTO watering (name) VALUES(?)";
const char* const kWaterUpdate =
    "UPDATE watering SET name=?, frequency=?, frequency_units=?, quantity=?, last_watered=?, water_next=?, "
    "notification_set=?, no_water_ddmm1=?, no_water_ddmm2=?, no_water_ddmm3=?, no_water_ddmm4=?, "
    "no_water_ddmm5=?, no_water_ddmm6=?, notes=? WHERE pk=?";
// Every column at once, bound as the UPDATE is (the key last: none gives a new one).
const char* const kWaterInsertWhole =
    "INSERT INTO watering (name, frequency, frequency_units, quantity, last_watered, water_next, notification_set, "
    "no_water_ddmm1, no_water_ddmm2, no_water_ddmm3, no_water_ddmm4, no_water_ddmm5, no_water_ddmm6, notes, pk) "
    "VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, nullif(?, -1))";
const char* const kWaterDelete = "DELETE FROM watering WHERE pk=?";

int codeDay(int64_t code)
{
    return static_cast<int>((code >> 8) & 0xFF);
}

int codeMonth(int64_t code)
{
    return static_cast<int>(code & 0xFF);
}

// The day a code names in a given year, at 00:00 local time. A day beyond the
// month's end (29 February in a common year, 31 April from a file) is taken
// as the month's last day; a month outside 1 to 12 names no day.
QDateTime dayInYear(int64_t code, int year)
{
    const int month = codeMonth(code);
    const int day = codeDay(code);
    if (month < 1 || month > 12 || day < 1)
        return {};
    const QDate first(year, month, 1);
    return QDateTime(QDate(year, month, std::min(day, first.daysInMonth())), QTime(0, 0));
}

// One yearly occurrence of a period, starting in the given year; a period
// whose end lies before its start in the year ends in the next year.
struct Occurrence {
    QDateTime start;
    QDateTime end;
    bool valid() const { return start.isValid() && end.isValid(); }
    bool contains(const QDateTime& moment) const { return valid() && start <= moment && moment <= end; }
};

Occurrence occurrence(int64_t fromCode, int64_t toCode, int startYear)
{
    Occurrence o{dayInYear(fromCode, startYear), dayInYear(toCode, startYear)};
    if (o.valid() && o.end < o.start)
        o.end = dayInYear(toCode, startYear + 1);
    return o;
}

// The day after a period's last day, at the time of day of the last watering;
// the regular date wins when it is later.
QDateTime dayAfterPeriod(const QDateTime& periodEnd, const QDateTime& lastWatered, double intervalSeconds)
{
    const QTime timeOfDay(lastWatered.time().hour(), lastWatered.time().minute());
    QDateTime result(periodEnd.date().addDays(1), timeOfDay);
    const double sinceLast = static_cast<double>(lastWatered.msecsTo(result)) / 1000.0;
    if (intervalSeconds > sinceLast)
        result = lastWatered.addMSecs(static_cast<qint64>(intervalSeconds * 1000.0));
    return result;
}

QDateTime addUnits(const QDateTime& from, int64_t count, int64_t unit)
{
    // Counts beyond the 32-bit range of the stored field cannot be meant.
    if (count > INT32_MAX || count < INT32_MIN)
        return {};
    const int n = static_cast<int>(count);
    switch (unit) {
    case Water::kHours: return from.addSecs(qint64(n) * 3600);
    case Water::kDays: return from.addDays(n);
    case Water::kWeeks: return from.addDays(qint64(n) * 7);
    case Water::kMonths: return from.addMonths(n);
    case Water::kYears: return from.addYears(n);
    default: return from;
    }
}

} // namespace

Water::Water() = default;


const Record::Sql& Water::sql() const
{
    static const Sql statements{"Water",      kWaterLoad,   kWaterLoadAll,          kWaterHydrate,    kWaterInsert,
                                kWaterUpdate, kWaterDelete, msg::kDehydrateFailed, kWaterInsertWhole};
    return statements;
}

void Water::readSummary(const Statement& row)
{
    name_ = row.text(0);
    frequency_ = row.integer(1);
    frequencyUnits_ = row.integer(2);
    quantity_ = row.integer(3);
    lastWatered_ = row.date(4);
    waterNext_ = row.date(5);
    notificationSet_ = row.integer(6) != 0;
    for (size_t i = 0; i < noWater_.size(); ++i)
        noWater_[i] = row.integer(7 + static_cast<int>(i));
}

void Water::setPlaceholders()
{
    name_ = localized("No title");
    frequency_ = 1;
    frequencyUnits_ = kMonths;
    quantity_ = 0;
    lastWatered_ = waterNext_ = std::nullopt;
    notificationSet_ = false;
    noWater_.fill(0);
}

void Water::readDetail(const Statement& row)
{
    notes_ = row.text(0);
}

void Water::setDetailDefaults()
{
    notes_ = QString(QLatin1String(""));
}

void Water::bindInsert(Statement& st) const
{
    st.bind(name_);
}

void Water::bindUpdate(Statement& st) const
{
    st.bind(name_, frequency_, frequencyUnits_, quantity_, lastWatered_, waterNext_, notificationSet_, noWater_[0],
            noWater_[1], noWater_[2], noWater_[3], noWater_[4], noWater_[5], notes_);
}

void Water::releaseDetail()
{
    notes_ = QString();
}

Timestamp Water::calculateNewDate(const Timestamp& candidate, int64_t fromCode, int64_t toCode,
                                  double intervalSeconds, const Timestamp& lastWatered, bool abortInRange)
{
    const QDateTime d = toDateTime(candidate);
    if (!d.isValid())
        return std::nullopt;
    const QDateTime last = lastWatered ? toDateTime(lastWatered) : d;
    const int year = d.date().year();
    const QDateTime midnight(d.date(), QTime(0, 0));

    const Occurrence thisYear = occurrence(fromCode, toCode, year);
    if (!thisYear.valid())
        return candidate;
    if (thisYear.contains(midnight)) {
        if (abortInRange)
            return std::nullopt;
        const QDateTime result = dayAfterPeriod(thisYear.end, last, intervalSeconds);
        if (occurrence(fromCode, toCode, year + 1).contains(result))
            return std::nullopt;
        return fromDateTime(result);
    }
    // A period over the year end that began last year.
    const Occurrence lastYear = occurrence(fromCode, toCode, year - 1);
    if (!lastYear.contains(midnight))
        return candidate;
    if (abortInRange)
        return std::nullopt;
    const QDateTime result = dayAfterPeriod(lastYear.end, last, intervalSeconds);
    if (thisYear.contains(result))
        return std::nullopt;
    return fromDateTime(result);
}

bool Water::isPeriodSet(int period) const
{
    const size_t from = static_cast<size_t>(period - 1) * 2;
    return noWater_[from] != 0 && noWater_[from + 1] != 0;
}

bool Water::restsOn(const Timestamp& moment) const
{
    for (int period : {1, 2, 3}) {
        const size_t from = static_cast<size_t>(period - 1) * 2;
        // The check alone answers none for a day inside the period.
        if (moment && isPeriodSet(period) &&
            !calculateNewDate(moment, noWater_[from], noWater_[from + 1], 0, moment, true))
            return true;
    }
    return false;
}

Timestamp Water::calculateNextWatering(const Timestamp& lastWatered) const
{
    if (!lastWatered)
        return std::nullopt;
    const QDateTime last = toDateTime(lastWatered);
    const Timestamp regular = fromDateTime(addUnits(last, frequency_, frequencyUnits_));
    if (!regular)
        return std::nullopt;
    const double interval = *regular - *lastWatered;

    auto step = [&](const Timestamp& x, int period, bool check) -> Timestamp {
        if (!x || !isPeriodSet(period))
            return x;
        const size_t from = static_cast<size_t>(period - 1) * 2;
        return calculateNewDate(x, noWater_[from], noWater_[from + 1], interval, lastWatered, check);
    };
    // Pushes past the periods in the given order, then checks that the
    // result lies in none of them.
    auto attempt = [&](std::initializer_list<int> pushes) -> Timestamp {
        Timestamp x = regular;
        for (int period : pushes)
            x = step(x, period, false);
        for (int period : {1, 2, 3})
            x = step(x, period, true);
        return x;
    };

    Timestamp result = regular;
    if (isPeriodSet(1)) {
        if (const Timestamp a = attempt({1, 2, 3}))
            return a;
        result = std::nullopt;
    }
    if (isPeriodSet(2)) {
        if (const Timestamp b = attempt({1, 2, 1, 3}))
            return b;
        result = std::nullopt;
    }
    if (isPeriodSet(3))
        return attempt({1, 2, 3, 1, 2});
    return result;
}

void Water::addCactus(Cactus* cactus, const SortOrder& order)
{
    if (std::find(cacti_.begin(), cacti_.end(), cactus) == cacti_.end())
        cacti_.push_back(cactus);
    sortCacti(order);
}

void Water::removeCactus(Cactus* cactus)
{
    std::erase(cacti_, cactus);
}

void Water::sortCacti(const SortOrder& order)
{
    if (cacti_.size() < 2)
        return;
    std::stable_sort(cacti_.begin(), cacti_.end(),
                     [&order](const Cactus* a, const Cactus* b) { return a->compareInOrder(b, order) < 0; });
}

bool Water::wateringDue() const
{
    return due::wateringDue(waterNext_, now());
}

int Water::noWaterLines() const
{
    return int(isPeriodSet(1)) + int(isPeriodSet(2)) + int(isPeriodSet(3));
}

QString Water::waterLine(int index) const
{
    // The printed sheet asks for lines 0 .. noWaterLines() - 1, so line i is
    // the i-th period that is set: a schedule with only its second period
    // set must still print that period rather than an empty line.
    if (index < 0 || index >= noWaterLines())
        return QString(QLatin1String(""));
    int period = 0;
    for (int seen = -1; seen < index;)
        seen += int(isPeriodSet(++period));
    const int64_t from = noWater_[static_cast<size_t>(period - 1) * 2];
    const int64_t to = noWater_[static_cast<size_t>(period - 1) * 2 + 1];
    const int fromDay = codeDay(from), fromMonth = codeMonth(from);
    const int toDay = codeDay(to), toMonth = codeMonth(to);
    if (fromDay < 1 || fromMonth < 1 || toDay < 1 || toMonth < 1 || fromMonth > 12 || toMonth > 12)
        return QString(QLatin1String(""));
    const QStringList months = SpinoraStrings::months();
    return QStringLiteral("%1 %2 - %3 %4").arg(months[fromMonth - 1]).arg(fromDay).arg(months[toMonth - 1]).arg(toDay);
}

int Water::compareName(const Water* other, bool ascending) const
{
    const int order = text::plainCompare(name_, other->name_);
    return ascending ? order : -order;
}

int Water::compareInOrder(const Water* other, const SortOrder& order) const
{
    if (order.wateringKey != SortKey::NextWatering)
        return compareName(other, order.wateringAscending);
    return orderDatesWithMissingLast(waterNext_, other->waterNext_, order.wateringAscending,
                                     [&] { return compareName(other, true); });
}

} // namespace spinora
