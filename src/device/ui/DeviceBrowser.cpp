#include "DeviceBrowser.h"

#include <QMessageBox>

namespace spinora {

void presentDeviceBrowser(QWidget* window, int) {
    QMessageBox::information(window, "Spinora", "Not available yet.");
}

} // namespace spinora
