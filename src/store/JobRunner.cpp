#include "JobRunner.h"

#include <QCoreApplication>
#include <QEvent>

#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

namespace spinora {

namespace {

// The jobs not handed over yet; only the main thread touches the list.
std::vector<std::shared_ptr<RunningJob>>& started()
{
    static std::vector<std::shared_ptr<RunningJob>> all;
    return all;
}

// Guards each job's end and what the threads share below.
std::mutex endMutex;
std::condition_variable jobEnded;
int threads = 0;
QObject* courier = nullptr; // a JobRunner::Courier

} // namespace

// Lives on the main thread; a job's thread posts it an empty event once the
// job has ended, and it hands over every ended job. The event is all that
// passes through Qt's queue: the ends are seen under endMutex.
class JobRunner::Courier : public QObject {
public:
    using QObject::QObject;
    ~Courier() override
    {
        std::lock_guard lock(endMutex);
        courier = nullptr;
    }

protected:
    // QObject::event calls it for the posted events alone (from QEvent::User
    // on). It never reads the event: the job's thread made it, and only Qt's
    // own code, whose ordering ThreadSanitizer cannot see, may touch it.
    void customEvent(QEvent*) override { JobRunner::handOverEnded(); }
};

void JobRunner::handOverEnded()
{
    // Taken out first: a `done` may start jobs of its own.
    std::vector<std::shared_ptr<RunningJob>> ended;
    {
        std::lock_guard lock(endMutex);
        for (auto& job : started()) {
            if (job->ended_)
                ended.push_back(std::move(job));
        }
    }
    std::erase(started(), nullptr);
    for (const auto& job : ended) {
        if (!job->handedOver_ && job->receiver_) {
            job->handedOver_ = true;
            job->deliver();
        }
    }
}

void JobRunner::launch(std::shared_ptr<RunningJob> job)
{
    // Only the main thread sets it, so it reads it without the lock.
    QObject* made = courier || !QCoreApplication::instance() ? nullptr : new Courier(QCoreApplication::instance());
    {
        std::lock_guard lock(endMutex);
        if (made)
            courier = made;
        ++threads;
    }
    started().push_back(job);
    // The thread holds the job only until it has left its result: then the
    // job may go any time, and what `done` captured goes on the main thread.
    std::thread([job = job.get()] {
        job->work();
        std::lock_guard lock(endMutex);
        job->ended_ = true;
        --threads;
        jobEnded.notify_all();
        if (courier)
            QCoreApplication::postEvent(courier, new QEvent(QEvent::User));
    }).detach();
}

void JobRunner::waitFor(RunningJob& job)
{
    {
        std::unique_lock lock(endMutex);
        jobEnded.wait(lock, [&job] { return job.ended_; });
    }
    job.handedOver_ = true;
    std::erase_if(started(), [&job](const auto& one) { return one.get() == &job; });
}

void JobRunner::cancelAll()
{
    for (const auto& job : started())
        job->context()->cancel();
}

void JobRunner::waitForAll()
{
    std::unique_lock lock(endMutex);
    jobEnded.wait(lock, [] { return threads == 0; });
}

int JobRunner::running()
{
    std::lock_guard lock(endMutex);
    return threads;
}

} // namespace spinora
