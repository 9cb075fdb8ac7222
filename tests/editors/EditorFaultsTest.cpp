// Edits that were lost or falsified, each driven through the real editor
// with keys and clicks and checked in the file after reopening the package.
// This binary runs in UTC and in Europe/Berlin.
#include "CactusInfoViewController.h"
#include "CactusTable.h"
#include "EditorFixture.h"
#include "EditorTestSupport.h"
#include "RecordEditors.h"
#include "WaterInfoViewController.h"

#include "CollectionDump.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <gtest/gtest.h>

using namespace spinora;
using namespace spinora::test;

namespace {

// Types a time into a picker's hour and minute sections, as from the keyboard.
void typeTime(QDateTimeEdit* picker, const QString& hour, const QString& minute)
{
    QApplication::setActiveWindow(picker->window());
    EXPECT_TRUE(QTest::qWaitForWindowActive(picker->window()));
    picker->setFocus();
    picker->setSelectedSection(QDateTimeEdit::HourSection);
    QTest::keyClicks(picker, hour);
    picker->setSelectedSection(QDateTimeEdit::MinuteSection);
    QTest::keyClicks(picker, minute);
}

} // namespace

// "A watered plant stays due": Just Watered left the old next watering.
TEST_F(CactusEditor, JustWateredMovesTheNextWateringAsTurningTheBoxOnDoes)
{
    EditorFixture f;
    Water* weekly = f.addSchedule(QStringLiteral("Weekly"), 1, Water::kWeeks);
    Cactus* overdue = f.addPlant(QStringLiteral("Gymno"), weekly);
    overdue->setLastWatered(moment(2026, 5, 1, 9, 0));
    overdue->setWaterNext(moment(2026, 5, 8, 9, 0));
    expectOk(overdue->save());
    Clock::setFixedNow(moment(2026, 6, 10, 8, 30, 55));
    const Timestamp watered = moment(2026, 6, 10, 8, 30);
    const Timestamp next = moment(2026, 6, 17, 8, 30);

    {
        auto editor = f.open<CactusInfoViewController>(overdue);
        // Editing the date warns once per opening.
        answerAlert(QStringLiteral("OK"));
        for (int day : {2, 3})
            control<QDateTimeEdit>(editor.get(), "lastWateredField")->setDateTime(at(2026, 5, day, 9, 0));
        EXPECT_EQ(editor->savedNextWater(), moment(2026, 5, 10, 9, 0));
        click(control<QPushButton>(editor.get(), "justWateredButton"));
        click(control<QPushButton>(editor.get(), "okButton"));
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "a second warning came";
    }
    // A new plant, with a new species, given a schedule first, then watered.
    whenModalOpens<AddCactusInfoViewController>([](AddCactusInfoViewController* editor) {
        auto* ok = control<QPushButton>(editor, "okButton");
        EXPECT_FALSE(ok->isEnabled()) << "a new cactus needs a name";
        typeInto(control<QLineEdit>(editor, "nameField"), QStringLiteral("Fresh"));
        typeInto(control<QComboBox>(editor, "commonSpeciesComboBox"), QStringLiteral("Star Cactus"));
        typeInto(control<QComboBox>(editor, "scientificSpeciesComboBox"), QStringLiteral("Astrophytum testus"));
        chooseItem(control<QComboBox>(editor, "waterComboBox"), 0);
        click(control<QPushButton>(editor, "justWateredButton"));
        typeInto(control<QLineEdit>(editor, "purchasePriceField"), QStringLiteral("12x.5y0")); // letters never get in
        click(ok);
    });
    ASSERT_TRUE(editCactus(&f.window, *f.document, nullptr));

    auto reopened = f.reopen();
    Cactus* fresh = plantNamed(*reopened, QStringLiteral("Fresh"));
    ASSERT_NE(fresh, nullptr);
    EXPECT_EQ(fresh->water()->name(), QStringLiteral("Weekly"));
    EXPECT_DOUBLE_EQ(fresh->purchasePrice(), 12.5);
    EXPECT_EQ(queryInt(reopened->dbFilename(), QStringLiteral("SELECT count(*) FROM species WHERE name='Star Cactus' "
                                                              "AND scientific='Astrophytum testus'")),
              1);
    for (const char* name : {"Gymno", "Fresh"}) {
        Cactus* stored = plantNamed(*reopened, QString::fromLatin1(name));
        ASSERT_NE(stored, nullptr) << name;
        EXPECT_EQ(std::tuple(stored->lastWatered(), stored->waterNext(), stored->wateringDue()), std::tuple(watered, next, false))
            << name << ": last and next watering at the minute shown, no hidden seconds; not due";
    }
}

