#include "PhotoGridViewController.h"

#include "Localization.h"
#include "PhotoAddingJob.h"
#include "PhotoOriginals.h"
#include "PhotoStore.h"

#include "Image.h"
#include "SpinoraDatabase.h"

#include <QAbstractListModel>
#include <QCache>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QMessageBox>
#include <QMimeData>
#include <QPainter>
#include <QPainterPath>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>

namespace spinora {

namespace {

const char* const kRowsMimeType = "application/x-spinora-photo-rows";
// Zoom 0.46 of the largest cell is where the grid starts.
constexpr int kInitialZoom = 46;
constexpr int kSmallestCell = 64;
constexpr int kLargestCell = 320;
constexpr int kSpacing = 10;

int cellSide(int zoom)
{
    return kSmallestCell + (kLargestCell - kSmallestCell) * zoom / 100;
}

} // namespace

// --- The grid's model: the photos in grid order, drawn from their square
// thumbnails, with the caption as tool tip.

class PhotoGridModel : public QAbstractListModel {
public:
    explicit PhotoGridModel(PhotoGridViewController* grid)
        : QAbstractListModel(grid), grid_(grid), cache_(PhotoGridViewController::kCacheLimit)
    {
    }

    int rowCount(const QModelIndex& parent) const override
    {
        return parent.isValid() ? 0 : int(grid_->imageArray_.size());
    }

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!index.isValid() || index.row() >= int(grid_->imageArray_.size()))
            return {};
        Image* image = grid_->imageArray_[size_t(index.row())];
        switch (role) {
        case Qt::DecorationRole:
            return thumbnailOf(image);
        case Qt::ToolTipRole: {
            // Captions are read only when a tool tip asks for one.
            const QString caption = image->captionForDisplay();
            return caption.isEmpty() ? QVariant() : QVariant(caption);
        }
        case Qt::AccessibleTextRole:
            return image->caption();
        default:
            return {};
        }
    }

    Qt::ItemFlags flags(const QModelIndex& index) const override
    {
        if (!index.isValid())
            return Qt::ItemIsDropEnabled;
        return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled;
    }

    QStringList mimeTypes() const override { return {QLatin1String(kRowsMimeType), QStringLiteral("text/uri-list")}; }
    Qt::DropActions supportedDropActions() const override { return Qt::CopyAction | Qt::MoveAction; }
    Qt::DropActions supportedDragActions() const override { return Qt::MoveAction; }

    QMimeData* mimeData(const QModelIndexList& indexes) const override
    {
        QList<int> rows;
        for (const QModelIndex& index : indexes)
            rows.append(index.row());
        std::sort(rows.begin(), rows.end());
        QByteArray encoded;
        for (int row : rows)
            encoded += QByteArray::number(row) + ' ';
        auto* data = new QMimeData;
        data->setData(QLatin1String(kRowsMimeType), encoded.trimmed());
        return data;
    }

    void reset()
    {
        beginResetModel();
        endResetModel();
    }
    void appended(int first, int last)
    {
        beginInsertRows({}, first, last);
        endInsertRows();
    }
    void forget(Image* image) { cache_.remove(image); }
    void forgetAll() { cache_.clear(); }

private:
    // The drawn thumbnails of the photos last shown, at most kCacheLimit.
    QPixmap thumbnailOf(Image* image) const
    {
        if (QPixmap* cached = cache_.object(image))
            return *cached;
        image->hydrateThumbnailForDisplay();
        QImage square = image->croppedThumbnail();
        if (square.isNull())
            square = Image::centredSquare(image->thumbnail());
        if (square.isNull())
            return {};
        auto* pixmap = new QPixmap(QPixmap::fromImage(square));
        const QPixmap result = *pixmap;
        cache_.insert(image, pixmap);
        return result;
    }

    PhotoGridViewController* grid_;
    mutable QCache<Image*, QPixmap> cache_;
};

