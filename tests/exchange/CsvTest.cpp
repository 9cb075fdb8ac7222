// CSV export and import: the template layout, the conversions back, the
// round trip in two locales, and files the import must refuse without
// changing the collection. Faults the round trip had: notes that begin with
// a line break ended the field reader and lost every later record (the
// reader's own cases, with odd line ends and cut files, are rows of
// FieldReader and LineReader); money ties rounded up where printf rounds to
// even; no-water dates were lost in locales whose month names hold a space.
#include "CollectionDump.h"
#include "CsvExport.h"
#include "CsvImport.h"
#include "ExchangeTestSupport.h"
#include "LocaleFormats.h"
#include "RecordBuilders.h"
#include "SampleCollection.h"
#include "SpinoraStrings.h"
#include "TestSupport.h"
#include "WorkFiles.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace spinora;
using namespace spinora::test;

namespace {

class Csv : public CollectionTest {
protected:
    void TearDown() override
    {
        QLocale::setDefault(QLocale::c());
    }
    QString exported(int type = 0)
    {
        const QString file = folder.file(QStringLiteral("out%1.csv").arg(type));
        EXPECT_EQ(exportTo(*document, file, type), kJobFinished);
        return QString::fromUtf8(readFile(file));
    }
    // Imports CSV text into a fresh empty collection.
    std::unique_ptr<SpinoraDatabase> imported(const QByteArray& csv)
    {
        const QString file = folder.file(QStringLiteral("in%1.csv").arg(++files));
        writeFile(file, csv);
        auto target = newCollection(folder.file(QStringLiteral("T%1.sdb").arg(files)), true);
        EXPECT_EQ(importFrom(*target, file, 0), kJobFinished);
        return target;
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

    int files = 0;
};

const QByteArray kHeaderCacti =
    "Cacti\nName,Species Scientific Name,Species Common Name,Type,Watering,Last Watered,Next Watering,Plant Date,"
    "Source,Date Acquired,Purchase Price,Value,Location,Height,Width,Weight,Light,Temperature,Pot Size,Pot Shape,"
    "Pot Material,Notes\n";
const QByteArray kHeaderWatering =
    "Watering\nName,Water Every,Quantity,Last Watered,No Water Date 1,No Water Date 2,No Water Date 3,"
    "No Water Date 4,No Water Date 5,No Water Date 6,Next Watering,Notes\n";
const QByteArray kHeaderLogs = "Logs\nEvent,Type,Date,Cactus,Notes\n";

QByteArray cactusRow(const QByteArray& name, const QByteArray& watering = "")
{
    return "\"" + name + "\",\"Opuntia\",\"Prickly\",\"Cactus\",\"" + watering +
           "\",\"Never\",\"None Scheduled\",\"\",\"Seed\",\"\",\"1.50\",\"0.00\",\"\",\"\",\"\",\"\",\"\",\"\",\"\","
           "\"Round\",\"Clay?\",\"n\"\n";
}

} // namespace

TEST_F(Csv, LayoutOfAnExportOfSchedulesOnly)
{
    addSchedule(*document, "Weekly", 1, Water::kWeeks)->setNoWaterDDMM(1, Water::dayMonthCode(25, 12));
    addSchedule(*document, "Third", 3, Water::kWeeks);
    addSchedule(*document, "Odd", 3, 9);
    const QStringList lines = exported(3).split('\n');
    ASSERT_GE(lines.size(), 8);
    EXPECT_TRUE(lines[0].startsWith("\"// Exported from Spinora 1.2 on ")) << lines[0].toStdString();
    EXPECT_TRUE(lines[0].endsWith("\""));
    EXPECT_EQ(lines[1], QString("\"// Refer to the Spinora CSV template file for formatting guidelines.\""));
    EXPECT_EQ(lines[2], QString(""));
    EXPECT_EQ(lines[3], QString("Watering"));
    EXPECT_EQ(lines[4], QString::fromUtf8(kHeaderWatering).split('\n')[1]);
    EXPECT_EQ(lines[5], QString("\"Odd\",\"3 \",\"Moderate\",\"Never\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\""));
    EXPECT_TRUE(lines[6].startsWith("\"Third\",\"3 weeks\","));
    EXPECT_TRUE(lines[7].startsWith("\"Weekly\",\"1 week\",\"Moderate\",\"Never\",\"December 25\",\"\","));
    EXPECT_FALSE(lines.join('\n').contains("Cacti"));
    EXPECT_FALSE(lines.join('\n').contains("Logs"));
}

TEST_F(Csv, QuotesNotesAndMissingDates)
{
    auto c = std::make_unique<Cactus>();
    c->setName("The \"Big\" One");
    c->setNotes("line one\nline two, with a comma");
    c->setPurchasePrice(12.5);
    document->addCactus(std::move(c));
    document->addCactus(std::make_unique<Cactus>()); // no name: not written
    const QString csv = exported(2);
    EXPECT_TRUE(csv.contains("\"The \"\"Big\"\" One\",\"\",\"\",\"Cactus\",\"\",\"Never\",\"None Scheduled\",\"\",\"Retailer\",\"\",\"12.50\",\"0.00\","));
    EXPECT_TRUE(csv.contains("\"line one\nline two, with a comma\"\n"));
    EXPECT_EQ(csv.count("\"Cactus\""), 1);
    EXPECT_FALSE(csv.contains("\r"));
}

TEST_F(Csv, DatesAreReadInEveryAcceptedFormAndNoneOtherwise)
{
    const LocaleFormats f(QLocale(QLocale::English, QLocale::UnitedStates));
    const double expected = localSeconds(2026, 12, 6, 15, 30);
    for (const char* text : {"Dec 6, 2026 3:30 PM", "Dec 6,2026 3:30 PM", "Dec 6, 2026, 3:30 PM", "2026-12-06 15:30"})
        EXPECT_EQ(f.readDateAndTime(text), Timestamp(expected)) << text;
    EXPECT_EQ(f.readDate("Dec 6, 2026"), Timestamp(localSeconds(2026, 12, 6)));
    EXPECT_EQ(f.readDate("6 12 2026"), Timestamp(localSeconds(2026, 12, 6)));
    EXPECT_EQ(f.readDate("Dec/6/2026"), Timestamp(localSeconds(2026, 12, 6)));
    for (const char* text : {"Never", "None Scheduled", "", "tomorrow", "Dec 46, 2026"})
        EXPECT_FALSE(f.readDateAndTime(text)) << text;
    const LocaleFormats german(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(german.readDate(german.date(localSeconds(2026, 3, 9))), Timestamp(localSeconds(2026, 3, 9)));
}

TEST_F(Csv, RoundTripGivesBackEveryFieldTheLayoutCarries)
{
    for (const QLocale& locale : {QLocale::c(), QLocale(QLocale::German, QLocale::Germany)}) {
        QLocale::setDefault(locale);
        auto source = newCollection(folder.file(locale.name() + "-source.sdb"), true);
        SampleCollection::fill(*source, SampleSize{10, 3, 15, 0, 64});
        // Values the layout rounds: to the minute, the day, two decimals.
        auto odd = std::make_unique<Cactus>();
        odd->setName("Quoted \"Name\", with comma");
        odd->setNotes("multi\nline \"notes\", too");
        odd->setPurchasePrice(1234.5);
        odd->setValue(0.07);
        odd->setLastWatered(localSeconds(2026, 2, 3, 4, 5));
        source->addCactus(std::move(odd));
        source->mapLogsAndImages();
        auto target = roundTrip(*source, locale.name());

        auto minute = [](const Timestamp& t) { return t ? std::floor(*t / 60) : -1.0; };
        auto day = [](const Timestamp& t) { return t ? toDateTime(t).date() : QDate(); };
        ASSERT_EQ(target->cacti().size(), source->cacti().size());
        for (size_t i = 0; i < source->cacti().size(); ++i) {
            Cactus& a = *source->cacti()[i];
            Cactus& b = *target->cacti()[i];
            a.hydrate();
            b.hydrate();
            SCOPED_TRACE(a.name().toStdString() + " in " + locale.name().toStdString());
            EXPECT_EQ(b.name(), a.name());
            EXPECT_EQ(b.commonName(), a.commonName());
            EXPECT_EQ(b.scientificName(), a.scientificName());
            EXPECT_EQ(b.type(), a.type());
            EXPECT_EQ(b.water() ? b.water()->name() : "", a.water() ? a.water()->name() : "");
            EXPECT_EQ(minute(b.lastWatered()), minute(a.lastWatered()));
            EXPECT_EQ(minute(b.waterNext()), minute(a.waterNext()));
            EXPECT_EQ(day(b.plantDate()), day(a.plantDate()));
            EXPECT_EQ(day(b.dateAcquired()), day(a.dateAcquired()));
            EXPECT_EQ(b.source(), a.source());
            EXPECT_NEAR(b.purchasePrice(), a.purchasePrice(), 0.005);
            EXPECT_NEAR(b.value(), a.value(), 0.005);
            EXPECT_EQ(b.location(), a.location());
            EXPECT_EQ(b.height(), a.height());
            EXPECT_EQ(b.potShape(), a.potShape());
            EXPECT_EQ(b.potMaterial(), a.potMaterial());
            EXPECT_EQ(b.notes(), a.notes());
            EXPECT_EQ(b.logs().size(), a.logs().size());
        }
        ASSERT_EQ(target->watering().size(), source->watering().size());
        for (size_t i = 0; i < source->watering().size(); ++i) {
            Water& a = *source->watering()[i];
            Water& b = *target->watering()[i];
            a.hydrate();
            b.hydrate();
            EXPECT_EQ(b.name(), a.name());
            EXPECT_EQ(b.frequency(), a.frequency());
            EXPECT_EQ(b.frequencyUnits(), a.frequencyUnits());
            EXPECT_EQ(b.quantity(), a.quantity());
            EXPECT_EQ(minute(b.lastWatered()), minute(a.lastWatered()));
            EXPECT_EQ(minute(b.waterNext()), minute(a.waterNext()));
            for (int p = 1; p <= 6; ++p)
                EXPECT_EQ(b.noWaterDDMM(p), a.noWaterDDMM(p));
            EXPECT_EQ(b.notes(), a.notes());
        }
        ASSERT_EQ(target->logs().size(), source->logs().size());
        for (size_t i = 0; i < source->logs().size(); ++i) {
            Log& a = *source->logs()[i];
            Log& b = *target->logs()[i];
            a.hydrate();
            b.hydrate();
            EXPECT_EQ(b.eventName(), a.eventName());
            EXPECT_EQ(b.logType(), a.logType());
            EXPECT_EQ(day(b.logDate()), day(a.logDate()));
            EXPECT_EQ(b.cactus() ? b.cactus()->name() : "", a.cactus() ? a.cactus()->name() : "");
            EXPECT_EQ(b.notes(), a.notes());
        }
    }
}

TEST_F(Csv, TitlesHeadersAndRecordsAreRecognisedByTheirFields)
{
    QByteArray csv = kHeaderCacti + cactusRow("Linked", "Weekly");
    csv += "Cacti,,\"not empty\"\n";                 // not a title: read as a record line with too few fields
    csv += cactusRow("Later") + "\n";
    csv += kHeaderLogs;
    csv += "\"Repotted\",\"cactus\",\"Dec 6, 2026\",\"linked\",\"\"\n"; // type and name in any case
    csv += "\"Flowered\",\"Note\",\"\",\"\"\n";                          // no notes column
    csv += "\"Sold\",\"Gift\",\"\",\"\",\"\"\n";                         // unknown type: no record
    csv += "\"Seen\",\"Cactus\",\"\",\"Late Plant\",\"\"\n";            // plant only in a later section
    QByteArray misspelled = kHeaderCacti;
    misspelled.replace("Species Common Name", "Species Comon Name");
    csv += "\n" + misspelled + cactusRow("Skipped"); // a header not the template's skips its section only
    csv += "\n" + kHeaderWatering;
    csv += "\"Weekly\",\"2 fortnights\",\"Soak\",\"Never\",\"December 25\",\"January 6\",\"Smarch 1\",\"\",\"\",\"\",\"\",\"\"\n";
    csv += "\"Weekly\",\"9 days\",\"Spray\",\"Never\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"\n";
    csv += "\n" + kHeaderCacti + cactusRow("Late Plant");
    auto target = imported(csv);
    ASSERT_EQ(target->cacti().size(), 3u);
    ASSERT_EQ(target->watering().size(), 2u);
    Water* first = nullptr;
    for (const auto& w : target->watering())
        if (w->frequency() == 2)
            first = w.get();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->frequencyUnits(), 0); // "fortnights" is no unit
    EXPECT_EQ(first->quantity(), 3);
    EXPECT_EQ(first->noWaterDDMM(1), Water::dayMonthCode(25, 12));
    EXPECT_EQ(first->noWaterDDMM(2), Water::dayMonthCode(6, 1));
    EXPECT_EQ(first->noWaterDDMM(3), 0);
    for (const auto& c : target->cacti()) {
        if (c->name() == "Linked") {
            EXPECT_EQ(c->water(), first); // the first schedule of a name wins
        }
        c->hydrate();
        EXPECT_EQ(c->potMaterial(), 4); // "Clay?" is not in the list: the default stays
        EXPECT_EQ(c->source(), 0);
        EXPECT_DOUBLE_EQ(c->purchasePrice(), 1.5);
    }
    ASSERT_EQ(target->logs().size(), 3u);
    for (const auto& l : target->logs()) {
        if (l->eventName() == "Repotted") {
            ASSERT_NE(l->cactus(), nullptr);
            EXPECT_EQ(l->cactus()->name(), QString("Linked"));
        }
        if (l->eventName() == "Seen") {
            EXPECT_EQ(l->cactus(), nullptr);
        }
    }
}

TEST_F(Csv, ALineOverTheLimitEndsTheReadingAfterTheRecordsBeforeIt)
{
    QByteArray csv = kHeaderCacti + cactusRow("Before");
    csv += "\"" + QByteArray(20000, 'x') + "\"\n" + cactusRow("After");
    auto target = imported(csv);
    ASSERT_EQ(target->cacti().size(), 1u);
    EXPECT_EQ(target->cacti()[0]->name(), QString("Before"));
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

TEST_F(Csv, NoWaterDatesSurviveInLocalesWhoseMonthNamesHoldSpaces)
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

// --- Files that must change nothing

class RefusedCsv : public Csv, public ::testing::WithParamInterface<std::pair<const char*, QByteArray>> {};

TEST_P(RefusedCsv, FailsWithStatus2AndLeavesTheCollection)
{
    SampleCollection::fill(*document, SampleSize{3, 1, 2, 1, 64});
    reopen();
    const TreeSnapshot before = snapshot(path);
    const QStringList dumpBefore = dumpCollection(*document);
    const QString file = folder.file("refused.csv");
    writeFile(file, GetParam().second);
    EXPECT_EQ(importFrom(*document, file, 0), kJobFailed);
    EXPECT_FALSE(lastJob().error.isEmpty());
    EXPECT_TRUE(dumpCollection(*document) == dumpBefore);
    document->close();
    EXPECT_EQ(snapshot(path), before);
    EXPECT_FALSE(QFile::exists(WorkFiles::importDatabase()));
}

INSTANTIATE_TEST_SUITE_P(
    Files, RefusedCsv,
    ::testing::Values(std::make_pair("empty", QByteArray()),
                      std::make_pair("comments_only", QByteArray("\"// one\"\n\"// two\"\n")),
                      std::make_pair("binary", QByteArray("\x00\xFF\xFE\x01\x80\x81\x82", 7).repeated(3000)),
                      std::make_pair("unknown_titles", QByteArray("Plants\nName\n\"x\"\n")),
                      std::make_pair("header_only", kHeaderCacti + kHeaderLogs),
                      std::make_pair("long_first_line", QByteArray(30000, 'C'))),
    [](const auto& info) { return std::string(info.param.first); });

TEST_F(Csv, ACancelledCsvImportChangesNothing)
{
    SampleCollection::fill(*document, SampleSize{3, 1, 2, 0, 64});
    QByteArray csv = kHeaderCacti;
    for (int i = 0; i < 300; ++i)
        csv += cactusRow("Plant " + QByteArray::number(i));
    const QString file = folder.file("many.csv");
    writeFile(file, csv);
    const QStringList dumpBefore = dumpCollection(*document);
    EXPECT_EQ(importFrom(*document, file, 0,
                         [](double percent, JobContext& context) {
                             if (percent >= 30)
                                 context.cancel();
                         }),
              kJobCancelled);
    EXPECT_TRUE(dumpCollection(*document) == dumpBefore);
}

TEST_F(Csv, ACancelledOrFailedExportLeavesAnExistingFileAlone)
{
    SampleCollection::fill(*document, SampleSize{50, 1, 2, 0, 64});
    const QString file = folder.file("keep.csv");
    writeFile(file, "precious");
    EXPECT_EQ(exportTo(*document, file, 0, [](double, JobContext& context) { context.cancel(); }), kJobCancelled);
    EXPECT_EQ(readFile(file), QByteArray("precious"));
    EXPECT_EQ(exportTo(*document, folder.file("no/such/folder/x.csv"), 0), kJobFailed);
}
