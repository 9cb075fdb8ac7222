#include "ProgressWindow.h"

#include "JobContext.h"
#include "Localization.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace spinora {

ProgressWindow::ProgressWindow(QWidget* parent, const QString& title)
    : QDialog(parent), message_(new QLabel(this)), bar_(new QProgressBar(this)),
      cancelButton_(new QPushButton(localized("Cancel"), this))
{
    setWindowTitle(title);
    setWindowModality(parent ? Qt::WindowModal : Qt::ApplicationModal);
    bar_->setRange(0, 100);
    bar_->setValue(0);
    message_->setVisible(false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(message_);
    layout->addWidget(bar_);
    layout->addWidget(cancelButton_, 0, Qt::AlignRight);
    setMinimumWidth(360);
    connect(cancelButton_, &QPushButton::clicked, this, &ProgressWindow::requestCancel);
    poller_.setInterval(50);
    connect(&poller_, &QTimer::timeout, this, &ProgressWindow::poll);
}

void ProgressWindow::setProgress(double percent)
{
    bar_->setValue(static_cast<int>(std::clamp(percent, 0.0, 100.0)));
}

void ProgressWindow::setMessage(const QString& text)
{
    message_->setText(text);
    message_->setVisible(!text.isEmpty());
}

void ProgressWindow::follow(std::shared_ptr<const JobContext> context)
{
    context_ = std::move(context);
    poll();
    poller_.start();
}

void ProgressWindow::poll()
{
    if (!context_)
        return;
    setProgress(context_->progress());
    if (context_->cancelRequested() && !stopping_)
        setStopping();
}

void ProgressWindow::setStopping()
{
    stopping_ = true;
    setMessage(localized("Stopping..."));
    cancelButton_->setEnabled(false);
}

void ProgressWindow::requestCancel()
{
    if (!stopping_)
        emit cancelRequested();
}

void ProgressWindow::finish()
{
    poller_.stop();
    context_.reset();
    done(QDialog::Accepted);
}

void ProgressWindow::reject()
{
    requestCancel();
}

} // namespace spinora