// "Half a save": a plant edited in a second, nested editor lost the first
// editor's edits of its details.
TEST_F(CactusEditor, APlantIsNeverEditedThroughTwoLiveCopies)
{
    EditorFixture f;
    Water* weekly = f.addSchedule(QStringLiteral("Weekly"), 1, Water::kWeeks);
    Cactus* plant = f.addPlant(QStringLiteral("Echino"), weekly);
    f.reload();
    plant = plantNamed(*f.document, QStringLiteral("Echino"));

    auto editor = f.open<CactusInfoViewController>(plant);
    QString refusal;
    whenModalOpens<WaterInfoViewController>([&](WaterInfoViewController* schedule) {
        schedule->tabs()->setCurrentIndex(1);
        CactusTable* table = control<CactusTable>(schedule, "cactiToWaterView");
        ASSERT_EQ(table->model()->rowCount(), 1);
        answerAlert(QStringLiteral("OK"), nullptr, &refusal);
        doubleClickRow(table, 0);
        click(control<QPushButton>(schedule, "okButton"));
    });
    click(control<QPushButton>(editor.get(), "waterButton"));
    EXPECT_TRUE(refusal.contains(QStringLiteral("“Echino” is already open"))) << refusal.toStdString();

    chooseItem(control<QComboBox>(editor.get(), "sourceButton"), 3);
    QTest::keyClicks(control<QPlainTextEdit>(editor.get(), "locationView"), QStringLiteral("North bed"));
    typeInto(control<QLineEdit>(editor.get(), "heightField"), QStringLiteral("12 cm"));
    QTest::keyClicks(control<QPlainTextEdit>(editor.get(), "notesView"), QStringLiteral("Seed grown."));
    click(control<QPushButton>(editor.get(), "okButton"));

    auto reopened = f.reopen();
    Cactus* stored = plantNamed(*reopened, QStringLiteral("Echino"));
    expectOk(stored->hydrate());
    EXPECT_EQ(QStringList({QString::number(stored->source()), stored->location(), stored->height(), stored->notes()}),
              QStringList({"3", "North bed", "12 cm", "Seed grown."}));
}

// "Numbers that silently become 0": what a number field cannot store is
// refused with a message and nothing is written; prices are read in the
// user's locale.
struct NumberCase {
    const char* name;
    const char* field; // of the schedule editor when it is "waterEveryField"
    const char* typed;
    const char* locale;
    std::optional<double> stored; // none: refused
};

class NumberFields : public ::testing::TestWithParam<NumberCase> {
protected:
    void TearDown() override { QLocale::setDefault(QLocale::c()); }
};

TEST_P(NumberFields, NumbersThatCannotBeStoredAreRefusedWithAMessage)
{
    const NumberCase& row = GetParam();
    QLocale::setDefault(QLocale(QString::fromLatin1(row.locale)));
    EditorFixture f;
    Water* schedule = f.addSchedule(QStringLiteral("Weekly"), 1, Water::kWeeks);
    f.addPlant(QStringLiteral("Priced"), schedule);
    f.reload();
    const QStringList before = dumpCollection(*f.document);
    const bool scheduleField = QByteArray(row.field) == "waterEveryField";

    std::unique_ptr<EditorSheet> editor;
    if (scheduleField)
        editor = f.open<WaterInfoViewController>(f.document->waterWithName(QStringLiteral("Weekly")));
    else
        editor = f.open<CactusInfoViewController>(plantNamed(*f.document, QStringLiteral("Priced")));
    typeInto(control<QLineEdit>(editor.get(), row.field), QString::fromUtf8(row.typed));
    QString message;
    if (!row.stored)
        answerAlert(QStringLiteral("OK"), nullptr, &message);
    click(editor->okButton());

    if (!row.stored) {
        EXPECT_TRUE(editor->infoScreenVisible()) << "the sheet stays open";
        EXPECT_TRUE(message.contains(QString::fromUtf8(row.typed))) << message.toStdString();
        click(editor->cancelButton());
        EXPECT_TRUE(holdsRecords(*f.document, before));
    }
    auto reopened = f.reopen();
    if (scheduleField)
        EXPECT_EQ(reopened->waterWithName(QStringLiteral("Weekly"))->frequency(), row.stored ? *row.stored : 1.0);
    else
        EXPECT_DOUBLE_EQ(plantNamed(*reopened, QStringLiteral("Priced"))->purchasePrice(), row.stored.value_or(0.0));
}

