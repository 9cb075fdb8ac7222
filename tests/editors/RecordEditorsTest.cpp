// The cactus and watering schedule editors driven like a user would: keys
// and clicks on real collection packages. This binary runs in UTC and in
// Europe/Berlin, since the editors compute and store local dates.
#include "CactusInfoViewController.h"
#include "EditorFixture.h"
#include "EditorTestSupport.h"
#include "RecordEditors.h"
#include "WaterInfoViewController.h"
#include "UndoHistory.h"

#include "CollectionDump.h"

#include <QComboBox>
#include <QDir>
#include <QPlainTextEdit>
#include <QPushButton>

#include <gtest/gtest.h>

using namespace spinora;
using namespace spinora::test;

// Also "too-long notes are refused with only a beep": say the limit, insert what fits or nothing.
TEST_F(CactusEditor, OverlongTextSaysTheLimitAndKeepsWhatFitsAndTypedSpeciesAddsNone)
{
    EditorFixture f;
    Cactus* plant = f.addPlant(QStringLiteral("Echino"), nullptr);
    const size_t speciesBefore = f.document->species().size();

    auto editor = f.open<CactusInfoViewController>(plant);
    typeInto(control<QLineEdit>(editor.get(), "nameField"), QString(205, QLatin1Char('n'))); // 200 are stored
    typeInto(control<QComboBox>(editor.get(), "commonSpeciesComboBox"), QStringLiteral("Only Common"));
    // Text views stop at ten thousand characters.
    auto* notes = control<QPlainTextEdit>(editor.get(), "notesView");
    notes->setPlainText(QString(9995, QLatin1Char('x')) + QLatin1Char('z'));
    notes->moveCursor(QTextCursor::End);
    notes->moveCursor(QTextCursor::Left);
    QString question;
    for (const char* answer : {"Insert Nothing", "Insert the First 4"}) {
        question.clear();
        answerAlert(QString::fromLatin1(answer), &question);
        notes->insertPlainText(QString(50, QLatin1Char('y')));
        EXPECT_TRUE(QTest::qWaitFor([&] { return !question.isEmpty(); }));
    }
    EXPECT_EQ(question, localized("Notes can hold at most %1 characters.").arg(QLocale().toString(10000)));
    QTest::keyClicks(notes, QStringLiteral("abc")); // keystrokes at the limit beep
    click(control<QPushButton>(editor.get(), "okButton"));

    EXPECT_EQ(f.document->species().size(), speciesBefore) << "one name alone adds no species";
    expectOk(plant->hydrate());
    EXPECT_EQ(QStringList({plant->name(), plant->commonName(), plant->notes()}),
              QStringList({QString(200, QLatin1Char('n')), "Only Common", QString(9995, QLatin1Char('x')) + "yyyyz"}));
    expectOk(plant->dehydrate());
}

