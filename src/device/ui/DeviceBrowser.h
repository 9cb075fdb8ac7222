#pragma once

class QWidget;

namespace spinora {

// Opens the device transfer dialog: tag 0 imports from the mobile app,
// tag 1 exports to it (the toolbar and menu items' tags).
void presentDeviceBrowser(QWidget* window, int tag);

} // namespace spinora
