#pragma once

#include <QDialog>
#include <QTimer>

#include <memory>

class QLabel;
class QProgressBar;
class QPushButton;

namespace spinora {

class JobContext;

// The progress window of every import, export and device transfer: a bar
// from 0 to 100 and a "Cancel" button, modal to the document window the job
// works for. Cancel only asks: the window then says it is stopping and stays,
// keeping the document window blocked, until its owner closes it when the job
// has really ended.
class ProgressWindow : public QDialog {
    Q_OBJECT
public:
    explicit ProgressWindow(QWidget* parent, const QString& title = QString());

    void setProgress(double percent);
    void setMessage(const QString& text);
    // Shows the progress of a running job (read a few times a second).
    void follow(std::shared_ptr<const JobContext> context);
    // Cancel was asked: "Stopping..." and no second Cancel.
    void setStopping();
    bool isStopping() const { return stopping_; }
    // What the Cancel button does (the shell's cancel command too).
    void requestCancel();
    // The job has ended: the window goes.
    void finish();

signals:
    void cancelRequested();

protected:
    // Escape and the window manager's close button act as Cancel, never as
    // a silent close while the job still runs.
    void reject() override;

private:
    void poll();

    QLabel* message_;
    QProgressBar* bar_;
    QPushButton* cancelButton_;
    QTimer poller_;
    std::shared_ptr<const JobContext> context_;
    bool stopping_ = false;
};

} // namespace spinora
