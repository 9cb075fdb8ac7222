// notification-standin RECORD_FILE [--invoke KEY]: stands in for the
// desktop's notification service (org.freedesktop.Notifications) on the
// session bus of its environment. Every Notify call is appended to
// RECORD_FILE as one JSON line; with --invoke, each notification's action
// KEY is "clicked" at once, as a user would. Prints "ready" once it owns the name.
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusError>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimer>
#include <QVariantMap>

#include <cstdio>

class NotificationService : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    NotificationService(QString recordFile, QString invokeKey)
        : recordFile_(std::move(recordFile)), invokeKey_(std::move(invokeKey)) {}

public slots:
    QStringList GetCapabilities() { return {QStringLiteral("actions"), QStringLiteral("body")}; }

    uint Notify(const QString& appName, uint replacesId, const QString& icon, const QString& summary,
                const QString& body, const QStringList& actions, const QVariantMap& hints, int timeout)
    {
        const QJsonObject call{{"app_name", appName}, {"replaces_id", int(replacesId)}, {"icon", icon},
                               {"summary", summary}, {"body", body}, {"actions", QJsonArray::fromStringList(actions)},
                               {"desktop_entry", hints.value("desktop-entry").toString()}, {"timeout", timeout}};
        QFile file(recordFile_);
        if (file.open(QIODevice::Append))
            file.write(QJsonDocument(call).toJson(QJsonDocument::Compact) + '\n');
        const uint id = ++lastId_;
        if (!invokeKey_.isEmpty()) {
            QTimer::singleShot(50, this, [this, id] {
                emit ActionInvoked(id, invokeKey_);
                emit NotificationClosed(id, 2);
            });
        }
        return id;
    }

signals:
    void ActionInvoked(uint id, const QString& actionKey);
    void NotificationClosed(uint id, uint reason);

private:
    QString recordFile_;
    QString invokeKey_;
    uint lastId_ = 0;
};

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() < 2)
        return 2;
    const qsizetype invoke = arguments.indexOf(QStringLiteral("--invoke"));
    NotificationService service(arguments.at(1), invoke > 0 ? arguments.value(invoke + 1) : QString());
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.registerObject(QStringLiteral("/org/freedesktop/Notifications"), &service,
                            QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllSignals) ||
        !bus.registerService(QStringLiteral("org.freedesktop.Notifications"))) {
        std::fprintf(stderr, "notification-standin: %s\n", qPrintable(bus.lastError().message()));
        return 1;
    }
    std::puts("ready");
    std::fflush(stdout);
    return app.exec();
}

#include "NotificationStandIn.moc"
