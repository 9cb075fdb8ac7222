#include "DocumentWindowFactory.h"

#include "SpinoraDatabase.h"

#if __has_include("DocumentWindow.h") && !defined(SPINORA_PLAIN_WINDOW)
#include "DocumentWindow.h"
#define SPINORA_HAVE_DOCUMENT_WINDOW 1
#else
#include <QCloseEvent>
#include <QEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMainWindow>
#endif

namespace spinora {

#if SPINORA_HAVE_DOCUMENT_WINDOW

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

#else

namespace {

// Stands in for the collection window while the views library has none: a
// titled window that closes through the shell and reports becoming main.
class PlainCollectionWindow : public QMainWindow {
public:
    PlainCollectionWindow(SpinoraDatabase& document, WindowHooks hooks) : hooks_(std::move(hooks))
    {
        setWindowTitle(QFileInfo(document.packageFilename()).completeBaseName());
        setCentralWidget(new QLabel(QStringLiteral("%1 cacti").arg(document.cacti().size())));
        resize(640, 420);
    }

protected:
    void closeEvent(QCloseEvent* event) override
    {
        if (hooks_.shouldClose && !hooks_.shouldClose())
            event->ignore();
        else
            event->accept();
    }
    void changeEvent(QEvent* event) override
    {
        if (event->type() == QEvent::ActivationChange && isActiveWindow() && hooks_.becameMain)
            hooks_.becameMain();
        QMainWindow::changeEvent(event);
    }

private:
    WindowHooks hooks_;
};

} // namespace

QMainWindow* makeDocumentWindow(SpinoraDatabase& document, const WindowHooks& hooks)
{
    return new PlainCollectionWindow(document, hooks);
}

#endif

} // namespace spinora
