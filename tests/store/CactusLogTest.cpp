// Comparators and ages of plants; the summary and order of logs; the
// flowering calendar made from them.
#include "Cactus.h"
#include "FloweringCalendar.h"
#include "Log.h"
#include "TestSupport.h"

#include <QLocale>

#include <gtest/gtest.h>

using namespace spinora;
using namespace spinora::test;

namespace {

std::unique_ptr<Cactus> plant(const QString& name, const QString& species)
{
    auto c = std::make_unique<Cactus>();
    c->setName(name);
    c->setScientificName(species);
    return c;
}

class FixedClock : public ::testing::Test {
protected:
    void SetUp() override { Clock::setFixedNow(localSeconds(2026, 12, 6, 15, 30)); }
    void TearDown() override { Clock::clearFixedNow(); }
};

} // namespace

using CactusOrder = FixedClock;

// Regression: two plants without species must compare equal, or sorting
// is inconsistent.
TEST_F(CactusOrder, NameFirstThenSpeciesInFileNameOrderAPlantWithoutSpeciesFirst)
{
    auto a = plant("Spike", "Mammillaria 10");
    auto b = plant("Spike", "mammillaria 9");
    auto c = plant("spike", "");
    auto bare = plant("Spike", "");
    auto bareToo = plant("Spike", "");
    auto named = plant("Spike", "Opuntia");
    EXPECT_GT(a->compareNameThenSpecies(b.get(), true), 0); // digits by value, case ignored
    EXPECT_LT(a->compareNameThenSpecies(c.get(), true), 0); // names compare case-sensitively
    EXPECT_LT(bare->compareNameThenSpecies(named.get(), true), 0);
    EXPECT_GT(named->compareNameThenSpecies(bare.get(), true), 0);
    EXPECT_EQ(bare->compareNameThenSpecies(bareToo.get(), true), 0);
    EXPECT_EQ(bareToo->compareNameThenSpecies(bare.get(), true), 0);
    EXPECT_EQ(bare->compareSpeciesThenName(bareToo.get(), true), 0);
    EXPECT_LT(a->compareNameThenSpecies(b.get(), false), 0);
    EXPECT_GT(bare->compareNameThenSpecies(named.get(), false), 0);
}

using CactusAge = FixedClock;

TEST_F(CactusAge, WholeYearsToTodaysDateOnceTheAnniversaryTimeOfDayHasCome)
{
    // Now is 2026-12-06 15:30: a plant set a year ago at 23:59 (or 15:31) is
    // not a year old yet; it was counted from midnight.
    const std::pair<Timestamp, const char*> ages[] = {
        {std::nullopt, "Unknown"}, {localSeconds(2026, 1, 6), "< 1 year"} /* eleven months */,
        {localSeconds(2027, 5, 1), "< 1 year"} /* the future */, {localSeconds(2025, 12, 6), "1 year"} /* to the day */,
        {localSeconds(2025, 12, 6, 15, 30), "1 year"} /* to the minute */, {localSeconds(2025, 12, 7), "< 1 year"},
        {localSeconds(2023, 12, 6), "3 years"}, {localSeconds(2024, 2, 29), "2 years"},
        {localSeconds(2025, 12, 6, 23, 59), "< 1 year"}, {localSeconds(2025, 12, 6, 15, 31), "< 1 year"},
        {localSeconds(2024, 12, 6, 23, 59), "1 year"}};
    for (const auto& [planted, text] : ages)
        EXPECT_EQ(Cactus::ageString(planted), QString(text)) << (planted ? toDateTime(planted).toString().toStdString() : "none");
    auto c = plant("x", "");
    EXPECT_EQ(c->age(), 0);
    for (const auto& [planted, age] : {std::pair{localSeconds(2016, 12, 7), 9}, {localSeconds(2016, 12, 6, 23, 59), 9},
                                       {localSeconds(2016, 12, 6, 8, 0), 10}}) {
        c->setPlantDate(planted);
        EXPECT_EQ(c->age(), age);
    }
}

using LogBehaviour = FixedClock;

TEST_F(LogBehaviour, SummaryIsTheFirst200Characters)
{
    Log log;
    log.setNotes(QString(201, QChar('a')));
    EXPECT_EQ(log.noteSummary().size(), 200);
    log.setNotes(QString(200, QChar('b')));
    EXPECT_EQ(log.noteSummary(), QString(200, QChar('b')));
    // A character beyond the basic plane is never cut in half.
    log.setNotes(QString(199, QChar('c')) + QStringLiteral("\U0001F335") + QStringLiteral("tail"));
    EXPECT_EQ(log.noteSummary(), QString(199, QChar('c')));
}

TEST_F(LogBehaviour, PlantLogsStaySortedAndUnique)
{
    Cactus c;
    Log a, b;
    a.setLogDate(1000.0);
    b.setLogDate(3000.0);
    c.addLog(&a, true);
    c.addLog(&b, true);
    c.addLog(&a, true);
    EXPECT_EQ(c.logs(), (std::vector<Log*>{&b, &a}));
}

TEST_F(CactusOrder, LocalizedTieBreaksFollowTheUsersLocale)
{
    // Swedish sorts Ä after Z; German next to A. The plain name comparison
    // does not change with the locale.
    auto zebra = plant("Same", "Zebra");
    auto apple = plant("Same", QStringLiteral("\u00C4pple"));
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_GT(zebra->compareNameThenSpecies(apple.get(), true), 0);
    QLocale::setDefault(QLocale(QLocale::Swedish, QLocale::Sweden));
    EXPECT_LT(zebra->compareNameThenSpecies(apple.get(), true), 0);
    EXPECT_LT(zebra->compareSpeciesThenName(apple.get(), true), 0); // plain: Z (5A) before Ä (C4)
    QLocale::setDefault(saved);
}

// The flowering calendar counts the "Flowered" logs (any case and spacing)
// of each plant by month over the years, skips other events, logs of no
// plant or no date, and puts next month's likely bloomers first.
TEST(FloweringCalendar, CountsByMonthAndOrdersByNextMonthThenByTotal)
{
    auto early = plant("Early", ""), often = plant("Often", ""), july = plant("July", ""), never = plant("Never", "");
    std::vector<std::unique_ptr<Log>> logs;
    auto log = [&logs](Cactus* cactus, const char* event, Timestamp date) {
        auto& added = logs.emplace_back(std::make_unique<Log>());
        added->setCactus(cactus);
        added->setEventName(QString::fromUtf8(event));
        added->setLogDate(date);
    };
    log(early.get(), "Flowered", localSeconds(2024, 6, 3));
    log(early.get(), " flowered ", localSeconds(2025, 6, 9));
    log(often.get(), "FLOWERED", localSeconds(2024, 3, 1));
    log(often.get(), "Flowered", localSeconds(2025, 4, 1));
    log(often.get(), "Flowered", localSeconds(2025, 5, 1));
    log(july.get(), "Flowered", localSeconds(2026, 7, 31, 23, 30));
    log(never.get(), "Repotted", localSeconds(2026, 6, 1));
    log(never.get(), "Flowered", {});
    log(nullptr, "Flowered", localSeconds(2026, 6, 1));
    QStringList rows;
    for (const FloweringCalendar::Row& row : FloweringCalendar::compute(logs, 6).rows) {
        QString months;
        for (int times : row.flowerings)
            months += QString::number(times);
        rows << row.plant->name() + ' ' + months;
    }
    EXPECT_EQ(rows, (QStringList{"Early 000002000000", "Often 001110000000", "July 000000100000"}));
}
