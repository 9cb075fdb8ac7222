// The watering and log lists: texts, search, deleting without a question,
// duplicating, month sections, due reminders and a plant's history.
#include "ViewsTestSupport.h"

#include "ListFormats.h"
#include "LogViewController.h"
#include "ThumbnailCache.h"
#include "WaterViewController.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

using namespace spinora;
using namespace spinora::test;

namespace {

QStringList firstTexts(const ManagingViewController& list)
{
    QStringList texts;
    for (int row = 0; row < list.numberOfRows(); ++row)
        texts << list.firstTextForCell(row);
    return texts;
}

int rowHeight(const ManagingViewController& list, int row)
{
    return list.tableView()->visualRect(list.tableView()->model()->index(row, 0)).height();
}

void selectRows(const ManagingViewController& list, std::initializer_list<int> rows)
{
    QItemSelectionModel* selection = list.tableView()->selectionModel();
    selection->clearSelection();
    for (int row : rows)
        selection->select(list.tableView()->model()->index(row, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

using WaterList = ViewsFixture;
using LogList = ViewsFixture;

} // namespace

TEST_F(WaterList, NeverWateredReadsNeverAndIsFoundByIt)
{
    addWater(QStringLiteral("Winter rest"), std::nullopt, std::nullopt);
    addWater(QStringLiteral("Summer weekly"), day(2026, 6, 1), day(2026, 6, 8)); // due
    addWater(QStringLiteral("Monthly"), day(2026, 6, 14), day(2026, 7, 14));
    DocumentWindow& w = window();
    w.selectTab(1);
    WaterViewController& list = *w.waterList();
    ASSERT_EQ(firstTexts(list), QStringList({"Monthly", "Summer weekly", "Winter rest"}));
    EXPECT_EQ(list.secondTextForCell(2), "Last Watered: Never");
    EXPECT_EQ(list.secondTextForCell(1), "Last Watered: " + ListFormats().dateAndTime(day(2026, 6, 1)));
    EXPECT_EQ(list.backgroundImageForCell(1), "reminder_cell_background");
    EXPECT_TRUE(list.backgroundImageForCell(0).isNull());
    for (int row = 0; row < 3; ++row)
        EXPECT_EQ(rowHeight(list, row), 60);

    QTest::keyClicks(w.searchField(), "never");
    EXPECT_EQ(firstTexts(list), QStringList({"Winter rest"}));
    w.searchField()->clear();
    EXPECT_EQ(list.numberOfRows(), 3);
}

TEST_F(WaterList, DeleteRemovesTheSelectedAtOnceAndFreesTheirPlants)
{
    Water* a = addWater(QStringLiteral("A"), std::nullopt, std::nullopt);
    addWater(QStringLiteral("B"), std::nullopt, std::nullopt);
    addWater(QStringLiteral("C"), std::nullopt, std::nullopt);
    addCactus(QStringLiteral("Spike"), QString(), QString(), a);
    DocumentWindow& w = window();
    w.selectTab(1);
    WaterViewController& list = *w.waterList();
    list.tableView()->setFocus();
    selectRows(list, {0, 2});
    QTest::keyClick(list.tableView(), Qt::Key_Delete);
    EXPECT_FALSE(QApplication::activeModalWidget());
    EXPECT_EQ(firstTexts(list), QStringList({"B"}));

    auto reopened = reopen();
    ASSERT_EQ(reopened->watering().size(), 1u);
    EXPECT_EQ(reopened->watering()[0]->name(), "B");
    EXPECT_EQ(queryInt(reopened->dbFilename(), "SELECT watering_key FROM cactus"), -1);
    reopened->close();
}

TEST_F(WaterList, DuplicateKeepsTheNameAndWatersNoPlant)
{
    Water* weekly = addWater(QStringLiteral("Weekly"), day(2026, 6, 1), day(2026, 6, 8));
    weekly->setNoWaterDDMM(1, Water::dayMonthCode(1, 11));
    weekly->setNoWaterDDMM(2, Water::dayMonthCode(28, 2));
    weekly->save();
    for (int i = 0; i < 5; ++i)
        addCactus(QStringLiteral("Plant %1").arg(i), QString(), QString(), weekly);
    DocumentWindow& w = window();
    w.selectTab(1);
    WaterViewController& list = *w.waterList();
    list.tableView()->setFocus();
    selectRows(list, {0});
    QTest::keyClick(&w, Qt::Key_D, Qt::ControlModifier);
    ASSERT_EQ(firstTexts(list), QStringList({"Weekly", "Weekly"}));

    auto reopened = reopen();
    ASSERT_EQ(reopened->watering().size(), 2u);
    int withPlants = 0;
    for (const auto& water : reopened->watering()) {
        water->hydrate();
        EXPECT_EQ(water->noWaterDDMM(1), Water::dayMonthCode(1, 11));
        EXPECT_EQ(water->noWaterDDMM(2), Water::dayMonthCode(28, 2));
        EXPECT_EQ(water->waterNext(), day(2026, 6, 8));
        withPlants += water->cacti().empty() ? 0 : 1;
        if (!water->cacti().empty()) {
            EXPECT_EQ(water->cacti().size(), 5u);
        }
    }
    EXPECT_EQ(withPlants, 1);
    reopened->close();
}

TEST_F(LogList, MonthSectionsNewestFirstWithTheirTitles)
{
    Cactus* alpha = addCactus(QStringLiteral("Alpha"), QString(), QString());
    addLog(alpha, QStringLiteral("Repotted"), day(2026, 3, 10));
    addLog(alpha, QStringLiteral("Flowered"), day(2026, 5, 2));
    addNote(QStringLiteral("Ordered grit"), QStringLiteral("Purchased"), day(2026, 5, 20));
    // Local midnight of the first of April belongs to April in every zone.
    addLog(alpha, QStringLiteral("Fertilized"), localSeconds(2026, 4, 1));
    DocumentWindow& w = window();
    w.selectTab(2);
    LogViewController& list = *w.logList();
    ASSERT_EQ(firstTexts(list), QStringList({"Ordered grit", "Alpha", "Alpha", "Alpha"}));
    EXPECT_EQ(list.secondTextForCell(0), "Purchased " + ListFormats().date(day(2026, 5, 20)));
    const QString titles[] = {"2026 - May", "2026 - May", "2026 - April", "2026 - March"};
    const bool starts[] = {true, false, true, true};
    for (int row = 0; row < 4; ++row) {
        EXPECT_EQ(list.sectionHeading(row), titles[row]) << row;
        EXPECT_EQ(list.isSectionHeadingCell(row), starts[row]) << row;
        EXPECT_EQ(rowHeight(list, row), starts[row] ? 83 : 60) << row;
    }
    EXPECT_EQ(list.sectionHeadingForMonthKey(202613), "2026");

    // Searching the date text and the plant's name.
    QTest::keyClicks(w.searchField(), "alpha");
    EXPECT_EQ(list.numberOfRows(), 3);
    w.searchField()->clear();
    QTest::keyClicks(w.searchField(), ListFormats().date(day(2026, 3, 10)));
    EXPECT_EQ(firstTexts(list), QStringList({"Alpha"}));
}

TEST_F(LogList, DueRemindersAreCountedAndKeptInStep)
{
    Cactus* alpha = addCactus(QStringLiteral("Alpha"), QString(), QString());
    addLog(alpha, QStringLiteral("Fertilize"), day(2026, 6, 1), true);  // due
    addLog(alpha, QStringLiteral("Repot"), day(2026, 7, 1), true);      // later
    addLog(alpha, QStringLiteral("Flowered"), day(2026, 5, 1), false);  // no reminder
    DocumentWindow& w = window();
    LogViewController& list = *w.logList();
    EXPECT_EQ(list.remindersDue(), 1);
    addLog(alpha, QStringLiteral("Spray"), day(2026, 6, 14), true);
    EXPECT_EQ(list.remindersDue(), 2);

    w.selectTab(2);
    ASSERT_EQ(firstTexts(list).size(), 4);
    // Deleting asks nothing; the due one's count goes with it.
    list.tableView()->setFocus();
    selectRows(list, {1, 2}); // Spray (Jun 14) and Fertilize (Jun 1)
    EXPECT_EQ(list.backgroundImageForCell(1), "reminder_cell_background");
    QTest::keyClick(list.tableView(), Qt::Key_Delete);
    EXPECT_FALSE(QApplication::activeModalWidget());
    EXPECT_EQ(list.numberOfRows(), 2);
    EXPECT_EQ(list.remindersDue(), 0);
    list.decrementReminders();
    EXPECT_EQ(list.remindersDue(), 0);
}

TEST_F(LogList, DuplicateCopiesPhotosAndTheReminder)
{
    Cactus* alpha = addCactus(QStringLiteral("Alpha"), QString(), QString());
    Log* log = addLog(alpha, QStringLiteral("Flowered"), day(2026, 5, 2), true);
    log->setReminderIdentifier(QStringLiteral("calendar-42"));
    log->save();
    addPhoto(log, gradientImage(120, 90));
    DocumentWindow& w = window();
    w.selectTab(2);
    LogViewController& list = *w.logList();
    list.tableView()->setFocus();
    selectRows(list, {0});
    QTest::keyClick(&w, Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(list.numberOfRows(), 2);
    EXPECT_EQ(alpha->logs().size(), 2u);
    EXPECT_EQ(list.remindersDue(), 2);

    auto reopened = reopen();
    ASSERT_EQ(reopened->logs().size(), 2u);
    EXPECT_EQ(reopened->images().size(), 2u);
    for (const auto& entry : reopened->logs()) {
        entry->hydrate();
        EXPECT_EQ(entry->reminderIdentifier(), "calendar-42");
        EXPECT_EQ(entry->images().size(), 1u);
        EXPECT_EQ(entry->cactus() ? entry->cactus()->name() : QString(), "Alpha");
    }
    reopened->close();
}

TEST_F(LogList, HistoryShowsOnePlantAndIgnoresTheSearch)
{
    Cactus* alpha = addCactus(QStringLiteral("Alpha"), QString(), QString());
    Cactus* beta = addCactus(QStringLiteral("Beta"), QString(), QString());
    addLog(alpha, QStringLiteral("Repotted"), day(2026, 3, 10));
    addLog(alpha, QStringLiteral("Flowered"), day(2026, 5, 2));
    addLog(beta, QStringLiteral("Flowered"), day(2026, 5, 3));
    DocumentWindow& w = window();
    LogViewController history(*document_, w.thumbnails(), nullptr, true);
    EXPECT_EQ(document_->listController(SpinoraDatabase::kLogList), w.logList());
    EXPECT_EQ(history.numberOfRows(), 0);
    history.setCactusForHistory(alpha);
    EXPECT_EQ(history.numberOfRows(), 2);
    w.selectTab(2);
    QTest::keyClicks(w.searchField(), "Beta");
    EXPECT_EQ(w.logList()->numberOfRows(), 1);
    history.refreshData(std::nullopt);
    EXPECT_EQ(history.numberOfRows(), 2);
    EXPECT_EQ(history.secondTextForCell(0), "Flowered " + ListFormats().date(day(2026, 5, 2)));
}
