#pragma once

#include "BackgroundJobs.h"
#include "ExchangeRelay.h"
#include "SpinoraDatabase.h"
#include "SpinoraUtility.h"
#include "TransferObserver.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <functional>
#include <mutex>
#include <vector>

namespace spinora::test {

// Stands where the progress sheet would: records progress and the result.
class JobObserver : public TransferObserver {
public:
    std::function<void(double)> onProgress;

    void progressUpdate(double percent) override
    {
        {
            std::lock_guard lock(mutex_);
            progress_.push_back(percent);
        }
        if (onProgress)
            onProgress(percent);
    }
    void importDidFinish(int status) override { status_ = status; }
    void exportDidFinish(int status) override { status_ = status; }

    // Runs the event loop until the job reports; -1 after the time limit.
    int wait(int seconds = 120)
    {
        QElapsedTimer timer;
        timer.start();
        while (status_ < 0 && timer.elapsed() < seconds * 1000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        BackgroundJobs::waitForAll();
        return status_;
    }
    std::vector<double> progress()
    {
        std::lock_guard lock(mutex_);
        return progress_;
    }

private:
    std::mutex mutex_;
    std::vector<double> progress_;
    int status_ = -1;
};

// Runs an export of the document and answers the status. Replacing what is
// at the path is allowed, as after the save panel's confirmation.
inline int exportTo(SpinoraDatabase& document, const QString& path, int type, JobObserver* observer = nullptr,
                    bool overwriteAllowed = true)
{
    JobObserver own;
    JobObserver& job = observer ? *observer : own;
    SpinoraUtility::sharedManager().documents().registerAsMainDocument(&document);
    ExchangeRelay::exportLocalDatabase(path, type, &job, overwriteAllowed);
    return job.wait();
}

// Runs an import into the document and answers the status.
inline int importFrom(SpinoraDatabase& document, const QString& path, int type, JobObserver* observer = nullptr)
{
    JobObserver own;
    JobObserver& job = observer ? *observer : own;
    SpinoraUtility::sharedManager().documents().registerAsMainDocument(&document);
    ExchangeRelay::importLocalDatabase(path, type, &job);
    return job.wait();
}

} // namespace spinora::test
