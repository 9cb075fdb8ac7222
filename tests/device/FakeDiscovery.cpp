#include "FakeDiscovery.h"

#include <QTimer>

namespace spinora {

FakeDiscovery::FakeDiscovery(Script& script, QObject* parent) : ServiceDiscovery(parent), script_(script) {}

FakeDiscovery::~FakeDiscovery()
{
    if (script_.current == this)
        script_.current = nullptr;
}

void FakeDiscovery::startBrowsing(const QString& type, const QString&)
{
    type_ = type;
    script_.current = this;
    if (!script_.startError.isEmpty()) {
        const QString reason = script_.startError;
        QTimer::singleShot(0, this, [this, reason] { emit searchFailed(reason); });
    }
}

void FakeDiscovery::stopBrowsing()
{
    if (script_.current == this)
        script_.current = nullptr;
}

void FakeDiscovery::resolve(const NetService& service, int)
{
    ++script_.resolutions;
    for (const ResolvedService& resolved : script_.resolvable) {
        if (resolved.service == service && !script_.failing.contains(service)) {
            QTimer::singleShot(0, this, [this, resolved] { emit serviceResolved(resolved); });
            return;
        }
    }
    QTimer::singleShot(0, this, [this, service] { emit resolutionFailed(service); });
}

ResolvedService fakeService(const QString& instanceName, const QString& host, quint16 port,
                            const QList<std::pair<QByteArray, QByteArray>>& txt)
{
    ResolvedService service;
    service.service = NetService{instanceName, QStringLiteral("_http._tcp."), QStringLiteral("local.")};
    service.hostName = host;
    service.port = port;
    service.addresses << QHostAddress(QHostAddress::LocalHost);
    service.txt = txt;
    return service;
}

} // namespace spinora
