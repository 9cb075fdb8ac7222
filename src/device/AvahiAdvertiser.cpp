#include "AvahiAdvertiser.h"

#include <avahi-client/client.h>
#include <avahi-client/publish.h>
#include <avahi-common/alternative.h>
#include <avahi-common/error.h>
#include <avahi-common/malloc.h>

namespace spinora {

struct AvahiAdvertiserCallbacks {
    static void client(AvahiClient* client, AvahiClientState state, void* userdata)
    {
        auto* self = static_cast<AvahiAdvertiser*>(userdata);
        self->client_ = client; // the first call comes before avahi_client_new returns
        if (state == AVAHI_CLIENT_S_RUNNING)
            self->clientRunning();
        else if (state == AVAHI_CLIENT_FAILURE)
            self->fail(QString::fromUtf8(avahi_strerror(avahi_client_errno(client))));
        else if (state == AVAHI_CLIENT_S_COLLISION || state == AVAHI_CLIENT_S_REGISTERING) {
            if (self->group_)
                avahi_entry_group_reset(self->group_);
        }
    }

    static void group(AvahiEntryGroup*, AvahiEntryGroupState state, void* userdata)
    {
        static_cast<AvahiAdvertiser*>(userdata)->groupEvent(state);
    }
};

AvahiAdvertiser::AvahiAdvertiser(QObject* parent) : QObject(parent) {}

AvahiAdvertiser::~AvahiAdvertiser()
{
    withdraw();
}

bool AvahiAdvertiser::publish(const QString& name, quint16 port, const QByteArrayList& txt)
{
    withdraw();
    name_ = name;
    port_ = port;
    txt_ = txt;
    poll_ = std::make_unique<AvahiQtPoll>();
    int error = 0;
    client_ = avahi_client_new(poll_->poll(), AvahiClientFlags(0), AvahiAdvertiserCallbacks::client, this, &error);
    if (!client_) {
        error_ = QString::fromUtf8(avahi_strerror(error));
        poll_.reset();
        return false;
    }
    return true;
}

void AvahiAdvertiser::withdraw()
{
    if (group_)
        avahi_entry_group_free(group_);
    group_ = nullptr;
    if (client_)
        avahi_client_free(client_);
    client_ = nullptr;
    poll_.reset();
}

void AvahiAdvertiser::clientRunning()
{
    if (!group_)
        group_ = avahi_entry_group_new(client_, AvahiAdvertiserCallbacks::group, this);
    if (!group_) {
        fail(QString::fromUtf8(avahi_strerror(avahi_client_errno(client_))));
        return;
    }
    if (!avahi_entry_group_is_empty(group_))
        return;
    AvahiStringList* list = nullptr;
    for (const QByteArray& entry : txt_)
        list = avahi_string_list_add_arbitrary(list, reinterpret_cast<const uint8_t*>(entry.constData()), entry.size());
    // Avahi's list is built front first: reversed, it keeps the given order.
    list = avahi_string_list_reverse(list);
    for (;;) {
        const int result = avahi_entry_group_add_service_strlst(
            group_, AVAHI_IF_UNSPEC, AVAHI_PROTO_UNSPEC, AvahiPublishFlags(0), name_.toUtf8().constData(), "_http._tcp",
            nullptr, nullptr, port_, list);
        if (result == AVAHI_ERR_COLLISION) {
            char* other = avahi_alternative_service_name(name_.toUtf8().constData());
            name_ = QString::fromUtf8(other);
            avahi_free(other);
            continue;
        }
        avahi_string_list_free(list);
        if (result < 0 || avahi_entry_group_commit(group_) < 0) {
            fail(QString::fromUtf8(avahi_strerror(avahi_client_errno(client_))));
            return;
        }
        return;
    }
}

void AvahiAdvertiser::groupEvent(int state)
{
    switch (state) {
    case AVAHI_ENTRY_GROUP_ESTABLISHED: emit published(name_); break;
    case AVAHI_ENTRY_GROUP_COLLISION: {
        char* other = avahi_alternative_service_name(name_.toUtf8().constData());
        name_ = QString::fromUtf8(other);
        avahi_free(other);
        avahi_entry_group_reset(group_);
        clientRunning();
        break;
    }
    case AVAHI_ENTRY_GROUP_FAILURE:
        fail(QString::fromUtf8(avahi_strerror(avahi_client_errno(client_))));
        break;
    default: break;
    }
}

void AvahiAdvertiser::fail(const QString& reason)
{
    error_ = reason;
    emit failed(reason);
}

} // namespace spinora
