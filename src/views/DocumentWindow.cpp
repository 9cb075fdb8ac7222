#include "DocumentWindow.h"

#include "ActionEdge.h"
#include "AppSettings.h"
#include "Artwork.h"
#include "CactusViewController.h"
#include "DeviceBrowser.h"
#include "FloweringCalendarWindow.h"
#include "LabelPrintDialog.h"
#include "Localization.h"
#include "LogViewController.h"
#include "MarkAsWatered.h"
#include "MarkAsWateredSheet.h"
#include "PageSetup.h"
#include "PrintCommand.h"
#include "SPTableCell.h"
#include "SpinoraDatabase.h"
#include "StatisticsViewController.h"
#include "ThumbnailCache.h"
#include "UndoActions.h"
#include "UndoHistory.h"
#include "WaterViewController.h"

#include <QAction>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QScreen>
#include <QStackedWidget>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace spinora {

namespace {

constexpr int kRecentSearches = 10;

} // namespace

DocumentWindow::DocumentWindow(SpinoraDatabase& document, QWidget* parent)
    : QMainWindow(parent), document_(document), thumbnails_(std::make_unique<ThumbnailCache>())
{
    setObjectName(QStringLiteral("DocumentWindow"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    // Sorted before the lists exist: they then fill once, when shown.
    restoreListChoices();

    // The three lists, in the order of the tabs. Each registers with the
    // document, which asks it to refilter when its arrays change.
    cactusList_ = new CactusViewController(document_, *thumbnails_);
    waterList_ = new WaterViewController(document_, *thumbnails_);
    logList_ = new LogViewController(document_, *thumbnails_);
    viewControllers_ = {cactusList_, waterList_, logList_};

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(buildTabBar());
    containerView_ = new QStackedWidget(central);
    containerView_->setObjectName(QStringLiteral("ContainerView"));
    const char* const listNames[] = {QT_TRID_NOOP("Cacti"), QT_TRID_NOOP("Watering"), QT_TRID_NOOP("Logs")};
    for (ManagingViewController* list : viewControllers_) {
        // Screen readers name each list after its tab.
        list->tableView()->setAccessibleName(localized(listNames[containerView_->count()]));
        containerView_->addWidget(list);
        list->setSearchTextProvider([this] { return searchText(); });
        connect(list, &ManagingViewController::printRequested, this, &DocumentWindow::printDocument);
        connect(list, &ManagingViewController::sortKeyChosen, this, &DocumentWindow::saveListChoices);
    }
    connect(cactusList_, &CactusViewController::printLabelsRequested, this, &DocumentWindow::printLabels);
    layout->addWidget(containerView_);
    setCentralWidget(central);
    connect(thumbnails_.get(), &ThumbnailCache::thumbnailMissing, this, &DocumentWindow::restoreMissingThumbnail);

    // The lists refresh themselves for each change; the window keeps its
    // thumbnails, title and commands in step.
    // After the lists' own (they subscribed as they were made): what the
    // window reads of their rows is then what they show.
    connect(&document_.notices(), &ChangeNotices::changed, this, &DocumentWindow::changeNoticed);
    undoActions_ = new UndoActions(document_, this);
    buildMarkAsWatered();
    buildToolbar();
    buildShortcuts();
    // Wide enough for every toolbar button with its label, where the screen
    // allows (a small or scaled one shows the buttons without labels).
    QSize initial(880, 700);
    if (const QScreen* shown = screen())
        initial = initial.boundedTo(shown->availableGeometry().size());
    resize(initial);
    refreshTitle();

    // Each list shows what the document displays (after a load, the whole
    // collection) and is refreshed with the search text when it is shown.
    selectTab(SpinoraDatabase::kCactusList);
}

DocumentWindow::~DocumentWindow()
{
    // The lists go before the cache they draw from.
    for (ManagingViewController* list : viewControllers_)
        delete list;
}

// --- Tabs

QWidget* DocumentWindow::buildTabBar()
{
    auto* bar = new QWidget(this);
    bar->setObjectName(QStringLiteral("TabBar"));
    bar->setAutoFillBackground(true);
    // Light blue-grey under a light palette; a dark one keeps its own.
    const bool dark = SPTableCell::isDarkPalette(bar->palette());
    if (!dark) {
        QPalette palette = bar->palette();
        palette.setColor(QPalette::Window, QColor::fromRgbF(0.845f, 0.865f, 0.895f));
        bar->setPalette(palette);
    }
    auto* layout = new QHBoxLayout(bar);
    layout->setContentsMargins(8, 4, 8, 4);
    layout->setSpacing(2);
    layout->addStretch();
    tabGroup_ = new QButtonGroup(this);
    tabGroup_->setExclusive(true);
    const char* const titles[] = {QT_TRID_NOOP("Cacti"), QT_TRID_NOOP("Watering"), QT_TRID_NOOP("Logs")};
    const char* const names[] = {"CactiTab", "WateringTab", "LogsTab"};
    QFont font = this->font();
    font.setPixelSize(12);
    // The button group's ids are the lists' kinds.
    for (int tag = SpinoraDatabase::kCactusList; tag <= SpinoraDatabase::kLogList; ++tag) {
        auto* button = new QToolButton(bar);
        button->setObjectName(QString::fromLatin1(names[tag]));
        button->setText(localized(titles[tag]));
        button->setCheckable(true);
        button->setFont(font);
        button->setMinimumWidth(96);
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        if (!dark) {
            QPalette buttonPalette = button->palette();
            buttonPalette.setColor(QPalette::ButtonText, Qt::black);
            button->setPalette(buttonPalette);
        }
        tabGroup_->addButton(button, tag);
        tabButtons_[static_cast<size_t>(tag)] = button;
        layout->addWidget(button);
    }
    layout->addStretch();
    connect(tabGroup_, &QButtonGroup::idClicked, this,
            [this](int tag) { changeViewController(static_cast<SpinoraDatabase::ListKind>(tag)); });
    return bar;
}

void DocumentWindow::changeViewController(SpinoraDatabase::ListKind kind)
{
    tabButtons_[kind]->setChecked(true);
    // A click on the selected tab leaves it selected and the list as it is.
    if (viewControllers_[kind] != currentViewController_)
        displayViewController(kind);
}

void DocumentWindow::displayViewController(SpinoraDatabase::ListKind kind)
{
    ManagingViewController* list = viewControllers_[kind];
    containerView_->setCurrentWidget(list);
    currentViewController_ = list;
    currentTab_ = kind;
    // The search text carries over from list to list.
    list->refreshData(searchText());
    list->tableView()->setFocus();
    updateMarkAsWatered();
    // The log list is sorted by date alone.
    sortByMenu_->menuAction()->setEnabled(!list->sortActions().isEmpty());
}

void DocumentWindow::selectTab(SpinoraDatabase::ListKind list)
{
    changeViewController(list);
}

ManagingViewController* DocumentWindow::visibleList()
{
    return currentViewController_;
}

// --- Toolbar

void DocumentWindow::buildToolbar()
{
    toolbar_ = new QToolBar(localized("Toolbar"), this);
    toolbar_->setObjectName(QStringLiteral("DocumentToolbar"));
    toolbar_->setMovable(false);
    toolbar_->setFloatable(false);
    toolbar_->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    toolbar_->setIconSize(QSize(32, 32));
    addToolBar(Qt::TopToolBarArea, toolbar_);
    artwork::nameOverflowButton(toolbar_);

    auto item = [this](const char* identifier, const char* label, const char* toolTip, const char* image,
                       auto slot) {
        QAction* action = artwork::toolbarItem(this, identifier, label, toolTip, image);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    QAction* print = item("Print", QT_TRID_NOOP("Print"), QT_TRID_NOOP("Print the list"), "print_button",
                          &DocumentWindow::printDocument);
    QAction* import = item("Import", QT_TRID_NOOP("Import from device"),
                           QT_TRID_NOOP("Import database from Spinora Mobile App"), "import_button", [this] {
                               finishLoading();
                               presentDeviceBrowser(this, DeviceDirection::ImportFromDevice);
                           });
    QAction* exportItem = item("Export", QT_TRID_NOOP("Export to device"),
                               QT_TRID_NOOP("Export database to Spinora Mobile App"), "export_button", [this] {
                                   finishLoading();
                                   presentDeviceBrowser(this, DeviceDirection::ExportToDevice);
                               });
    QAction* statistics = item("Statistics", QT_TRID_NOOP("Statistics"), QT_TRID_NOOP("Show database statistics"),
                               "stats_button", &DocumentWindow::showStatistics);
    QAction* remove = item("DeleteItem", QT_TRID_NOOP("Delete Item"), QT_TRID_NOOP("Remove an item from the list"),
                           "delete_button", &DocumentWindow::handleDeleteButton);
    QAction* add = item("AddItem", QT_TRID_NOOP("Add Item"), QT_TRID_NOOP("Add an item to the list"), "add_button",
                        &DocumentWindow::handleAddButton);

    searchField_ = new QLineEdit(toolbar_);
    searchField_->setObjectName(QStringLiteral("SearchField"));
    searchField_->setPlaceholderText(localized("Search"));
    searchField_->setAccessibleName(localized("Search list"));
    searchField_->setToolTip(localized("Search the currently visible list"));
    searchField_->setClearButtonEnabled(true);
    searchField_->setMinimumWidth(180);
    searchField_->setMaximumWidth(260);
    searchMenu_ = new QMenu(searchField_);
    QAction* recent = searchField_->addAction(artwork::toolbarIcon(QStringLiteral("search_button")), QLineEdit::LeadingPosition);
    recent->setObjectName(QStringLiteral("RecentSearches"));
    // Its text names the picture-only button for screen readers.
    recent->setText(localized("Recent Searches"));
    recent->setToolTip(localized("Recent Searches"));
    connect(recent, &QAction::triggered, this, [this] {
        fillSearchMenu();
        searchMenu_->popup(searchField_->mapToGlobal(QPoint(0, searchField_->height())));
    });
    // Each keystroke refilters, as the desktop's search fields do.
    connect(searchField_, &QLineEdit::textChanged, this, [this] { handleSearch(); });
    connect(searchField_, &QLineEdit::returnPressed, this, [this] {
        rememberSearch();
        if (ManagingViewController* list = visibleList())
            list->tableView()->setFocus();
    });

    artwork::addToolbarSpace(toolbar_, true);
    toolbar_->addAction(print);
    artwork::addToolbarSpace(toolbar_, false);
    toolbar_->addAction(import);
    artwork::addToolbarSpace(toolbar_, false);
    toolbar_->addAction(exportItem);
    artwork::addToolbarSpace(toolbar_, false);
    toolbar_->addAction(statistics);
    artwork::addToolbarSpace(toolbar_, true);
    QAction* search = toolbar_->addWidget(searchField_);
    search->setObjectName(QStringLiteral("Search"));
    dueFilter_ = new QAction(localized("Due"), this);
    dueFilter_->setObjectName(QStringLiteral("DueFilter"));
    dueFilter_->setCheckable(true);
    dueFilter_->setChecked(document_.displayed().dueOnly());
    dueFilter_->setToolTip(localized("Show only what is due by the end of today"));
    dueFilter_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_U));
    dueFilter_->setShortcutContext(Qt::WindowShortcut);
    connect(dueFilter_, &QAction::toggled, this, &DocumentWindow::setDueOnly);
    addAction(dueFilter_);
    // A word, not a picture, whatever the toolbar's style; reachable with
    // Tab like the search field beside it.
    auto* due = new QToolButton(toolbar_);
    due->setDefaultAction(dueFilter_);
    due->setToolButtonStyle(Qt::ToolButtonTextOnly);
    due->setFocusPolicy(Qt::StrongFocus);
    toolbar_->addWidget(due)->setObjectName(QStringLiteral("Due"));

    sortByMenu_ = new QMenu(localized("Sort By"), this);
    sortByMenu_->setObjectName(QStringLiteral("SortByMenu"));
    connect(sortByMenu_, &QMenu::aboutToShow, this, [this] {
        sortByMenu_->clear();
        if (ManagingViewController* list = visibleList())
            sortByMenu_->addActions(list->sortActions());
    });
    artwork::addToolbarSpace(toolbar_, true);
    toolbar_->addAction(markAsWatered_);
    artwork::addToolbarSpace(toolbar_, false);
    toolbar_->addAction(remove);
    artwork::addToolbarSpace(toolbar_, false);
    toolbar_->addAction(add);
    artwork::addToolbarSpace(toolbar_, false);
}

void DocumentWindow::buildShortcuts()
{
    auto* find = new QAction(localized("Search"), this);
    find->setShortcut(QKeySequence::Find);
    find->setShortcutContext(Qt::WindowShortcut);
    connect(find, &QAction::triggered, this, &DocumentWindow::focusSearch);
    addAction(find);

    auto* duplicate = new QAction(localized("Duplicate"), this);
    duplicate->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    duplicate->setShortcutContext(Qt::WindowShortcut);
    connect(duplicate, &QAction::triggered, this, &DocumentWindow::handleDuplicate);
    addAction(duplicate);

    // Only while a list has the focus: in the search field Delete edits text.
    auto* remove = new QAction(localized("Delete"), containerView_);
    remove->setShortcut(QKeySequence::Delete);
    remove->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(remove, &QAction::triggered, this, &DocumentWindow::handleDeleteButton);
    containerView_->addAction(remove);

    // Escape in the search field clears the search.
    auto* clear = new QAction(searchField_);
    clear->setShortcut(QKeySequence(Qt::Key_Escape));
    clear->setShortcutContext(Qt::WidgetShortcut);
    connect(clear, &QAction::triggered, searchField_, &QLineEdit::clear);
    searchField_->addAction(clear);
}

// --- Search

QString DocumentWindow::searchText() const
{
    return searchField_ ? searchField_->text() : QString();
}

void DocumentWindow::handleSearch()
{
    ManagingViewController* list = visibleList();
    if (!list)
        return;
    if (list->handleSearch(searchText()))
        list->refreshData(std::nullopt);
}

void DocumentWindow::setDueOnly(bool dueOnly)
{
    document_.displayed().setDueOnly(dueOnly);
    saveListChoices();
    // As a new search text does: the list shown refilters once, the others
    // when they are shown.
    handleSearch();
}

void DocumentWindow::focusSearch()
{
    searchField_->setFocus(Qt::ShortcutFocusReason);
    searchField_->selectAll();
}

void DocumentWindow::rememberSearch()
{
    const QString text = searchText().trimmed();
    if (text.isEmpty())
        return;
    recentSearches_.removeAll(text);
    recentSearches_.prepend(text);
    while (recentSearches_.size() > kRecentSearches)
        recentSearches_.removeLast();
}

void DocumentWindow::fillSearchMenu()
{
    searchMenu_->clear();
    QFont small = searchMenu_->font();
    small.setPixelSize(11);
    QAction* title = searchMenu_->addAction(localized("Recent Searches"));
    title->setEnabled(false);
    title->setFont(small);
    if (recentSearches_.isEmpty()) {
        QAction* none = searchMenu_->addAction(localized("No Recent Searches"));
        none->setEnabled(false);
        none->setFont(small);
        return;
    }
    for (const QString& text : recentSearches_)
        searchMenu_->addAction(text, this, [this, text] { searchField_->setText(text); });
    searchMenu_->addSeparator();
    QAction* clear = searchMenu_->addAction(localized("Clear Search History"), this, [this] { recentSearches_.clear(); });
    clear->setFont(small);
}

// --- Commands, forwarded to the list shown

void DocumentWindow::finishLoading()
{
    // Every command works on the whole collection: the logs still being
    // read behind the first screen are waited for.
    document_.finishLoading();
}

void DocumentWindow::handleAddButton()
{
    finishLoading();
    if (ManagingViewController* list = visibleList())
        list->handleAddButton();
}

void DocumentWindow::handleDeleteButton()
{
    finishLoading();
    if (ManagingViewController* list = visibleList())
        list->handleDeleteButton();
}

void DocumentWindow::handleDuplicate()
{
    finishLoading();
    if (ManagingViewController* list = visibleList())
        list->handleDuplicate();
}

void DocumentWindow::editSelected()
{
    finishLoading();
    if (ManagingViewController* list = visibleList())
        list->editSelected();
}

void DocumentWindow::printDocument()
{
    finishLoading();
    printWithDialog(this, document_, PrintSubject::ofList(currentTab_));
}

// --- Mark as Watered

void DocumentWindow::buildMarkAsWatered()
{
    markAsWatered_ = new QAction(artwork::toolbarIcon(QStringLiteral("water_button")), localized("Mark as Watered..."), this);
    markAsWatered_->setObjectName(QStringLiteral("MarkAsWatered"));
    // Short under its icon, so the toolbar keeps Delete and Add in view.
    markAsWatered_->setIconText(localized("Watered"));
    markAsWatered_->setToolTip(localized("Record that the selected plants or schedules were watered"));
    markAsWatered_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_J));
    markAsWatered_->setShortcutContext(Qt::WindowShortcut);
    connect(markAsWatered_, &QAction::triggered, this, &DocumentWindow::markAsWatered);
    for (ManagingViewController* list : {static_cast<ManagingViewController*>(cactusList_),
                                         static_cast<ManagingViewController*>(waterList_)}) {
        QMenu* menu = list->contextMenu();
        menu->insertAction(menu->actions().value(3), markAsWatered_);
        // The context menu acts on the clicked row even without a selection.
        connect(menu, &QMenu::aboutToShow, this, &DocumentWindow::updateMarkAsWatered);
        connect(menu, &QMenu::aboutToHide, this, [this] { QMetaObject::invokeMethod(this, &DocumentWindow::updateMarkAsWatered, Qt::QueuedConnection); });
        connect(list->tableView()->selectionModel(), &QItemSelectionModel::selectionChanged, this,
                &DocumentWindow::updateMarkAsWatered);
    }
    updateMarkAsWatered();
}

