#include "RecordEditors.h"

#include <QMessageBox>

namespace spinora {

// Placeholders until the editors exist.
bool editCactus(QWidget* window, SpinoraDatabase&, Cactus*) {
    QMessageBox::information(window, "Spinora", "The cactus editor is not available yet.");
    return false;
}

bool editWater(QWidget* window, SpinoraDatabase&, Water*) {
    QMessageBox::information(window, "Spinora", "The watering schedule editor is not available yet.");
    return false;
}

bool editLog(QWidget* window, SpinoraDatabase&, Log*, Cactus*) {
    QMessageBox::information(window, "Spinora", "The log editor is not available yet.");
    return false;
}

} // namespace spinora
