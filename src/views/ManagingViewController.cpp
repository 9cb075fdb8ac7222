#include "ManagingViewController.h"

#include "SPHeadingView.h"
#include "SPTableCell.h"
#include "ThumbnailCache.h"

#include "Localization.h"

#include <QAbstractListModel>
#include <QActionGroup>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QScrollBar>
#include <QTimer>
#include <QToolTip>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdio>

namespace spinora {

namespace {

// The rows of a list: only their number and, for accessibility and type-ahead,
// their first text. Everything else the delegate asks the controller.
class RowsModel : public QAbstractListModel {
public:
    explicit RowsModel(ManagingViewController& list) : QAbstractListModel(&list), list_(list) {}

    // No rows while the list is being made or destroyed: its questions are
    // virtual and only answer once the list is complete.
    int rowCount(const QModelIndex& parent) const override
    {
        return parent.isValid() || !list_.isReady() ? 0 : list_.numberOfRows();
    }

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!index.isValid() || !list_.isReady() || index.row() >= list_.numberOfRows())
            return {};
        if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
            return list_.firstTextForCell(index.row());
        return {};
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (section == 0 && orientation == Qt::Horizontal && role == Qt::DisplayRole)
            return title;
        return {};
    }

    void reset()
    {
        beginResetModel();
        endResetModel();
    }

    void refresh()
    {
        if (const int rows = rowCount({}); rows > 0)
            emit dataChanged(index(0), index(rows - 1));
        emit headerDataChanged(Qt::Horizontal, 0, 0);
    }

    QString title;

private:
    ManagingViewController& list_;
};

} // namespace

// --- ListTableView

void ListTableView::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && event->modifiers() == Qt::NoModifier) {
        emit returnPressed(currentIndex().isValid() ? currentIndex().row() : -1);
        event->accept();
        return;
    }
    QTreeView::keyPressEvent(event);
}

bool ListTableView::viewportEvent(QEvent* event)
{
    if (event->type() == QEvent::Paint) {
        const bool handled = QTreeView::viewportEvent(event);
        reportFirstPaintedRows();
        return handled;
    }
    if (event->type() != QEvent::ToolTip)
        return QTreeView::viewportEvent(event);
    auto* help = static_cast<QHelpEvent*>(event);
    const QModelIndex index = indexAt(help->pos());
    auto* list = qobject_cast<ManagingViewController*>(parentWidget());
    QString tip;
    if (index.isValid() && list) {
        const QRect rowRect = visualRect(index);
        const qreal normal = list->normalCellHeight();
        const qreal contentTop = rowRect.top() + std::max<qreal>(0, rowRect.height() - normal);
        tip = list->toolTipForRow(index.row(), QPointF(help->pos().x() - rowRect.left(), help->pos().y() - contentTop));
    }
    if (tip.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), tip, viewport());
    return true;
}

void ListTableView::reportFirstPaintedRows()
{
    // Measuring how long a big collection takes from launch to its first
    // rows on screen needs a mark at that moment; the benchmark asks for it.
    static const bool wanted = qEnvironmentVariableIsSet("SPINORA_REPORT_FIRST_ROWS");
    static bool reported = false;
    if (!wanted || reported || !model() || model()->rowCount() == 0)
        return;
    reported = true;
    std::fprintf(stderr, "spinora: first rows painted\n");
    std::fflush(stderr);
}

// --- ManagingViewController

