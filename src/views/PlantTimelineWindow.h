#pragma once

#include "Timestamp.h"

#include <QDialog>
#include <QString>

#include <cstdint>
#include <vector>

class QLabel;
class QListWidget;

namespace spinora {

class Cactus;
class CactusInfoViewController;
class SpinoraDatabase;

// A plant through the years: its own photos and its logs', oldest first, all
// at one size, each under its date (and the log's event). Two chosen are
// shown side by side below, as large as the window allows.
class PlantTimelineWindow : public QDialog {
    Q_OBJECT
public:
    struct Entry {
        int64_t imageKey = -1;
        Timestamp when; // a log photo: the log's date; a plant photo: when it was added
        QString what;   // the log's event, or none for a photo of the plant
    };
    // The photos of the plant and of its logs, oldest first.
    static std::vector<Entry> entriesOf(const Cactus& plant);

    PlantTimelineWindow(SpinoraDatabase& document, const Cactus& plant, QWidget* parent);

    QListWidget* photos() const { return list_; }
    // The two photos compared (empty pictures until two are chosen).
    QLabel* comparedPhoto(int side) const { return side == 0 ? left_ : right_; }

private:
    void compareChosen();

    SpinoraDatabase& document_;
    QListWidget* list_ = nullptr;
    QLabel* hint_ = nullptr;
    QLabel* left_ = nullptr;
    QLabel* right_ = nullptr;
    QLabel* leftCaption_ = nullptr;
    QLabel* rightCaption_ = nullptr;
};

// The cactus editor's "Photo Timeline" button: the timeline of the editor's
// plant, run until it is closed.
void presentPlantTimeline(CactusInfoViewController& editor);

} // namespace spinora
