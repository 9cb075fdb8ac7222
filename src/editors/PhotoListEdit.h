#pragma once

#include "Result.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace spinora {

class Image;
class SpinoraDatabase;

// The photos of one record while its editor is open: the list in slot order
// as edited and the photos removed since opening (deleted from the
// collection only on OK). Photos added since opening are stored by the
// photo grid, which also removes them again on Cancel. Shared by the cactus
// and the log editor.
class PhotoListEdit {
public:
    PhotoListEdit(SpinoraDatabase& document, int64_t linkedType, int slotCount);

    void start(const std::vector<Image*>& photos);
    const std::vector<Image*>& updatedImageArray() const { return updated_; }
    const std::vector<Image*>& imagesToAdd() const { return toAdd_; }
    std::vector<Image*>* updatedImageArrayPointer() { return &updated_; }
    const std::vector<Image*>& imagesToDelete() const { return toDelete_; }

    // The photo shown in slot n, or none.
    Image* imageInSlot(int n) const;
    void updateImageArray(const std::vector<Image*>& photos) { updated_ = photos; }
    // A new photo's link to the owner (key -1 for an owner not stored yet),
    // numbered after the others.
    void link(Image* image, int64_t ownerKey) const;
    // A new photo the grid has stored: linked to the owner's key (-1 for an
    // owner not stored yet), numbered after the others and saved. Answers the
    // slot in which it is shown (-1 for none).
    int saveImage(Image* image, int64_t ownerKey, int slot);
    // Inserts at index (0 <= index < count) or appends; answers the index, or
    // for -1 the position taken while fewer photos than slots were shown.
    int addImage(Image* image, int index);
    void removeImages(const std::vector<Image*>& photos);
    // Moves a photo of the list to position n; false when nothing moved.
    bool storePhoto(Image* image, int n);

    // OK: answers the owner's new photo list; removed photos leave the
    // collection and every photo is saved with its position as tag value.
    // The edit stays as it is (clear() ends it), so that a commit that
    // failed can be tried again.
    Result<std::vector<Image*>> commit();
    // Cancel: the photos added since opening leave the list; those the grid
    // no longer tracks (a refresh of the grid starts its list anew) leave
    // the collection here, the grid removes the others.
    void cancel(const std::vector<Image*>& removedByGrid);
    // Each photo of the list releases its picture data.
    void release();
    void clear();

private:
    SpinoraDatabase& document_;
    int64_t linkedType_;
    int slotCount_;
    std::vector<Image*> updated_;
    std::vector<Image*> toDelete_;
    std::vector<Image*> toAdd_;
};

} // namespace spinora