namespace {

// Draws each photo as a square thumbnail in an outlined cell.
class PhotoCellDelegate : public QStyledItemDelegate {
public:
    explicit PhotoCellDelegate(QObject* parent, const int* side)
        : QStyledItemDelegate(parent), side_(side)
    {
    }

    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override { return {*side_, *side_}; }

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setRenderHint(QPainter::SmoothPixmapTransform);
        const QRectF cell = QRectF(option.rect).adjusted(1.5, 1.5, -1.5, -1.5);
        const bool selected = option.state & QStyle::State_Selected;
        QPainterPath outline;
        outline.addRoundedRect(cell, 6, 6);
        painter->fillPath(outline, option.palette.color(QPalette::Base));
        const QPixmap pixmap = index.data(Qt::DecorationRole).value<QPixmap>();
        const QRectF picture = cell.adjusted(6, 6, -6, -6);
        if (!pixmap.isNull())
            painter->drawPixmap(picture, pixmap, QRectF(pixmap.rect()));
        else
            painter->fillRect(picture, option.palette.color(QPalette::AlternateBase));
        QPen pen(selected ? option.palette.color(QPalette::Highlight) : option.palette.color(QPalette::Mid));
        pen.setWidthF(selected ? 3.0 : 1.0);
        painter->setPen(pen);
        painter->drawPath(outline);
        painter->restore();
    }

private:
    const int* side_;
};

} // namespace

// The grid view: drops of picture files add photos, drops of its own rows
// reorder them by the grid's algorithm (the model is never asked to move
// or remove rows itself).
class PhotoGridView : public QListView {
public:
    explicit PhotoGridView(PhotoGridViewController* grid)
        : QListView(grid), grid_(grid)
    {
    }

    // Where a drop at `pos` would insert: before the cell under it, or
    // after it when the drop is on its right half.
    int destinationAt(const QPoint& pos) const
    {
        const QModelIndex index = indexAt(pos);
        if (!index.isValid())
            return model()->rowCount();
        const QRect rect = visualRect(index);
        return pos.x() > rect.center().x() ? index.row() + 1 : index.row();
    }

protected:
    void dragEnterEvent(QDragEnterEvent* event) override
    {
        if (event->mimeData()->hasFormat(QLatin1String(kRowsMimeType)) || event->mimeData()->hasUrls()) {
            event->setDropAction(event->source() == this ? Qt::MoveAction : Qt::CopyAction);
            event->accept();
        } else {
            // Anything else is accepted and ignored, as a drop of nothing.
            event->acceptProposedAction();
        }
    }

    void dragMoveEvent(QDragMoveEvent* event) override
    {
        event->setDropAction(event->source() == this ? Qt::MoveAction : Qt::CopyAction);
        event->accept();
    }

    void dropEvent(QDropEvent* event) override
    {
        const QMimeData* data = event->mimeData();
        const int destination = destinationAt(event->position().toPoint());
        if (event->source() == this && data->hasFormat(QLatin1String(kRowsMimeType))) {
            std::vector<int> rows;
            for (const QByteArray& row : data->data(QLatin1String(kRowsMimeType)).split(' '))
                if (!row.isEmpty())
                    rows.push_back(row.toInt());
            grid_->moveImages(rows, destination);
        } else if (data->hasUrls()) {
            QStringList paths;
            for (const QUrl& url : data->urls())
                if (url.isLocalFile())
                    paths.append(url.toLocalFile());
            if (!paths.isEmpty())
                grid_->addPhotosWithPaths(paths);
        }
        // Reported as a copy: the view then never removes the dragged rows.
        event->setDropAction(Qt::CopyAction);
        event->accept();
    }

    void keyPressEvent(QKeyEvent* event) override
    {
        if (event->key() == Qt::Key_Delete || event->key() == Qt::Key_Backspace) {
            grid_->handleDeletePhotoButton();
            return;
        }
        QListView::keyPressEvent(event);
    }

private:
    PhotoGridViewController* grid_;
};

// --- The controller

