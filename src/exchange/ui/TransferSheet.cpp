#include "TransferSheet.h"

#include "Localization.h"
#include "ProgressWindow.h"
#include "SpinoraUtility.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QMetaObject>

namespace spinora {

namespace {

void messageBox(QWidget* parent, const QString& title, const QString& text)
{
    QMessageBox box(parent);
    box.setWindowTitle(title);
    box.setText(title);
    box.setInformativeText(text);
    box.setStandardButtons(QMessageBox::Ok);
    box.button(QMessageBox::Ok)->setText(localized("OK"));
    box.exec();
}

bool question(QWidget* parent, const QString& title, const QString& text)
{
    return QMessageBox::question(parent, title, text, QMessageBox::Yes | QMessageBox::Cancel, QMessageBox::Cancel) ==
           QMessageBox::Yes;
}

} // namespace

TransferSheet::TransferSheet(QWidget* parent) : QDialog(parent), alert_(messageBox), confirm_(question)
{
}

bool TransferSheet::confirmReplacing(const QString& name)
{
    return confirm_(isVisible() ? this : parentWidget(), windowTitle(),
                    localized("\"%1\" already exists. Do you want to replace it?").arg(name));
}

TransferSheet::~TransferSheet()
{
    // A job that outlives its sheet must not report to it.
    SpinoraUtility& utility = SpinoraUtility::sharedManager();
    if (utility.importExportBrowser() == this)
        utility.registerImportExportBrowser(nullptr);
    if (utility.exportReportBrowser() == this)
        utility.registerExportReportBrowser(nullptr);
}

bool TransferSheet::hasMainDocument()
{
    return SpinoraUtility::sharedManager().mainDocument() != nullptr;
}

void TransferSheet::progressUpdate(double percent)
{
    // Called on the job's thread: the bar is set on the main thread.
    QMetaObject::invokeMethod(this, [this, percent] { refreshProgressBar(percent); }, Qt::QueuedConnection);
}

void TransferSheet::refreshProgressBar(double percent)
{
    if (progressWindow_)
        progressWindow_->setProgress(percent);
}

void TransferSheet::dismissProgressBar()
{
    if (progressWindow_)
        progressWindow_->done(QDialog::Accepted);
}

void TransferSheet::runProgressWindow(const QString& title, const std::function<void()>& start)
{
    auto* window = new ProgressWindow(nullptr, title);
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    window->setProgress(0);
    progressWindow_ = window;
    connect(window, &ProgressWindow::cancelRequested, this, [this] { cancelButtonPressed(); });
    pendingAlert_.reset();
    inProgressRun_ = true;
    window->show();
    start();
    // The job may have ended before the window got its modal run (a job that
    // fails before it starts reports at once).
    if (progressWindow_ && progressWindow_->isVisible())
        window->exec();
    inProgressRun_ = false;
    progressWindow_ = nullptr;
    window->deleteLater();
    if (pendingAlert_) {
        const auto [alertTitle, text] = *pendingAlert_;
        pendingAlert_.reset();
        showAlert(alertTitle, text);
    }
}

void TransferSheet::finishWithAlert(const std::optional<std::pair<QString, QString>>& alert)
{
    dismissProgressBar();
    if (!alert)
        return;
    if (inProgressRun_)
        pendingAlert_ = alert;
    else
        showAlert(alert->first, alert->second);
}

void TransferSheet::showAlert(const QString& title, const QString& text)
{
    alert_(isVisible() ? this : parentWidget(), title, text);
}

void TransferSheet::showWarning(const QString& text)
{
    showAlert(localized("WARNING"), text);
}

} // namespace spinora
