#pragma once

#include "CellDataSource.h"
#include "ListSearch.h"

#include <QTreeView>
#include <QWidget>

#include <functional>
#include <optional>
#include <vector>

class QAbstractItemModel;
class QAction;
class QLabel;
class QMenu;
class QTimer;

namespace spinora {

class Record;
class SPHeadingView;
class SPTableCell;
class ThumbnailCache;

// The one-column list widget of the lists: Return opens the current row
// as a double-click does, and tool tips are asked of the list per point.
class ListTableView : public QTreeView {
    Q_OBJECT
public:
    using QTreeView::QTreeView;

    // Row heights changed (section flags): measure the rows again.
    void relayout() { scheduleDelayedItemsLayout(); }

signals:
    void returnPressed(int row);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool viewportEvent(QEvent* event) override;

private:
    // With SPINORA_REPORT_FIRST_ROWS set, the first paint that shows rows
    // writes "spinora: first rows painted" to stderr (launch-time benchmark).
    void reportFirstPaintedRows();
};

// The base of the three lists (cacti, watering schedules, logs): a list view
// drawn by SPTableCell over one of the document's displayed arrays, the
// floating section heading, the context menu, and the commands every list
// answers: add, delete, duplicate, search and refresh. It refreshes once for
// each change the document tells of that touches what it shows.
class ManagingViewController : public QWidget, public CellDataSource {
    Q_OBJECT
public:
    ManagingViewController(SpinoraDatabase& document, SpinoraDatabase::ListKind list, ThumbnailCache& thumbnails,
                           QWidget* parent = nullptr);
    ~ManagingViewController() override;

    SpinoraDatabase& document() const { return document_; }
    ListTableView* tableView() const { return tableView_; }
    SPTableCell* cell() const { return cell_; }
    SPHeadingView* sectionHeadingView() const { return sectionHeadingView_; }
    QMenu* contextMenu() const { return contextMenu_; }
    ThumbnailCache& thumbnails() const { return thumbnails_; }

    virtual int numberOfRows() const = 0;
    // The record a row shows (reloads compare them).
    virtual const Record* recordAt(int row) const = 0;
    // True while the list's records are still read behind the first screen
    // of a large collection: it then shows "Loading…" and no rows, so that
    // showing it does not wait for them. It fills when they arrive; until
    // its search has its keys it says "Searching…".
    virtual bool waitsForRecords() const { return false; }
    // False while the list is being made or destroyed.
    bool isReady() const { return ready_; }

    // Where the search field's current text comes from (none for a list
    // that is not filtered, such as a plant's log history).
    void setSearchTextProvider(std::function<QString()> provider) { searchText_ = std::move(provider); }
    QString currentSearchText() const { return searchText_ ? searchText_() : QString(); }

    // --- The commands of every list.
    virtual void handleAddButton() = 0;
    virtual void handleDeleteButton() = 0;
    virtual void handleDuplicate() = 0;
    // Rebuilds the document's displayed array of this list from the full
    // one for a search text (always the document's list); false when the
    // search waits for keys still to be made (searchPending_) and the
    // displayed rows did not change.
    bool handleSearch(const QString& text);
    // Searches first when a text is given, then reloads rows and headings.
    virtual void refreshData(const std::optional<QString>& text);
    // Opens the record's editor for a row (double-click, "Edit", Return).
    virtual void showInfo(int row) = 0;
    // Return: the current (or first selected) row.
    void editSelected();

    // The row a context menu or double-click was opened on; -1 for none.
    int clickedRow() const { return clickedRow_; }
    void setClickedRow(int row) { clickedRow_ = row; }
    std::vector<int> selectedRowsAscending() const;
    // The selected rows in order or, with no selection, the clicked row when
    // it lies in the list.
    std::vector<int> rowsToActOn() const;

