#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;

namespace spinora {

// The modal progress window of every import, export and device transfer: a
// bar from 0 to 100 and a "Cancel" button. Cancel only asks; the owner
// closes the window when the job reports its end.
class ProgressWindow : public QDialog {
    Q_OBJECT
public:
    explicit ProgressWindow(QWidget* parent, const QString& title = QString());

    void setProgress(double percent);
    void setMessage(const QString& text);

signals:
    void cancelRequested();

protected:
    // Escape and the window manager's close button act as Cancel, never as
    // a silent close while the job still runs.
    void reject() override;

private:
    QLabel* message_;
    QProgressBar* bar_;
    QPushButton* cancelButton_;
};

} // namespace spinora
