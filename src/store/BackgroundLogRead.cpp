#include "BackgroundLogRead.h"

#include "RecordSet.h"
#include "SqlConnection.h"

#include <algorithm>

namespace spinora {

BackgroundLogRead::~BackgroundLogRead()
{
    if (job_)
        job_->drop();
}

void BackgroundLogRead::start(const QString& path, bool newestFirst, std::unordered_map<int64_t, Cactus*> plants,
                              GroupByPlant group, std::function<void()> arrived)
{
    auto read = [path, newestFirst, plants = std::move(plants), group](JobContext&) {
        Logs read;
        read.newestFirst = newestFirst;
        QString error;
        auto connection = Connection::open(path, Connection::Mode::ReadOnly, &error);
        read.ok = connection && RecordSet::loadLogs(connection.get(), read.logs);
        if (read.ok) {
            RecordSet::sortLogs(read.logs, newestFirst);
            RecordSet::setPlantsOfLogs(read.logs, plants);
            read.byPlant = group(read.logs);
        }
        return read;
    };
    // The arrival only calls on the taker: take() has the logs.
    job_ = JobRunner::start<Logs>(&receiver_, std::move(read), [arrived = std::move(arrived)](Logs&) { arrived(); });
}

BackgroundLogRead::Logs BackgroundLogRead::take()
{
    pending_ = false;
    if (!job_)
        return {};
    Logs logs = std::move(job_->wait());
    job_.reset();
    return logs;
}

} // namespace spinora
