#pragma once

#include "AvahiQtPoll.h"

#include <QByteArrayList>
#include <QObject>
#include <QString>

#include <memory>

struct AvahiClient;
struct AvahiEntryGroup;

namespace spinora {

// Publishes one "_http._tcp" service with a TXT record through the Avahi
// daemon, as the mobile app does; renames itself on a name collision.
class AvahiAdvertiser : public QObject {
    Q_OBJECT
public:
    explicit AvahiAdvertiser(QObject* parent = nullptr);
    ~AvahiAdvertiser() override;

    // False (with errorString) when the daemon cannot be reached. The
    // service is published once the daemon is ready: see published().
    bool publish(const QString& name, quint16 port, const QByteArrayList& txt);
    void withdraw();
    QString errorString() const { return error_; }
    QString publishedName() const { return name_; }

signals:
    void published(const QString& name);
    void failed(const QString& reason);

private:
    void clientRunning();
    void groupEvent(int state);
    void fail(const QString& reason);

    std::unique_ptr<AvahiQtPoll> poll_;
    AvahiClient* client_ = nullptr;
    AvahiEntryGroup* group_ = nullptr;
    QString name_;
    quint16 port_ = 0;
    QByteArrayList txt_;
    QString error_;

    friend struct AvahiAdvertiserCallbacks;
};

} // namespace spinora
