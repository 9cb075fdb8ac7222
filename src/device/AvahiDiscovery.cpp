#include "AvahiDiscovery.h"

#include "Localization.h"

#include <avahi-client/client.h>
#include <avahi-client/lookup.h>
#include <avahi-common/error.h>
#include <avahi-common/malloc.h>

namespace spinora {

struct AvahiDiscoveryCallbacks {
    static void client(AvahiClient*, AvahiClientState state, void* userdata)
    {
        auto* self = static_cast<AvahiDiscovery*>(userdata);
        if (state == AVAHI_CLIENT_FAILURE)
            self->fail(localized("the Avahi daemon went away"));
    }

    static void browse(AvahiServiceBrowser*, AvahiIfIndex interface, AvahiProtocol protocol, AvahiBrowserEvent event,
                       const char* name, const char* type, const char* domain, AvahiLookupResultFlags, void* userdata)
    {
        static_cast<AvahiDiscovery*>(userdata)->browseEvent(event, interface, protocol, name, type, domain);
    }

    static void resolve(AvahiServiceResolver* resolver, AvahiIfIndex, AvahiProtocol, AvahiResolverEvent event,
                        const char* name, const char* type, const char* domain, const char* hostName,
                        const AvahiAddress* address, uint16_t port, AvahiStringList* txt, AvahiLookupResultFlags,
                        void* userdata)
    {
        ResolvedService result;
        result.service = NetService{QString::fromUtf8(name), QString::fromUtf8(type), QString::fromUtf8(domain)};
        const bool found = event == AVAHI_RESOLVER_FOUND;
        if (found) {
            result.hostName = QString::fromUtf8(hostName);
            result.port = port;
            if (address) {
                char text[AVAHI_ADDRESS_STR_MAX];
                avahi_address_snprint(text, sizeof text, address);
                QHostAddress host(QString::fromLatin1(text));
                if (!host.isNull())
                    result.addresses << host;
            }
            for (AvahiStringList* entry = txt; entry; entry = avahi_string_list_get_next(entry)) {
                char* key = nullptr;
                char* value = nullptr;
                size_t size = 0;
                if (avahi_string_list_get_pair(entry, &key, &value, &size) != 0)
                    continue;
                result.txt.append({QByteArray(key), value ? QByteArray(value, qsizetype(size)) : QByteArray()});
                avahi_free(key);
                avahi_free(value);
            }
        }
        static_cast<AvahiDiscovery*>(userdata)->resolverDone(resolver, found, result);
    }
};

AvahiDiscovery::AvahiDiscovery(QObject* parent) : ServiceDiscovery(parent) {}

AvahiDiscovery::~AvahiDiscovery()
{
    stopBrowsing();
}

QString AvahiDiscovery::keyOf(const NetService& service)
{
    return service.name + QChar(0) + service.type + QChar(0) + service.domain;
}

void AvahiDiscovery::startBrowsing(const QString& type, const QString& domain)
{
    stopBrowsing();
    poll_ = std::make_unique<AvahiQtPoll>();
    int error = 0;
    client_ = avahi_client_new(poll_->poll(), AvahiClientFlags(0), AvahiDiscoveryCallbacks::client, this, &error);
    if (!client_) {
        // Reported from the event loop, as every other result.
        const QString reason = QString::fromUtf8(avahi_strerror(error));
        QTimer::singleShot(0, this, [this, reason] { fail(reason); });
        return;
    }
    QByteArray avahiType = type.toUtf8();
    if (avahiType.endsWith('.'))
        avahiType.chop(1);
    const QByteArray avahiDomain = domain.toUtf8();
    browser_ = avahi_service_browser_new(client_, AVAHI_IF_UNSPEC, AVAHI_PROTO_UNSPEC, avahiType.constData(),
                                         avahiDomain.isEmpty() ? nullptr : avahiDomain.constData(),
                                         AvahiLookupFlags(0), AvahiDiscoveryCallbacks::browse, this);
    if (!browser_) {
        const QString reason = QString::fromUtf8(avahi_strerror(avahi_client_errno(client_)));
        QTimer::singleShot(0, this, [this, reason] { fail(reason); });
    }
}

void AvahiDiscovery::stopBrowsing()
{
    for (const QString& key : pending_.keys())
        dropResolution(key);
    if (browser_)
        avahi_service_browser_free(browser_);
    browser_ = nullptr;
    if (client_)
        avahi_client_free(client_);
    client_ = nullptr;
    poll_.reset();
    sightings_.clear();
    services_.clear();
}

void AvahiDiscovery::fail(const QString& reason)
{
    stopBrowsing();
    emit searchFailed(reason);
}

void AvahiDiscovery::browseEvent(int event, int interface, int protocol, const char* name, const char* type,
                                 const char* domain)
{
    switch (event) {
    case AVAHI_BROWSER_NEW:
    case AVAHI_BROWSER_REMOVE: {
        const NetService service{QString::fromUtf8(name), QString::fromUtf8(type) + QLatin1Char('.'),
                                 QString::fromUtf8(domain) + QLatin1Char('.')};
        const QString key = keyOf(service);
        QList<Sighting>& seen = sightings_[key];
        const Sighting sighting{interface, protocol};
        if (event == AVAHI_BROWSER_NEW) {
            if (seen.contains(sighting))
                return;
            seen.append(sighting);
            if (seen.size() == 1) {
                services_.insert(key, service);
                emit serviceFound(service, false);
            }
        } else {
            seen.removeOne(sighting);
            if (seen.isEmpty()) {
                sightings_.remove(key);
                services_.remove(key);
                dropResolution(key);
                emit serviceRemoved(service);
            }
        }
        break;
    }
    case AVAHI_BROWSER_FAILURE:
        fail(QString::fromUtf8(avahi_strerror(avahi_client_errno(client_))));
        break;
    default: // ALL_FOR_NOW, CACHE_EXHAUSTED: browsing goes on.
        break;
    }
}

void AvahiDiscovery::resolve(const NetService& service, int timeoutMs)
{
    const QString key = keyOf(service);
    if (!client_ || pending_.contains(key))
        return;
    const QList<Sighting> seen = sightings_.value(key);
    const Sighting where = seen.isEmpty() ? Sighting{AVAHI_IF_UNSPEC, AVAHI_PROTO_UNSPEC} : seen.first();
    QByteArray type = service.type.toUtf8();
    if (type.endsWith('.'))
        type.chop(1);
    QByteArray domain = service.domain.toUtf8();
    if (domain.endsWith('.'))
        domain.chop(1);
    AvahiServiceResolver* resolver = avahi_service_resolver_new(
        client_, where.interface, where.protocol, service.name.toUtf8().constData(), type.constData(),
        domain.constData(), AVAHI_PROTO_UNSPEC, AvahiLookupFlags(0), AvahiDiscoveryCallbacks::resolve, this);
    if (!resolver) {
        QTimer::singleShot(0, this, [this, service] { emit resolutionFailed(service); });
        return;
    }
    auto* timer = new QTimer(this);
    timer->setSingleShot(true);
    connect(timer, &QTimer::timeout, this, [this, key, service] {
        dropResolution(key);
        emit resolutionFailed(service);
    });
    timer->start(timeoutMs);
    pending_.insert(key, Pending{resolver, timer});
}

void AvahiDiscovery::resolverDone(AvahiServiceResolver* resolver, bool found, const ResolvedService& result)
{
    QString key;
    for (auto it = pending_.cbegin(); it != pending_.cend(); ++it) {
        if (it->resolver == resolver)
            key = it.key();
    }
    if (key.isEmpty())
        return;
    // Keep the service's identity as browsing reported it.
    const NetService service = services_.value(key, result.service);
    dropResolution(key);
    if (!found) {
        emit resolutionFailed(service);
        return;
    }
    ResolvedService resolved = result;
    resolved.service = service;
    emit serviceResolved(resolved);
}

void AvahiDiscovery::dropResolution(const QString& key)
{
    const auto it = pending_.find(key);
    if (it == pending_.end())
        return;
    avahi_service_resolver_free(it->resolver);
    it->timer->stop();
    it->timer->deleteLater();
    pending_.erase(it);
}

} // namespace spinora
