// The main menu on a collection window: the import and export
// menus enabled exactly while a collection is open, the commands routed to
// the right window and the recent-files menu.
#include "ShellTestSupport.h"

#include "CactusViewController.h"
#include "EditorTestSupport.h"
#include "SpinoraDatabase.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTest>
#include <QToolBar>

namespace spinora::test {
namespace {

using MenuTest = ShellTest;

QStringList titles(const QMenu* menu)
{
    QStringList list;
    for (const QAction* action : menu->actions())
        list << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return list;
}

QAction* actionNamed(QMainWindow* window, const QString& name)
{
    for (QAction* action : window->menuBar()->findChildren<QAction*>(name))
        return action;
    return nullptr;
}

// Triggers a menu item and cancels the modal window it opens: that window's
// class, and the collection window it was opened over.
std::pair<QString, QWidget*> modalOpenedBy(QAction* action)
{
    std::pair<QString, QWidget*> opened;
    whenModalOpens<QDialog>([&opened](QDialog* dialog) {
        opened = {dialog->metaObject()->className(), dialog->parentWidget() ? dialog->parentWidget()->window() : nullptr};
        dialog->reject();
    });
    action->trigger();
    return opened;
}

TEST_F(MenuTest, ImportAndExportAreEnabledExactlyWhileACollectionIsOpen)
{
    const QString first = makeCollection(QStringLiteral("MenuA"));
    const QString second = makeCollection(QStringLiteral("MenuB"));
    makeApp();
    QAction* importFrom = app_->importFromMenu()->menuAction();
    QAction* exportTo = app_->exportToMenu()->menuAction();
    EXPECT_EQ(std::make_pair(importFrom->isEnabled(), exportTo->isEnabled()), std::make_pair(false, false));

    SpinoraDatabase* a = app_->openDocumentWithContentsOfURL(first);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(std::make_pair(importFrom->isEnabled(), exportTo->isEnabled()), std::make_pair(true, true));
    SpinoraDatabase* b = app_->openDocumentWithContentsOfURL(second);

    windowOf(a)->close();
    settle();
    EXPECT_TRUE(importFrom->isEnabled()) << "one collection is still open";
    windowOf(b)->close();
    settle();
    EXPECT_EQ(std::make_pair(importFrom->isEnabled(), exportTo->isEnabled()), std::make_pair(false, false));

    // A collection that fails to open does not leave them enabled.
    app_->openDocumentWithContentsOfURL(folder_.file(QStringLiteral("Nothing.sdb")));
    EXPECT_FALSE(importFrom->isEnabled());
}

TEST_F(MenuTest, TheImportAndExportItemsReachTheirSheetsWithTheirTags)
{
    makeApp();
    ASSERT_NE(app_->openDocumentWithContentsOfURL(makeCollection(QStringLiteral("Keys"))), nullptr);
    // Each item, in the order of its title, reaches its sheet or the device
    // dialog with the tag they expect.
    EXPECT_EQ(titles(app_->importFromMenu()), (QStringList{"SDBI", "Spinora Database", "Spinora Mobile App", "CSV"}));
    EXPECT_EQ(titles(app_->exportToMenu()),
              (QStringList{"SDBI", "Spinora Database", "Spinora Mobile App", "CSV", "CSV Template…", "HTML Report"}));
    for (QAction* action : app_->importFromMenu()->actions())
        action->trigger();
    for (QAction* action : app_->exportToMenu()->actions())
        action->trigger();
    const QList<QPair<QString, int>> expected{{"sheet", 0}, {"sheet", 1}, {"device", 0}, {"sheet", 2},
                                              {"sheet", 3}, {"sheet", 4}, {"device", 1}, {"sheet", 5},
                                              {"template", -1}, {"report", -1}};
    EXPECT_EQ(presented_, expected);
}

TEST_F(MenuTest, ItemCommandsGoToTheirOwnWindow)
{
    makeApp();
    SpinoraDatabase* a = app_->openDocumentWithContentsOfURL(makeCollection(QStringLiteral("RouteA")));
    SpinoraDatabase* b = app_->openDocumentWithContentsOfURL(makeCollection(QStringLiteral("RouteB")));
    ASSERT_TRUE(a && b);
    DocumentWindow* windowA = windowOf(a);
    DocumentWindow* windowB = windowOf(b);
    // Add, the print commands and statistics open their window over their own collection's.
    const std::tuple<DocumentWindow*, const char*, QString> modals[] = {
        {windowA, "addItemAction", "spinora::AddCactusInfoViewController"}, {windowA, "printAction", "QPrintDialog"},
        {windowA, "printPreviewAction", "QPrintPreviewDialog"}, {windowA, "printLabelsAction", "spinora::LabelPrintDialog"},
        {windowB, "statisticsAction", "spinora::StatisticsViewController"}};
    for (const auto& [window, action, dialog] : modals)
        EXPECT_EQ(modalOpenedBy(actionNamed(window, action)), std::make_pair(dialog, static_cast<QWidget*>(window))) << action;

    // Remove asks about the selected plant in A; Duplicate copies it in A, then in B.
    auto selectFirstPlant = [](DocumentWindow* window) {
        QAbstractItemView* table = window->cactusList()->tableView();
        table->setCurrentIndex(table->model()->index(0, 0));
    };
    selectFirstPlant(windowA);
    actionNamed(windowA, "removeItemAction")->trigger();
    auto* question = windowA->findChild<QMessageBox*>("DeleteConfirmation");
    ASSERT_TRUE(question && question->isVisible());
    question->reject();
    actionNamed(windowA, "duplicateItemAction")->trigger();
    selectFirstPlant(windowB);
    actionNamed(windowB, "duplicateItemAction")->trigger();
    EXPECT_EQ(std::make_pair(a->cacti().size(), b->cacti().size()), std::make_pair(size_t(7), size_t(7)));

    // A real key press duplicates too.
    selectFirstPlant(windowB);
    windowB->activateWindow();
    QApplication::setActiveWindow(windowB);
    QTest::keyClick(windowB, Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(b->cacti().size(), 8u);

    actionNamed(windowA, "pageSetupAction")->trigger();
    EXPECT_EQ(presented_.last().first, QStringLiteral("pageSetup"));

    // Show Toolbar acts on the window of the menu, and the second time
    // brings the toolbar back.
    QToolBar* toolbar = windowA->documentToolbar();
    windowA->show();
    actionNamed(windowA, "showToolbarAction")->trigger();
    EXPECT_TRUE(toolbar->isHidden());
    actionNamed(windowA, "showToolbarAction")->trigger();
    EXPECT_FALSE(toolbar->isHidden());
}

TEST_F(MenuTest, OpenRecentOpensAClosedCollection)
{
    const QString first = makeCollection(QStringLiteral("RecentA"));
    const QString second = makeCollection(QStringLiteral("RecentB"));
    makeApp();
    SpinoraDatabase* a = app_->openDocumentWithContentsOfURL(first);
    app_->openDocumentWithContentsOfURL(second);
    // Newest first: the second item is the collection just closed.
    windowOf(a)->close();
    settle();
    QMainWindow* remaining = app_->windowForDocument(app_->openDocuments().front());
    QMenu* menu = remaining->menuBar()->findChild<QMenu*>("openRecentMenu");
    ASSERT_NE(menu, nullptr);
    emit menu->aboutToShow();
    menu->actions()[1]->trigger();
    ASSERT_EQ(app_->openDocuments().size(), 2u);
    EXPECT_EQ(app_->openDocuments()[1]->packageFilename(), first);
}

} // namespace
} // namespace spinora::test
