#pragma once

#include <QDialog>

class QTableWidget;

namespace spinora {

class Cactus;
class CactusInfoViewController;
class SpinoraDatabase;

// The flowering calendar: a row per plant that has flowered, a column per
// month, each cell how often the plant flowered in that month over all
// years, tinted by it. The plants likely to flower next month come first;
// the plant it is opened for (from its editor) is named in bold.
class FloweringCalendarWindow : public QDialog {
    Q_OBJECT
public:
    FloweringCalendarWindow(SpinoraDatabase& document, const Cactus* focus, QWidget* parent);

    QTableWidget* table() const { return table_; }

private:
    QTableWidget* table_;
};

// The cactus editor's "Flowering Calendar" button: the calendar over the
// editor with the editor's plant in bold, run until it is closed.
void presentFloweringCalendar(CactusInfoViewController& editor);

} // namespace spinora
