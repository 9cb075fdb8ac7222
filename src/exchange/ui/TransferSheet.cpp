#include "TransferSheet.h"

#include "Localization.h"
#include "ProgressWindow.h"
#include "SpinoraDatabase.h"
#include "SpinoraUtility.h"

#include <QAbstractButton>
#include <QFileDialog>
#include <QMessageBox>

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

TransferSheet::TransferSheet(SpinoraDatabase& document, QWidget* window)
    : QDialog(window), document_(document), alert_(messageBox), confirm_(question)
{
    setWindowModality(window ? Qt::WindowModal : Qt::ApplicationModal);
}

bool TransferSheet::documentIsOpen() const
{
    return SpinoraUtility::sharedManager().documents().isOpen(&document_);
}

bool TransferSheet::confirmReplacing(const QString& name)
{
    return confirm_(isVisible() ? this : parentWidget(), windowTitle(),
                    localized("“%1” already exists. Do you want to replace it?").arg(name));
}

ProgressWindow* TransferSheet::showProgressWindow(const QString& title)
{
    auto* window = new ProgressWindow(parentWidget(), title);
    connect(window, &ProgressWindow::cancelRequested, this, &TransferSheet::cancelButtonPressed);
    progressWindow_ = window;
    window->open();
    return window;
}

void TransferSheet::finishProgressWindow(ProgressWindow* window)
{
    window->finish();
    window->deleteLater();
    progressWindow_ = nullptr;
    context_.reset();
}

void TransferSheet::cancelButtonPressed()
{
    if (!context_)
        return;
    context_->cancel();
    if (progressWindow_)
        progressWindow_->setStopping();
}

void TransferSheet::showAlert(const std::optional<std::pair<QString, QString>>& alert)
{
    if (alert)
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

void TransferSheet::openPanel(QFileDialog* panel, std::function<void(const QString&)> chosen)
{
    connect(panel, &QFileDialog::finished, this, [panel, chosen = std::move(chosen)](int result) {
        const QStringList files = panel->selectedFiles();
        panel->deleteLater();
        if (result == QDialog::Accepted && !files.isEmpty())
            chosen(files.constFirst());
    });
    panel->open();
}

} // namespace spinora
