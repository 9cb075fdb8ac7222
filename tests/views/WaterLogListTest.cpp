// The watering and log lists: texts, search, deleting without a question,
// duplicating, month sections, due reminders and a plant's log history.
#include "Statistics.h"
#include "ViewsTestSupport.h"

#include "CactusInfoViewController.h"
#include "CactusViewController.h"
#include "EditorTestSupport.h"
#include "ListFormats.h"
#include "LogHistoryWindow.h"
#include "LogInfoViewController.h"
#include "LogViewController.h"
#include "MarkAsWateredSheet.h"
#include "RecordBuilders.h"
#include "RecordEditors.h"
#include "ThumbnailCache.h"
#include "WaterViewController.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDateTimeEdit>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include <set>

using namespace spinora;
using namespace spinora::test;

namespace {

using WaterList = ViewsFixture;
using LogList = ViewsFixture;

} // namespace

TEST_F(WaterList, NeverWateredIsFoundByNeverAndDeleteAsksNothing)
{
    addWater(QStringLiteral("Winter rest"), std::nullopt, std::nullopt);
    addWater(QStringLiteral("Summer weekly"), day(2026, 6, 1), day(2026, 6, 8)); // due
    addWater(QStringLiteral("Monthly"), day(2026, 6, 14), day(2026, 7, 14));
    DocumentWindow& w = window();
    w.selectTab(SpinoraDatabase::kWaterList);
    WaterViewController& list = *w.waterList();
    ASSERT_EQ(firstTexts(list), QStringList({"Monthly", "Summer weekly", "Winter rest"}));

    QTest::keyClicks(w.searchField(), "never");
    EXPECT_EQ(firstTexts(list), QStringList({"Winter rest"}));
    w.searchField()->clear();

    // Delete removes the selected schedules at once.
    list.tableView()->setFocus();
    selectRows(list, {0, 2});
    QTest::keyClick(list.tableView(), Qt::Key_Delete);
    EXPECT_FALSE(QApplication::activeModalWidget());
    EXPECT_EQ(firstTexts(list), QStringList({"Summer weekly"}));
}

TEST_F(WaterList, DuplicateKeepsTheNameAndWatersNoPlant)
{
    Water* weekly = addWater(QStringLiteral("Weekly"), day(2026, 6, 1), day(2026, 6, 8));
    weekly->setNoWaterDDMM(1, Water::dayMonthCode(1, 11));
    weekly->setNoWaterDDMM(2, Water::dayMonthCode(28, 2));
    expectOk(weekly->save());
    for (int i = 0; i < 5; ++i)
        addCactus(QStringLiteral("Plant %1").arg(i), QString(), QString(), weekly);
    DocumentWindow& w = window();
    w.selectTab(SpinoraDatabase::kWaterList);
    WaterViewController& list = *w.waterList();
    list.tableView()->setFocus();
    selectRows(list, {0});
    QTest::keyClick(&w, Qt::Key_D, Qt::ControlModifier);
    ASSERT_EQ(firstTexts(list), QStringList({"Weekly", "Weekly"}));

    // Rests and next watering copied; the five plants stay with one of them.
    std::multiset<std::tuple<int64_t, int64_t, Timestamp, size_t>> stored;
    for (const auto& water : reopen()->watering()) {
        expectOk(water->hydrate());
        stored.emplace(water->noWaterDDMM(1), water->noWaterDDMM(2), water->waterNext(), water->cacti().size());
    }
    const auto copied = [](size_t plants) {
        return std::tuple(Water::dayMonthCode(1, 11), Water::dayMonthCode(28, 2), Timestamp(day(2026, 6, 8)), plants);
    };
    EXPECT_EQ(stored, (std::multiset{copied(0), copied(5)}));
}

namespace {

// Moves the sheet's moment back by keys: `days` on the day, `hours` on the hour.
void goBack(QDateTimeEdit* edit, int days, int hours)
{
    edit->setCurrentSection(QDateTimeEdit::DaySection);
    for (int i = 0; i < days; ++i)
        QTest::keyClick(edit, Qt::Key_Down);
    edit->setCurrentSection(QDateTimeEdit::HourSection);
    for (int i = 0; i < hours; ++i)
        QTest::keyClick(edit, Qt::Key_Down);
}

// Clicks into the field on the text `part`, then types `typed`, as a user does.
void typeOver(QDateTimeEdit* edit, const QString& part, const char* typed)
{
    auto* field = edit->findChild<QLineEdit*>();
    field->setCursorPosition(int(field->text().indexOf(part)) + 1);
    QTest::mouseClick(field, Qt::LeftButton, {}, field->inputMethodQuery(Qt::ImCursorRectangle).toRect().center());
    QApplication::processEvents();
    QTest::keyClicks(edit, typed);
}

} // namespace

