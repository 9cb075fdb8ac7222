#pragma once

#include "EditorSupport.h"
#include "Localization.h"
#include "Result.h"

#include <QDialog>

#include <array>
#include <map>
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
class WaterInfoViewController : public EditorSheet {
    Q_OBJECT
public:
    WaterInfoViewController(SpinoraDatabase& document, QWidget* parent);
    ~WaterInfoViewController() override;

    // False when the schedule is open in another editor (the user is told).
    virtual bool prepareView(Water* water);
    Water* water() const { return water_; }
    const Timestamp& savedNextWater() const { return savedNextWater_; }
    // A transient schedule holding what OK would store, for printing; null
    // when a field cannot be stored as typed (`check` then says which).
    std::unique_ptr<Water> getInfo(FieldCheck* check = nullptr) const;

    // OK: written in one step of the window's history; on failure the user
    // is told why and the sheet stays open with what was typed.
    void saveChangesAndHideView();
    // What Edit › Undo calls the save: "Edit Watering Schedule".
    virtual QString undoTitle() const { return localized("Edit Watering Schedule"); }
    virtual void hideView(bool ok);
    void handleJustWatered();
    void toggleValidLastWatered();
    void handleDayChange();
    void comboBoxChanged(int which);
    void handleAddCactus();
    void handleDeleteCactus();
    void printInfo();
    void showCactusInfo(int row);
    CactusTable* cactiTable() const { return cactiToWaterView_; }
    // Recomputes the next watering date from a last-watered date.
    void calculateNextWatering(const Timestamp& lastWatered);

    CactiToWaterViewController* cactiToWaterViewController() const { return chooser_; }

protected:
    void cancelEditing() override { hideView(false); }
    // OK's steps shared with the add mode, which then inserts the schedule.
    // False when a field cannot be stored: nothing is written, the sheet stays.
    // False when a field cannot be stored as typed (the sheet says which).
    bool readyToSave();
    // Everything OK writes, inside the step; the add mode inserts the schedule too.
    virtual Result<> saveChanges();
    // After a step that saved: the lists show it and the sheet closes.
    void didSave();
    void setAddMode(bool addMode);

    SpinoraDatabase& document_;
    Water* water_ = nullptr;
    bool unloadUponExit_ = true;

private:
    void buildGeneralTab();
    void buildCactiTab();
    void buildNotesTab();
    // Every control into a schedule: the one place that reads them, for OK,
    // Print, the next watering shown and the check before OK. Writes
    // nothing when `check` fails.
    bool writeControls(Water& into, FieldCheck& check) const;
    void refillUnits(bool singular);
    void fillDays(int which, int month);
    int64_t noWaterCode(int which) const;
    // Empties a no-water date; its month box shows `shownMonth` (0 "Clear
    // Date", -1 the placeholder).
    void clearNoWaterDate(int which, int shownMonth);
    void reloadCacti();

    bool waterUpdate_ = false;
    bool addMode_ = false;
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
    QPlainTextEdit* notesView_;
};

// The same sheet for a new schedule: "New Watering Schedule", saved with "Save".
class AddWaterInfoViewController : public WaterInfoViewController {
    Q_OBJECT
public:
    AddWaterInfoViewController(SpinoraDatabase& document, QWidget* parent);
    ~AddWaterInfoViewController() override;

    bool prepareView(Water* ignored = nullptr) override;
    QString undoTitle() const override { return localized("Add Watering Schedule"); }
    void hideView(bool ok) override;
    Water* addedWater() const { return addedWater_; }

protected:
    Result<> saveChanges() override;

private:
    std::unique_ptr<Water> newWater_;
    Water* addedWater_ = nullptr;
};

} // namespace spinora
