// The next watering date: calendar arithmetic in the user's time zone and
// the pushing past up to three yearly no-water periods. This binary runs in
// UTC and in Europe/Berlin.
#include "Cactus.h"
#include "CollectionCharts.h"
#include "ListSearch.h"
#include "TestSupport.h"
#include "Water.h"

#include <gtest/gtest.h>

#include <random>

using namespace spinora;
using namespace spinora::test;

namespace {

using Periods = std::vector<std::pair<QDate, QDate>>;

std::unique_ptr<Water> schedule(int64_t every, int64_t unit, const Periods& periods = {})
{
    auto water = std::make_unique<Water>();
    water->setFrequency(every);
    water->setFrequencyUnits(unit);
    int field = 1;
    for (const auto& [from, to] : periods) {
        water->setNoWaterDDMM(field++, Water::dayMonthCode(from.day(), from.month()));
        water->setNoWaterDDMM(field++, Water::dayMonthCode(to.day(), to.month()));
    }
    return water;
}

QDate md(int m, int d)
{
    return QDate(2000, m, d);
}

} // namespace

// Schedules and last waterings with the next watering each must give
// (none: no date), each row named after what it pins down.
TEST(NextWatering, FollowsTheUnitsInLocalTimeAndPassesTheRests)
{
    const struct {
        const char* name;
        int64_t every, unit;
        Periods periods;
        QDateTime last;
        std::optional<QDateTime> next;
    } rows[] = {
        // 29 March 2026 is the change to summer time in Europe: a day keeps
        // the clock (23 hours in Berlin), 24 hours do not (10:00 in Berlin).
        {"a day over summer time", 1, Water::kDays, {}, at(2026, 3, 28, 9, 0), at(2026, 3, 29, 9, 0)},
        {"24 hours over summer time", 24, Water::kHours, {}, at(2026, 3, 28, 9, 0),
         at(2026, 3, 28, 9, 0).addSecs(24 * 3600)},
        {"weeks over the year end", 2, Water::kWeeks, {}, at(2026, 12, 25, 7, 5), at(2027, 1, 8, 7, 5)},
        {"years", 2, Water::kYears, {}, at(2026, 5, 1, 9, 0), at(2028, 5, 1, 9, 0)},
        {"month end in a common year", 1, Water::kMonths, {}, at(2027, 1, 31, 10, 0), at(2027, 2, 28, 10, 0)},
        {"month end in a leap year", 1, Water::kMonths, {}, at(2028, 1, 31, 10, 0), at(2028, 2, 29, 10, 0)},
        {"leap day plus a year", 1, Water::kYears, {}, at(2028, 2, 29, 10, 0), at(2029, 2, 28, 10, 0)},
        {"thirteen months", 13, Water::kMonths, {}, at(2026, 3, 31, 8, 0), at(2027, 4, 30, 8, 0)},
        {"unknown unit 0 adds nothing", 5, 0, {}, at(2026, 6, 1, 12, 0), at(2026, 6, 1, 12, 0)},
        {"huge counts give no date", int64_t(1) << 40, Water::kYears, {}, at(2026, 1, 1), std::nullopt},
        // 24 December falls in the rest: the day after it, at the watering's time.
        {"rest over the year end", 2, Water::kWeeks, {{md(12, 15), md(1, 15)}}, at(2026, 12, 10, 9, 30),
         at(2027, 1, 16, 9, 30)},
        {"from inside last year's rest", 2, Water::kWeeks, {{md(12, 15), md(1, 15)}}, at(2027, 1, 5, 9, 30),
         at(2027, 1, 19, 9, 30)},
        {"still in last year's rest", 1, Water::kWeeks, {{md(12, 15), md(1, 15)}}, at(2027, 1, 5, 9, 30),
         at(2027, 1, 16, 9, 30)},
        {"after a short rest", 1, Water::kMonths, {{md(7, 1), md(7, 10)}}, at(2026, 6, 20, 8, 0),
         at(2026, 7, 20, 8, 0)},
        {"inside a July rest", 40, Water::kDays, {{md(7, 1), md(7, 31)}}, at(2026, 6, 1, 8, 0), at(2026, 8, 1, 8, 0)},
        {"a whole year rest", 1, Water::kWeeks, {{md(1, 1), md(12, 31)}}, at(2026, 5, 1, 8, 0), std::nullopt},
        {"back to back rests", 1, Water::kWeeks, {{md(7, 1), md(7, 31)}, {md(8, 1), md(8, 31)}},
         at(2026, 7, 3, 18, 0), at(2026, 9, 1, 18, 0)},
        // June pushes into July, July into August, August into September.
        {"a chain through all three rests", 1, Water::kWeeks,
         {{md(7, 1), md(7, 31)}, {md(8, 1), md(8, 31)}, {md(6, 1), md(6, 30)}}, at(2026, 6, 3, 7, 15),
         at(2026, 9, 1, 7, 15)},
        {"the day before a one-day rest", 1, Water::kDays, {{md(3, 10), md(3, 10)}}, at(2026, 3, 9, 20, 0),
         at(2026, 3, 11, 20, 0)},
        {"on a one-day rest", 1, Water::kDays, {{md(3, 10), md(3, 10)}}, at(2026, 3, 10, 20, 0),
         at(2026, 3, 11, 20, 0)},
        // A rest from 29 February means 28 February in a common year.
        {"leap day rest in a common year", 1, Water::kDays, {{md(2, 29), md(3, 1)}}, at(2027, 2, 27, 9, 0),
         at(2027, 3, 2, 9, 0)},
        {"before a leap day rest", 1, Water::kDays, {{md(2, 29), md(3, 1)}}, at(2028, 2, 27, 9, 0),
         at(2028, 2, 28, 9, 0)},
        {"inside a leap day rest", 1, Water::kDays, {{md(2, 29), md(3, 1)}}, at(2028, 2, 28, 9, 0),
         at(2028, 3, 2, 9, 0)},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const Timestamp answer = schedule(row.every, row.unit, row.periods)->calculateNextWatering(fromDateTime(row.last));
        EXPECT_EQ(answer ? std::optional(toDateTime(answer)) : std::nullopt, row.next);
    }
    EXPECT_FALSE(schedule(1, Water::kDays)->calculateNextWatering(std::nullopt));
    // A "to" of 0 leaves the period unset.
    auto half = schedule(1, Water::kDays);
    half->setNoWaterDDMM(1, Water::dayMonthCode(1, 1));
    half->setNoWaterDDMM(2, 0);
    EXPECT_FALSE(half->isPeriodSet(1));
    EXPECT_EQ(toDateTime(half->calculateNextWatering(fromDateTime(at(2026, 1, 1, 8, 0)))), at(2026, 1, 2, 8, 0));
}

