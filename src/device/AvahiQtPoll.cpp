#include "AvahiQtPoll.h"

#include <QDateTime>
#include <QSocketNotifier>
#include <QTimer>

#include <sys/time.h>

#include <algorithm>
#include <memory>

// Avahi declares these as opaque structs; they are ours to define.
struct AvahiWatch {
    int fd;
    AvahiWatchEvent wanted;
    AvahiWatchEvent happened;
    AvahiWatchCallback callback;
    void* userdata;
    QSocketNotifier* read = nullptr;
    QSocketNotifier* write = nullptr;
};

struct AvahiTimeout {
    AvahiTimeoutCallback callback;
    void* userdata;
    QTimer* timer;
};

namespace spinora {

namespace {

// Avahi may free a watch or a timeout from inside its own callback, that is
// while the notifier or timer that called is still emitting: they are
// deleted later, never at once.
void retire(QObject* object)
{
    if (!object)
        return;
    object->disconnect();
    if (auto* notifier = qobject_cast<QSocketNotifier*>(object))
        notifier->setEnabled(false);
    if (auto* timer = qobject_cast<QTimer*>(object))
        timer->stop();
    object->deleteLater();
}

void dispatch(AvahiWatch* watch, AvahiWatchEvent event)
{
    watch->happened = event;
    // The callback may free the watch: nothing touches it afterwards.
    watch->callback(watch, watch->fd, event, watch->userdata);
}

void applyEvents(AvahiWatch* watch)
{
    if (watch->read)
        watch->read->setEnabled(watch->wanted & (AVAHI_WATCH_IN | AVAHI_WATCH_ERR | AVAHI_WATCH_HUP));
    if (watch->write)
        watch->write->setEnabled(watch->wanted & AVAHI_WATCH_OUT);
}

AvahiWatch* watchNew(const AvahiPoll*, int fd, AvahiWatchEvent event, AvahiWatchCallback callback, void* userdata)
{
    auto* watch = new AvahiWatch{fd, event, AvahiWatchEvent(0), callback, userdata};
    watch->read = new QSocketNotifier(fd, QSocketNotifier::Read);
    watch->write = new QSocketNotifier(fd, QSocketNotifier::Write);
    QObject::connect(watch->read, &QSocketNotifier::activated, [watch] { dispatch(watch, AVAHI_WATCH_IN); });
    QObject::connect(watch->write, &QSocketNotifier::activated, [watch] { dispatch(watch, AVAHI_WATCH_OUT); });
    applyEvents(watch);
    return watch;
}

void watchUpdate(AvahiWatch* watch, AvahiWatchEvent event)
{
    watch->wanted = event;
    applyEvents(watch);
}

AvahiWatchEvent watchGetEvents(AvahiWatch* watch)
{
    return watch->happened;
}

void watchFree(AvahiWatch* watch)
{
    retire(watch->read);
    retire(watch->write);
    delete watch;
}

// Avahi's times are absolute, on the wall clock (gettimeofday).
void arm(AvahiTimeout* timeout, const struct timeval* tv)
{
    if (!tv) {
        timeout->timer->stop();
        return;
    }
    struct timeval now;
    gettimeofday(&now, nullptr);
    const long long ms = (tv->tv_sec - now.tv_sec) * 1000LL + (tv->tv_usec - now.tv_usec) / 1000;
    timeout->timer->start(int(std::clamp<long long>(ms, 0, 24LL * 3600 * 1000)));
}

AvahiTimeout* timeoutNew(const AvahiPoll*, const struct timeval* tv, AvahiTimeoutCallback callback, void* userdata)
{
    auto* timeout = new AvahiTimeout{callback, userdata, new QTimer};
    timeout->timer->setSingleShot(true);
    QObject::connect(timeout->timer, &QTimer::timeout, [timeout] { timeout->callback(timeout, timeout->userdata); });
    arm(timeout, tv);
    return timeout;
}

void timeoutUpdate(AvahiTimeout* timeout, const struct timeval* tv)
{
    arm(timeout, tv);
}

void timeoutFree(AvahiTimeout* timeout)
{
    retire(timeout->timer);
    delete timeout;
}

} // namespace

AvahiQtPoll::AvahiQtPoll()
{
    api_.userdata = this;
    api_.watch_new = watchNew;
    api_.watch_update = watchUpdate;
    api_.watch_get_events = watchGetEvents;
    api_.watch_free = watchFree;
    api_.timeout_new = timeoutNew;
    api_.timeout_update = timeoutUpdate;
    api_.timeout_free = timeoutFree;
}

AvahiQtPoll::~AvahiQtPoll() = default;

} // namespace spinora