TEST_F(WaterList, MarkAsWateredRecordsOneEarlierMomentForTheSelectedSchedulesOrPlants)
{
    Water* a = addWater(QStringLiteral("A"), day(2026, 6, 1), day(2026, 6, 8));
    Water* b = addWater(QStringLiteral("B"), day(2026, 6, 10), day(2026, 6, 17));
    addWater(QStringLiteral("C"), day(2026, 6, 10), day(2026, 6, 17));
    addCactus(QStringLiteral("Alpha"), QString(), QString(), a);
    addCactus(QStringLiteral("Beta"), QString(), QString(), b);
    addCactus(QStringLiteral("Gamma"), QString(), QString());
    DocumentWindow& w = window();

    // Schedules A and B: click, Shift+Down, the toolbar button; a day and three hours back.
    w.selectTab(SpinoraDatabase::kWaterList);
    WaterViewController& schedules = *w.waterList();
    QTest::mouseClick(schedules.tableView()->viewport(), Qt::LeftButton, {},
                      schedules.tableView()->visualRect(schedules.tableView()->model()->index(0, 0)).center());
    QTest::keyClick(schedules.tableView(), Qt::Key_Down, Qt::ShiftModifier);
    ASSERT_TRUE(w.markAsWateredAction()->isEnabled());
    whenModalOpens<MarkAsWateredSheet>([](MarkAsWateredSheet* sheet) {
        QDateTimeEdit* edit = sheet->dateTimeEdit();
        EXPECT_EQ(edit->dateTime(), QDateTime(QDate(2026, 6, 15), QTime(12, 0)));
        // Never ahead of now.
        edit->setCurrentSection(QDateTimeEdit::DaySection);
        QTest::keyClick(edit, Qt::Key_Up);
        EXPECT_EQ(edit->dateTime(), QDateTime(QDate(2026, 6, 15), QTime(12, 0)));
        // Typed over, as in any date field: the day, the hour, the month by number.
        typeOver(edit, "15", "14");
        typeOver(edit, "12:", "09");
        typeOver(edit, "Jun", "5");
        EXPECT_EQ(edit->date().month(), 5);
        QTest::keyClick(edit, Qt::Key_6);
        EXPECT_EQ(edit->dateTime(), QDateTime(QDate(2026, 6, 14), QTime(9, 0)));
        EXPECT_TRUE(sheet->grab().save(screenshotFolder() + "/mark-as-watered.png"));
        QTest::keyClick(edit, Qt::Key_Return);
    });
    QTest::mouseClick(w.documentToolbar()->widgetForAction(w.markAsWateredAction()), Qt::LeftButton);

    // Plants Beta and Gamma from the cactus list, by the keyboard (Ctrl+J), two days back.
    w.selectTab(SpinoraDatabase::kCactusList);
    CactusViewController& plants = *w.cactusList();
    plants.tableView()->setCurrentIndex(plants.tableView()->model()->index(1, 0));
    QTest::keyClick(plants.tableView(), Qt::Key_Down, Qt::ShiftModifier);
    whenModalOpens<MarkAsWateredSheet>([](MarkAsWateredSheet* sheet) {
        goBack(sheet->dateTimeEdit(), 2, 3);
        QTest::keyClick(sheet->dateTimeEdit(), Qt::Key_Return);
    });
    // The offscreen platform does not hand activation back when a sheet closes.
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    QTest::keyClick(&w, Qt::Key_J, Qt::ControlModifier);

    SpinoraDatabase* reopened = reopen();
    const Timestamp first = localSeconds(2026, 6, 14, 9, 0);
    const Timestamp second = localSeconds(2026, 6, 13, 9, 0);
    const struct {
        const char* name;
        Timestamp last, next;
    } cacti[] = {{"Alpha", first, localSeconds(2026, 6, 21, 9, 0)},
                 {"Beta", second, localSeconds(2026, 6, 20, 9, 0)},
                 {"Gamma", second, std::nullopt}};
    for (const auto& c : cacti) {
        Cactus* plant = plantNamed(*reopened, c.name);
        ASSERT_NE(plant, nullptr) << c.name;
        EXPECT_EQ(plant->lastWatered(), c.last) << c.name;
        EXPECT_EQ(plant->waterNext(), c.next) << c.name;
    }
    EXPECT_EQ(reopened->waterWithName("A")->lastWatered(), first);
    EXPECT_EQ(reopened->waterWithName("B")->waterNext(), localSeconds(2026, 6, 21, 9, 0));
    EXPECT_EQ(reopened->waterWithName("C")->lastWatered(), day(2026, 6, 10)) << "not selected";
}

