#pragma once

#include "PhotoGridViewController.h"
#include "PhotoListEdit.h"

#include <functional>
#include <memory>

namespace spinora {

class PhotoRowsRecording;
class PhotoSlots;

// The photos of the record an editor has open: the photo slot buttons of its
// "General" tab, the grid of its "All Photos" tab and the working list
// behind both. The cactus and the log editor each own one; it answers the
// grid and the photo viewer for them, so that neither repeats that work.
//
//   open:   start(record.images(), record.primaryKey());
//   OK:     waitForAddedPhotos(sheet), outside the save's undo step, which
//           takes storedSinceOpening() in with the save;
//           record's photos = commit();  then finish(true, ...)
//   Cancel: finish(false, ...)
class EditorPhotos : public PhotoGridViewControllerDelegate {
public:
    // `title` names the record in the photo viewer's title bar.
    EditorPhotos(SpinoraDatabase& document, int64_t linkedType, int slotCount, std::function<QString()> title);
    ~EditorPhotos();

    PhotoSlots* slotButtons() const { return slots_; }
    PhotoGridViewController* grid() const { return grid_; }
    // The widgets are made by the editor's tabs, which own them.
    void makeSlots(QWidget* parent);
    void makeGrid(QWidget* parent);

    // Photos added now are linked to `ownerKey` (-1 for a record not stored yet).
    void start(const std::vector<Image*>& photos, int64_t ownerKey);
    const std::vector<Image*>& updatedImageArray() const { return list_.updatedImageArray(); }
    // OK pressed while photos are still being prepared: OK saves what the
    // user chose, so it waits for them, with a window-modal progress window
    // over the sheet ("Adding photos…") while the window keeps answering.
    // Its "Keep Editing" button stops the waiting, not the adding: false,
    // and the sheet stays open.
    bool waitForAddedPhotos(QWidget* sheet);
    // OK: waits for photos still being imported, deletes the removed ones
    // and answers the record's photos in order, numbered by position. Within
    // the OK's step: when it fails, the sheet stays as it was.
    Result<std::vector<Image*>> commit();
    // commit(), then the record (a plant or a log) takes those photos.
    template <class Owner>
    Result<> commitTo(Owner& owner)
    {
        const Result<std::vector<Image*>> photos = commit();
        if (!photos)
            return photos.failure();
        owner.clearImages();
        for (Image* photo : *photos)
            owner.addImage(photo);
        return {};
    }
    // The sheet closes: on Cancel the photos still being prepared are
    // dropped and those added since opening leave the collection again;
    // `releaseData` lets each photo give back its picture.
    void finish(bool ok, bool releaseData);
    // The photo rows stored since start(): added photos are stored as they
    // arrive, so undoing the OK's step must take them out too.
    const PhotoRowsRecording* storedSinceOpening() const { return storedSinceOpening_.get(); }

    // PhotoGridViewControllerDelegate
    QString imageTitle() override { return title_(); }
    Image* imageInSlot(int n) override { return list_.imageInSlot(n); }
    void linkNewImage(Image* image) override { list_.link(image, ownerKey_); }
    void updateImageArray(const std::vector<Image*>& photos) override;
    void saveImage(Image* image, int slot) override;
    void removeImages(const std::vector<Image*>& photos) override;
    void storePhoto(Image* image, int n) override;
    void updateCaptions() override;

private:
    void redrawSlots();
    void slotClicked(int slot);

    SpinoraDatabase& document_;
    PhotoListEdit list_;
    std::function<QString()> title_;
    int slotCount_;
    int64_t ownerKey_ = -1;
    bool waitedForImport_ = false;
    PhotoSlots* slots_ = nullptr;
    PhotoGridViewController* grid_ = nullptr;
    std::unique_ptr<PhotoRowsRecording> storedSinceOpening_;
};

} // namespace spinora
