#include "CactusTable.h"

#include "Artwork.h"
#include "SPTableCell.h"
#include "ThumbnailCache.h"

#include "Cactus.h"
#include "Image.h"
#include "Localization.h"

#include <QAbstractListModel>
#include <QHeaderView>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QToolTip>

#include <algorithm>

namespace spinora {

// The rows: their number and, for screen readers and type-ahead, the plant's
// name. The cell asks the table for everything else.
class CactusTable::Model : public QAbstractListModel {
public:
    explicit Model(CactusTable& table) : QAbstractListModel(&table), table_(table) {}

    int rowCount(const QModelIndex& parent) const override
    {
        return parent.isValid() ? 0 : int(table_.rows_().size());
    }

    QVariant data(const QModelIndex& index, int role) const override
    {
        const Cactus* cactus = table_.cactusAt(index.row());
        if (!cactus)
            return {};
        // Where plants are marked as following a schedule, a screen reader
        // says so as a check box's state; the cell draws the watering can.
        if (role == Qt::CheckStateRole && table_.marked_)
            return cactus->water() == table_.marked_ ? Qt::Checked : Qt::Unchecked;
        if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)
            return {};
        return cactus->name();
    }

    Qt::ItemFlags flags(const QModelIndex& index) const override
    {
        Qt::ItemFlags flags = QAbstractListModel::flags(index);
        return table_.marked_ ? flags | Qt::ItemIsUserCheckable : flags;
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (section == 0 && orientation == Qt::Horizontal && role == Qt::DisplayRole)
            return localized("Name");
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
    }

private:
    CactusTable& table_;
};

CactusTable::CactusTable(Rows rows, QWidget* parent)
    : QTreeView(parent), rows_(std::move(rows)), thumbnails_(std::make_unique<ThumbnailCache>())
{
    model_ = new Model(*this);
    setModel(model_);
    setItemDelegate(new SPTableCell(*this, *thumbnails_, this));
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    SPTableCell::useListBackground(this);
    header()->setStretchLastSection(true);
    header()->setSectionsClickable(true);
    header()->setSortIndicatorShown(true);
    connect(header(), &QHeaderView::sectionClicked, this, &CactusTable::headerClicked);
    connect(thumbnails_.get(), &ThumbnailCache::thumbnailReady, viewport(), qOverload<>(&QWidget::update));
    connect(thumbnails_.get(), &ThumbnailCache::thumbnailMissing, this, &CactusTable::restoreMissingThumbnail);
}

CactusTable::~CactusTable() = default;

void CactusTable::reload(bool ascending)
{
    // The same plants in the same order (a choice changed their marks) keep
    // their rows: a screen reader still holds the row it was just told of,
    // and a reset would leave it asking a row that is no more.
    if (rows_() == shown_) {
        model_->refresh();
    } else {
        shown_ = rows_();
        model_->reset();
    }
    header()->setSortIndicator(0, ascending ? Qt::AscendingOrder : Qt::DescendingOrder);
}

Cactus* CactusTable::cactusAt(int row) const
{
    const auto& rows = rows_();
    return row >= 0 && size_t(row) < rows.size() ? rows[size_t(row)] : nullptr;
}

std::vector<int> CactusTable::chosenRows() const
{
    std::vector<int> rows;
    for (const QModelIndex& index : selectionModel()->selectedRows())
        rows.push_back(index.row());
    if (rows.empty() && currentIndex().isValid())
        rows.push_back(currentIndex().row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

// --- What the cell asks

QString CactusTable::firstTextForCell(int row) const
{
    const Cactus* cactus = cactusAt(row);
    return cactus ? cactus->name() : QString();
}

QString CactusTable::secondTextForCell(int row) const
{
    const Cactus* cactus = cactusAt(row);
    return cactus ? speciesText(*cactus) : QString();
}

CellDataSource::TextRange CactusTable::italicTextRangeForCell(int row) const
{
    const Cactus* cactus = cactusAt(row);
    if (!cactus)
        return {};
    const auto [location, length] = cactus->textItalicRange();
    return {location, length};
}

QString CactusTable::eventText(int row, size_t index) const
{
    const Cactus* cactus = cactusAt(row);
    return cactus && cactus->eventString(index) ? formats_.eventText(*cactus, index) : QString();
}

Image* CactusTable::imageForCell(int row) const
{
    const Cactus* cactus = cactusAt(row);
    return cactus ? cactus->cellImage() : nullptr;
}

bool CactusTable::wateringIconForCell(int row) const
{
    const Cactus* cactus = cactusAt(row);
    return marked_ && cactus && cactus->water() == marked_;
}

QString CactusTable::backgroundImageForCell(int row) const
{
    const Cactus* cactus = cactusAt(row);
    return cactus && cactus->wateringDue() ? QString::fromLatin1(artwork::kReminderCellBackground) : QString();
}

// --- Keys and tool tips

void CactusTable::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if ((key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) && event->modifiers() == Qt::NoModifier) {
        const std::vector<int> rows = chosenRows();
        if (!rows.empty())
            emit rowsChosen(rows);
        event->accept();
        return;
    }
    QTreeView::keyPressEvent(event);
}

bool CactusTable::viewportEvent(QEvent* event)
{
    if (event->type() != QEvent::ToolTip)
        return QTreeView::viewportEvent(event);
    // The caption of the photo under the pointer.
    auto* help = static_cast<QHelpEvent*>(event);
    const QModelIndex index = indexAt(help->pos());
    QString tip;
    if (Image* photo = index.isValid() ? imageForCell(index.row()) : nullptr) {
        const QPoint inRow = help->pos() - visualRect(index).topLeft();
        if (inRow.x() >= 10 && inRow.x() <= 110 && inRow.y() >= 20 && inRow.y() <= 120) {
            tip = photo->captionForDisplay();
        }
    }
    if (tip.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), tip, viewport());
    return true;
}

void CactusTable::restoreMissingThumbnail(const QString& croppedThumbnailFile)
{
    // A collection that came from an interchange file has its thumbnails in
    // the database only: they are written out once, then drawn.
    if (restoredThumbnails_.contains(croppedThumbnailFile))
        return;
    restoredThumbnails_.append(croppedThumbnailFile);
    for (Cactus* cactus : rows_()) {
        Image* photo = cactus->cellImage();
        if (photo && photo->croppedThumbnailFile() == croppedThumbnailFile) {
            photo->hydrateThumbnailForDisplay();
            thumbnails_->forget(croppedThumbnailFile);
            viewport()->update();
            return;
        }
    }
}

} // namespace spinora