TEST_F(CactusEditor, TheSpeciesChosenFollowsInTheOtherBoxAndIsTheOneCompletedOrRemoved)
{
    EditorFixture f;
    Cactus* plant = f.addPlant(QStringLiteral("Opuntia"), nullptr);
    Species* a = expectOk(f.document->addSpecies(std::make_unique<Species>(QStringLiteral("Bunny Ears"), QStringLiteral("Opuntia microdasys"))));
    expectOk(f.document->addSpecies(std::make_unique<Species>(QStringLiteral("Alpha"), QStringLiteral("Zeta zeta"))));
    f.document->updateSpecies(a);

    auto editor = f.open<CactusInfoViewController>(plant);
    auto* common = control<QComboBox>(editor.get(), "commonSpeciesComboBox");
    auto* scientific = control<QComboBox>(editor.get(), "scientificSpeciesComboBox");
    chooseItem(common, common->findText(QStringLiteral("Bunny Ears")));
    EXPECT_EQ(scientific->currentText(), QStringLiteral("Opuntia microdasys"));
    // "The wrong species is renamed or removed": a species added meanwhile (by a nested editor) moves the lists.
    auto addSpeciesElsewhere = [&f](const char* name) {
        f.document->updateSpecies(expectOk(f.document->addSpecies(std::make_unique<Species>(QString::fromLatin1(name), QString()))));
    };
    addSpeciesElsewhere("Aaa");
    typeInto(scientific, QStringLiteral("Opuntia renamed"));
    click(control<QPushButton>(editor.get(), "okButton"));

    // The plant's names, then the species' own scientific name, which takes the new one.
    EXPECT_EQ(QStringList({plant->commonName(), plant->scientificName(), a->scientificName()}),
              QStringList({"Bunny Ears", "Opuntia renamed", "Opuntia renamed"}));
    EXPECT_EQ(queryInt(f.document->dbFilename(),
                       QStringLiteral("SELECT count(*) FROM species WHERE scientific='Opuntia renamed'")),
              1);
    editor = f.open<CactusInfoViewController>(plant);
    addSpeciesElsewhere("Aab");
    click(control<QPushButton>(editor.get(), "removeSpeciesButton"));
    EXPECT_EQ(queryInt(f.document->dbFilename(), QStringLiteral("SELECT count(*) FROM species WHERE name IN ('Alpha', 'Bunny Ears')")), 1);
    EXPECT_NE(f.document->speciesWithName(QStringLiteral("Alpha"), QStringLiteral("Zeta zeta")), nullptr);
}

TEST_F(WaterEditor, JustWateredPushesPastTheWinterRestForTheScheduleAndEachPlant)
{
    EditorFixture f;
    Water* fortnightly = f.addSchedule(QStringLiteral("Fortnightly"), 2, Water::kWeeks);
    fortnightly->setNoWaterDDMM(1, Water::dayMonthCode(1, 11));
    fortnightly->setNoWaterDDMM(2, Water::dayMonthCode(28, 2));
    expectOk(fortnightly->save());
    f.addPlant(QStringLiteral("Ariocarpus"), fortnightly);
    Cactus* second = f.addPlant(QStringLiteral("Lophophora"), fortnightly);
    f.addPlant(QStringLiteral("Outsider"), nullptr);
    second->setLastWatered(fromDateTime(at(2026, 9, 1, 7, 0)));
    expectOk(second->save());
    Clock::setFixedNow(fromDateTime(at(2026, 10, 20, 10, 0)));

    auto editor = f.open<WaterInfoViewController>(fortnightly);
    click(control<QPushButton>(editor.get(), "justWateredButton"));
    click(control<QPushButton>(editor.get(), "okButton"));

    const Timestamp watered = fromDateTime(at(2026, 10, 20, 10, 0));
    const Timestamp expected = fromDateTime(at(2027, 3, 1, 10, 0)); // past the rest
    auto reopened = f.reopen();
    Water* stored = reopened->waterWithName(QStringLiteral("Fortnightly"));
    ASSERT_NE(stored, nullptr);
    // Last and next watering of the schedule, then of each of its two plants.
    std::vector watering{std::pair(stored->lastWatered(), stored->waterNext())};
    for (Cactus* plant : stored->cacti())
        watering.push_back(std::pair(plant->lastWatered(), plant->waterNext()));
    EXPECT_EQ(watering, std::vector(3, std::pair(watered, expected)));
    EXPECT_FALSE(plantNamed(*reopened, QStringLiteral("Outsider"))->waterNext());
}