INSTANTIATE_TEST_SUITE_P(
    Editors, NumberFields,
    ::testing::Values(NumberCase{"FractionOfAWeek", "waterEveryField", "2.5", "C", std::nullopt},
                      NumberCase{"GroupedFrequency", "waterEveryField", "1,000", "C", std::nullopt},
                      NumberCase{"ZeroFrequency", "waterEveryField", "0", "C", std::nullopt},
                      NumberCase{"EmptyFrequency", "waterEveryField", "", "C", std::nullopt},
                      NumberCase{"WholeFrequency", "waterEveryField", "12", "C", 12.0},
                      NumberCase{"TwoDecimalPoints", "purchasePriceField", "1.2.3", "C", std::nullopt},
                      NumberCase{"ThreeDecimals", "purchasePriceField", "1.234", "C", std::nullopt},
                      NumberCase{"GermanPrice", "purchasePriceField", "1.234,50", "de_DE", 1234.5},
                      NumberCase{"EnglishPriceInGerman", "purchasePriceField", "1,234.50", "de_DE", std::nullopt}),
    [](const ::testing::TestParamInfo<NumberCase>& info) { return std::string(info.param.name); });

// "Cancel of New Watering Schedule leaves plants with no schedule"; the
// chooser is worked by the keyboard.
TEST_F(WaterEditor, CancelOfANewScheduleReturnsChosenPlantsToTheirSchedule)
{
    EditorFixture f;
    Water* old = f.addSchedule(QStringLiteral("Old"), 1, Water::kWeeks);
    Cactus* mover = f.addPlant(QStringLiteral("Mover"), old);
    mover->setLastWatered(moment(2026, 11, 22, 8, 0)); // "moving a plant clears its next watering"
    expectOk(mover->save());
    f.addPlant(QStringLiteral("Free"), nullptr);
    f.reload();
    const QStringList before = dumpCollection(*f.document);

    // Chooses both plants, the first by Space, the second by Return.
    auto chooseBoth = [](CactiToWaterViewController* chooser) {
        CactusTable* table = chooser->table();
        // A screen reader hears each row's state as a check box's, and asks
        // the row it was told of after the choice: it is still there.
        QAccessibleTableInterface* cells = QAccessible::queryAccessibleInterface(table)->tableInterface();
        const QAccessible::Id heard = QAccessible::uniqueId(cells->cellAt(0, 0));
        // The table has the focus, on its first row.
        QTest::keyClick(table, Qt::Key_Space);
        QTest::keyClick(table, Qt::Key_Down);
        QTest::keyClick(table, Qt::Key_Return);
        EXPECT_TRUE(QAccessible::accessibleInterface(heard)->isValid());
        for (int row : {0, 1}) {
            const QAccessible::State state = cells->cellAt(row, 0)->state();
            EXPECT_TRUE(state.checkable && state.checked) << row;
        }
        click(control<QPushButton>(chooser, "closeButton"));
    };
    // A new schedule given both plants, then closed with `button`.
    auto newSchedule = [&](const char* button) {
        whenModalOpens<AddWaterInfoViewController>([&, button](AddWaterInfoViewController* editor) {
            typeInto(control<QLineEdit>(editor, "nameField"), QStringLiteral("New"));
            whenModalOpens<CactiToWaterViewController>(chooseBoth);
            click(control<QPushButton>(editor, "addCactussButton"));
            EXPECT_EQ(editor->cactiTable()->model()->rowCount(), 2);
            click(control<QPushButton>(editor, button));
        });
        return editWater(&f.window, *f.document, nullptr);
    };
    EXPECT_FALSE(newSchedule("cancelButton"));
    f.reload();
    EXPECT_TRUE(holdsRecords(*f.document, before));
    // Saved, the new schedule keeps them.
    ASSERT_TRUE(newSchedule("okButton"));
    auto reopened = f.reopen();
    EXPECT_EQ(reopened->waterWithName(QStringLiteral("New"))->cacti().size(), 2u);
    EXPECT_TRUE(reopened->waterWithName(QStringLiteral("Old"))->cacti().empty()) << "a plant follows one schedule";
    EXPECT_EQ(plantNamed(*reopened, QStringLiteral("Mover"))->waterNext(), moment(2026, 12, 22, 8, 0))
        << "a month (the new schedule's) after its own last watering, though the schedule was never watered";
}

