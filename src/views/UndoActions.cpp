#include "UndoActions.h"

#include "ActionEdge.h"
#include "Localization.h"
#include "UndoHistory.h"

#include <QAction>
#include <QWidget>

namespace spinora {

UndoActions::UndoActions(SpinoraDatabase& document, QWidget* window)
    : QObject(window), window_(window), history_(std::make_unique<UndoHistory>(document))
{
    undo_ = new QAction(localized("Undo"), window);
    undo_->setObjectName(QStringLiteral("UndoAction"));
    undo_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    redo_ = new QAction(localized("Redo"), window);
    redo_->setObjectName(QStringLiteral("RedoAction"));
    redo_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    for (QAction* action : {undo_, redo_}) {
        // A text field keeps its own Ctrl+Z: it asks for the key first.
        action->setShortcutContext(Qt::WindowShortcut);
        window->addAction(action);
    }
    connect(undo_, &QAction::triggered, this, &UndoActions::undo);
    connect(redo_, &QAction::triggered, this, &UndoActions::redo);
    history_->setChangedHandler([this] { updateTitles(); });
    updateTitles();
}

UndoActions::~UndoActions() = default;

void UndoActions::updateTitles()
{
    const bool canUndo = history_->canUndo();
    const bool canRedo = history_->canRedo();
    undo_->setText(canUndo ? localized("Undo %1").arg(history_->undoTitle()) : localized("Undo"));
    redo_->setText(canRedo ? localized("Redo %1").arg(history_->redoTitle()) : localized("Redo"));
    undo_->setEnabled(canUndo);
    redo_->setEnabled(canRedo);
}

void UndoActions::undo()
{
    take(true);
}

void UndoActions::redo()
{
    take(false);
}

void UndoActions::take(bool backwards)
{
    if (backwards ? !history_->canUndo() : !history_->canRedo())
        return;
    ActionEdge::run(window_, backwards ? localized("Undo") : localized("Redo"),
                    [&] { return backwards ? history_->undo() : history_->redo(); });
}

} // namespace spinora
