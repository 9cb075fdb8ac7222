#include "EditorPhotos.h"

#include "PhotoSlots.h"

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

void EditorPhotos::start(const std::vector<Image*>& photos, int64_t ownerKey)
{
    ownerKey_ = ownerKey;
    waitedForImport_ = false;
    list_.start(photos);
    slots_->setSlotsEnabled(true);
    redrawSlots();
    grid_->setDelegate(this);
    grid_->updatePhotoGrid(&document_, list_.updatedImageArrayPointer());
}

std::vector<Image*> EditorPhotos::commit()
{
    grid_->waitForImageSave();
    waitedForImport_ = true;
    std::vector<Image*> photos = list_.commit();
    grid_->keepAddedPhotos();
    return photos;
}

void EditorPhotos::finish(bool ok, bool releaseData)
{
    if (!waitedForImport_)
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
    list_.saveImage(image, ownerKey_, slot);
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
