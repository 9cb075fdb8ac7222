#pragma once

#include "PhotoAddingJob.h"
#include "PhotoViewController.h"

#include <QStringList>
#include <QWidget>

#include <deque>

#include <memory>
#include <vector>

class QListView;
class QProgressBar;
class QPushButton;
class QSlider;
class QTemporaryDir;
class QTimer;

namespace spinora {

class Image;
class PhotoAddingJob;
class PhotoGridModel;
class SpinoraDatabase;

// The editor that shows a photo grid. Every operation has a default that
// does nothing (or answers none), so an editor overrides what it uses.
class PhotoGridViewControllerDelegate {
public:
    virtual ~PhotoGridViewControllerDelegate() = default;
    // Title of the photo viewer (the record's name).
    virtual QString imageTitle() { return {}; }
    // The photo shown in the editor's slot n, or null.
    virtual Image* imageInSlot(int slot) { (void)slot; return nullptr; }
    // A new photo about to be stored: the editor sets its link (linked type
    // and key, tag value) so that storing writes the row whole, in one commit.
    virtual void linkNewImage(Image* image) { (void)image; }
    // The grid's new order after a drag: the whole working list.
    virtual void updateImageArray(const std::vector<Image*>& images) { (void)images; }
    // A new photo. It is ALREADY stored: the grid added it to the collection
    // (SpinoraDatabase::addImage: row and its three files) and keeps it in
    // addedPhotos(). The editor links it to its record (linked type and key,
    // tag value), saves it (Image::save), appends it to its working list and
    // shows it in `slot` (-1: the position it took). The editor must NOT add
    // it to the collection again, nor remove it on Cancel itself: see
    // PhotoGridViewController::discardAddedPhotos().
    virtual void saveImage(Image* image, int slot) { (void)image; (void)slot; }
    // Photos the user deleted in the grid (the editor deletes them from the
    // collection when it saves; they are still stored until then).
    virtual void removeImages(const std::vector<Image*>& images) { (void)images; }
    // Move the photo to slot n (asked by the viewer).
    virtual void storePhoto(Image* image, int slot) { (void)image; (void)slot; }
    // Captions changed: redraw the slots' tool tips.
    virtual void updateCaptions() {}
};

// The "All Photos" tab of the cactus and log editors: a zoomable grid of
// square thumbnails with "Add Photos…", "Delete" and a zoom slider.
// Photos are reordered by dragging, deleted with the button or the Delete
// key, opened in the viewer by a double click, and added from an open panel
// or by dropping picture files on the grid.
//
// Life with an editor:
//   open:   grid->setDelegate(this);
//           grid->updatePhotoGrid(&document, &updatedImageArray);
//   OK:     grid->waitForImageSave();   // stores what the import finished
//           ... commit updatedImageArray, delete imagesToDelete ...
//           grid->keepAddedPhotos();    // the added photos now belong to the record
//           grid->updatePhotoGrid(&document, nullptr);
//   Cancel: grid->waitForImageSave();   // or cancelImport()
//           ... drop updatedImageArray (it points at added photos) ...
//           grid->discardAddedPhotos(); // removes them from the collection
//           grid->updatePhotoGrid(&document, nullptr);
//
// Picture files are read, checked, scaled, encoded and written into a
// folder of the grid's own inside the package by a background job
// (PhotoAddingJob); each finished photo is stored on the main thread
// (PhotoStore: its row, and its files moved in: the collection's connection
// belongs to that thread) one at a time, so the window keeps answering.
// The folder goes when the import ends or is cancelled, and at the next
// open after a crash. Files that are not pictures, are too large
// (over 64 MB or 100 megapixels) or cannot be decoded are refused with a
// message naming them; a photo whose files cannot be written (a full disk)
// is removed again and reported. This class is the widget and its model.
class PhotoGridViewController : public QWidget, public PhotoViewControllerDelegate {
    Q_OBJECT
public:
    static constexpr int kCacheLimit = 200; // thumbnails kept drawn

    explicit PhotoGridViewController(QWidget* parent = nullptr);
    // Stops a running import (waiting for its thread) and removes its folder.
    ~PhotoGridViewController() override;

    void setDelegate(PhotoGridViewControllerDelegate* delegate) { delegate_ = delegate; }
    PhotoGridViewControllerDelegate* delegate() const { return delegate_; }

