#pragma once

class QWidget;

namespace spinora {

// Opens the import/export sheet for one of its six functions (the tag of
// the menu item: 0-2 imports of SDBI, collection and CSV, 3-5 the exports).
void presentImportExportBrowser(QWidget* window, int databaseType);
// Opens the HTML report sheet.
void presentExportReportBrowser(QWidget* window);

} // namespace spinora
