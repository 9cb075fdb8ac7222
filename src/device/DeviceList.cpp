#include "DeviceList.h"

#include "AvahiDiscovery.h"

namespace spinora {

namespace {
const QString kServiceType = QStringLiteral("_http._tcp.");
}

std::unique_ptr<ServiceDiscovery> makeAvahiDiscovery()
{
    return std::make_unique<AvahiDiscovery>();
}

DeviceList::DeviceList(DiscoveryFactory factory, QObject* parent) : QObject(parent), factory_(std::move(factory)) {}

DeviceList::~DeviceList()
{
    stopBrowsing();
}

void DeviceList::startBrowsing()
{
    stopBrowsing();
    browser_ = factory_();
    ServiceDiscovery* browser = browser_.get();
    connect(browser, &ServiceDiscovery::serviceFound, this, [this](const NetService& s, bool) { onFound(s); });
    connect(browser, &ServiceDiscovery::serviceRemoved, this, &DeviceList::onRemoved);
    connect(browser, &ServiceDiscovery::serviceResolved, this, &DeviceList::onResolved);
    connect(browser, &ServiceDiscovery::resolutionFailed, this, &DeviceList::onResolutionFailed);
    connect(browser, &ServiceDiscovery::searchStopped, this, [this] {
        stopBrowsing();
        emit browsingEnded(QString());
    });
    connect(browser, &ServiceDiscovery::searchFailed, this, [this](const QString& reason) {
        stopBrowsing();
        emit browsingEnded(reason);
    });
    // An empty domain: the default one.
    browser->startBrowsing(kServiceType, QString());
}

void DeviceList::stopBrowsing()
{
    if (browser_) {
        browser_->disconnect(this);
        browser_->stopBrowsing();
        // It may be the sender of the signal that brought us here.
        browser_.release()->deleteLater();
    }
    resolving_.clear();
    const bool hadDevices = !deviceArray_.isEmpty();
    deviceArray_.clear();
    serviceArray_.clear();
    if (hadDevices)
        emit changed();
}

QString DeviceList::serverAddress(int row) const
{
    if (row < 0 || row >= serviceArray_.size())
        return QString();
    return spinora::serverAddress(serviceArray_.at(row));
}

int DeviceList::indexOf(const NetService& service) const
{
    for (int i = 0; i < serviceArray_.size(); ++i) {
        if (serviceArray_.at(i).service == service)
            return i;
    }
    return -1;
}

void DeviceList::onFound(const NetService& service)
{
    // Nothing is listed before resolution, and nothing listed is resolved again.
    if (indexOf(service) >= 0 || resolving_.contains(service))
        return;
    resolving_.append(service);
    browser_->resolve(service, kResolveTimeoutMs);
}

void DeviceList::onResolved(const ResolvedService& service)
{
    // A service removed while it was being resolved stays away.
    if (!resolving_.removeOne(service.service))
        return;
    const std::optional<Device> device = Device::fromService(service);
    if (!device)
        return;
    deviceArray_.append(*device);
    serviceArray_.append(service);
    emit changed();
}

void DeviceList::onResolutionFailed(const NetService& service)
{
    resolving_.removeOne(service);
}

void DeviceList::onRemoved(const NetService& service)
{
    resolving_.removeOne(service);
    const int index = indexOf(service);
    if (index < 0)
        return;
    serviceArray_.removeAt(index);
    deviceArray_.removeAt(index);
    emit changed();
}

} // namespace spinora