ManagingViewController::ManagingViewController(SpinoraDatabase& document, SpinoraDatabase::ListKind list,
                                               ThumbnailCache& thumbnails, QWidget* parent)
    : QWidget(parent), document_(document), list_(list), thumbnails_(thumbnails), search_(list)
{
    connect(&document.notices(), &ChangeNotices::changed, this, &ManagingViewController::changeNoticed);
    prepareTimer_ = new QTimer(this);
    prepareTimer_->setSingleShot(true);
    prepareTimer_->setInterval(0);
    connect(prepareTimer_, &QTimer::timeout, this, [this] {
        if (!isShownInWindow() || document_.logsLoadingBehind())
            return;
        // Some milliseconds per turn of the event loop, however busy the
        // machine is.
        QElapsedTimer slice;
        slice.start();
        bool done = false;
        while (!done && slice.elapsed() < kPrepareSliceMs)
            done = search_.prepare(document_, kKeysPerStep);
        if (!done) {
            prepareTimer_->start();
            return;
        }
        // The waiting search runs in a turn of its own: its look over every
        // key would otherwise follow this slice's.
        if (searchPending_)
            QTimer::singleShot(0, this, [this] {
                if (searchPending_)
                    rerunSearch();
            });
    });
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    tableView_ = new ListTableView(this);
    layout->addWidget(tableView_);

    auto* model = new RowsModel(*this);
    model_ = model;
    cell_ = new SPTableCell(*this, thumbnails_, this);
    tableView_->setModel(model_);
    tableView_->setItemDelegate(cell_);
    tableView_->setRootIsDecorated(false);
    tableView_->setItemsExpandable(false);
    tableView_->setUniformRowHeights(false);
    tableView_->setAllColumnsShowFocus(true);
    tableView_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    tableView_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tableView_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tableView_->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    tableView_->verticalScrollBar()->setSingleStep(20);
    tableView_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    tableView_->setContextMenuPolicy(Qt::CustomContextMenu);
    tableView_->setFrameShape(QFrame::NoFrame);
    SPTableCell::useListBackground(tableView_);

    QHeaderView* header = tableView_->header();
    header->setStretchLastSection(true);
    header->setSectionsClickable(true);
    header->setSortIndicatorShown(true);
    header->setSectionsMovable(false);
    connect(header, &QHeaderView::sectionClicked, this, [this] { headerClicked(); });
    header->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(header, &QWidget::customContextMenuRequested, this, &ManagingViewController::showHeaderMenu);

    sectionHeadingView_ = new SPHeadingView(tableView_->viewport());
    sectionHeadingView_->hide();
    connect(tableView_->verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { tableClipBoundsChanged(); });

    connect(tableView_, &QTreeView::doubleClicked, this, [this](const QModelIndex& index) {
        document_.finishLoading();
        clickedRow_ = index.row();
        showInfo(index.row());
        clickedRow_ = -1;
    });
    connect(tableView_, &ListTableView::returnPressed, this, [this] { editSelected(); });
    connect(&thumbnails_, &ThumbnailCache::thumbnailReady, tableView_->viewport(), qOverload<>(&QWidget::update));
    buildContextMenu();
}

ManagingViewController::~ManagingViewController()
{
    ready_ = false;
    if (fillsDocumentList_)
        document_.displayed().setFilledBySearch(list_, false);
    delete tableView_;
}

void ManagingViewController::buildContextMenu()
{
    contextMenu_ = new QMenu(this);
    // Its commands work on the whole collection: the logs must be in.
    connect(contextMenu_, &QMenu::aboutToShow, this, [this] { document_.finishLoading(); });
    contextMenu_->addAction(localized("Add"), this, [this] { handleAddButton(); });
    contextMenu_->addAction(localized("Remove"), this, [this] { handleDeleteButton(); });
    contextMenu_->addAction(localized("Edit"), this, [this] {
        if (clickedRow_ >= 0 && clickedRow_ < numberOfRows())
            showInfo(clickedRow_);
    });
    contextMenu_->addAction(localized("Duplicate"), this, [this] { handleDuplicate(); });
    contextMenu_->addAction(localized("Print"), this, [this] { emit printRequested(); });
    connect(tableView_, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        const QModelIndex index = tableView_->indexAt(pos);
        clickedRow_ = index.isValid() ? index.row() : -1;
        contextMenu_->exec(tableView_->viewport()->mapToGlobal(pos));
        clickedRow_ = -1;
    });
}

void ManagingViewController::editSelected()
{
    document_.finishLoading();
    int row = tableView_->currentIndex().isValid() ? tableView_->currentIndex().row() : -1;
    if (row < 0) {
        const std::vector<int> selected = selectedRowsAscending();
        if (!selected.empty())
            row = selected.front();
    }
    if (row < 0 || row >= numberOfRows())
        return;
    clickedRow_ = row;
    showInfo(row);
    clickedRow_ = -1;
}

