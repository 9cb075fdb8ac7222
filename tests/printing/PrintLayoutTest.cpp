// Pagination and the lines of record sheets, measured in memory.
#include "DatabasePrintView.h"
#include "PrintTestSupport.h"
#include "RecordBuilders.h"
#include "RecordSheet.h"

#include "Cactus.h"
#include "ListSearch.h"
#include "Log.h"
#include "SampleCollection.h"
#include "TestSupport.h"
#include "Water.h"

#include <gtest/gtest.h>

#include <functional>
#include <tuple>

using namespace spinora;
using namespace spinora::test;

namespace {

// One field (`&SheetLine::label`, `value` or `valueText`) of the given lines
// of a sheet, in the order asked.
template <class Field>
QStringList lineTexts(const RecordSheet& sheet, std::initializer_list<int> lines, Field field)
{
    QStringList texts;
    for (int n : lines)
        texts << std::invoke(field, sheet.line(n));
    return texts;
}

} // namespace

// Each test prints from an empty collection of its own.
using PrintPagination = CollectionTest;
using PrintSheets = CollectionTest;
using ListSearchTest = CollectionTest;

// How lists paginate and number their pages is PrintPdf's to show.
TEST_F(PrintPagination, AnEmptyListStillPrintsItsHeader)
{
    DatabasePrintView view(*document, DatabasePrintView::Screen::CactusList);
    EXPECT_EQ(view.knowsPageRange(bareLayout(600, 4 * 130)), 1);
}

TEST_F(PrintSheets, LogSheetWithEmptyNoteHasSeventeenLinesAndThreePagesOfTen)
{
    Log* stored = addLog(*document, nullptr, QStringLiteral("Repotted"), Timestamp());
    DatabasePrintView view(*document, DatabasePrintView::Screen::LogSheet, stored);
    const double height = 10 * view.lineHeight() + 0.5;
    EXPECT_EQ(view.knowsPageRange(bareLayout(600, height)), 3);
    EXPECT_EQ(std::make_pair(view.linesPerPage(), view.totalLines()), std::make_pair(10, 17));
    EXPECT_EQ(lineTexts(*view.sheet(), {0, 6}, &SheetLine::value), (QStringList{"Repotted", "No"}));
    EXPECT_EQ(view.sheet()->line(15).label, "Notes");
    // A page too small for any sheet line prints one empty page instead of
    // counting pages for ever.
    EXPECT_EQ(view.knowsPageRange(bareLayout(600, 2 * view.lineHeight() + 1)), 1);
    EXPECT_EQ(view.knowsPageRange(bareLayout(600, 5)), 1);
}

TEST_F(PrintSheets, CactusSheetLinesFollowLocationNotesAndLogs)
{
    Cactus* cactus = addPlant(*document, QStringLiteral("Old Man"));
    expectOk(cactus->hydrate());
    cactus->setScientificName(QStringLiteral("Cephalocereus senilis"));
    cactus->setCommonName(QStringLiteral("Old man cactus"));
    cactus->setLocation(QStringLiteral("Greenhouse\nBench 2"));
    cactus->setNotes(QStringLiteral("One\nTwo\nThree"));
    cactus->setPurchasePrice(1234.5);
    cactus->setPotMaterial(5);
    cactus->setPlantDate(localSeconds(2019, 3, 14, 12, 0));
    cactus->setDateAcquired(localSeconds(2020, 2, 2, 12, 0));
    expectOk(cactus->save());
    for (int i = 0; i < 6; ++i)
        addPhoto(*document, cactus, SampleCollection::drawPhoto(i, 200));
    for (int i = 0; i < 3; ++i) {
        Log* log = addLog(*document, cactus, i == 0 ? QString() : QStringLiteral("Flowered"), localSeconds(2024, 5, 1 + i));
        log->setLogType(i == 2 ? Log::kNoteLog : Log::kCactusLog);
    }
    expectOk(cactus->dehydrate());

    auto view = std::make_unique<DatabasePrintView>(*document, DatabasePrintView::Screen::CactusSheet, cactus);
    view->knowsPageRange(bareLayout(800, 1000));
    const RecordSheet& sheet = *view->sheet();
    EXPECT_EQ(sheet.locationLines(), 2);
    EXPECT_EQ(sheet.notesLines(), 3);
    // 52 + 3 logs + (2 - 1) location + (3 - 1) notes.
    EXPECT_EQ(view->totalLines(), 58);
    EXPECT_EQ(sheet.line(2).photos.size(), 5u) << "a sixth photo stays off the sheet";
    EXPECT_EQ(sheet.line(8).italicRange, std::make_pair(0, 21));
    // The money as the C locale reads it, as US English; four-digit years,
    // though the locale's short dates have two.
    EXPECT_EQ(lineTexts(sheet, {8, 16, 26, 18, 22}, &SheetLine::value),
              (QStringList{"Cephalocereus senilis (Old man cactus)", "None Scheduled", "1,234.50", "3/14/2019", "2/2/2020"}));
    const int block = 32; // 30 + two location lines
    EXPECT_EQ(lineTexts(sheet, {30, block + 1, block + 15, block + 17, block + 18 + 3}, &SheetLine::label),
              (QStringList{"Location", "Height", "Pot Material", "Notes", "Log History"}));
    EXPECT_EQ(lineTexts(sheet, {30, 31, block + 19}, &SheetLine::valueText), (QStringList{"Greenhouse", "Bench 2", "Three"}));
    EXPECT_TRUE(sheet.line(block + 17 + 3).isEmpty());
    // Logs newest first: the note (type 1) with its missing note summary, then the two others.
    EXPECT_EQ(lineTexts(sheet, {block + 15, block + 20 + 3, block + 20 + 4, block + 20 + 5}, &SheetLine::value),
              (QStringList{"Plastic", "Flowered No Notes", "Flowered", "No Event Name"}));
    EXPECT_TRUE(sheet.line(block + 20 + 5).logEntry);
    EXPECT_TRUE(cactus->isHydrated());
    view.reset();
    EXPECT_FALSE(cactus->isHydrated()) << "the sheet gives back the detail it loaded";
}

