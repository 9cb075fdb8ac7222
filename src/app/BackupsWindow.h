#pragma once

#include "Backups.h"

#include <QDialog>

#include <functional>
#include <vector>

class QPushButton;
class QTreeWidget;

namespace spinora {

// File › Restore From Backup…: the snapshots of one collection, newest
// first, with what each holds. "Open Backup" shows one read-only in its own
// window; "Restore" makes the collection what it holds, after asking.
class BackupsWindow : public QDialog {
    Q_OBJECT
public:
    struct Actions {
        std::function<void(const Backup&)> open;
        // True when the collection was restored (the list then shows the
        // snapshot taken before it).
        std::function<bool(const Backup&)> restore;
    };

    BackupsWindow(const QString& packagePath, Actions actions, QWidget* parent = nullptr);

    // Reads the snapshots again.
    void reload();

private:
    const Backup* selected() const;
    void updateButtons();

    QString packagePath_;
    Actions actions_;
    std::vector<Backup> backups_;
    QTreeWidget* list_ = nullptr;
    QPushButton* open_ = nullptr;
    QPushButton* restore_ = nullptr;
};

// The reason of a snapshot in words ("Daily", "Before an import"…).
QString backupReasonText(const Backup& backup);

} // namespace spinora