// Whatever the schedule, an answer never lies in a set period.
TEST(NextWatering, NoAnswerEverFallsInASetPeriod)
{
    std::mt19937 random(7);
    auto pick = [&random](int low, int high) { return low + static_cast<int>(random() % unsigned(high - low + 1)); };
    auto inPeriod = [](const QDate& d, int64_t from, int64_t to) {
        const int day = d.month() * 100 + d.day();
        const int f = int(from & 0xFF) * 100 + int(from >> 8);
        const int t = int(to & 0xFF) * 100 + int(to >> 8);
        return f <= t ? (f <= day && day <= t) : (day >= f || day <= t);
    };
    int answered = 0;
    for (int round = 0; round < 3000; ++round) {
        auto water = schedule(pick(1, 10), pick(1, 5));
        const int periods = pick(1, 3);
        for (int field = 1; field <= periods * 2; ++field)
            water->setNoWaterDDMM(field, Water::dayMonthCode(pick(1, 28), pick(1, 12)));
        const QDateTime last = at(pick(2020, 2030), pick(1, 12), pick(1, 28), pick(0, 23), pick(0, 59));
        const Timestamp result = water->calculateNextWatering(fromDateTime(last));
        if (!result)
            continue;
        ++answered;
        const QDate date = toDateTime(result).date();
        for (int p = 1; p <= periods; ++p) {
            ASSERT_FALSE(inPeriod(date, water->noWaterDDMM(2 * p - 1), water->noWaterDDMM(2 * p)))
                << "last " << last.toString(Qt::ISODate).toStdString() << " gave "
                << date.toString(Qt::ISODate).toStdString() << " inside period " << p;
        }
        ASSERT_GE(*result, *fromDateTime(last) - 3600) << "an answer before the last watering";
    }
    EXPECT_GT(answered, 1500);
}

// What a row says of the next watering at a moment: local calendar days (the
// night of 29 March 2026 has 23 hours in Berlin), the one due rule, the rest.
TEST(NextWatering, RowTextCountsLocalDaysAndFollowsTheDueRuleAndTheRest)
{
    const auto winter = schedule(1, Water::kMonths, {{md(11, 1), md(2, 28)}});
    const struct { QDateTime at; std::optional<QDateTime> next; const Water* schedule; const char* text; } rows[] = {
        {at(2026, 12, 3, 0, 5), at(2026, 12, 2, 23, 55), nullptr, "overdue since 2 Dec"},
        {at(2026, 12, 3, 0, 5), at(2026, 12, 3, 0, 1), nullptr, "Today"},
        {at(2026, 12, 3, 0, 5), at(2026, 12, 3, 23, 59), nullptr, "Today"},
        {at(2026, 3, 28, 23, 50), at(2026, 3, 29, 0, 10), nullptr, "Tomorrow"},
        {at(2026, 3, 28, 23, 50), at(2026, 3, 30, 0, 10), nullptr, "in 2 days"},
        {at(2026, 10, 27, 9, 0), at(2026, 10, 30, 9, 0), winter.get(), "in 3 days"},
        {at(2026, 12, 10, 9, 0), at(2027, 3, 1, 9, 0), winter.get(), "resting until 1 Mar"},
        {at(2026, 12, 10, 9, 0), at(2026, 10, 20, 9, 0), winter.get(), "overdue since 20 Oct"},
        {at(2026, 12, 10, 9, 0), std::nullopt, winter.get(), "None Scheduled"},
    };
    const ListTexts british(QLocale(QLocale::English, QLocale::UnitedKingdom));
    for (const auto& row : rows) {
        const Timestamp next = row.next ? fromDateTime(*row.next) : std::nullopt;
        EXPECT_EQ(british.nextWateringText(next, row.schedule, fromDateTime(row.at)), QString::fromUtf8(row.text));
    }
    EXPECT_EQ(ListTexts(QLocale(QLocale::German)).nextWateringText(fromDateTime(at(2026, 12, 2, 9, 0)), nullptr,
                                                                   fromDateTime(at(2026, 12, 9, 9, 0))),
              "overdue since 2. Dez.");
}