void DocumentWindow::updateMarkAsWatered()
{
    ManagingViewController* list = visibleList();
    const bool wateringList = currentTab_ != SpinoraDatabase::kLogList;
    markAsWatered_->setEnabled(wateringList && list && !list->rowsToActOn().empty());
}

void DocumentWindow::markAsWatered()
{
    finishLoading();
    if (!visibleList() || currentTab_ == SpinoraDatabase::kLogList)
        return;
    WateredRecords watered;
    for (int row : visibleList()->rowsToActOn()) {
        if (currentTab_ == SpinoraDatabase::kWaterList)
            watered.schedules.push_back(waterList_->waterAt(row));
        else
            watered.cacti.push_back(cactusList_->cactusAt(row));
    }
    if (watered.schedules.empty() && watered.cacti.empty())
        return;
    QString what;
    if (!watered.schedules.empty()) {
        size_t plants = 0;
        for (const Water* water : watered.schedules)
            plants += water->cacti().size();
        const bool one = watered.schedules.size() == 1;
        what = one ? QStringLiteral("“%1”").arg(watered.schedules.front()->name())
                   : localized("%n watering schedules", int(watered.schedules.size()));
        if (plants > 0)
            what = one ? localized("%1 and its %n cacti", int(plants)).arg(what)
                       : localized("%1 and their %n cacti", int(plants)).arg(what);
    } else {
        what = watered.cacti.size() == 1 ? QStringLiteral("“%1”").arg(watered.cacti.front()->name())
                                         : localized("%n cacti", int(watered.cacti.size()));
    }
    MarkAsWateredSheet sheet(what, this);
    if (sheet.exec() != QDialog::Accepted)
        return;
    ActionEdge::run(this, localized("Mark as Watered"),
                    [&] { return spinora::markAsWatered(document_, watered, sheet.moment()); });
}