    // Shows these photos (their thumbnails are loaded) and keeps the
    // document; null empties the grid. Call it again whenever the working
    // list changed order. The list of added photos is not touched: only
    // keepAddedPhotos() and discardAddedPhotos() end it.
    void updatePhotoGrid(SpinoraDatabase* database, const std::vector<Image*>* photoArray);
    // Appends the photos added since the last refresh and redraws.
    void refreshImageBrowser();
    const std::vector<Image*>& imageArray() const { return imageArray_; }

    // --- Adding photos
    // Reads the files on the background thread; returns at once.
    void addPhotosWithPaths(const QStringList& paths);
    // YES while an import runs or finished photos wait to be stored.
    bool imageSaveInProgress() const;
    // Of the import running: the files done (stored or refused), of all.
    int importDone() const { return importDone_; }
    int importTotal() const { return importTotal_; }
    // Runs the event loop until the import is done (photos are stored as
    // they come). False when it is still running after `timeoutMs`.
    bool waitForImageSave(int timeoutMs = 60000);
    // Stops the import (after the file being prepared); photos already
    // stored stay in addedPhotos().
    void cancelImport();
    // Photos stored by this grid since updatePhotoGrid with an array.
    const std::vector<Image*>& addedPhotos() const { return addedPhotos_; }
    void keepAddedPhotos();
    // Removes every added photo from the collection (row and files) and
    // from the grid. Pointers to them are invalid afterwards.
    void discardAddedPhotos();
    // "<file name>: <reason>" for each file the last import refused.
    const QStringList& lastRefusals() const { return lastRefusals_; }
    // Show refusals in a window-modal "WARNING" alert (default on).
    void setShowsAlerts(bool shows) { showsAlerts_ = shows; }

    // Reordering: the photos at `dragged` are moved to `destination`
    // (an index in the list before the move).
    void moveImages(std::vector<int> dragged, int destination);
    static std::vector<Image*> reorderedPhotos(std::vector<Image*> photos, std::vector<int> dragged, int destination);

    QListView* imageBrowser() const { return imageBrowser_; }
    // Opens the viewer on a photo (nothing when it has no picture).
    void openPhoto(Image* image);

    // --- PhotoViewControllerDelegate, for the viewers it opens
    Image* previousPhoto(Image* current) override;
    Image* nextPhoto(Image* current) override;
    void storePhoto(Image* image, int slot) override;
    void updateCaptions() override;

public slots:
    // A photo slot button of the editor (slot 0 to 4): opens its photo, or
    // offers to add photos when the slot is empty.
    void handleMainImageSelect(int slot);
    void handleAddPhotoButton();
    void handleDeletePhotoButton();
    void zoomDidChange(int value);
    // The open panel (non-blocking); its files are imported in the background.
    void addNewPhoto(int slot);

signals:
    void importProgress(int done, int total);
    // After an import: how many photos were stored, and what was refused.
    void importFinished(int stored, const QStringList& refusals);

private:
    friend class PhotoGridModel;
    // A prepared photo is stored and shown, or refused with the reason.
    void photoPrepared(const PreparedPhoto& photo);
    void storeNextArrived();
    void photoRefused(const QString& file, const QString& reason);
    void countImported();
    void finishImport();
    // The job's folder inside the package, made for an import and removed after it.
    bool makeAddingFolder();
    void removeAddingFolder();
    void reloadGrid();
    void selectionChanged();

    SpinoraDatabase* database_ = nullptr;
    PhotoGridViewControllerDelegate* delegate_ = nullptr;
    std::vector<Image*> imageArray_;
    std::vector<Image*> importedImageArray_;
    std::vector<Image*> addedPhotos_;
    QStringList lastRefusals_;
    int storedInImport_ = 0;
    int importTotal_ = 0;
    int importDone_ = 0;
    bool showsAlerts_ = true;
    int cellSide_ = 0;

    PhotoGridModel* model_ = nullptr;
    QListView* imageBrowser_ = nullptr;
    QProgressBar* progressIndicator_ = nullptr;
    QPushButton* addButton_ = nullptr;
    QPushButton* deleteButton_ = nullptr;
    QSlider* zoomSlider_ = nullptr;
    // Owned as a child; stopped by the destructor before the folder goes.
    PhotoAddingJob* job_ = nullptr;
    std::unique_ptr<QTemporaryDir> addingFolder_;
    int nextPhotoNumber_ = 1; // names the job's files within the folder
    std::deque<PreparedPhoto> arrived_; // from the job, not stored yet
    QTimer* storeTimer_ = nullptr;
};

} // namespace spinora
