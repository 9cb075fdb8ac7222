#pragma once

#include "EditorSupport.h"
#include "PhotoGridViewController.h"
#include "PhotoListEdit.h"

#include <memory>
#include <vector>

class QCheckBox;
class QComboBox;
class QDateTimeEdit;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace spinora {

class Cactus;
class Image;
class PhotoSlots;
class SpinoraDatabase;
class Water;

// The editor of one cactus: "General", "Details", "All Photos" and "Notes".
// It works on the record itself but writes to it only on OK; until then the
// controls, the working photo list and the chosen schedule hold the edit.
class CactusInfoViewController : public EditorSheet, public PhotoGridViewControllerDelegate {
    Q_OBJECT
public:
    CactusInfoViewController(SpinoraDatabase& document, QWidget* parent);
    ~CactusInfoViewController() override;

    void setLogHistoryHidden(bool hidden) { logHistoryHidden_ = hidden; }
    // The log editor that opened this sheet to add a cactus, if any.
    void setLogInfoViewController(CactusFieldListener* opener) { logInfoViewController_ = opener; }

    virtual void prepareView(Cactus* cactus);
    Cactus* cactus() const { return cactus_; }
    Water* currentWater() const { return currentWater_; }
    const Timestamp& savedNextWater() const { return savedNextWater_; }
    // A transient cactus holding what the controls show, for printing.
    std::unique_ptr<Cactus> getInfo() const;

    // The sheet's actions.
    virtual void saveChangesAndHideView();
    void hideView(bool ok);
    void removeSpecies();
    void toggleValidLastWatered();
    void toggleValidPlantDate();
    void toggleValidAcquiredDate();
    void handleJustWatered();
    void handleWaterSelect();
    void handleLogHistory();
    void printInfo();
    // The watering combo box reloaded after a schedule was saved elsewhere.
    void updateWaterField();

    // What the photo grid and viewer ask of their owner.
    QString imageTitle() override;
    Image* imageInSlot(int n) override { return photos_.imageInSlot(n); }
    void updateImageArray(const std::vector<Image*>& photos) override;
    void saveImage(Image* image, int slot) override;
    void removeImages(const std::vector<Image*>& photos) override;
    void storePhoto(Image* image, int n) override;
    void updateCaptions() override;
    const std::vector<Image*>& updatedImageArray() const { return photos_.updatedImageArray(); }
    PhotoGridViewController* photoGrid() const { return photoGrid_; }

    // The document's editor that is open now, if any (other editors refresh it).
    static CactusInfoViewController* openEditor(const SpinoraDatabase& document)
    {
        return OpenEditors<CactusInfoViewController>::of(&document);
    }

protected:
    void cancelEditing() override { hideView(false); }
    // The save steps shared with the add mode; the add mode then inserts.
    void applyChanges();
    void setAddMode(bool addMode);

    SpinoraDatabase& document_;
    Cactus* cactus_ = nullptr;
    bool unloadUponExit_ = true;
    CactusFieldListener* logInfoViewController_ = nullptr;

private:
    void buildGeneralTab();
    void buildDetailsTab();
    void buildPhotosTab();
    void buildNotesTab();
    void reloadSpecies();
    void reloadWaterComboBox();
    // The schedule the combo box names: the chosen item, else the typed name.
    Water* chosenWater() const;
    void waterComboBoxChanged();
    Timestamp nextWateringFrom(Water* water, const Timestamp& lastWatered) const;
    void showNextWatering();
    void lastWateredEdited();
    void plantDateEdited();
    void updateAge();
    void redrawSlots();
    void photoSlotClicked(int slot);
    // Cancel: the plant belongs again to exactly the schedule it had.
    void restoreScheduleMembership();

    bool cactusUpdate_ = false;
    bool waitForImageSave_ = true;
    bool logHistoryHidden_ = false;
    bool dateChangeWarning_ = false;
    bool addMode_ = false;
    Water* currentWater_ = nullptr;
    Timestamp savedNextWater_;
    PhotoListEdit photos_;
    int commonSelected_ = -1;
    int scientificSelected_ = -1;
    int waterSelected_ = -1;

    QLineEdit* nameField_;
    PhotoSlots* photoSlots_;
    QComboBox* commonSpeciesComboBox_;
    QComboBox* scientificSpeciesComboBox_;
    QPushButton* removeSpeciesButton_;
    QComboBox* typeButton_;
    QComboBox* waterComboBox_;
    QPushButton* waterButton_;
    QCheckBox* validLastWateredButton_;
    QDateTimeEdit* lastWateredField_;
    QPushButton* justWateredButton_;
    QLineEdit* nextWateringField_;
    QCheckBox* validPlantDateButton_;
    QDateTimeEdit* plantDateField_;
    QLabel* ageAmountLabel_;
    QCheckBox* validDateAcquiredButton_;
    QDateTimeEdit* dateAcquiredField_;
    QComboBox* sourceButton_;
    QLineEdit* purchasePriceField_;
    QLineEdit* valueField_;
    QPlainTextEdit* locationView_;
    QLineEdit* heightField_;
    QLineEdit* widthField_;
    QLineEdit* weightField_;
    QLineEdit* lightField_;
    QLineEdit* temperatureField_;
    QLineEdit* potSizeField_;
    QComboBox* potShapeButton_;
    QComboBox* potMaterialButton_;
    QPlainTextEdit* notesView_;
    PhotoGridViewController* photoGrid_;
    QPushButton* logHistoryButton_;
};

// The same sheet for a new cactus: "New Cactus", saved with "Save".
class AddCactusInfoViewController : public CactusInfoViewController {
    Q_OBJECT
public:
    AddCactusInfoViewController(SpinoraDatabase& document, QWidget* parent);
    ~AddCactusInfoViewController() override;

    // Starts a new, empty cactus.
    void prepareView(Cactus* ignored = nullptr) override;
    void saveChangesAndHideView() override;
    // The cactus the last Save added to the collection, if any.
    Cactus* addedCactus() const { return addedCactus_; }

private:
    std::unique_ptr<Cactus> newCactus_;
    Cactus* addedCactus_ = nullptr;
};

} // namespace spinora