// Turning another collection's log order round once moved these to each month's last log.
TEST_F(LogList, MonthSectionsNewestFirstWithTheirTitlesWhateverAnotherCollectionsOrder)
{
    Cactus* alpha = addCactus(QStringLiteral("Alpha"), QString(), QString());
    addLog(alpha, QStringLiteral("Repotted"), day(2026, 3, 10));
    addLog(alpha, QStringLiteral("Flowered"), day(2026, 5, 2));
    addNote(QStringLiteral("Ordered grit"), QStringLiteral("Purchased"), day(2026, 5, 20));
    // Local midnight of the first of April belongs to April in every zone.
    addLog(alpha, QStringLiteral("Fertilized"), localSeconds(2026, 4, 1));
    auto other = newCollection(folder_.file("Other.sdb"), true);
    for (int date : {2, 20})
        test::addLog(*other, nullptr, QStringLiteral("Flowered"), day(2026, 5, date));
    other->setSortLogsAscending(false);
    other->sortLogsByLogDateAndTitle();
    DocumentWindow& w = window();
    w.selectTab(SpinoraDatabase::kLogList);
    LogViewController& list = *w.logList();
    ASSERT_EQ(firstTexts(list), QStringList({"Ordered grit", "Alpha", "Alpha", "Alpha"}));
    EXPECT_EQ(columnTexts(list, &CellDataSource::sectionHeading),
              (QStringList{"2026 - May", "2026 - May", "2026 - April", "2026 - March"}));
    EXPECT_FALSE(list.isSectionHeadingCell(1)) << "the second log of May starts no section";

    // Searching the date text and the plant's name.
    QTest::keyClicks(w.searchField(), "alpha");
    EXPECT_EQ(list.numberOfRows(), 3);
    w.searchField()->clear();
    QTest::keyClicks(w.searchField(), ListFormats().date(day(2026, 3, 10)));
    EXPECT_EQ(firstTexts(list), QStringList({"Alpha"}));
}

// A search typed into a long list whose search keys are not all made yet
// makes only a few of them per keystroke (making 300,000 at once stalled the
// window) and shows its rows once the rest are made in idle time. The month
// sections worked out for the whole list again follow a changed date.
TEST_F(LogList, SearchWaitingForItsKeysShowsItsRowsOnceTheyAreMade)
{
    ASSERT_TRUE(document_->beginTransactionWithDatabase(document_->database()));
    for (int i = 0; i < 3000; ++i)
        addNote(QStringLiteral("Note %1").arg(i), i % 100 == 7 ? QStringLiteral("Grafted") : QStringLiteral("Repotted"),
                day(2025, 1 + i % 12, 1 + i % 28));
    ASSERT_TRUE(document_->endTransactionWithDatabase(document_->database()));
    DocumentWindow& w = window();
    w.selectTab(SpinoraDatabase::kLogList);
    LogViewController& list = *w.logList();
    QTest::keyClicks(w.searchField(), "graft");
    QTRY_COMPARE(list.numberOfRows(), 30);
    for (int row = 0; row < 30; ++row)
        EXPECT_TRUE(list.secondTextForCell(row).startsWith("Grafted")) << row;

    w.searchField()->clear();
    QTRY_COMPARE(list.numberOfRows(), 3000);
    Log* newest = list.logAt(0);
    ASSERT_TRUE(list.isSectionHeadingCell(0));
    newest->setLogDate(day(2026, 2, 1));
    list.refreshData(std::nullopt);
    EXPECT_EQ(list.sectionHeading(0), "2026 - February");
    EXPECT_TRUE(list.isSectionHeadingCell(0));
    EXPECT_TRUE(list.isSectionHeadingCell(1)) << "December 2025 starts with the next log now";

    // 12,000 logs read behind the first screen arrive to a search text, too
    // many to make their keys at once: the emptied list says it is
    // searching (it stood blank for a second in a large collection).
    window_.reset();
    expectOk(document_->close());
    const QString columns = QStringLiteral("type, date, reminder, reminder_id, cactus_key, event, note_summary, notes");
    const QString doubling = QStringLiteral("INSERT INTO log (%1) SELECT %1 FROM log;").arg(columns);
    execSql(packagePath() + "/spinora.db", doubling + doubling);
    document_ = openCollection(packagePath());
    window_ = std::make_unique<DocumentWindow>(*document_);
    window_->selectTab(SpinoraDatabase::kLogList);
    window_->searchField()->setText(QStringLiteral("graft"));
    document_->finishLoading();
    auto* notice = window_->logList()->findChild<QLabel*>(QStringLiteral("ListNotice"));
    ASSERT_TRUE(notice);
    EXPECT_EQ(notice->text(), "Searching…");
    EXPECT_TRUE(notice->isVisibleTo(window_.get()));
    window_->show();
    QTRY_COMPARE(window_->logList()->numberOfRows(), 120);
    EXPECT_FALSE(notice->isVisibleTo(window_.get()));
}

