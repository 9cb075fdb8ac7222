#pragma once

#include <QObject>

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
    // What shows the collection learns of a step from the document's notice.
    UndoActions(SpinoraDatabase& document, QWidget* window);
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
    QAction* undo_ = nullptr;
    QAction* redo_ = nullptr;
};

} // namespace spinora
