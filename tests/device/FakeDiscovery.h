#pragma once

#include "ServiceDiscovery.h"

#include <QList>

namespace spinora {

// Discovery without a network, for tests: the test says which services
// appear, resolve, fail or go away. Shared state lets a test reach the
// object a DeviceList made for itself.
class FakeDiscovery : public ServiceDiscovery {
    Q_OBJECT
public:
    struct Script {
        QList<ResolvedService> resolvable; // what resolve() answers, by service
        QList<NetService> failing;         // resolve() fails for these
        QString startError;                // startBrowsing fails with this
        int resolutions = 0;
        FakeDiscovery* current = nullptr;  // the browsing object, if any
    };

    explicit FakeDiscovery(Script& script, QObject* parent = nullptr);
    ~FakeDiscovery() override;

    void startBrowsing(const QString& type, const QString& domain) override;
    void stopBrowsing() override;
    void resolve(const NetService& service, int timeoutMs) override;

    // What the network would do.
    void announce(const NetService& service) { emit serviceFound(service, false); }
    void withdraw(const NetService& service) { emit serviceRemoved(service); }
    void failSearch(const QString& reason) { emit searchFailed(reason); }

    QString browsedType() const { return type_; }

private:
    Script& script_;
    QString type_;
};

// A resolved service at 127.0.0.1 with a TXT record of "key=value" entries
// (a null value: key only).
ResolvedService fakeService(const QString& instanceName, const QString& host, quint16 port,
                            const QList<std::pair<QByteArray, QByteArray>>& txt);

} // namespace spinora