// The charts' series from plants alone, each row a collection: days acquired
// (none for some), value or price, genera (with spaces, case, no name, more
// than ten), and waterings over fourteen days through a rest and an overdue
// plant whose schedule rests today.
TEST(CollectionCharts, SizeValueGeneraAndWateringsDueOfACollection)
{
    const QDateTime today = at(2026, 6, 15, 12, 0);
    const auto every3 = schedule(3, Water::kDays, {{md(6, 20), md(6, 24)}});
    const auto weekly = schedule(1, Water::kWeeks, {{md(6, 10), md(6, 16)}});
    struct Plant { int acquiredDay; double price, value; const char* scientific; Water* water; QDateTime next; };
    using Due = std::array<long, CollectionCharts::kDaysAhead>;
    const struct {
        const char* name;
        std::vector<Plant> plants;
        std::vector<std::tuple<int, long, double>> acquired; // day of June, plants, value
        long undated;
        QStringList genera; // "name count"
        Due due;
    } rows[] = {
        {"empty", {}, {}, 0, {}, {}},
        {"undated and same-day plants",
         {{3, 5, 0, "opuntia x", nullptr, {}}, {0, 7, 0, "Opuntia y", nullptr, {}},
          {3, 2, 9, "  OPUNTIA", nullptr, {}}, {1, 4, 0, "", nullptr, {}}},
         {{1, 1, 4}, {3, 3, 18}}, 1, {"Opuntia 3", "Other 1"}, {}},
        {"waterings through a rest and after today's rest",
         {{0, 0, 0, "A", every3.get(), at(2026, 6, 15, 9, 0)}, {0, 0, 0, "A", weekly.get(), at(2026, 6, 12, 9, 0)},
          {0, 0, 0, "A", nullptr, at(2026, 6, 1, 9, 0)}, {0, 0, 0, "A", every3.get(), at(2026, 6, 29, 9, 0)}},
         {}, 4, {"A 4"}, {2, 0, 1, 1, 0, 0, 0, 0, 0, 1, 1, 0, 0, 1}},
    };
    for (const auto& row : rows) {
        std::vector<std::unique_ptr<Cactus>> cacti;
        for (const Plant& p : row.plants) {
            auto& c = cacti.emplace_back(std::make_unique<Cactus>());
            c->setDateAcquired(p.acquiredDay ? fromDateTime(at(2026, 6, p.acquiredDay, 10, 0)) : Timestamp());
            c->setPurchasePrice(p.price);
            c->setValue(p.value);
            c->setScientificName(QString::fromUtf8(p.scientific));
            c->setWater(p.water);
            c->setWaterNext(fromDateTime(p.next));
        }
        const CollectionCharts charts = CollectionCharts::compute(cacti, fromDateTime(today));
        std::vector<std::tuple<int, long, double>> acquired;
        for (const auto& a : charts.acquired)
            acquired.emplace_back(a.day.day(), a.plants, a.value);
        QStringList genera;
        for (const auto& g : charts.genera)
            genera << QStringLiteral("%1 %2").arg(g.name).arg(g.plants);
        EXPECT_EQ(std::tie(acquired, charts.undated, genera, charts.wateringsDue),
                  std::tie(row.acquired, row.undated, row.genera, row.due)) << row.name;
    }
    // Twelve genera of 13 down to 2 plants: the two smallest and the unnamed make "Other".
    std::vector<std::unique_ptr<Cactus>> many;
    for (int genus = 0; genus < 12; ++genus)
        for (int plant = 0; plant < 13 - genus; ++plant)
            many.emplace_back(std::make_unique<Cactus>())->setScientificName(QStringLiteral("G%1 sp").arg(genus + 10));
    many.emplace_back(std::make_unique<Cactus>());
    const auto genera = CollectionCharts::compute(many, fromDateTime(today)).genera;
    ASSERT_EQ(genera.size(), 11u);
    EXPECT_EQ(std::tie(genera[0].name, genera[0].plants, genera[9].name, genera[10].name, genera[10].plants),
              std::make_tuple(QString("G10"), 13L, QString("G19"), QString("Other"), 6L));
}
