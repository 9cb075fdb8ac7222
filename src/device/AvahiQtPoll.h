#pragma once

#include <avahi-common/watch.h>

namespace spinora {

// Lets Avahi's client library run on the Qt event loop of the thread that
// makes it: file-descriptor watches become QSocketNotifiers, timeouts
// QTimers. One per Avahi client; it must outlive that client.
class AvahiQtPoll {
public:
    AvahiQtPoll();
    ~AvahiQtPoll();
    AvahiQtPoll(const AvahiQtPoll&) = delete;
    AvahiQtPoll& operator=(const AvahiQtPoll&) = delete;

    const AvahiPoll* poll() const { return &api_; }

private:
    AvahiPoll api_;
};

} // namespace spinora
