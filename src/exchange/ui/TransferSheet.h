#pragma once

#include "ProgressWindow.h"
#include "TransferObserver.h"

#include <QDialog>
#include <QPointer>

#include <functional>
#include <optional>
#include <utility>

namespace spinora {


// What both import/export sheets share: after the user starts a job the
// sheet closes, a modal progress window runs until the job reports, and the
// result is told in an alert. Progress arrives on the job's thread and is
// moved to the main thread; completion arrives on the main thread.
class TransferSheet : public QDialog, public TransferObserver {
    Q_OBJECT
public:
    // Shows an alert with a title, a text and the single button "OK".
    using AlertFunction = std::function<void(QWidget* parent, const QString& title, const QString& text)>;

    ~TransferSheet() override;

    // Asks a yes/no question (replacing what exists); true for yes.
    using ConfirmFunction = std::function<bool(QWidget* parent, const QString& title, const QString& text)>;

    // Tests replace the alert and the question to answer them without a
    // modal message box.
    void setAlertFunction(AlertFunction alert) { alert_ = std::move(alert); }
    void setConfirmFunction(ConfirmFunction confirm) { confirm_ = std::move(confirm); }
    // The progress window of the running job; null when none runs.
    ProgressWindow* progressWindow() const { return progressWindow_; }

    void progressUpdate(double percent) override;
    // Stops the progress window's modal run and closes it.
    void dismissProgressBar();

protected:
    explicit TransferSheet(QWidget* parent);

    // Shows the progress window (bar at 0), calls `start` and runs the window
    // modally until the job reports its end; then shows the alert the end chose.
    void runProgressWindow(const QString& title, const std::function<void()>& start);
    // Ends the progress window and shows the alert now or, while the progress
    // window's run is unwinding, right after it.
    void finishWithAlert(const std::optional<std::pair<QString, QString>>& alert);
    void showAlert(const QString& title, const QString& text);
    // The warning every refusal uses.
    void showWarning(const QString& text);
    // "<name> already exists. Do you want to replace it?"; true for yes.
    bool confirmReplacing(const QString& name);
    // True when a collection is open to import into or export from.
    static bool hasMainDocument();

private:
    void refreshProgressBar(double percent);

    AlertFunction alert_;
    ConfirmFunction confirm_;
    QPointer<ProgressWindow> progressWindow_;
    bool inProgressRun_ = false;
    std::optional<std::pair<QString, QString>> pendingAlert_;
};

} // namespace spinora