// "A new plant on a schedule shows None Scheduled until Last Watered is ticked".
TEST_F(CactusEditor, ANewPlantGivenAScheduleTakesItsNextWateringAtOnce)
{
    EditorFixture f;
    Water* weekly = f.addSchedule(QStringLiteral("Weekly"), 1, Water::kWeeks);
    weekly->setWaterNext(moment(2026, 12, 10, 9, 0));
    expectOk(weekly->save());
    whenModalOpens<AddCactusInfoViewController>([](AddCactusInfoViewController* editor) {
        typeInto(control<QLineEdit>(editor, "nameField"), QStringLiteral("Newcomer"));
        chooseItem(control<QComboBox>(editor, "waterComboBox"), 0);
        click(control<QPushButton>(editor, "okButton"));
    });
    ASSERT_TRUE(editCactus(&f.window, *f.document, nullptr));
    EXPECT_EQ(plantNamed(*f.reopen(), QStringLiteral("Newcomer"))->waterNext(), moment(2026, 12, 10, 9, 0));
}

// Opening a never-watered schedule from a plant's editor and pressing its OK
// cleared the plant's last and next watering.
TEST_F(CactusEditor, ANeverWateredScheduleOpenedFromThePlantLeavesThePlantsDates)
{
    EditorFixture f;
    f.addSchedule(QStringLiteral("Monthly"), 1, Water::kMonths);
    Cactus* plant = f.addPlant(QStringLiteral("Mover"), nullptr);
    plant->setLastWatered(moment(2026, 11, 22, 8, 0));
    expectOk(plant->save());
    whenModalOpens<CactusInfoViewController>([](CactusInfoViewController* editor) {
        chooseItem(control<QComboBox>(editor, "waterComboBox"), 0);
        whenModalOpens<WaterInfoViewController>([](WaterInfoViewController* schedule) {
            click(control<QPushButton>(schedule, "okButton"));
        });
        click(control<QPushButton>(editor, "waterButton"));
        click(control<QPushButton>(editor, "okButton"));
    });
    ASSERT_TRUE(editCactus(&f.window, *f.document, plant));
    const Cactus* saved = plantNamed(*f.reopen(), QStringLiteral("Mover"));
    EXPECT_EQ(saved->lastWatered(), moment(2026, 11, 22, 8, 0));
    EXPECT_EQ(saved->waterNext(), moment(2026, 12, 22, 8, 0));
}

TEST_F(WaterEditor, UnitsFollowTheFrequencyAndMonthsCutTheirDays)
{
    EditorFixture f;
    Water* schedule = f.addSchedule(QStringLiteral("Daily"), 1, Water::kDays);
    auto editor = f.open<WaterInfoViewController>(schedule);
    // Letters never get in; the plural list keeps the chosen unit (stored below).
    typeInto(control<QLineEdit>(editor.get(), "waterEveryField"), QStringLiteral("3x"));

    auto* month = control<QComboBox>(editor.get(), "fromMonth3ComboBox");
    auto* day = control<QComboBox>(editor.get(), "fromDay3Button");
    chooseItem(month, 1);
    chooseItem(day, 31);
    chooseItem(month, 2);
    const int february = QDate(QDate::currentDate().year(), 2, 1).daysInMonth();
    EXPECT_EQ(day->count(), february + 1);
    EXPECT_EQ(day->currentIndex(), 0) << "31 no longer exists";
    chooseItem(day, 14);
    chooseItem(control<QComboBox>(editor.get(), "toMonth4ComboBox"), 3); // a month without a day is stored as no date
    click(control<QPushButton>(editor.get(), "okButton"));

    // Frequency, its unit, and the third and fourth no-water dates.
    EXPECT_EQ(std::tuple(schedule->frequency(), schedule->frequencyUnits(), schedule->noWaterDDMM(3), schedule->noWaterDDMM(4)),
              std::tuple(3, Water::kDays, Water::dayMonthCode(14, 2), 0));
}

namespace {

// Adds picture files in the editor's photo grid and waits until they are stored.
void addPhotos(CactusInfoViewController& editor, const QStringList& files)
{
    editor.photos().grid()->setShowsAlerts(false);
    editor.photos().grid()->addPhotosWithPaths(files);
    ASSERT_TRUE(editor.photos().grid()->waitForImageSave(60000));
    ASSERT_EQ(editor.photos().updatedImageArray().size(), size_t(files.size()));
}

} // namespace