std::vector<int> ManagingViewController::selectedRowsAscending() const
{
    std::vector<int> rows;
    if (!tableView_->selectionModel())
        return rows;
    for (const QModelIndex& index : tableView_->selectionModel()->selectedRows()) {
        if (index.row() < numberOfRows())
            rows.push_back(index.row());
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

std::vector<int> ManagingViewController::rowsToActOn() const
{
    std::vector<int> rows = selectedRowsAscending();
    if (rows.empty() && clickedRow_ >= 0 && clickedRow_ < numberOfRows())
        rows.push_back(clickedRow_);
    return rows;
}

void ManagingViewController::clearSelection()
{
    tableView_->clearSelection();
}

void ManagingViewController::fillDocumentList()
{
    fillsDocumentList_ = true;
    document_.displayed().setFilledBySearch(list_, true);
}

void ManagingViewController::changeNoticed(const CollectionChange& change)
{
    if (!change.touches(shownKinds()))
        return;
    if (!fillsDocumentList_) {
        refreshData(std::nullopt);
        return;
    }
    const bool onlyLogsArrived = change.logsArrived && !change.replacedAll && change.removed == 0 &&
                                 change.edited == 0 && change.added == unsigned(RecordKind::Log);
    if (onlyLogsArrived && list_ != SpinoraDatabase::kLogList)
        linkedRecordsArrived();
    else
        rerunSearch();
}

bool ManagingViewController::handleSearch(const QString& text)
{
    // A keystroke makes only a few turns' worth of missing keys: the first
    // search of 300,000 logs just shown would otherwise stall the window for
    // the better part of a second. The list keeps showing what it showed
    // until the rest are made in idle time, then searches.
    //
    // Two lists leave their search for later. One not shown searches when
    // it is shown (the window refreshes it then): keys made for it now,
    // 300,000 of them for the logs, would only hold up the list the user
    // sees. One waiting for its records searches when they arrive (the
    // document refreshes it then).
    if ((!text.isEmpty() && !isShownInWindow()) || waitsForRecords()) {
        searchPending_ = true;
        return false;
    }
    const bool refillAtOnce = search_.arrayEmptiedSinceFilled(document_) && !document_.logsLoadingBehind() &&
                              search_.recordCount(document_) <= kRefillKeys;
    searchPending_ = !search_.apply(document_, text, refillAtOnce ? -1 : kKeysPerStep);
    if (searchPending_)
        prepareSearchSoon();
    return !searchPending_;
}

bool ManagingViewController::isShownInWindow() const
{
    // The lists not shown are the stacked pages the window hides.
    return isVisibleTo(window());
}

void ManagingViewController::prepareSearchSoon()
{
    if (!prepareTimer_->isActive())
        prepareTimer_->start();
}

void ManagingViewController::rerunSearch()
{
    handleSearch(currentSearchText());
    reloadRows();
    // A list not shown works out its sections when it is shown (the window
    // refreshes it then): a log list of 300,000 rows need not do it now.
    if (isShownInWindow())
        refreshHeadings();
    prepareSearchSoon();
}

void ManagingViewController::linkedRecordsArrived()
{
    if (currentSearchText().isEmpty())
        tableView_->viewport()->update();
    else
        rerunSearch();
    prepareSearchSoon();
}

void ManagingViewController::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    prepareSearchSoon();
}

void ManagingViewController::refreshData(const std::optional<QString>& text)
{
    if (text)
        handleSearch(*text);
    reloadRows();
    refreshHeadings();
}

// The model is reset before the sections are worked out: laying the view out
// while it still holds the rows of the last search (300,000 logs, where the
// new one finds three) costs a fifth of a second for rows no longer shown.
// refreshHeadings() then lays out the new rows once.
void ManagingViewController::reloadRows()
{
    ready_ = true;
    auto* model = static_cast<RowsModel*>(model_);
    model->title = headerTitle();
    // The same records in the same order keep their rows: a reset would
    // leave a screen reader holding rows that are no more (the focus reaches
    // the list of a tab, and tells of its row, before the list refreshes).
    std::vector<const Record*> rows(static_cast<size_t>(numberOfRows()));
    for (size_t row = 0; row < rows.size(); ++row)
        rows[row] = recordAt(int(row));
    if (rows == shownRows_) {
        model->refresh();
    } else {
        shownRows_ = std::move(rows);
        model->reset();
    }
    setSortIndicator();
    // An emptied list whose search waits for its keys (after the logs
    // arrive, or an import into a large collection) would otherwise stand
    // blank for a second.
    if (waitsForRecords())
        showNotice(localized("Loading…"));
    else if (searchPending_ && numberOfRows() == 0)
        showNotice(localized("Searching…"));
    else if (numberOfRows() == 0)
        // A list left empty because its records could not be read says so.
        showNotice(document_.readFailure());
    else
        showNotice(QString());
}

void ManagingViewController::showNotice(const QString& text)
{
    if (text.isEmpty() && !notice_)
        return;
    if (!notice_) {
        notice_ = new QLabel(tableView_->viewport());
        notice_->setObjectName(QStringLiteral("ListNotice"));
        notice_->setAttribute(Qt::WA_TransparentForMouseEvents);
        notice_->setWordWrap(true);
        auto* centred = new QVBoxLayout(tableView_->viewport());
        centred->addWidget(notice_, 0, Qt::AlignCenter);
    }
    notice_->setText(text);
    notice_->setVisible(!text.isEmpty());
}

void ManagingViewController::setSortIndicator()
{
    // The key shows in the title even when the sort moved no row (and
    // so sent no notice).
    auto* model = static_cast<RowsModel*>(model_);
    if (model->title != headerTitle()) {
        model->title = headerTitle();
        emit model->headerDataChanged(Qt::Horizontal, 0, 0);
    }
    tableView_->header()->setSortIndicator(0, sortAscending() ? Qt::AscendingOrder : Qt::DescendingOrder);
}

QString ManagingViewController::sortKeyTitle(SortKey key)
{
    switch (key) {
    case SortKey::Name: break;
    case SortKey::NextWatering: return localized("Next Watering");
    case SortKey::DateAcquired: return localized("Date Acquired");
    case SortKey::ScientificName: return localized("Scientific Name");
    case SortKey::Location: return localized("Location");
    }
    return localized("Name");
}

SortKey ManagingViewController::sortKey() const
{
    return document().displayed().sortKey(list_);
}

QList<QAction*> ManagingViewController::sortActions()
{
    const std::vector<SortKey> keys = sortKeys();
    if (sortActions_.isEmpty() && !keys.empty()) {
        auto* group = new QActionGroup(this);
        for (const SortKey key : keys) {
            QAction* action = group->addAction(sortKeyTitle(key));
            action->setObjectName(QStringLiteral("SortBy%1").arg(int(key)));
            action->setCheckable(true);
            connect(action, &QAction::triggered, this, [this, key] {
                if (key == sortKey())
                    return;
                sortBy(key);
                setSortIndicator();
                emit sortKeyChosen();
                tableView_->scrollToTop();
            });
            sortActions_.append(action);
        }
    }
    for (size_t i = 0; i < keys.size(); ++i)
        sortActions_[qsizetype(i)]->setChecked(keys[i] == sortKey());
    return sortActions_;
}

void ManagingViewController::showHeaderMenu(const QPoint& pos)
{
    const QList<QAction*> actions = sortActions();
    if (actions.isEmpty())
        return;
    QMenu menu;
    menu.addActions(actions);
    menu.exec(tableView_->header()->mapToGlobal(pos));
}

void ManagingViewController::headerClicked()
{
    flipSortDirection();
    reloadRows();
    refreshHeadings();
    tableView_->scrollToTop();
}

void ManagingViewController::refreshHeadings()
{
    ready_ = true;
    sectionsShown_ = numberOfRows() > 0 && computeSectionFlags();
    // Without sections every row has the normal height: the view need not
    // ask each of 100,000 rows for its size. With sections, a long list
    // scrolls by rows, so that only the rows shown are measured.
    constexpr int kRowsMeasuredWhole = 5000;
    tableView_->setUniformRowHeights(!sectionsShown_);
    tableView_->setVerticalScrollMode(sectionsShown_ && numberOfRows() > kRowsMeasuredWhole
                                          ? QAbstractItemView::ScrollPerItem
                                          : QAbstractItemView::ScrollPerPixel);
    // Heights follow the flags: the view must measure its rows again.
    tableView_->relayout();
    tableClipBoundsChanged();
}

void ManagingViewController::tableClipBoundsChanged()
{
    if (!ready_)
        return;
    const int rows = numberOfRows();
    if (!sectionsShown_ || rows == 0) {
        sectionHeadingView_->hide();
        return;
    }
    QModelIndex topIndex = tableView_->indexAt(QPoint(1, 0));
    const int top = topIndex.isValid() ? topIndex.row() : 0;
    if (top >= rows) {
        sectionHeadingView_->hide();
        return;
    }
    const int band = static_cast<int>(SPTableCell::kSectionBandHeight);
    int y = 0;
    if (top + 1 < rows && isSectionHeadingCell(top + 1)) {
        const int nextTop = tableView_->visualRect(model_->index(top + 1, 0)).top();
        // The incoming section pushes the old heading out.
        if (nextTop < band)
            y = nextTop - band;
    }
    const QString title = bandTitle(top);
    sectionHeadingView_->setHeaderString(title.isEmpty() ? QStringLiteral("#") : title);
    sectionHeadingView_->setGeometry(0, y, tableView_->viewport()->width(), band);
    sectionHeadingView_->show();
    sectionHeadingView_->raise();
}

void ManagingViewController::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    tableClipBoundsChanged();
}

} // namespace spinora
