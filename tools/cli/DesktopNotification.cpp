#include "DesktopNotification.h"

#include "AppInfo.h"
#include "Localization.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusError>
#include <QDBusInterface>
#include <QDBusReply>
#include <QTimer>
#include <QVariantMap>

namespace spinora::cli {

namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kInterface = QStringLiteral("org.freedesktop.Notifications");

} // namespace

QString DesktopNotification::post(const Message& message)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return localized("there is no session bus to post the notification on (%1)").arg(bus.lastError().message());
    // Listening starts before the notification is posted: a quick click
    // must not be missed.
    bus.connect(kService, kPath, kInterface, QStringLiteral("ActionInvoked"), this,
                SLOT(actionInvoked(uint, QString)));
    bus.connect(kService, kPath, kInterface, QStringLiteral("NotificationClosed"), this,
                SLOT(notificationClosed(uint, uint)));

    QDBusInterface service(kService, kPath, kInterface, bus);
    const QDBusReply<QStringList> capabilities = service.call(QStringLiteral("GetCapabilities"));
    if (!capabilities.isValid())
        return localized("no notification service answers on the session bus (%1)").arg(capabilities.error().message());
    actions_ = capabilities.value().contains(QStringLiteral("actions"));

    // "default" is a click on the notification itself; "open" its button.
    const QStringList actions = {QStringLiteral("default"), localized("Open"), QStringLiteral("open"), localized("Open")};
    QVariantMap hints;
    // The installed desktop entry and icon are named by the application identifier.
    hints.insert(QStringLiteral("desktop-entry"), QLatin1String(kApplicationIdentifier));
    const QDBusReply<uint> reply = service.call(QStringLiteral("Notify"), QStringLiteral("Spinora"), uint(0),
                                                message.icon, message.summary, message.body, actions, hints, int(-1));
    if (!reply.isValid())
        return localized("the notification service refused the notification (%1)").arg(reply.error().message());
    id_ = reply.value();
    return QString();
}

bool DesktopNotification::waitForOpen(int seconds)
{
    if (!actions_ || ended_ || seconds <= 0)
        return opened_;
    QTimer::singleShot(seconds * 1000, &loop_, &QEventLoop::quit);
    loop_.exec();
    return opened_;
}

void DesktopNotification::actionInvoked(uint id, const QString& key)
{
    if (id != id_ || ended_)
        return;
    opened_ = key == QLatin1String("open") || key == QLatin1String("default");
    ended_ = true;
    loop_.quit();
}

void DesktopNotification::notificationClosed(uint id, uint)
{
    if (id != id_ || ended_)
        return;
    ended_ = true;
    loop_.quit();
}

} // namespace spinora::cli