TEST_F(LogList, DueRemindersAreCountedAndKeptInStep)
{
    Cactus* alpha = addCactus(QStringLiteral("Alpha"), QString(), QString());
    addLog(alpha, QStringLiteral("Fertilize"), day(2026, 6, 1), true);  // due
    addLog(alpha, QStringLiteral("Repot"), day(2026, 7, 1), true);      // later
    addLog(alpha, QStringLiteral("Flowered"), day(2026, 5, 1), false);  // no reminder
    // Opened again, the logs are read and counted behind the first screen.
    // Their tab, chosen meanwhile, says so instead of waiting for them (in
    // a large collection that froze the window for a second); the window
    // is shown only afterwards, as its wait for the screen lets them come.
    reopen();
    alpha = document_->cactiOfFirstScreen().front().get();
    window_ = std::make_unique<DocumentWindow>(*document_);
    DocumentWindow& w = *window_;
    LogViewController& list = *w.logList();
    w.findChild<QToolButton*>(QStringLiteral("LogsTab"))->click();
    ASSERT_TRUE(document_->logsLoadingBehind());
    auto* loading = list.findChild<QLabel*>(QStringLiteral("ListNotice"));
    ASSERT_TRUE(loading);
    EXPECT_TRUE(loading->isVisibleTo(&w));
    EXPECT_EQ(loading->text(), "Loading…");
    EXPECT_EQ(list.numberOfRows(), 0);
    w.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&w));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !document_->logsLoadingBehind(); }, 5000));
    EXPECT_EQ(firstTexts(list).size(), 3);
    EXPECT_FALSE(loading->isVisibleTo(&w));
    EXPECT_EQ(CollectionStatistics::dueReminders(*document_), 1);
    addLog(alpha, QStringLiteral("Spray"), day(2026, 6, 14), true);
    EXPECT_EQ(CollectionStatistics::dueReminders(*document_), 2);

    ASSERT_EQ(firstTexts(list).size(), 4);
    // Deleting asks nothing; the due one's count goes with it.
    list.tableView()->setFocus();
    selectRows(list, {1, 2}); // Spray (Jun 14) and Fertilize (Jun 1)
    QTest::keyClick(list.tableView(), Qt::Key_Delete);
    EXPECT_FALSE(QApplication::activeModalWidget());
    EXPECT_EQ(list.numberOfRows(), 2);
    EXPECT_EQ(CollectionStatistics::dueReminders(*document_), 0);
}

