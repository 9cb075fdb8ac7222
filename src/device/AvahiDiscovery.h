#pragma once

#include "AvahiQtPoll.h"
#include "ServiceDiscovery.h"

#include <QHash>
#include <QTimer>

#include <memory>

struct AvahiClient;
struct AvahiServiceBrowser;
struct AvahiServiceResolver;

namespace spinora {

// Service discovery through the Avahi daemon (over the system D-Bus), on the
// Qt event loop. A service seen on several interfaces or protocols is one
// service; it is removed when its last sighting goes.
class AvahiDiscovery : public ServiceDiscovery {
    Q_OBJECT
public:
    explicit AvahiDiscovery(QObject* parent = nullptr);
    ~AvahiDiscovery() override;

    void startBrowsing(const QString& type, const QString& domain) override;
    void stopBrowsing() override;
    void resolve(const NetService& service, int timeoutMs) override;

private:
    struct Sighting {
        int interface;
        int protocol;
        bool operator==(const Sighting& o) const { return interface == o.interface && protocol == o.protocol; }
    };
    struct Pending {
        AvahiServiceResolver* resolver;
        QTimer* timer;
    };

    static QString keyOf(const NetService& service);
    void browseEvent(int event, int interface, int protocol, const char* name, const char* type, const char* domain);
    void resolverDone(AvahiServiceResolver* resolver, bool found, const ResolvedService& result);
    void dropResolution(const QString& key);
    void fail(const QString& reason);

    std::unique_ptr<AvahiQtPoll> poll_;
    AvahiClient* client_ = nullptr;
    AvahiServiceBrowser* browser_ = nullptr;
    QHash<QString, QList<Sighting>> sightings_;
    QHash<QString, NetService> services_;
    QHash<QString, Pending> pending_;

    friend struct AvahiDiscoveryCallbacks;
};

} // namespace spinora