PhotoGridViewController::PhotoGridViewController(QWidget* parent)
    : QWidget(parent)
{
    job_ = new PhotoAddingJob(this);
    // Photos are stored one per turn of the event loop: results that
    // arrived together would otherwise be stored in one go, and the window
    // would wait for all of them.
    storeTimer_ = new QTimer(this);
    storeTimer_->setSingleShot(true);
    storeTimer_->setInterval(0);
    connect(storeTimer_, &QTimer::timeout, this, &PhotoGridViewController::storeNextArrived);
    connect(job_, &PhotoAddingJob::prepared, this, [this](const PreparedPhoto& photo) {
        arrived_.push_back(photo);
        storeTimer_->start();
    });
    connect(job_, &PhotoAddingJob::finished, this, [this] {
        if (arrived_.empty())
            finishImport();
    });
    model_ = new PhotoGridModel(this);
    auto* view = new PhotoGridView(this);
    imageBrowser_ = view;
    imageBrowser_->setObjectName(QStringLiteral("imageBrowser"));
    imageBrowser_->setAccessibleName(localized("All Photos"));
    imageBrowser_->setViewMode(QListView::IconMode);
    imageBrowser_->setMovement(QListView::Static);
    imageBrowser_->setResizeMode(QListView::Adjust);
    imageBrowser_->setUniformItemSizes(true);
    imageBrowser_->setSpacing(kSpacing / 2); // on each side: 10 between cells
    imageBrowser_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    imageBrowser_->setDragEnabled(true);
    imageBrowser_->setAcceptDrops(true);
    imageBrowser_->viewport()->setAcceptDrops(true);
    imageBrowser_->setDropIndicatorShown(true);
    imageBrowser_->setDragDropMode(QAbstractItemView::DragDrop);
    imageBrowser_->setDefaultDropAction(Qt::MoveAction);
    imageBrowser_->setModel(model_);
    static_assert(kInitialZoom >= 0 && kInitialZoom <= 100);
    cellSide_ = cellSide(kInitialZoom);
    imageBrowser_->setItemDelegate(new PhotoCellDelegate(imageBrowser_, &cellSide_));
    imageBrowser_->setGridSize(QSize(cellSide_ + kSpacing, cellSide_ + kSpacing));
    connect(imageBrowser_, &QListView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.isValid() && index.row() < int(imageArray_.size()))
            openPhoto(imageArray_[size_t(index.row())]);
    });

    addButton_ = new QPushButton(localized("Add Photos…"), this);
    addButton_->setObjectName(QStringLiteral("addPhotoButton"));
    addButton_->setToolTip(localized("Add photos from picture files. You can also drop picture files on the grid."));
    connect(addButton_, &QPushButton::clicked, this, &PhotoGridViewController::handleAddPhotoButton);
    deleteButton_ = new QPushButton(localized("Delete"), this);
    deleteButton_->setObjectName(QStringLiteral("deletePhotoButton"));
    deleteButton_->setEnabled(false);
    connect(deleteButton_, &QPushButton::clicked, this, &PhotoGridViewController::handleDeletePhotoButton);
    zoomSlider_ = new QSlider(Qt::Horizontal, this);
    zoomSlider_->setObjectName(QStringLiteral("zoomSlider"));
    zoomSlider_->setRange(0, 100);
    zoomSlider_->setValue(kInitialZoom);
    zoomSlider_->setMaximumWidth(160);
    zoomSlider_->setToolTip(localized("Size of the photos"));
    zoomSlider_->setAccessibleName(localized("Size of the photos"));
    connect(zoomSlider_, &QSlider::valueChanged, this, &PhotoGridViewController::zoomDidChange);
    progressIndicator_ = new QProgressBar(this);
    progressIndicator_->setObjectName(QStringLiteral("progressIndicator"));
    progressIndicator_->setAccessibleName(localized("Adding photos"));
    progressIndicator_->setMaximumWidth(160);
    progressIndicator_->setTextVisible(false);
    progressIndicator_->hide();
    connect(imageBrowser_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &PhotoGridViewController::selectionChanged);

    auto* small = new QLabel(this);
    small->setPixmap(style()->standardIcon(QStyle::SP_FileDialogListView).pixmap(12, 12));
    auto* large = new QLabel(this);
    large->setPixmap(style()->standardIcon(QStyle::SP_FileDialogListView).pixmap(18, 18));

    auto* bar = new QHBoxLayout;
    bar->addWidget(addButton_);
    bar->addWidget(deleteButton_);
    bar->addSpacing(8);
    bar->addWidget(progressIndicator_);
    bar->addStretch(1);
    bar->addWidget(small);
    bar->addWidget(zoomSlider_);
    bar->addWidget(large);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(imageBrowser_, 1);
    layout->addLayout(bar);
}

