#pragma once

#include "JobRunner.h"
#include "ProgressWindow.h"

#include <QDialog>
#include <QPointer>

class QFileDialog;

#include <functional>
#include <memory>
#include <optional>
#include <utility>

namespace spinora {

class SpinoraDatabase;

// What both import/export sheets share. Each document window has its own
// sheets, modal to that window only. After the user starts a job the sheet
// closes and a progress window, modal to the same window, stays until the job
// has ended (a Cancel included); then the result is told in an alert.
class TransferSheet : public QDialog {
    Q_OBJECT
public:
    // Shows an alert with a title, a text and the single button "OK".
    using AlertFunction = std::function<void(QWidget* parent, const QString& title, const QString& text)>;
    // Asks a yes/no question (replacing what exists); true for yes.
    using ConfirmFunction = std::function<bool(QWidget* parent, const QString& title, const QString& text)>;

    // Tests replace the alert and the question to answer them without a
    // modal message box.
    void setAlertFunction(AlertFunction alert) { alert_ = std::move(alert); }
    void setConfirmFunction(ConfirmFunction confirm) { confirm_ = std::move(confirm); }
    // The progress window of the running job; null when none runs.
    ProgressWindow* progressWindow() const { return progressWindow_; }
    bool isRunning() const { return progressWindow_ != nullptr; }
    // Asks the running job to stop; the progress window stays until it has.
    void cancelButtonPressed();
    // The collection the sheet's window shows.
    SpinoraDatabase& document() const { return document_; }

protected:
    // `window` is the document window; null for a sheet of the whole
    // application (tests).
    TransferSheet(SpinoraDatabase& document, QWidget* window);

    // Opens a file panel over the sheet without running it (another window
    // stays usable meanwhile); `chosen` gets the first chosen path when the
    // user accepts. The panel deletes itself.
    void openPanel(QFileDialog* panel, std::function<void(const QString&)> chosen);

    // Shows the progress window and runs the job on its thread; `ended` gets
    // its result on the main thread, after the progress window has gone.
    template <class Result>
    void runJob(const QString& title, std::function<Result(JobContext&)> work, std::function<void(Result&)> ended)
    {
        ProgressWindow* window = showProgressWindow(title);
        context_ = JobRunner::start<Result>(this, std::move(work), [this, window, ended](Result& result) {
            finishProgressWindow(window);
            if (documentIsOpen())
                ended(result);
        }).context();
        window->follow(context_);
    }
    // The alert for an end; none for a cancel.
    void showAlert(const std::optional<std::pair<QString, QString>>& alert);
    void showAlert(const QString& title, const QString& text);
    // The warning every refusal uses.
    void showWarning(const QString& text);
    // "<name> already exists. Do you want to replace it?"; true for yes.
    bool confirmReplacing(const QString& name);
    // False once the document has been closed (nothing of it may be touched).
    bool documentIsOpen() const;

private:
    ProgressWindow* showProgressWindow(const QString& title);
    void finishProgressWindow(ProgressWindow* window);

    SpinoraDatabase& document_;
    AlertFunction alert_;
    ConfirmFunction confirm_;
    QPointer<ProgressWindow> progressWindow_;
    std::shared_ptr<JobContext> context_;
};

} // namespace spinora