// New photos are stored at once; Cancel takes them out again, also after one
// was moved into a slot (the viewer's "store in slot"), and leaves the typed
// name, species, schedule and notes unstored; OK keeps the photos.
// Regression: undoing the OK left the photos added in that edit behind.
TEST_F(CactusEditor, PhotosAddedThenCancelledLeaveTheCollectionOkKeepsThemInOrderAndUndoTakesThem)
{
    EditorFixture f;
    UndoHistory history(*f.document);
    Cactus* plant = f.addPlant(QStringLiteral("Photogenic"), nullptr);
    f.addSchedule(QStringLiteral("Monthly"), 1, Water::kMonths);
    QStringList files;
    for (int i = 0; i < 3; ++i) {
        files << f.folder.file(QStringLiteral("picture%1.jpg").arg(i));
        writeFile(files.back(), jpegBytes(gradientImage(640 + 10 * i, 480)));
    }
    const QStringList dumpBefore = dumpCollection(*f.document);
    const QStringList packageBefore = QDir(f.path).entryList(QDir::Files);

    {
        auto editor = f.open<CactusInfoViewController>(plant);
        addPhotos(*editor, files.mid(0, 2));
        EXPECT_EQ(f.document->images().size(), 2u) << "new photos are stored at once";
        Image* second = editor->photos().updatedImageArray()[1];
        editor->photos().grid()->storePhoto(second, 0);
        EXPECT_EQ(editor->photos().updatedImageArray().front(), second) << "the grid is shown the new order";
        EXPECT_EQ(editor->photos().imageInSlot(0), second);
        typeInto(control<QLineEdit>(editor.get(), "nameField"), QStringLiteral("Renamed"));
        typeInto(control<QComboBox>(editor.get(), "commonSpeciesComboBox"), QStringLiteral("New Common"));
        typeInto(control<QComboBox>(editor.get(), "scientificSpeciesComboBox"), QStringLiteral("Novus scientificus"));
        auto* schedules = control<QComboBox>(editor.get(), "waterComboBox");
        chooseItem(schedules, schedules->findText(QStringLiteral("Monthly")));
        ASSERT_NE(editor->currentWater(), nullptr);
        QTest::keyClicks(control<QPlainTextEdit>(editor.get(), "notesView"), QStringLiteral("changed"));
        click(control<QPushButton>(editor.get(), "cancelButton"));
    }
    EXPECT_EQ(QDir(f.path).entryList(QDir::Files), packageBefore) << "their picture files are gone again";
    EXPECT_TRUE(holdsRecords(*f.document, dumpBefore));
    EXPECT_FALSE(history.canUndo()) << "a cancelled edit is no step";

    {
        auto editor = f.open<CactusInfoViewController>(plant);
        addPhotos(*editor, files);
        click(control<QPushButton>(editor.get(), "okButton"));
    }
    const QStringList packageWithPhotos = QDir(f.path).entryList(QDir::Files);
    for (int pass = 0; pass < 2; ++pass) {
        SCOPED_TRACE(pass == 0 ? "after OK" : "after Undo and Redo");
        ASSERT_EQ(plant->images().size(), 3u);
        for (size_t i = 0; i < 3; ++i) {
            EXPECT_EQ(plant->images()[i]->linkedKey(), plant->primaryKey());
            EXPECT_EQ(plant->images()[i]->tagValue(), int64_t(i));
        }
        EXPECT_EQ(QDir(f.path).entryList(QDir::Files), packageWithPhotos);
        if (pass == 1)
            break;
        expectOk(history.undo());
        EXPECT_EQ(QDir(f.path).entryList(QDir::Files), packageBefore);
        EXPECT_TRUE(holdsRecords(*f.document, dumpBefore));
        expectOk(history.redo());
    }
    auto reopened = f.reopen();
    EXPECT_EQ(plantNamed(*reopened, QStringLiteral("Photogenic"))->images().size(), 3u);
}
