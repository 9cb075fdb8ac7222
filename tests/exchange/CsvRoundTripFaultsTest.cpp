// Faults the CSV round trip had: notes that begin with a line break ended the
// field reader and lost every later record (the reader's own cases are rows
// of FieldReader); money ties rounded up where printf rounds to even;
// no-water dates were lost in locales whose month names hold a space.
#include "CsvExport.h"
#include "ExchangeTestSupport.h"
#include "LocaleFormats.h"
#include "SampleCollection.h"
#include "SpinoraStrings.h"
#include "TestSupport.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace spinora;
using namespace spinora::test;

namespace {

class CsvRoundTrip : public ::testing::Test {
protected:
    void TearDown() override
    {
        QLocale::setDefault(QLocale::c());
    }
    // Exports `source` as CSV and imports the file into a new empty collection.
    std::unique_ptr<SpinoraDatabase> roundTrip(SpinoraDatabase& source, const QString& name)
    {
        const QString file = folder.file(name + ".csv");
        EXPECT_EQ(exportTo(source, file, 0), kJobFinished);
        auto target = newCollection(folder.file(name + "-back.sdb"), true);
        EXPECT_EQ(importFrom(*target, file, 0), kJobFinished);
        return target;
    }
    static QString withLineFeeds(QString text)
    {
        text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
        text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
        return text;
    }

    TempFolder folder;
};

} // namespace

TEST_F(CsvRoundTrip, NotesBeginningOrEndingWithALineBreakLoseNoRecord)
{
    // 11 cacti, 1 schedule and 5 logs came back as 6/0/0.
    for (const QString& end : {QStringLiteral("\n"), QStringLiteral("\r"), QStringLiteral("\r\n")}) {
        SCOPED_TRACE(QByteArray(end.toUtf8()).toHex().toStdString());
        auto source = newCollection(folder.file("S" + QString::number(end.size()) + QString::number(end.at(0).unicode()) + ".sdb"), true);
        SampleCollection::fill(*source, SampleSize{6, 1, 5, 0, 64});
        const QStringList notes{end + "starts with a break", "ends with a break" + end, end + "both" + end,
                                end, end + end + "two first", "middle" + end + end + "of it"};
        for (int i = 0; i < 5; ++i) {
            auto cactus = std::make_unique<Cactus>();
            cactus->setName(QStringLiteral("Broken %1").arg(i));
            cactus->setNotes(notes[i]);
            cactus->setLocation(notes[5 - i]); // a field in the middle of the line too
            source->addCactus(std::move(cactus));
        }
        source->watering().front()->hydrate();
        source->watering().front()->setNotes(end + "schedule notes");
        source->watering().front()->save();
        source->logs().front()->hydrate();
        source->logs().front()->setNotes("log notes" + end);
        source->logs().front()->save();
        source->mapLogsAndImages();

        auto target = roundTrip(*source, "breaks" + QString::number(end.size()) + QString::number(end.at(0).unicode()));
        ASSERT_EQ(target->cacti().size(), 11u);
        EXPECT_EQ(target->watering().size(), 1u);
        EXPECT_EQ(target->logs().size(), 5u);
        for (const auto& cactus : target->cacti()) {
            if (!cactus->name().startsWith("Broken"))
                continue;
            const int i = cactus->name().mid(7).toInt();
            cactus->hydrate();
            // Line ends inside a field come back as line feeds.
            EXPECT_EQ(cactus->notes(), withLineFeeds(notes[i])) << i;
            EXPECT_EQ(cactus->location(), withLineFeeds(notes[5 - i])) << i;
        }
        target->watering().front()->hydrate();
        EXPECT_EQ(target->watering().front()->notes(), withLineFeeds(end + "schedule notes"));
        bool found = false;
        for (const auto& log : target->logs()) {
            log->hydrate();
            found = found || log->notes() == withLineFeeds("log notes" + end);
        }
        EXPECT_TRUE(found);
    }
}

TEST(CsvMoney, TwoDecimalsAreThoseOfPrintfInTheUsersLocale)
{
    // 0.125 and 0.375 are exact binary ties; 2.675 and 1.005 lie just below.
    const LocaleFormats english(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(english.money(0.125), QString("0.12"));
    EXPECT_EQ(english.money(0.375), QString("0.38"));
    EXPECT_EQ(english.money(2.675), QString("2.67"));
    EXPECT_EQ(english.money(1.005), QString("1.00"));
    EXPECT_EQ(english.money(-12.5), QString("-12.50"));
    EXPECT_EQ(english.money(1234.5), QString("1234.50"));
    EXPECT_EQ(english.money(1234567.891), QString("1234567.89")); // no grouping
    EXPECT_EQ(english.money(0), QString("0.00"));
    const LocaleFormats german(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(german.money(0.125), QString("0,12"));
    EXPECT_EQ(german.money(12.5), QString("12,50"));
    // The import reads its own text back and rounds the same way.
    EXPECT_DOUBLE_EQ(english.readMoney("0.125"), 0.12);
    EXPECT_DOUBLE_EQ(german.readMoney("0,125"), 0.12);
    EXPECT_DOUBLE_EQ(german.readMoney("1.234,567"), 1234.57);
    EXPECT_DOUBLE_EQ(LocaleFormats().readMoney("a lot"), 0.0);
}

TEST_F(CsvRoundTrip, NoWaterDatesSurviveInLocalesWhoseMonthNamesHoldSpaces)
{
    for (const QLocale& locale : {QLocale(QLocale::Vietnamese, QLocale::Vietnam), QLocale(QLocale::Mongolian, QLocale::Mongolia),
                                  QLocale(QLocale::English, QLocale::UnitedStates)}) {
        QLocale::setDefault(locale);
        SCOPED_TRACE(locale.name().toStdString());
        if (locale.language() != QLocale::English) {
            ASSERT_TRUE(SpinoraStrings::months().at(11).contains(' ')) << SpinoraStrings::months().at(11).toStdString();
        }
        auto source = newCollection(folder.file(locale.name() + ".sdb"), true);
        auto water = std::make_unique<Water>();
        water->setName("Winter rest");
        water->setFrequency(2);
        water->setFrequencyUnits(Water::kWeeks);
        // December 25, January 5, November 30, October 1 ("Tháng 1" must not take "Tháng 12").
        const int64_t codes[] = {Water::dayMonthCode(25, 12), Water::dayMonthCode(5, 1), Water::dayMonthCode(30, 11),
                                 Water::dayMonthCode(1, 10), Water::dayMonthCode(12, 2), 0};
        for (int i = 0; i < 6; ++i)
            water->setNoWaterDDMM(i + 1, codes[i]);
        source->addWater(std::move(water));
        auto target = roundTrip(*source, locale.name());
        ASSERT_EQ(target->watering().size(), 1u);
        for (int i = 0; i < 6; ++i)
            EXPECT_EQ(target->watering().front()->noWaterDDMM(i + 1), codes[i]) << i;
    }
}