// "Clearing a no-water period clears half of it".
TEST_F(WaterEditor, ClearingEitherEndOfANoWaterPeriodClearsThePeriod)
{
    for (const char* box : {"fromMonth1ComboBox", "toMonth2ComboBox"}) {
        EditorFixture f;
        Water* schedule = f.addSchedule(QStringLiteral("Winter rest"), 2, Water::kWeeks);
        schedule->setNoWaterDDMM(1, Water::dayMonthCode(1, 11));
        schedule->setNoWaterDDMM(2, Water::dayMonthCode(28, 2));
        expectOk(schedule->save());

        auto editor = f.open<WaterInfoViewController>(schedule);
        chooseItem(control<QComboBox>(editor.get(), box), 0); // "Clear Date"
        click(control<QPushButton>(editor.get(), "okButton"));

        auto reopened = f.reopen();
        Water* stored = reopened->waterWithName(QStringLiteral("Winter rest"));
        EXPECT_EQ(std::pair(stored->noWaterDDMM(1), stored->noWaterDDMM(2)), (std::pair<int64_t, int64_t>(0, 0))) << box;
    }
}

// "The printed sheet disagrees with OK": a schedule typed into the
// Watering box was stored but not printed.
TEST_F(CactusEditor, PrintedSheetShowsWhatOkStores)
{
    EditorFixture f;
    f.addSchedule(QStringLiteral("Weekly"), 1, Water::kWeeks);
    Cactus* plant = f.addPlant(QStringLiteral("Typed"), nullptr);
    Clock::setFixedNow(moment(2026, 6, 10, 8, 30));

    auto editor = f.open<CactusInfoViewController>(plant);
    QApplication::setActiveWindow(editor.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(editor.get()));
    click(control<QCheckBox>(editor.get(), "validLastWateredButton"));
    typeInto(control<QComboBox>(editor.get(), "waterComboBox"), QStringLiteral("Weekly"));
    QTest::keyClick(control<QComboBox>(editor.get(), "waterComboBox")->lineEdit(), Qt::Key_Tab);
    typeInto(control<QLineEdit>(editor.get(), "purchasePriceField"), QStringLiteral("7.5"));
    QTest::keyClicks(control<QPlainTextEdit>(editor.get(), "notesView"), QStringLiteral("From a swap."));
    const std::unique_ptr<Cactus> printed = editor->getInfo();
    ASSERT_NE(printed, nullptr);
    ASSERT_NE(printed->water(), nullptr) << "the typed schedule is on the sheet";
    const QString sheet = dumpRecord(*printed);
    click(control<QPushButton>(editor.get(), "okButton"));

    auto reopened = f.reopen();
    EXPECT_EQ(dumpRecord(*plantNamed(*reopened, QStringLiteral("Typed"))), sheet);
}

