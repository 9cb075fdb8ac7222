#include "EditorPhotos.h"

#include "PhotoSlots.h"

#include "Localization.h"
#include "SpinoraDatabase.h"
#include "UndoHistory.h"

#include <QEventLoop>
#include <QProgressDialog>

namespace spinora {

EditorPhotos::EditorPhotos(SpinoraDatabase& document, int64_t linkedType, int slotCount, std::function<QString()> title)
    : document_(document), list_(document, linkedType, slotCount), title_(std::move(title)), slotCount_(slotCount)
{
}

void EditorPhotos::makeSlots(QWidget* parent)
{
    slots_ = new PhotoSlots(slotCount_, parent);
    QObject::connect(slots_, &PhotoSlots::slotClicked, slots_, [this](int slot) { slotClicked(slot); });
}

void EditorPhotos::makeGrid(QWidget* parent)
{
    grid_ = new PhotoGridViewController(parent);
    grid_->setObjectName(QStringLiteral("photoGrid"));
}

EditorPhotos::~EditorPhotos() = default;

void EditorPhotos::start(const std::vector<Image*>& photos, int64_t ownerKey)
{
    storedSinceOpening_.reset();
    if (UndoHistory* history = document_.undoHistory())
        storedSinceOpening_ = history->recordPhotos();
    ownerKey_ = ownerKey;
    waitedForImport_ = false;
    list_.start(photos);
    slots_->setSlotsEnabled(true);
    redrawSlots();
    grid_->setDelegate(this);
    grid_->updatePhotoGrid(&document_, list_.updatedImageArrayPointer());
}

bool EditorPhotos::waitForAddedPhotos(QWidget* sheet)
{
    if (!grid_->imageSaveInProgress())
        return true;
    QProgressDialog progress(localized("Adding photos…"), localized("Keep Editing"), 0, grid_->importTotal(), sheet);
    progress.setValue(grid_->importDone());
    progress.setObjectName(QStringLiteral("addingPhotosProgress"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setAutoReset(false);
    progress.setAutoClose(false);
    progress.setMinimumDuration(0);
    QEventLoop loop;
    QObject::connect(grid_, &PhotoGridViewController::importProgress, &progress, [&progress](int done, int total) {
        progress.setMaximum(total);
        progress.setValue(done);
    });
    QObject::connect(grid_, &PhotoGridViewController::importFinished, &loop, &QEventLoop::quit);
    QObject::connect(&progress, &QProgressDialog::canceled, &loop, &QEventLoop::quit);
    progress.show();
    loop.exec();
    return !grid_->imageSaveInProgress();
}

Result<std::vector<Image*>> EditorPhotos::commit()
{
    grid_->waitForImageSave();
    waitedForImport_ = true;
    return list_.commit();
}

void EditorPhotos::finish(bool ok, bool releaseData)
{
    if (!ok)
        grid_->cancelImport();
    else if (!waitedForImport_)
        grid_->waitForImageSave();
    if (releaseData)
        list_.release();
    if (ok) {
        grid_->keepAddedPhotos();
    } else {
        // The grid removes what it stored; the list those it no longer tracks.
        list_.cancel(grid_->addedPhotos());
        grid_->discardAddedPhotos();
    }
    grid_->updatePhotoGrid(&document_, nullptr);
    list_.clear();
    storedSinceOpening_.reset();
}

void EditorPhotos::redrawSlots()
{
    slots_->redraw([this](int n) { return list_.imageInSlot(n); });
}

void EditorPhotos::slotClicked(int slot)
{
    if (slot >= 0 && list_.imageInSlot(slot))
        grid_->handleMainImageSelect(slot);
    else
        grid_->handleAddPhotoButton();
}

void EditorPhotos::updateImageArray(const std::vector<Image*>& photos)
{
    list_.updateImageArray(photos);
    redrawSlots();
}

void EditorPhotos::saveImage(Image* image, int slot)
{
    // Fifty photos arriving one by one redraw the slots only while they
    // fill them: each redraw decodes every slot's thumbnail.
    if (list_.saveImage(image, ownerKey_, slot) >= 0)
        redrawSlots();
}

void EditorPhotos::removeImages(const std::vector<Image*>& photos)
{
    list_.removeImages(photos);
    redrawSlots();
}

void EditorPhotos::storePhoto(Image* image, int n)
{
    if (!list_.storePhoto(image, n))
        return;
    redrawSlots();
    grid_->updatePhotoGrid(&document_, list_.updatedImageArrayPointer());
}

void EditorPhotos::updateCaptions()
{
    slots_->redrawToolTips([this](int n) { return list_.imageInSlot(n); });
}

} // namespace spinora
