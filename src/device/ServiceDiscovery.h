#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QString>

#include <utility>

namespace spinora {

// One advertised service as browsing finds it: what identifies it.
struct NetService {
    QString name;   // the instance name, chosen by the device's owner
    QString type;   // "_http._tcp."
    QString domain; // "local."

    bool operator==(const NetService& other) const
    {
        return name == other.name && type == other.type && domain == other.domain;
    }
};

// A service after resolution: where it is and its TXT record.
struct ResolvedService {
    NetService service;
    QString hostName;
    quint16 port = 0;
    QList<QHostAddress> addresses;
    // The TXT record's entries in their order; a key without "=" has a null value.
    QList<std::pair<QByteArray, QByteArray>> txt;
};

// DNS service discovery as the device dialog needs it: browse for one
// service type, resolve what is found. Everything is reported on the thread
// that owns the object, through its event loop.
class ServiceDiscovery : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Starts looking for services of the type ("_http._tcp.") in the domain
    // (empty: the default). A failure to start is reported by searchFailed.
    virtual void startBrowsing(const QString& type, const QString& domain) = 0;
    // Stops browsing and every resolution under way, without signals.
    virtual void stopBrowsing() = 0;
    // Resolves a found service; ends with serviceResolved or resolutionFailed.
    virtual void resolve(const NetService& service, int timeoutMs) = 0;

signals:
    void serviceFound(const spinora::NetService& service, bool moreComing);
    void serviceRemoved(const spinora::NetService& service);
    void searchStopped();
    void searchFailed(const QString& reason);
    void serviceResolved(const spinora::ResolvedService& service);
    void resolutionFailed(const spinora::NetService& service);
};

} // namespace spinora
