#pragma once

#include <QEventLoop>
#include <QObject>
#include <QString>

namespace spinora::cli {

// One desktop notification with an "Open" action, posted to the
// notification service of the session bus (org.freedesktop.Notifications):
// the daily reminder of `spinora-cli due --notify`.
class DesktopNotification : public QObject {
    Q_OBJECT
public:
    struct Message {
        QString summary;
        QString body;
        QString icon;
    };

    // Posts the notification; answers an error text for the user, empty on success.
    QString post(const Message& message);
    // Waits until the user chooses "Open" (true), closes the notification,
    // or `seconds` pass. Returns at once when the service offers no actions.
    bool waitForOpen(int seconds);

private slots:
    void actionInvoked(uint id, const QString& key);
    void notificationClosed(uint id, uint reason);

private:
    uint id_ = 0;
    bool actions_ = false;
    bool opened_ = false;
    bool ended_ = false;
    QEventLoop loop_;
};

} // namespace spinora::cli