void DocumentWindow::printLabels()
{
    // A selection counts only where it can be seen.
    std::vector<Cactus*> selected;
    if (visibleList() == cactusList_)
        selected = cactusList_->cactiToActOn();
    const LabelLayout* remembered = findLabelLayout(appSettings()->value(settingsKey("labelLayout")).toString());
    LabelPrintDialog dialog(document_, std::move(selected), document_.displayedCacti(),
                            remembered ? *remembered : defaultLabelLayout(), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (!document_.packageFilename().isEmpty())
        appSettings()->setValue(settingsKey("labelLayout"), QString::fromLatin1(dialog.layout().id));
    printLabelsWithDialog(this, dialog.sheet(), QFileInfo(document_.packageFilename()).completeBaseName());
}

void DocumentWindow::printPreview()
{
    printPreviewWithDialog(this, document_, PrintSubject::ofList(currentTab_));
}

void DocumentWindow::pageSetup()
{
    PageSetup::run(this, document_);
}

StatisticsViewController* DocumentWindow::statisticsWindow()
{
    if (!statsViewController_)
        statsViewController_ = new StatisticsViewController(document_, this);
    return statsViewController_;
}

void DocumentWindow::showFloweringCalendar()
{
    finishLoading();
    FloweringCalendarWindow(document_, nullptr, this).exec();
}

void DocumentWindow::showStatistics()
{
    finishLoading();
    statisticsWindow()->presentStatistics();
}

void DocumentWindow::refreshData()
{
    if (ManagingViewController* list = visibleList())
        list->refreshData(searchText());
    refreshTitle();
}

void DocumentWindow::changeNoticed(const CollectionChange& change)
{
    // An editor may have replaced photos: the scaled ones go.
    if (change.touches(unsigned(RecordKind::Image)))
        thumbnails_->clear();
    refreshTitle();
    updateMarkAsWatered();
}

void DocumentWindow::restoreMissingThumbnail(const QString& croppedThumbnailFile)
{
    // Once per file: a photo with no data anywhere stays without a thumbnail.
    if (restoredThumbnails_.contains(croppedThumbnailFile))
        return;
    restoredThumbnails_.append(croppedThumbnailFile);
    for (const auto& image : document_.images()) {
        if (image->croppedThumbnailFile() == croppedThumbnailFile) {
            // Writes the files back from the database's copy.
            image->hydrateThumbnailForDisplay();
            thumbnails_->forget(croppedThumbnailFile);
            if (ManagingViewController* list = visibleList())
                list->tableView()->viewport()->update();
            return;
        }
    }
}

// --- Title, geometry, activation

void DocumentWindow::refreshTitle()
{
    const QString name = QFileInfo(document_.packageFilename()).completeBaseName();
    // The untitled collection's package keeps its English name on disk.
    const QString shown = name.isEmpty() || document_.unsavedDocument() ? localized("Untitled") : name;
    // A snapshot opened to look at, or a collection that stopped taking
    // changes, says so where the user looks first.
    setWindowTitle(document_.isReadOnly() ? localized("%1 (read-only)").arg(shown) + QStringLiteral("[*]")
                                          : QStringLiteral("%1[*]").arg(shown));
    setWindowModified(document_.unsavedDocument());
}

QString DocumentWindow::settingsKey(const char* name) const
{
    // One group per collection, named by its package path.
    return QStringLiteral("DocumentWindows/%1/%2")
        .arg(QString::fromLatin1(QUrl::toPercentEncoding(document_.packageFilename())), QLatin1String(name));
}

void DocumentWindow::restoreListChoices()
{
    if (document_.packageFilename().isEmpty())
        return;
    DisplayedLists& lists = document_.displayed();
    lists.setDueOnly(appSettings()->value(settingsKey("dueOnly")).toBool());
    auto restoreKey = [&](SpinoraDatabase::ListKind list, const char* name, SortKey last) {
        const int key = appSettings()->value(settingsKey(name)).toInt();
        lists.setSortKey(list, key >= 0 && key <= int(last) ? SortKey(key) : SortKey::Name);
    };
    restoreKey(SpinoraDatabase::kCactusList, "cactiSortKey", SortKey::Location);
    restoreKey(SpinoraDatabase::kWaterList, "wateringSortKey", SortKey::NextWatering);
    // Loading sorted them by name.
    if (lists.sortKey(SpinoraDatabase::kCactusList) != SortKey::Name)
        document_.sortCacti();
    if (lists.sortKey(SpinoraDatabase::kWaterList) != SortKey::Name)
        document_.sortWater();
}

void DocumentWindow::saveListChoices() const
{
    if (document_.packageFilename().isEmpty())
        return;
    DisplayedLists& lists = document_.displayed();
    appSettings()->setValue(settingsKey("dueOnly"), lists.dueOnly());
    appSettings()->setValue(settingsKey("cactiSortKey"), int(lists.sortKey(SpinoraDatabase::kCactusList)));
    appSettings()->setValue(settingsKey("wateringSortKey"), int(lists.sortKey(SpinoraDatabase::kWaterList)));
}

void DocumentWindow::restoreSavedGeometry()
{
    const QByteArray saved = appSettings()->value(settingsKey("geometry")).toByteArray();
    if (!saved.isEmpty())
        restoreGeometry(saved);
}

void DocumentWindow::saveGeometryForCollection() const
{
    if (document_.packageFilename().isEmpty())
        return;
    appSettings()->setValue(settingsKey("geometry"), saveGeometry());
}

void DocumentWindow::closeEvent(QCloseEvent* event)
{
    if (closeHandler_ && !closeHandler_()) {
        event->ignore();
        return;
    }
    saveGeometryForCollection();
    event->accept();
}

void DocumentWindow::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    fitToolbar();
}

void DocumentWindow::fitToolbar()
{
    // Too narrow for the labels, the buttons show only their pictures (with
    // their tool tips and names), so that Add Item never hides behind the
    // overflow button; the labels come back once they fit.
    if (toolbar_->toolButtonStyle() == Qt::ToolButtonTextUnderIcon) {
        labelledToolbarWidth_ = toolbar_->sizeHint().width();
        if (width() < labelledToolbarWidth_)
            toolbar_->setToolButtonStyle(Qt::ToolButtonIconOnly);
    } else if (width() >= labelledToolbarWidth_) {
        toolbar_->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    }
}

void DocumentWindow::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        emit becameMain(&document_);
}

} // namespace spinora