    // Refilters the displayed array for the current text and reloads the rows.
    void rerunSearch();
    void refreshData() { refreshData(currentSearchText()); }
    // The logs were read behind the first screen and are now linked to
    // their plants: rows that show them repaint, a search runs again.
    void linkedRecordsArrived();

    // Recomputes the section flags and places the floating heading.
    void refreshHeadings();
    // The list scrolled: moves the floating heading.
    void tableClipBoundsChanged();

    // The keys the list can be sorted by, as checkable actions (the header's
    // context menu and View › Sort By); none for a list sorted one way only.
    QList<QAction*> sortActions();
    // The title of a sort key, as the header shows it.
    static QString sortKeyTitle(SortKey key);

    // The text of a tool tip at a point measured from the row's content top-left.
    virtual QString toolTipForRow(int, const QPointF&) const { return QString(); }

signals:
    // The context menu's "Print".
    void printRequested();
    // The user chose another key to sort by.
    void sortKeyChosen();

protected:
    // The texts the rows show, as the search reads them.
    const ListTexts& texts() const { return search_.texts(); }
    // Has the view ask for the rows again; the model forgets them only when
    // other records are shown.
    void reloadRows();
    virtual QString headerTitle() const = 0;
    virtual bool sortAscending() const = 0;
    // The header was clicked: flip the direction and have the document sort.
    virtual void flipSortDirection() = 0;
    // The keys offered, the first being the default; the list's key now.
    virtual std::vector<SortKey> sortKeys() const { return {}; }
    SortKey sortKey() const;
    // Has the document sort by another key (the list refreshes on its notice).
    virtual void sortBy(SortKey) {}
    // Sets the rows' section flags; answers whether sections are shown.
    virtual bool computeSectionFlags() { return false; }
    // The floating heading's title for the section of a row.
    virtual QString bandTitle(int) const { return QString(); }
    // Clears the selection (before the selected records are removed).
    void clearSelection();
    // The window's lists fill the document's displayed arrays from their
    // searches (a plant's log history shows its own logs instead).
    void fillDocumentList();
    // The kinds of records whose change shows in the rows.
    virtual RecordKinds shownKinds() const = 0;

    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // The search keys are made in idle time while the list is shown, so
    // that the first keystroke finds them ready.
    void prepareSearchSoon();
    bool isShownInWindow() const;
    void buildContextMenu();
    void changeNoticed(const CollectionChange& change);
    void headerClicked();
    void setSortIndicator();
    void showHeaderMenu(const QPoint& pos);
    // "Loading…" or "Searching…" over a list that shows no rows yet; none
    // for an empty text.
    void showNotice(const QString& text);

    SpinoraDatabase& document_;
    const SpinoraDatabase::ListKind list_;
    bool fillsDocumentList_ = false;
    ThumbnailCache& thumbnails_;
    ListTableView* tableView_ = nullptr;
    QAbstractItemModel* model_ = nullptr;
    std::vector<const Record*> shownRows_;
    SPTableCell* cell_ = nullptr;
    SPHeadingView* sectionHeadingView_ = nullptr;
    QMenu* contextMenu_ = nullptr;
    QList<QAction*> sortActions_; // made on first use
    std::function<QString()> searchText_;
    ListSearch search_;
    // Search keys are made in steps of a few milliseconds, in idle time for
    // as long as a slice of a turn allows.
    static constexpr int kKeysPerStep = 500;
    static constexpr int kPrepareSliceMs = 8;
    // A shown list emptied by the replacement of every record (an import,
    // its undo) and holding no more records than this makes their keys at
    // once, some tens of milliseconds: it is whole again before it is
    // drawn. A larger one fills in idle time as above.
    static constexpr size_t kRefillKeys = 10000;
    QTimer* prepareTimer_ = nullptr;
    // The current search text waits for its keys; it runs once they are made.
    bool searchPending_ = false;
    // Made when the list first has something to say.
    QLabel* notice_ = nullptr;
    bool sectionsShown_ = false;
    bool ready_ = false;
    int clickedRow_ = -1;
};

} // namespace spinora
