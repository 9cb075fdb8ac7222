#pragma once

#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>

namespace spinora::bench {

// Measures how long the event loop goes without a turn: a 5 ms timer notes
// the time between its timeouts, and the longest gap is what a user would
// feel as a stall (a window that neither paints nor answers meanwhile).
class EventLoopGaps {
public:
    EventLoopGaps()
    {
        timer_.setInterval(5);
        timer_.setTimerType(Qt::PreciseTimer);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            longestMs_ = std::max(longestMs_, sinceLast_.restart());
        });
    }

    void start()
    {
        longestMs_ = 0;
        sinceLast_.start();
        timer_.start();
    }
    void stop() { timer_.stop(); }
    qint64 longestGapMs() const { return longestMs_; }

private:
    QTimer timer_;
    QElapsedTimer sinceLast_;
    qint64 longestMs_ = 0;
};

} // namespace spinora::bench
