#pragma once

#include "Localization.h"
#include "RecordEditor.h"

#include <QDialog>

#include <array>
#include <map>
#include <memory>
#include <vector>

class QLabel;

namespace spinora {

class Cactus;
class CactusTable;
class SpinoraDatabase;
class Water;

// "Cacti To Water": every displayed plant of the collection; a click on a
// row, or Space or Return, makes its plant follow the schedule or leave it,
// written at once. The moves can be taken back (Cancel of a new schedule).
class CactiToWaterViewController : public QDialog {
    Q_OBJECT
public:
    CactiToWaterViewController(SpinoraDatabase& document, QWidget* parent);

    void prepareView(Water* water);
    void showViewFromWindow();
    void hideView();
    // Toggles the plants of these rows.
    void toggleRows(const std::vector<int>& rows);
    CactusTable* table() const { return table_; }

    // Every plant moved since forgetMoves() follows its former schedule again.
    void undoMoves();
    // Writes a plant's schedule (none: null and -1).
    static Result<> moveToSchedule(Cactus& cactus, Water* schedule, int64_t key);
    void forgetMoves() { formerSchedules_.clear(); }
    // Whether the plant came to this schedule from another (or none) since forgetMoves().
    bool joined(Cactus* cactus) const
    {
        const auto former = formerSchedules_.find(cactus);
        return former != formerSchedules_.end() && former->second.first != water_;
    }

private:
    void reload();
    void flipSortOrder();

    SpinoraDatabase& document_;
    Water* water_ = nullptr;
    CactusTable* table_;
    // Each plant moved, with the schedule (and key) it followed before.
    std::map<Cactus*, std::pair<Water*, int64_t>> formerSchedules_;
};

// The editor of one watering schedule: "General", "Cacti To Water", "Notes".
// The next watering date is recomputed on every change with the schedule's
// own rule on a temporary schedule made from the controls.
class WaterInfoViewController : public RecordEditor<Water> {
    Q_OBJECT
public:
    WaterInfoViewController(SpinoraDatabase& document, QWidget* parent);
    ~WaterInfoViewController() override;

    // False when the schedule is open in another editor (the user is told).
    virtual bool prepareView(Water* water);
    Water* water() const { return record_; }
    const Timestamp& savedNextWater() const { return savedNextWater_; }
    QString undoTitle(bool addMode) const override
    {
        return addMode ? localized("Add Watering Schedule") : localized("Edit Watering Schedule");
    }
    void handleJustWatered();
    void toggleValidLastWatered();
    void handleDayChange();
    void comboBoxChanged(int which);
    void handleAddCactus();
    void handleDeleteCactus();
    void showCactusInfo(int row);
    CactusTable* cactiTable() const { return cactiToWaterView_; }
    // Recomputes the next watering date from a last-watered date.
    void calculateNextWatering(const Timestamp& lastWatered);

    CactiToWaterViewController* cactiToWaterViewController() const { return chooser_; }

protected:
    QString sheetTitle(bool addMode) const override
    {
        return addMode ? localized("New Watering Schedule") : localized("Watering Schedule Info");
    }
    void setAddMode(bool addMode) override;
    bool hasName() const override;
    Result<> saveChanges() override;
    void didSave() override;
    // Also the next watering shown reads the controls through this.
    bool writeControls(Water& into, FieldCheck& check) const override;
    void linkInfo(Water& info) const override;
    PrintSubject printSubject(const Water& info) const override
    {
        return {DatabasePrintView::Screen::WaterSheet, nullptr, &info};
    }

private:
    void buildGeneralTab();
    void buildCactiTab();
    // The unit words as they read after `count`.
    void refillUnits(int64_t count);
    void fillDays(int which, int month);
    int64_t noWaterCode(int which) const;
    // Empties a no-water date; its month box shows `shownMonth` (0 "Clear
    // Date", -1 the placeholder).
    void clearNoWaterDate(int which, int shownMonth);
    void reloadCacti();

    bool waterUpdate_ = false;
    Timestamp savedNextWater_;
    CactiToWaterViewController* chooser_;

    QLineEdit* nameField_;
    QLineEdit* waterEveryField_;
    QComboBox* waterEveryButton_;
    QComboBox* quantityButton_;
    QCheckBox* validLastWateredButton_;
    QDateTimeEdit* lastWateredField_;
    QPushButton* justWateredButton_;
    std::array<QComboBox*, 6> monthBoxes_{};
    std::array<QComboBox*, 6> dayButtons_{};
    // The month each box showed before its last change.
    std::array<int, 6> monthShown_{};
    QLabel* nextWateringAmountLabel_;
    CactusTable* cactiToWaterView_;
    QPushButton* addCactussButton_;
    QPushButton* removeCactussButton_;
};

// The same sheet for a new schedule: "New Watering Schedule", saved with "Save".
class AddWaterInfoViewController : public WaterInfoViewController {
    Q_OBJECT
public:
    AddWaterInfoViewController(SpinoraDatabase& document, QWidget* parent);
    ~AddWaterInfoViewController() override;

    bool prepareView(Water* ignored = nullptr) override;

protected:
    // Stored with its plants pointing at it.
    Result<> storeNew(Water& water) override;
    Water* keepNew(std::unique_ptr<Water> water) override;
    // Cancel: the plants chosen for the new schedule return to theirs.
    void closing(bool ok) override;
};

} // namespace spinora
