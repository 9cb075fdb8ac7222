#pragma once

#include <QDialog>

class QListWidget;

namespace spinora {

class Cactus;
class SpinoraDatabase;

// "Log History": the log entries of one plant, newest first, with add and
// delete; entries open in the log editor with the plant fixed.
class LogHistoryWindow : public QDialog {
    Q_OBJECT
public:
    LogHistoryWindow(SpinoraDatabase& document, Cactus* cactus, QWidget* parent);

    void refreshData();
    void handleAddButton();
    void handleDeleteButton();
    QListWidget* list() const { return list_; }

private:
    void openRow(int row);

    SpinoraDatabase& document_;
    Cactus* cactus_;
    QListWidget* list_;
};

} // namespace spinora