PhotoGridViewController::~PhotoGridViewController()
{
    // The thread may be writing into the folder: it ends first.
    job_->cancel();
    arrived_.clear();
    removeAddingFolder();
}

void PhotoGridViewController::updatePhotoGrid(SpinoraDatabase* database, const std::vector<Image*>* photoArray)
{
    if (database != database_) {
        // Another document: what was added to the previous one stays there,
        // what was still on its way is not stored in either.
        cancelImport();
        addedPhotos_.clear();
        importedImageArray_.clear();
    }
    database_ = database;
    model_->forgetAll();
    imageArray_ = photoArray ? *photoArray : std::vector<Image*>();
    for (Image* image : imageArray_)
        image->hydrateThumbnailForDisplay();
    reloadGrid();
}

void PhotoGridViewController::refreshImageBrowser()
{
    if (importedImageArray_.empty())
        return;
    const int first = int(imageArray_.size());
    imageArray_.insert(imageArray_.end(), importedImageArray_.begin(), importedImageArray_.end());
    importedImageArray_.clear();
    model_->appended(first, int(imageArray_.size()) - 1);
}

void PhotoGridViewController::reloadGrid()
{
    model_->reset();
    selectionChanged();
}

void PhotoGridViewController::selectionChanged()
{
    deleteButton_->setEnabled(imageBrowser_->selectionModel()->hasSelection());
}

// --- Adding

void PhotoGridViewController::handleAddPhotoButton()
{
    addNewPhoto(-1);
}

void PhotoGridViewController::addNewPhoto(int slot)
{
    (void)slot; // new photos always go after the existing ones
    auto* panel = new QFileDialog(window(), localized("Add Photos"));
    panel->setAttribute(Qt::WA_DeleteOnClose);
    panel->setFileMode(QFileDialog::ExistingFiles);
    panel->setNameFilter(localized("Pictures (*.jpg *.jpeg *.png *.gif *.tif *.tiff *.bmp)"));
    panel->setWindowModality(Qt::WindowModal);
    connect(panel, &QFileDialog::filesSelected, this, &PhotoGridViewController::addPhotosWithPaths);
    panel->open();
}

void PhotoGridViewController::addPhotosWithPaths(const QStringList& paths)
{
    if (paths.isEmpty())
        return;
    if (!database_) {
        lastRefusals_ = {localized("No collection is open.")};
        return;
    }
    const bool running = imageSaveInProgress();
    if (!running) {
        // A new import (not files queued behind a running one).
        lastRefusals_.clear();
        storedInImport_ = 0;
        importDone_ = 0;
        importTotal_ = 0;
    }
    if (!makeAddingFolder()) {
        for (const QString& path : paths)
            lastRefusals_.append(QStringLiteral("%1: %2").arg(QFileInfo(path).fileName(), PhotoStore::diskFullReason()));
        if (!running)
            finishImport();
        return;
    }
    importTotal_ += int(paths.size());
    progressIndicator_->setRange(0, importTotal_);
    progressIndicator_->setValue(importDone_);
    progressIndicator_->show();
    emit importProgress(importDone_, importTotal_);
    PhotoAddingRequest request;
    request.sources = paths;
    request.folder = addingFolder_->path();
    request.firstNumber = nextPhotoNumber_;
    request.keepOriginals = PhotoOriginals::keep();
    nextPhotoNumber_ += int(paths.size());
    job_->start(std::move(request));
}

bool PhotoGridViewController::makeAddingFolder()
{
    if (addingFolder_)
        return true;
    const QString parent = Image::addingFolder(database_->packageFilename());
    QDir().mkpath(parent);
    auto folder = std::make_unique<QTemporaryDir>(parent + QStringLiteral("/photos-XXXXXX"));
    if (!folder->isValid()) {
        QDir().rmdir(parent);
        return false;
    }
    addingFolder_ = std::move(folder);
    nextPhotoNumber_ = 1;
    return true;
}

