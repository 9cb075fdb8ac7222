#pragma once

#include "EditorSupport.h"

#include <QDialog>

#include <array>
#include <memory>

class QCheckBox;
class QComboBox;
class QDateTimeEdit;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QTableWidget;

namespace spinora {

class Cactus;
class SpinoraDatabase;
class Water;

// Fills a list with one row per plant as the schedule editors show them:
// photo, name, species and the two latest events; due plants are tinted.
void fillCactusRows(QListWidget* list, const std::vector<Cactus*>& cacti, const Water* markFollowers);

// "Cacti To Water": every displayed plant of the collection; selecting a row
// makes that plant follow the schedule or leave it, written at once.
class CactiToWaterViewController : public QDialog {
    Q_OBJECT
public:
    CactiToWaterViewController(SpinoraDatabase& document, QWidget* parent);

    void prepareView(Water* water);
    void showViewFromWindow();
    void hideView();
    // Toggles the plants of these rows (the table's selection action).
    void toggleRows(const QList<int>& rows);
    QListWidget* table() const { return table_; }

private:
    void reload();
    void flipSortOrder();

    SpinoraDatabase& document_;
    Water* water_ = nullptr;
    QListWidget* table_;
    QPushButton* headerButton_;
};

// The editor of one watering schedule: "General", "Cacti To Water", "Notes".
// The next watering date is recomputed on every change with the schedule's
// own rule on a temporary schedule made from the controls.
class WaterInfoViewController : public EditorSheet {
    Q_OBJECT
public:
    WaterInfoViewController(SpinoraDatabase& document, QWidget* parent);
    ~WaterInfoViewController() override;

    virtual void prepareView(Water* water);
    Water* water() const { return water_; }
    const Timestamp& savedNextWater() const { return savedNextWater_; }
    std::unique_ptr<Water> getInfo() const;

    virtual void saveChangesAndHideView();
    void hideView(bool ok);
    void handleJustWatered();
    void toggleValidLastWatered();
    void handleDayChange();
    void comboBoxChanged(int which);
    void handleAddCactus();
    void handleDeleteCactus();
    void printInfo();
    void showCactusInfo(int row);
    // Recomputes the next watering date from a last-watered date.
    void calculateNextWatering(const Timestamp& lastWatered);

    CactiToWaterViewController* cactiToWaterViewController() const { return chooser_; }

protected:
    void cancelEditing() override { hideView(false); }
    void applyChanges();
    void setAddMode(bool addMode);

    SpinoraDatabase& document_;
    Water* water_ = nullptr;
    bool unloadUponExit_ = true;

private:
    void buildGeneralTab();
    void buildCactiTab();
    void buildNotesTab();
    void refillUnits(bool singular);
    void fillDays(int which, int month);
    int64_t noWaterCode(int which) const;
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
    QLabel* nextWateringAmountLabel_;
    QListWidget* cactiToWaterView_;
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

    void prepareView(Water* ignored = nullptr) override;
    void saveChangesAndHideView() override;
    Water* addedWater() const { return addedWater_; }

private:
    std::unique_ptr<Water> newWater_;
    Water* addedWater_ = nullptr;
};

} // namespace spinora
