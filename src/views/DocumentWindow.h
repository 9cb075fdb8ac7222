#pragma once

#include "SpinoraDatabase.h"

#include <QMainWindow>
#include <QStringList>

#include <array>
#include <functional>
#include <memory>

class QAction;
class QButtonGroup;
class QLineEdit;
class QMenu;
class QStackedWidget;
class QToolBar;
class QToolButton;

namespace spinora {

class CactusViewController;
struct CollectionChange;
class LogViewController;
class ManagingViewController;
class StatisticsViewController;
class ThumbnailCache;
class UndoActions;
class WaterViewController;

// The window of one open collection: a toolbar, a tab bar of three toggle
// buttons ("Cacti", "Watering", "Logs") and the chosen list below. Add,
// delete, duplicate, search and print act on the list shown. The window
// keeps its place per collection. The application shell adds the menu bar.
class DocumentWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit DocumentWindow(SpinoraDatabase& document, QWidget* parent = nullptr);
    ~DocumentWindow() override;

    SpinoraDatabase& document() { return document_; }
    ManagingViewController* visibleList();
    CactusViewController* cactusList() const { return cactusList_; }
    WaterViewController* waterList() const { return waterList_; }
    LogViewController* logList() const { return logList_; }
    SpinoraDatabase::ListKind selectedTab() const { return currentTab_; }

    // Asked when the window is to close; false keeps it open.
    void setCloseHandler(std::function<bool()> handler) { closeHandler_ = std::move(handler); }
    // Puts the window where this collection's window was last closed.
    void restoreSavedGeometry();
    void saveGeometryForCollection() const;

    QLineEdit* searchField() const { return searchField_; }
    // "Due", beside the search field: the lists show only what is due by
    // the end of today. Kept per collection, as the lists' sort keys are.
    QAction* dueFilterAction() const { return dueFilter_; }
    // View › Sort By: the keys of the list shown.
    QMenu* sortByMenu() const { return sortByMenu_; }
    QString searchText() const;
    QToolBar* documentToolbar() const { return toolbar_; }
    QToolButton* tabButton(SpinoraDatabase::ListKind list) const { return tabButtons_.at(list); }
    ThumbnailCache& thumbnails() { return *thumbnails_; }
    // Made on the first request and kept.
    StatisticsViewController* statisticsWindow();

    // "Mark as Watered...": the toolbar's, the lists' context menus' and the
    // Edit menu's command, for the selected plants or schedules.
    QAction* markAsWateredAction() const { return markAsWatered_; }
    // Edit › Undo and Redo, with the window's history.
    UndoActions& undoActions() { return *undoActions_; }

public slots:
    void selectTab(spinora::SpinoraDatabase::ListKind list);
    void markAsWatered();
    void handleAddButton();
    void handleDeleteButton();
    void handleDuplicate();
    void editSelected();
    void focusSearch();
    void printDocument();
    // Labels for the selected cacti, or for all the cactus list shows.
    void printLabels();
    // File › Print Preview: the same pages as Print, shown first.
    void printPreview();
    // File › Page Setup...: the page layout of every print of this collection.
    void pageSetup();
    void showStatistics();
    // View › Flowering Calendar...
    void showFloweringCalendar();
    void refreshTitle();
    void refreshData();

signals:
    // The window was activated: the shell makes its collection the main one.
    void becameMain(spinora::SpinoraDatabase* document);

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildToolbar();
    void fitToolbar();
    QWidget* buildTabBar();
    void buildShortcuts();
    void changeViewController(SpinoraDatabase::ListKind list);
    void displayViewController(SpinoraDatabase::ListKind list);
    void handleSearch();
    void finishLoading();
    void rememberSearch();
    void fillSearchMenu();
    void restoreMissingThumbnail(const QString& croppedThumbnailFile);
    void changeNoticed(const CollectionChange& change);
    void buildMarkAsWatered();
    void updateMarkAsWatered();
    // The lists' sort keys and the Due filter, kept per collection.
    void restoreListChoices();
    void saveListChoices() const;
    void setDueOnly(bool dueOnly);
    // This collection's entry of a window setting.
    QString settingsKey(const char* name) const;

    SpinoraDatabase& document_;
    std::unique_ptr<ThumbnailCache> thumbnails_;
    CactusViewController* cactusList_ = nullptr;
    WaterViewController* waterList_ = nullptr;
    LogViewController* logList_ = nullptr;
    std::array<ManagingViewController*, 3> viewControllers_{};
    std::array<QToolButton*, 3> tabButtons_{};
    QButtonGroup* tabGroup_ = nullptr;
    QStackedWidget* containerView_ = nullptr;
    QToolBar* toolbar_ = nullptr;
    int labelledToolbarWidth_ = 0; // what the toolbar needs with its labels
    QLineEdit* searchField_ = nullptr;
    QMenu* searchMenu_ = nullptr;
    QAction* dueFilter_ = nullptr;
    QMenu* sortByMenu_ = nullptr;
    QStringList recentSearches_;
    StatisticsViewController* statsViewController_ = nullptr;
    QAction* markAsWatered_ = nullptr;
    UndoActions* undoActions_ = nullptr;
    std::function<bool()> closeHandler_;
    QStringList restoredThumbnails_;
    // None until the constructor shows the first list.
    ManagingViewController* currentViewController_ = nullptr;
    SpinoraDatabase::ListKind currentTab_ = SpinoraDatabase::kCactusList;
};

} // namespace spinora