void PhotoGridViewController::removeAddingFolder()
{
    if (!addingFolder_)
        return;
    const QString parent = QFileInfo(addingFolder_->path()).absolutePath();
    addingFolder_.reset(); // with what refused or unstored photos left in it
    QDir().rmdir(parent);  // unless another editor is adding photos too
}

void PhotoGridViewController::countImported()
{
    ++importDone_;
    progressIndicator_->setValue(importDone_);
    emit importProgress(importDone_, importTotal_);
}

void PhotoGridViewController::photoRefused(const QString& file, const QString& reason)
{
    lastRefusals_.append(QStringLiteral("%1: %2").arg(QFileInfo(file).fileName(), reason));
    countImported();
}

void PhotoGridViewController::storeNextArrived()
{
    if (arrived_.empty())
        return;
    const PreparedPhoto photo = std::move(arrived_.front());
    arrived_.pop_front();
    photoPrepared(photo);
    if (!arrived_.empty())
        storeTimer_->start();
    else if (!job_->isRunning())
        finishImport();
}

void PhotoGridViewController::photoPrepared(const PreparedPhoto& photo)
{
    if (!photo.ok()) {
        photoRefused(photo.source, photo.reason);
        return;
    }
    auto image = std::make_unique<Image>();
    if (delegate_)
        delegate_->linkNewImage(image.get());
    const Result<Image*> stored = PhotoStore(*database_).store(std::move(image), photo);
    if (!stored) {
        logFailure(stored.failure());
        photoRefused(photo.source, stored.failure().reason());
        return;
    }
    // The editor hears of the photo only once it is safely stored; the grid
    // needs only the thumbnail, read again on demand.
    if (delegate_)
        delegate_->saveImage(*stored, -1);
    (*stored)->unload();
    addedPhotos_.push_back(*stored);
    importedImageArray_.push_back(*stored);
    ++storedInImport_;
    refreshImageBrowser();
    countImported();
}

void PhotoGridViewController::finishImport()
{
    removeAddingFolder();
    refreshImageBrowser();
    progressIndicator_->hide();
    const QStringList refusals = lastRefusals_;
    const int stored = storedInImport_;
    importDone_ = importTotal_ = 0;
    emit importFinished(stored, refusals);
    if (!refusals.isEmpty() && showsAlerts_) {
        auto* alert = new QMessageBox(QMessageBox::Warning, localized("WARNING"),
                                      refusals.size() == 1 ? localized("This file was not added:")
                                                           : localized("These files were not added:"),
                                      QMessageBox::Ok, window());
        alert->setInformativeText(refusals.join(QLatin1Char('\n')));
        alert->setAttribute(Qt::WA_DeleteOnClose);
        alert->setWindowModality(Qt::WindowModal);
        alert->open();
    }
}

bool PhotoGridViewController::imageSaveInProgress() const
{
    return job_->isRunning() || !arrived_.empty();
}

bool PhotoGridViewController::waitForImageSave(int timeoutMs)
{
    if (!imageSaveInProgress())
        return true;
    // The finished photos reach the main thread as events: wait in an event
    // loop that stores them, without taking the user's input meanwhile.
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    connect(this, &PhotoGridViewController::importFinished, &loop, &QEventLoop::quit);
    timer.start(timeoutMs);
    while (imageSaveInProgress() && timer.isActive())
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    return !imageSaveInProgress();
}

void PhotoGridViewController::cancelImport()
{
    if (!imageSaveInProgress())
        return;
    job_->cancel();
    arrived_.clear();
    storeTimer_->stop();
    finishImport();
}

void PhotoGridViewController::keepAddedPhotos()
{
    addedPhotos_.clear();
}

