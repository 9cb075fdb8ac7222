#include "PrintCommand.h"

#include <QMessageBox>

namespace spinora {

void printWithDialog(QWidget* window, SpinoraDatabase&, const PrintSubject&) {
    QMessageBox::information(window, "Spinora", "Not available yet.");
}

} // namespace spinora