TEST_F(PrintSheets, WateringSheetListsPeriodsAndSaysNoneWithoutPlants)
{
    Water* stored = addSchedule(*document, QStringLiteral("Winter rest"), 2, Water::kWeeks);
    // Only the second of the three periods is set: the sheet still prints it.
    stored->setNoWaterDDMM(3, Water::dayMonthCode(1, 11));
    stored->setNoWaterDDMM(4, Water::dayMonthCode(28, 2));
    DatabasePrintView view(*document, DatabasePrintView::Screen::WaterSheet, stored);
    view.knowsPageRange(bareLayout(800, 1000));
    const RecordSheet& sheet = *view.sheet();
    EXPECT_EQ(lineTexts(sheet, {2, 10}, &SheetLine::value), (QStringList{"2 weeks", "November 1 - February 28"}));
    EXPECT_TRUE(sheet.line(11).isEmpty());
    // 17 + 1 period + 1 line that says "None": the last line must not be cut off.
    ASSERT_EQ(view.totalLines(), 19);
    EXPECT_EQ(lineTexts(sheet, {12, 14, 16, 18}, &SheetLine::label),
              (QStringList{"Next Watering", "Notes", "Cacti To Water", "None"}));

    Cactus* plant = addPlant(*document, QStringLiteral("Bishop's cap"));
    plant->setScientificName(QStringLiteral("Astrophytum myriostigma"));
    stored->addCactus(plant, document->sortOrder());
    view.knowsPageRange(bareLayout(800, 1000));
    const SheetLine& plantLine = view.sheet()->line(18);
    EXPECT_EQ(std::tie(plantLine.label, plantLine.value, plantLine.italicRange),
              std::make_tuple(QString("Bishop's cap"), QString("Astrophytum myriostigma"), std::make_pair(0, 23)));
}

// A list's search keeps folded keys between keystrokes and narrows from the
// previous finds: it must still find exactly what the rule finds, after a
// record changed, when a plant's age moves on, and for letters whose case
// folding is not ASCII's.
TEST_F(ListSearchTest, AKeptSearchFindsWhatTheRuleFinds)
{
    const QStringList names{"STRASSE", "Straße", "ΣΊΣΥΦΟΣ", "σίσυφος", "İstanbul", "istanbul", "ǅemal",
                            "Ⅻ Clock", "𐐀 Deseret", "Moon", "Mooney"};
    for (const QString& name : names)
        addPlant(*document, name);
    ListSearch search(SpinoraDatabase::kCactusList);
    auto shown = [&](const QString& text) {
        search.apply(*document, text);
        QStringList list;
        for (const Cactus* c : document->displayedCacti())
            list << c->name();
        return list;
    };
    auto byRule = [&](const QString& text) {
        QStringList list;
        for (const auto& c : document->cacti()) {
            if (c->name().contains(text, Qt::CaseInsensitive))
                list << c->name();
        }
        return list;
    };
    for (const char* text : {"s", "st", "str", "straße", "ss", "σ", "ς", "ΣΊΣ", "i", "İ", "ǆ", "ⅻ", "𐐨", "moo"})
        EXPECT_EQ(shown(QString::fromUtf8(text)), byRule(QString::fromUtf8(text))) << text;

    // "moo" found Moon and Mooney; Moon is renamed, then "moon" narrows.
    Cactus* moon = plantNamed(*document, QStringLiteral("Moon"));
    moon->setName(QStringLiteral("Zed"));
    EXPECT_EQ(shown("moon"), QStringList({"Mooney"}));
    moon->setName(QStringLiteral("Moonbeam"));
    EXPECT_EQ(shown("moonb"), QStringList({"Moonbeam"}));

    // The age line moves with the clock between two keystrokes.
    moon->setPlantDate(localSeconds(2020, 6, 1, 12, 0));
    Clock::setFixedNow(localSeconds(2022, 6, 1, 11, 59));
    EXPECT_EQ(shown("age: 1"), QStringList({"Moonbeam"}));
    EXPECT_EQ(shown("age: 2"), QStringList());
    Clock::setFixedNow(localSeconds(2022, 6, 1, 12, 0));
    EXPECT_EQ(shown("age: 2 "), QStringList({"Moonbeam"}));
    Clock::clearFixedNow();
}
