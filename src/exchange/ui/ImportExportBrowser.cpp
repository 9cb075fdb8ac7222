#include "ImportExportBrowser.h"

#include <QMessageBox>

namespace spinora {

void presentImportExportBrowser(QWidget* window, int) {
    QMessageBox::information(window, "Spinora", "Not available yet.");
}

void presentExportReportBrowser(QWidget* window) {
    QMessageBox::information(window, "Spinora", "Not available yet.");
}

} // namespace spinora