// The cactus editor's "Log History": one plant's logs in the log list's
// history mode (thumbnails, month sections, the context menu), under the
// "History" toolbar.
TEST_F(LogList, LogHistoryIsTheLogListOfOnePlantWithItsToolbar)
{
    Cactus* alpha = addCactus(QStringLiteral("Alpha"), QString(), QString());
    Cactus* beta = addCactus(QStringLiteral("Beta"), QString(), QString());
    Log* repotted = addLog(alpha, QStringLiteral("Repotted"), day(2026, 3, 10), true);
    repotted->setReminderIdentifier(QStringLiteral("calendar-42"));
    expectOk(repotted->save());
    addPhoto(repotted, gradientImage(320, 240));
    addLog(alpha, QStringLiteral("Flowered"), day(2026, 5, 2));
    addLog(beta, QStringLiteral("Flowered"), day(2026, 5, 3));
    DocumentWindow& w = window();
    w.selectTab(SpinoraDatabase::kLogList);
    QTest::keyClicks(w.searchField(), "Beta"); // the window's search leaves a plant's history alone
    const QString flowered = "Flowered " + ListFormats().date(day(2026, 5, 2));
    const QString repottedLine = "Repotted " + ListFormats().date(day(2026, 3, 10));

    auto driveHistory = [&](LogHistoryWindow* history) {
        LogViewController* list = history->list();
        QToolBar* toolbar = history->toolbar();
        auto press = [toolbar](const char* identifier) {
            for (QAction* action : toolbar->actions()) {
                if (action->objectName() == QLatin1String(identifier))
                    QTest::mouseClick(toolbar->widgetForAction(action), Qt::LeftButton);
            }
        };

        ASSERT_EQ(list->numberOfRows(), 2);
        EXPECT_EQ(list->secondTextForCell(0), flowered);
        EXPECT_TRUE(list->isSectionHeadingCell(0) && list->isSectionHeadingCell(1)) << "one section per month";
        EXPECT_NE(list->imageForCell(1), nullptr);
        history->resize(560, 420);
        list->tableView()->viewport()->grab();
        list->thumbnails().waitForPending();
        QApplication::processEvents();
        history->grab().save(screenshotFolder() + "/log-history.png");
        QHeaderView* header = list->tableView()->header();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(20, 5));
        EXPECT_EQ(list->secondTextForCell(0), repottedLine) << "the header turns the order";

        // "Duplicate" from the context menu of the first row: the copy has
        // its own photo and the same reminder, due as well.
        QTimer::singleShot(0, [] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            ASSERT_NE(menu, nullptr);
            menu->actions().at(3)->trigger();
            menu->close();
        });
        const QPoint first = list->tableView()->visualRect(list->tableView()->model()->index(0, 0)).center();
        QContextMenuEvent rightClick(QContextMenuEvent::Mouse, first, list->tableView()->viewport()->mapToGlobal(first));
        QApplication::sendEvent(list->tableView()->viewport(), &rightClick);
        ASSERT_EQ(list->numberOfRows(), 3);
        EXPECT_EQ(CollectionStatistics::dueReminders(*document_), 2);

        // "Delete Item" removes the selected entry, without a question.
        QTest::mouseClick(list->tableView()->viewport(), Qt::LeftButton, {},
                          list->tableView()->visualRect(list->tableView()->model()->index(2, 0)).center());
        press("DeleteItem");
        EXPECT_EQ(list->numberOfRows(), 2);
        EXPECT_EQ(list->secondTextForCell(1), repottedLine);

        // "Add Item": a new entry about this plant, which cannot change.
        whenModalOpens<AddLogInfoViewController>([](AddLogInfoViewController* editor) {
            EXPECT_FALSE(control<QComboBox>(editor, "cactusComboBox")->isEnabled());
            typeInto(control<QComboBox>(editor, "eventComboBox"), QStringLiteral("Pruned"));
            click(control<QPushButton>(editor, "okButton"));
        });
        press("AddItem");
        EXPECT_EQ(list->numberOfRows(), 3);
        click(control<QPushButton>(history, "closeButton"));
    };
    whenModalOpens<CactusInfoViewController>([&](CactusInfoViewController* editor) {
        whenModalOpens<LogHistoryWindow>(driveHistory);
        click(control<QPushButton>(editor, "logHistoryButton"));
        click(control<QPushButton>(editor, "cancelButton"));
    });
    EXPECT_FALSE(editCactus(&w, *document_, alpha, {.logHistory = presentLogHistory}));
    EXPECT_EQ(w.logList()->numberOfRows(), 1) << "the window's list keeps its search";

    SpinoraDatabase* reopened = reopen();
    QStringList events;
    for (Log* log : plantNamed(*reopened, "Alpha")->logs()) {
        expectOk(log->hydrate());
        events << QStringLiteral("%1 %2 %3").arg(log->eventName(), log->reminderIdentifier()).arg(log->images().size());
    }
    events.sort();
    EXPECT_EQ(events, (QStringList{"Pruned  0", "Repotted calendar-42 1", "Repotted calendar-42 1"}));
    EXPECT_EQ(reopened->images().size(), 2u) << "the copy has its own photo";
}
