#include "DocumentWindowFactory.h"

#include "DocumentWindow.h"
#include "SpinoraDatabase.h"

namespace spinora {

QMainWindow* makeDocumentWindow(SpinoraDatabase& document, const WindowHooks& hooks)
{
    auto* window = new DocumentWindow(document);
    window->setCloseHandler(hooks.shouldClose);
    QObject::connect(window, &DocumentWindow::becameMain, window, [becameMain = hooks.becameMain](SpinoraDatabase*) {
        if (becameMain)
            becameMain();
    });
    window->restoreSavedGeometry();
    return window;
}

} // namespace spinora