void PhotoGridViewController::discardAddedPhotos()
{
    cancelImport();
    refreshImageBrowser();
    for (Image* image : addedPhotos_) {
        std::erase(imageArray_, image);
        model_->forget(image);
        if (!database_)
            continue;
        // A photo that cannot be taken out now stays in the collection,
        // unlinked, and goes at the next writing open.
        if (Result<> removed = database_->removeImage(image); !removed)
            logFailure(removed.failure());
    }
    addedPhotos_.clear();
    reloadGrid();
}

// --- Deleting, reordering, zoom

void PhotoGridViewController::handleDeletePhotoButton()
{
    QList<int> rows;
    for (const QModelIndex& index : imageBrowser_->selectionModel()->selectedIndexes())
        rows.append(index.row());
    if (rows.isEmpty())
        return;
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    std::vector<Image*> removed;
    for (int row : rows)
        if (row >= 0 && row < int(imageArray_.size()))
            removed.push_back(imageArray_[size_t(row)]);
    for (Image* image : removed)
        std::erase(imageArray_, image);
    imageBrowser_->clearSelection();
    reloadGrid();
    if (delegate_)
        delegate_->removeImages(removed);
}

std::vector<Image*> PhotoGridViewController::reorderedPhotos(std::vector<Image*> photos, std::vector<int> dragged,
                                                             int destination)
{
    std::sort(dragged.begin(), dragged.end());
    dragged.erase(std::unique(dragged.begin(), dragged.end()), dragged.end());
    std::erase_if(dragged, [&](int i) { return i < 0 || i >= int(photos.size()); });
    destination = std::clamp(destination, 0, int(photos.size()));
    // Taken out from the highest index down; each one taken from below the
    // destination moves the destination one place up.
    std::vector<Image*> moving;
    for (auto it = dragged.rbegin(); it != dragged.rend(); ++it) {
        moving.insert(moving.begin(), photos[size_t(*it)]);
        photos.erase(photos.begin() + *it);
        if (*it < destination)
            --destination;
    }
    photos.insert(photos.begin() + destination, moving.begin(), moving.end());
    return photos;
}

void PhotoGridViewController::moveImages(std::vector<int> dragged, int destination)
{
    imageArray_ = reorderedPhotos(imageArray_, std::move(dragged), destination);
    reloadGrid();
    if (delegate_)
        delegate_->updateImageArray(imageArray_);
}

void PhotoGridViewController::zoomDidChange(int value)
{
    cellSide_ = cellSide(std::clamp(value, 0, 100));
    imageBrowser_->setGridSize(QSize(cellSide_ + kSpacing, cellSide_ + kSpacing));
    imageBrowser_->doItemsLayout();
    imageBrowser_->viewport()->update();
}

// --- Opening photos

void PhotoGridViewController::handleMainImageSelect(int slot)
{
    Image* image = delegate_ ? delegate_->imageInSlot(slot) : nullptr;
    if (image)
        image->hydrateForDisplay();
    if (image && !image->photo().isNull())
        openPhoto(image);
    else
        addNewPhoto(slot);
}

void PhotoGridViewController::openPhoto(Image* image)
{
    if (!image || !database_)
        return;
    image->hydrateForDisplay();
    if (image->photo().isNull())
        return;
    PhotoViewController viewer(database_, window());
    viewer.setDelegate(this);
    viewer.presentPhoto(delegate_ ? delegate_->imageTitle() : QString(), image);
}

Image* PhotoGridViewController::previousPhoto(Image* current)
{
    auto it = std::find(imageArray_.begin(), imageArray_.end(), current);
    if (it == imageArray_.end())
        return current;
    return it == imageArray_.begin() ? imageArray_.back() : *(it - 1);
}

Image* PhotoGridViewController::nextPhoto(Image* current)
{
    auto it = std::find(imageArray_.begin(), imageArray_.end(), current);
    if (it == imageArray_.end())
        return current;
    return (it + 1 == imageArray_.end()) ? imageArray_.front() : *(it + 1);
}

void PhotoGridViewController::storePhoto(Image* image, int slot)
{
    if (delegate_)
        delegate_->storePhoto(image, slot);
}

void PhotoGridViewController::updateCaptions()
{
    imageBrowser_->viewport()->update();
    if (delegate_)
        delegate_->updateCaptions();
}

} // namespace spinora
