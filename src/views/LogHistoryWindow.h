#pragma once

#include <QDialog>

#include <memory>

class QToolBar;

namespace spinora {

class Cactus;
class CactusInfoViewController;
class LogViewController;
class SpinoraDatabase;
class ThumbnailCache;

// "Log History": the log list of one plant in history mode (its entries with
// their thumbnails, in month sections, newest first), under the "History"
// toolbar ("Delete Item", "Add Item"), with a "Close" button. Entries open in
// the log editor with the plant fixed; new entries belong to the plant.
class LogHistoryWindow : public QDialog {
    Q_OBJECT
public:
    LogHistoryWindow(SpinoraDatabase& document, Cactus* cactus, QWidget* parent);
    ~LogHistoryWindow() override;

    LogViewController* list() const { return list_; }
    QToolBar* toolbar() const { return toolbar_; }

private:
    std::unique_ptr<ThumbnailCache> thumbnails_;
    LogViewController* list_;
    QToolBar* toolbar_;
};

// The cactus editor's "Log History" button: the window over the editor, run
// until it is closed. Its "Print" prints the editor's sheet.
void presentLogHistory(CactusInfoViewController& editor);

} // namespace spinora
