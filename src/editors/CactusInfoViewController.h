#pragma once

#include "Localization.h"
#include "RecordEditor.h"

#include <functional>
#include <memory>

class QLabel;

namespace spinora {

class Cactus;
class CactusInfoViewController;
class Water;

// Opens the "Log History" of the editor's plant (the lists provide it).
using LogHistoryPresenter = std::function<void(CactusInfoViewController& editor)>;

// The windows a plant's editor leads to, each shown by its button when given:
// the plant's log history, the flowering calendar, its photo timeline. The
// views library opens them; the editors only know how to ask.
struct CactusEditorLinks {
    LogHistoryPresenter logHistory = {};
    LogHistoryPresenter floweringCalendar = {};
    LogHistoryPresenter photoTimeline = {};
};

// The editor of one cactus: "General", "Details", "All Photos" and "Notes".
// It works on the record itself but writes to it only on OK; until then the
// controls, the working photo list and the chosen schedule hold the edit.
class CactusInfoViewController : public RecordEditor<Cactus> {
    Q_OBJECT
public:
    CactusInfoViewController(SpinoraDatabase& document, QWidget* parent);
    ~CactusInfoViewController() override;

    void setLinks(CactusEditorLinks links) { links_ = std::move(links); }
    // The log editor that opened this sheet to add a cactus, if any.
    void setLogInfoViewController(CactusFieldListener* opener) { logInfoViewController_ = opener; }

    // False when the plant is open in another editor (the user is told).
    virtual bool prepareView(Cactus* cactus);
    Cactus* cactus() const { return record_; }
    Water* currentWater() const { return currentWater_; }
    const Timestamp& savedNextWater() const { return savedNextWater_; }
    QString undoTitle(bool addMode) const override
    {
        return addMode ? localized("Add Cactus") : localized("Edit Cactus");
    }
    void removeSpecies();
    void toggleValidLastWatered();
    void toggleValidPlantDate();
    void toggleValidAcquiredDate();
    void handleJustWatered();
    void handleWaterSelect();
    void handleLogHistory();
    // The watering combo box reloaded after a schedule was saved elsewhere.
    void updateWaterField();

    // The document's editor that is open now, if any (other editors refresh it).
    static CactusInfoViewController* openEditor(const SpinoraDatabase& document)
    {
        return OpenEditors<CactusInfoViewController>::of(&document);
    }

protected:
    QString sheetTitle(bool addMode) const override
    {
        return addMode ? localized("New Cactus") : localized("Cactus Info");
    }
    void setAddMode(bool addMode) override;
    bool hasName() const override;
    Result<> saveChanges() override;
    void didSave() override;
    void closing(bool ok) override;
    bool writeControls(Cactus& into, FieldCheck& check) const override;
    void linkInfo(Cactus& info) const override;
    PrintSubject printSubject(const Cactus& info) const override { return {DatabasePrintView::Screen::CactusSheet, &info}; }

    CactusFieldListener* logInfoViewController_ = nullptr;

private:
    void buildGeneralTab();
    void buildDetailsTab();
    // The species pick list learns of a chosen species completed by the
    // other box's text, or of a new pair typed in both (OK only).
    Result<> updateSpeciesList();
    void reloadSpecies();
    void reloadWaterComboBox();
    // The schedule the combo box names: the chosen item, else the typed name.
    Water* chosenWater() const;
    void waterComboBoxChanged();
    Timestamp nextWateringFrom(Water* water, const Timestamp& lastWatered) const;
    // The last watering as the editor shows it (none while its box is off).
    Timestamp shownLastWatered() const;
    void showNextWatering();
    void lastWateredEdited();
    void plantDateEdited();
    void updateAge();
    // Cancel: the plant belongs again to exactly the schedule it had.
    void restoreScheduleMembership();

    bool cactusUpdate_ = false;
    CactusEditorLinks links_;
    bool dateChangeWarning_ = false;
    Water* currentWater_ = nullptr;
    Timestamp savedNextWater_;
    // The species and the schedule chosen from the lists, by key (-1: typed
    // or none): a nested editor that adds a species re-sorts the lists.
    int64_t commonSpeciesKey_ = -1;
    int64_t scientificSpeciesKey_ = -1;
    int64_t waterKey_ = -1;

    QLineEdit* nameField_;
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
    QPushButton* logHistoryButton_;
    QPushButton* floweringCalendarButton_;
    QPushButton* photoTimelineButton_;
};

// The same sheet for a new cactus: "New Cactus", saved with "Save".
class AddCactusInfoViewController : public CactusInfoViewController {
    Q_OBJECT
public:
    AddCactusInfoViewController(SpinoraDatabase& document, QWidget* parent);
    ~AddCactusInfoViewController() override;

    // Starts a new, empty cactus.
    bool prepareView(Cactus* ignored = nullptr) override;

protected:
    Result<> storeNew(Cactus& cactus) override;
    Cactus* keepNew(std::unique_ptr<Cactus> cactus) override;
    void didSave() override;
};

} // namespace spinora
