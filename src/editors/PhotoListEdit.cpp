#include "PhotoListEdit.h"

#include "Image.h"
#include "SpinoraDatabase.h"

#include <algorithm>

namespace spinora {

PhotoListEdit::PhotoListEdit(SpinoraDatabase& document, int64_t linkedType, int slotCount)
    : document_(document), linkedType_(linkedType), slotCount_(slotCount)
{
}

void PhotoListEdit::start(const std::vector<Image*>& photos)
{
    clear();
    updated_ = photos;
}

Image* PhotoListEdit::imageInSlot(int n) const
{
    if (n < 0 || n >= slotCount_ || n >= int(updated_.size()))
        return nullptr;
    return updated_[size_t(n)];
}

void PhotoListEdit::link(Image* image, int64_t ownerKey) const
{
    image->setLinkedType(linkedType_);
    image->setLinkedKey(ownerKey);
    image->setTagValue(int64_t(updated_.size()) + 1);
}

int PhotoListEdit::saveImage(Image* image, int64_t ownerKey, int slot)
{
    link(image, ownerKey);
    // Nothing to write when linkNewImage set the same link; a link that
    // cannot be written now is written with the owner's OK.
    if (Result<> saved = image->save(); !saved)
        logFailure(saved.failure());
    toAdd_.push_back(image);
    const int position = addImage(image, -1);
    if (slot >= 0 && slot < slotCount_)
        return slot;
    if (slot == -1 && position >= 0 && position < slotCount_)
        return position;
    return -1;
}

int PhotoListEdit::addImage(Image* image, int index)
{
    if (std::find(updated_.begin(), updated_.end(), image) != updated_.end())
        return -1;
    const int countBefore = int(updated_.size());
    if (index >= 0 && index < countBefore) {
        updated_.insert(updated_.begin() + index, image);
        return index;
    }
    updated_.push_back(image);
    if (index == -1 && countBefore < slotCount_)
        return countBefore;
    return index == -1 ? -1 : index;
}

void PhotoListEdit::removeImages(const std::vector<Image*>& photos)
{
    for (Image* photo : photos) {
        const auto it = std::find(updated_.begin(), updated_.end(), photo);
        if (it == updated_.end())
            continue;
        updated_.erase(it);
        toDelete_.push_back(photo);
    }
}

bool PhotoListEdit::storePhoto(Image* image, int n)
{
    const auto it = std::find(updated_.begin(), updated_.end(), image);
    if (n < 0 || n >= int(updated_.size()) || it == updated_.end())
        return false;
    updated_.erase(it);
    updated_.insert(updated_.begin() + n, image);
    return true;
}

Result<std::vector<Image*>> PhotoListEdit::commit()
{
    // The edit itself stays as it is until the sheet closes: a commit that
    // fails is rolled back, and the user may press OK again.
    std::vector<Image*> photos = updated_;
    for (Image* removed : toDelete_) {
        std::erase(photos, removed);
        if (Result<> gone = document_.removeImage(removed); !gone)
            return gone.failure();
    }
    for (size_t position = 0; position < photos.size(); ++position) {
        photos[position]->setTagValue(int64_t(position));
        if (Result<> saved = photos[position]->save(); !saved)
            return saved.failure();
    }
    return photos;
}

void PhotoListEdit::cancel(const std::vector<Image*>& removedByGrid)
{
    for (Image* added : toAdd_) {
        std::erase(updated_, added);
        std::erase(toDelete_, added);
        if (std::find(removedByGrid.begin(), removedByGrid.end(), added) != removedByGrid.end())
            continue;
        // One that cannot be taken out now stays in the collection.
        if (Result<> removed = document_.removeImage(added); !removed)
            logFailure(removed.failure());
    }
    toAdd_.clear();
}

void PhotoListEdit::release()
{
    for (Image* photo : updated_) {
        if (Result<> released = photo->dehydrate(); !released)
            logFailure(released.failure());
    }
}

void PhotoListEdit::clear()
{
    updated_.clear();
    toDelete_.clear();
    toAdd_.clear();
}

} // namespace spinora
