// The main menu on a collection window: the import and export
// menus enabled exactly while a collection is open, the commands routed to
// the right window and the recent-files menu.
#include "ShellTestSupport.h"

#include "SpinoraDatabase.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
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
              (QStringList{"SDBI", "Spinora Database", "Spinora Mobile App", "CSV", "HTML Report"}));
    for (QAction* action : app_->importFromMenu()->actions())
        action->trigger();
    for (QAction* action : app_->exportToMenu()->actions())
        action->trigger();
    const QList<QPair<QString, int>> expected{{"sheet", 0}, {"sheet", 1}, {"device", 0}, {"sheet", 2},
                                              {"sheet", 3}, {"sheet", 4}, {"device", 1}, {"sheet", 5},
                                              {"report", -1}};
    EXPECT_EQ(presented_, expected);
}

TEST_F(MenuTest, ItemCommandsGoToTheirOwnWindow)
{
    makeApp();
    SpinoraDatabase* a = app_->openDocumentWithContentsOfURL(makeCollection(QStringLiteral("RouteA")));
    SpinoraDatabase* b = app_->openDocumentWithContentsOfURL(makeCollection(QStringLiteral("RouteB")));
    ASSERT_TRUE(a && b);
    StandInWindow* windowA = windowOf(a);
    StandInWindow* windowB = windowOf(b);
    const QPair<const char*, const char*> routes[] = {
        {"addItemAction", "handleAddButton"}, {"removeItemAction", "handleDeleteButton"},
        {"duplicateItemAction", "handleDuplicate"}, {"printAction", "printDocument"},
        {"printPreviewAction", "printPreview"}, {"printLabelsAction", "printLabels"}};
    for (const auto& [action, slot] : routes) {
        actionNamed(windowA, action)->trigger();
        EXPECT_EQ(windowA->calls(slot), 1) << slot;
    }
    actionNamed(windowB, "statisticsAction")->trigger();
    actionNamed(windowB, "duplicateItemAction")->trigger();
    // Statistics and Duplicate in A, then in B, and Add Item in B.
    EXPECT_EQ((std::vector{windowA->calls("showStatistics"), windowA->calls("handleDuplicate"), windowB->calls("showStatistics"),
                           windowB->calls("handleDuplicate"), windowB->calls("handleAddButton")}),
              (std::vector{0, 1, 1, 1, 0}));

    // A real key press reaches the menu's shortcut.
    windowB->activateWindow();
    QApplication::setActiveWindow(windowB);
    QTest::keyClick(windowB, Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(windowB->calls("handleDuplicate"), 2);

    actionNamed(windowA, "pageSetupAction")->trigger();
    EXPECT_EQ(presented_.last().first, QStringLiteral("pageSetup"));

    // Show Toolbar acts on the window of the menu, and the second time
    // brings the toolbar back.
    QToolBar* toolbar = windowA->findChild<QToolBar*>();
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
