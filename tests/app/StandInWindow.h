#pragma once

// A collection window for the shell's tests: the slots the menu calls, the
// close hook asked from closeEvent, and "became main" on activation, like
// the views library's window, but counting what it was asked to do.
#include "SpinoraAppDelegate.h"
#include "SpinoraDatabase.h"

#include <QCloseEvent>
#include <QEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMainWindow>
#include <QMap>
#include <QToolBar>

namespace spinora::test {

class StandInWindow : public QMainWindow {
    Q_OBJECT
public:
    StandInWindow(SpinoraDatabase& document, WindowHooks hooks) : document_(document), hooks_(std::move(hooks))
    {
        setObjectName(QStringLiteral("standInWindow"));
        setAttribute(Qt::WA_DontShowOnScreen, false);
        auto* toolbar = addToolBar(QStringLiteral("Toolbar"));
        toolbar->setObjectName(QStringLiteral("documentToolbar"));
        toolbar->addAction(QStringLiteral("Add"));
        setCentralWidget(new QLabel(QStringLiteral("%1 cacti").arg(document.cacti().size())));
        refreshTitle();
        resize(720, 420);
    }

    int calls(const char* slot) const { return calls_.value(QByteArray(slot)); }
    int selectedTab() const { return selectedTab_; }

public slots:
    void selectTab(int index) { selectedTab_ = index; }
    void handleAddButton() { ++calls_["handleAddButton"]; }
    void handleDeleteButton() { ++calls_["handleDeleteButton"]; }
    void handleDuplicate() { ++calls_["handleDuplicate"]; }
    void printDocument() { ++calls_["printDocument"]; }
    void printPreview() { ++calls_["printPreview"]; }
    void printLabels() { ++calls_["printLabels"]; }
    void showStatistics() { ++calls_["showStatistics"]; }
    void refreshData() { ++calls_["refreshData"]; }
    void refreshTitle()
    {
        ++calls_["refreshTitle"];
        setWindowTitle(QFileInfo(document_.packageFilename()).completeBaseName());
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
    SpinoraDatabase& document_;
    WindowHooks hooks_;
    QMap<QByteArray, int> calls_;
    int selectedTab_ = 0;
};

inline QMainWindow* makeStandInWindow(SpinoraDatabase& document, const WindowHooks& hooks)
{
    return new StandInWindow(document, hooks);
}

} // namespace spinora::test
