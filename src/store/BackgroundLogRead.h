#pragma once

#include "JobRunner.h"
#include "Log.h"

#include <QObject>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <unordered_map>
#include <utility>
#include <vector>

namespace spinora {

class Cactus;

// The logs of a collection, by far its most rows, read on a thread of their
// own (with a connection of their own) while the first screen shows the
// plants. The document owns the read and takes the logs over whole on the
// main thread: when the read says they have arrived, or earlier when it
// needs them at once (take() then waits for them).
class BackgroundLogRead {
public:
    // The logs of each plant, in the order of the logs.
    using LogsByPlant = std::vector<std::pair<Cactus*, std::vector<Log*>>>;
    using GroupByPlant = LogsByPlant (*)(const std::vector<std::unique_ptr<Log>>& logs);
    struct Logs {
        std::vector<std::unique_ptr<Log>> logs;
        LogsByPlant byPlant;
        bool newestFirst = true;
        // False when they could not be read there, or were never read: the
        // taker reads them itself.
        bool ok = false;
    };

    BackgroundLogRead() = default;
    BackgroundLogRead(const BackgroundLogRead&) = delete;
    BackgroundLogRead& operator=(const BackgroundLogRead&) = delete;
    // Waits for a read still running (the plants it links to must stay);
    // its logs are dropped.
    ~BackgroundLogRead();

    // The logs are to be read behind the rest: they are pending until taken.
    void expect() { pending_ = true; }
    bool pending() const { return pending_; }
    // Reads the logs of the database at `path`, sorted, linked to `plants`
    // (which stay until the logs are taken) and grouped by `group`;
    // `arrived` is called on the main thread once they are there.
    void start(const QString& path, bool newestFirst, std::unordered_map<int64_t, Cactus*> plants,
               GroupByPlant group, std::function<void()> arrived);
    // Waits for the logs and hands them over; afterwards none are pending.
    Logs take();

private:
    QObject receiver_;
    std::optional<JobRunner::Job<Logs>> job_;
    bool pending_ = false;
};

} // namespace spinora
