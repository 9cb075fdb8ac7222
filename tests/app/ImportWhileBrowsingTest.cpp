// A large import through the window's own menu while its list is scrolled,
// searched and painted, then undone and redone: the job must never touch the
// window's records or widgets (Qt warns of timers started from another
// thread, and the message handler fails the test on any warning), and the
// list shows the new rows the moment the import has ended.
#include "ShellTestSupport.h"

#include "CactusViewController.h"
#include "ExportJob.h"
#include "ImportExportBrowser.h"
#include "ListSearch.h"
#include "ProgressWindow.h"
#include "SampleCollection.h"
#include "SpinoraDatabase.h"
#include "UndoActions.h"

#include <QAction>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

namespace spinora::test {
namespace {

using ImportWhileBrowsing = ShellTest;

TEST_F(ImportWhileBrowsing, AnImportThroughTheMenuKeepsTheListUsableAndShowsTheNewRowsAtOnce)
{
    // The file: 3,000 plants with their schedules, logs and photos.
    const QString file = folder_.file("large.sdbi");
    {
        auto source = newCollection(folder_.file("Source.sdb"), true);
        EXPECT_TRUE(SampleCollection::fill(*source, SampleSize{3000, 300, 6000, 200, 160}).ok());
        const Result<ExportRequest> request = ExportJob::prepare(*source, file, 0, true);
        ASSERT_TRUE(request.ok()) << request.failure().logLine().toStdString();
        JobContext context;
        ASSERT_EQ(ExportJob::run(*request, context), kJobFinished) << context.error().toStdString();
        expectOk(source->close());
    }
    const QString target = makeCollection(QStringLiteral("Target"), 400);
    services_.presentImportExportBrowser = ShellServices::standard().presentImportExportBrowser;
    makeApp();
    SpinoraDatabase* document = app_->openDocumentWithContentsOfURL(target);
    ASSERT_NE(document, nullptr);
    DocumentWindow* window = windowOf(document);
    ASSERT_NE(window, nullptr);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));

    // The list is searched and scrolled before the import starts.
    QTest::keyClicks(window->searchField(), QStringLiteral("a"));
    settle();
    CactusViewController* list = window->cactusList();
    QScrollBar* scroll = list->tableView()->verticalScrollBar();
    scroll->setValue(scroll->maximum() / 2);
    const int rowsBefore = list->numberOfRows();
    ASSERT_GT(rowsBefore, 0);

    // File > Import From > SDBI, the menu this window shows.
    QAction* importSdbi = app_->importFromMenu()->findChild<QAction*>(QStringLiteral("importSdbi"));
    ASSERT_NE(importSdbi, nullptr);
    importSdbi->trigger();
    auto* sheet = window->findChild<ImportExportBrowser*>();
    ASSERT_TRUE(sheet && sheet->isVisible());
    QStringList alerts;
    sheet->setAlertFunction([&alerts](QWidget*, const QString& title, const QString&) { alerts << title; });
    ASSERT_TRUE(sheet->fileChosen(file));
    QTest::mouseClick(sheet->importExportButton(), Qt::LeftButton);

    // While the job runs the window is painted, scrolled and searched again.
    ProgressWindow* progress = sheet->progressWindow();
    ASSERT_TRUE(progress && progress->isVisible());
    QElapsedTimer timer;
    timer.start();
    int round = 0;
    while (sheet->isRunning() && timer.elapsed() < 120000) {
        scroll->setValue(round % 2 ? scroll->maximum() : scroll->maximum() / 3);
        window->searchField()->setText(round % 2 ? QStringLiteral("a") : QStringLiteral("ar"));
        window->grab();
        ++round;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    ASSERT_FALSE(sheet->isRunning());
    EXPECT_EQ(alerts, QStringList{"Import Complete"});
    // The window keeps its one sheet: the menu brings the same one back.
    importSdbi->trigger();
    EXPECT_TRUE(sheet->isVisible());
    sheet->reject();

    // The new rows are in the list at once, under the same search: the
    // collection read again has no search keys yet, and a list that waited
    // for idle turns to make them would stand empty meanwhile.
    window->searchField()->setText(QStringLiteral("a"));
    const auto matchingA = [&] {
        return int(ListSearch::searchCacti(document->cacti(), QStringLiteral("a")).size());
    };
    EXPECT_EQ(document->cacti().size(), 3400u);
    EXPECT_GT(list->numberOfRows(), rowsBefore);
    EXPECT_EQ(list->numberOfRows(), matchingA());

    // Edit > Undo Import gives back the collection as it was; Redo brings
    // the import back.
    QAction* undo = window->undoActions().undoAction();
    ASSERT_TRUE(undo->isEnabled());
    EXPECT_EQ(undo->text(), QStringLiteral("Undo Import"));
    undo->trigger();
    EXPECT_EQ(document->cacti().size(), 400u);
    EXPECT_EQ(list->numberOfRows(), matchingA());
    EXPECT_EQ(list->numberOfRows(), rowsBefore);
    window->undoActions().redoAction()->trigger();
    EXPECT_EQ(document->cacti().size(), 3400u);
    EXPECT_EQ(list->numberOfRows(), matchingA());

    window->grab();
    window->close();
    settle();
}

} // namespace
} // namespace spinora::test
