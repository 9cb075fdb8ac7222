#pragma once

#include <QObject>

#include <functional>
#include <memory>

class QAction;
class QWidget;

namespace spinora {

class SpinoraDatabase;
class UndoHistory;

// Edit › Undo and Edit › Redo of one collection window (Ctrl+Z,
// Ctrl+Shift+Z), titled with the step they take ("Undo Delete Cactus",
// "Redo Mark as Watered"). Owns the window's history; a step that cannot
// be taken is explained to the user and changes nothing.
class UndoActions : public QObject {
    Q_OBJECT
public:
    // `afterStep` refreshes what shows the collection once a step was taken.
    UndoActions(SpinoraDatabase& document, QWidget* window, std::function<void()> afterStep);
    ~UndoActions() override;

    QAction* undoAction() const { return undo_; }
    QAction* redoAction() const { return redo_; }
    UndoHistory& history() { return *history_; }

public slots:
    void undo();
    void redo();

private:
    void updateTitles();
    void take(bool backwards);

    QWidget* window_;
    std::unique_ptr<UndoHistory> history_;
    std::function<void()> afterStep_;
    QAction* undo_ = nullptr;
    QAction* redo_ = nullptr;
};

} // namespace spinora
