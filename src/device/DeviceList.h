#pragma once

#include "Device.h"
#include "ServiceDiscovery.h"

#include <QList>
#include <QObject>

#include <functional>
#include <memory>

namespace spinora {

// The devices found while browsing: every "_http._tcp." service is resolved
// (once) and listed when its TXT record says it is the mobile app. The two
// lists are kept in step: device i came from service i. Browsing and the
// lists end together.
class DeviceList : public QObject {
    Q_OBJECT
public:
    using DiscoveryFactory = std::function<std::unique_ptr<ServiceDiscovery>()>;
    static constexpr int kResolveTimeoutMs = 2000;

    // A new discovery object is made for every browse.
    explicit DeviceList(DiscoveryFactory factory, QObject* parent = nullptr);
    ~DeviceList() override;

    void startBrowsing();
    // Stops browsing and empties both lists.
    void stopBrowsing();
    bool isBrowsing() const { return browser_ != nullptr; }

    const QList<Device>& deviceArray() const { return deviceArray_; }
    const QList<ResolvedService>& serviceArray() const { return serviceArray_; }
    // The server address of service `row` (empty outside the list).
    QString serverAddress(int row) const;

signals:
    void changed();
    // Browsing ended by itself (the search stopped or failed).
    void browsingEnded(const QString& reason);

private:
    void onFound(const NetService& service);
    void onRemoved(const NetService& service);
    void onResolved(const ResolvedService& service);
    void onResolutionFailed(const NetService& service);
    int indexOf(const NetService& service) const;

    DiscoveryFactory factory_;
    std::unique_ptr<ServiceDiscovery> browser_;
    QList<Device> deviceArray_;
    QList<ResolvedService> serviceArray_;
    QList<NetService> resolving_;
};

// The discovery of this system: Avahi.
std::unique_ptr<ServiceDiscovery> makeAvahiDiscovery();

} // namespace spinora