// "Times keep hidden seconds": a time set in a picker kept the seconds of
// the value the picker started from, and the next watering followed them.
TEST_F(WaterEditor, TimesAreStoredAsThePickerShowsThem)
{
    EditorFixture f;
    Water* weekly = f.addSchedule(QStringLiteral("Weekly"), 1, Water::kWeeks);
    weekly->setLastWatered(moment(2026, 5, 1, 9, 0, 55));
    expectOk(weekly->save());
    Cactus* plant = f.addPlant(QStringLiteral("Timed"), weekly);
    plant->setLastWatered(moment(2026, 5, 1, 9, 0, 55));
    expectOk(plant->save());
    f.reload();
    const QStringList before = dumpCollection(*f.document);

    // Cancel after edits writes nothing; OK with the time left alone keeps
    // the stored seconds.
    const TreeSnapshot files = snapshot(f.path);
    for (const char* button : {"cancelButton", "okButton"}) {
        auto editor = f.open<WaterInfoViewController>(f.document->waterWithName(QStringLiteral("Weekly")));
        if (QByteArray(button) == "cancelButton") {
            typeInto(control<QLineEdit>(editor.get(), "nameField"), QStringLiteral("Changed"));
            click(control<QPushButton>(editor.get(), "justWateredButton"));
            chooseItem(control<QComboBox>(editor.get(), "toMonth2ComboBox"), 4);
        }
        click(control<QPushButton>(editor.get(), button));
        if (QByteArray(button) == "cancelButton") {
            EXPECT_EQ(snapshot(f.path), files);
        }
        EXPECT_TRUE(holdsRecords(*f.document, before)) << button;
    }

    {
        auto editor = f.open<WaterInfoViewController>(f.document->waterWithName(QStringLiteral("Weekly")));
        typeTime(control<QDateTimeEdit>(editor.get(), "lastWateredField"), QStringLiteral("10"), QStringLiteral("00"));
        click(control<QPushButton>(editor.get(), "okButton"));
    }
    {
        auto editor = f.open<CactusInfoViewController>(plantNamed(*f.document, QStringLiteral("Timed")));
        answerAlert(QStringLiteral("OK"));
        typeTime(control<QDateTimeEdit>(editor.get(), "lastWateredField"), QStringLiteral("11"), QStringLiteral("15"));
        click(control<QPushButton>(editor.get(), "okButton"));
    }
    auto reopened = f.reopen();
    Water* stored = reopened->waterWithName(QStringLiteral("Weekly"));
    EXPECT_EQ(stored->lastWatered(), moment(2026, 5, 1, 10, 0));
    EXPECT_EQ(stored->waterNext(), moment(2026, 5, 8, 10, 0));
    Cactus* timed = plantNamed(*reopened, QStringLiteral("Timed"));
    EXPECT_EQ(timed->lastWatered(), moment(2026, 5, 1, 11, 15));
    EXPECT_EQ(timed->waterNext(), moment(2026, 5, 8, 11, 15));
}

// "OK does nothing on a record whose stored name is empty"; "a typed scientific name is garbled".
TEST_F(CactusEditor, ANamelessRecordWaitsForANameAndSpeciesAreStoredAsTyped)
{
    EditorFixture f;
    EXPECT_FALSE(f.open<WaterInfoViewController>(f.addSchedule(QString(), 1, Water::kWeeks))->okButton()->isEnabled());
    expectOk(f.document->addSpecies(std::make_unique<Species>(QStringLiteral("Old Lady Cactus"), QStringLiteral("Mammillaria hahniana"))));
    expectOk(f.document->addSpecies(std::make_unique<Species>(QStringLiteral("Powder Puff Cactus"), QStringLiteral("Mammillaria bocasana"))));
    auto editor = f.open<CactusInfoViewController>(f.addPlant(QString()));
    QApplication::setActiveWindow(editor.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(editor.get()));
    auto* name = control<QLineEdit>(editor.get(), "nameField");
    EXPECT_EQ(std::pair(editor->okButton()->isEnabled(), name->placeholderText()),
              std::pair(false, localized("A name is needed to save")));
    auto* common = control<QComboBox>(editor.get(), "commonSpeciesComboBox")->lineEdit();
    auto* scientific = control<QComboBox>(editor.get(), "scientificSpeciesComboBox")->lineEdit();
    for (auto [field, text] : {std::pair{name, "Granny"}, {common, "Old Lady Cactus"}, {scientific, "Mammillaria hahniana"}}) {
        QTest::mouseClick(field, Qt::LeftButton);
        QTest::keyClicks(field, QString::fromLatin1(text));
    }
    typeInto(common, QStringLiteral("Powder Puff")); // all of it, retyped
    click(editor->okButton());
    auto reopened = f.reopen();
    Cactus* granny = plantNamed(*reopened, QStringLiteral("Granny"));
    EXPECT_EQ(QStringList({granny->commonName(), granny->scientificName()}), QStringList({"Powder Puff", "Mammillaria hahniana"}));
}
