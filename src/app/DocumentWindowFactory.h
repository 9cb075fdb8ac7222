#pragma once

#include "SpinoraAppDelegate.h"

namespace spinora {

// The collection window of the views library, wired to the shell's hooks.
QMainWindow* makeDocumentWindow(SpinoraDatabase& document, const WindowHooks& hooks);

} // namespace spinora
