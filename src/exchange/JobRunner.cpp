#include "JobRunner.h"

#include <QCoreApplication>
#include <QTimer>

#include <condition_variable>
#include <map>
#include <mutex>
#include <thread>
#include <vector>

namespace spinora {

namespace {

// What the main thread keeps of a running job; only the main thread touches it.
struct Delivery {
    QPointer<QObject> receiver;
    std::shared_ptr<JobContext> context;
    std::function<void(void*)> deliver;
};
std::map<quint64, Delivery>& deliveries()
{
    static std::map<quint64, Delivery> all;
    return all;
}
quint64 nextJob = 0;

// Results wait here until the main thread takes them: a job hands its result
// over under this mutex and never touches a Qt object of the main thread (not
// even its event queue), so the hand-over is plain to see for
// ThreadSanitizer too.
std::mutex finishedMutex;
std::condition_variable threadsEnded;
std::vector<std::pair<quint64, std::shared_ptr<void>>> finished;
int threads = 0;

// Collects finished results a few dozen times a second while jobs run.
QTimer& collector()
{
    static QTimer* timer = [] {
        auto* made = new QTimer(QCoreApplication::instance());
        made->setInterval(15);
        QObject::connect(made, &QTimer::timeout, made, [made] {
            std::vector<std::pair<quint64, std::shared_ptr<void>>> ready;
            {
                std::lock_guard lock(finishedMutex);
                ready.swap(finished);
            }
            for (auto& [job, result] : ready) {
                const auto it = deliveries().find(job);
                if (it == deliveries().end())
                    continue;
                Delivery delivery = std::move(it->second);
                deliveries().erase(it);
                if (delivery.receiver)
                    delivery.deliver(result.get());
            }
            if (deliveries().empty())
                made->stop();
        });
        return made;
    }();
    return *timer;
}

} // namespace

void JobRunner::launch(QObject* receiver, std::shared_ptr<JobContext> context, std::function<void(void*)> deliver,
                       std::function<std::shared_ptr<void>()> work)
{
    const quint64 job = ++nextJob;
    deliveries().emplace(job, Delivery{receiver, std::move(context), std::move(deliver)});
    collector().start();
    {
        std::lock_guard lock(finishedMutex);
        ++threads;
    }
    // The thread holds only the work (the request and the context): the
    // receiver and what `done` captured stay on the main thread.
    std::thread([job, work = std::move(work)]() mutable {
        std::shared_ptr<void> result = work();
        work = nullptr;
        std::lock_guard lock(finishedMutex);
        finished.emplace_back(job, std::move(result));
        --threads;
        threadsEnded.notify_all();
    }).detach();
}

void JobRunner::cancelAll()
{
    for (auto& [job, delivery] : deliveries())
        delivery.context->cancel();
}

void JobRunner::waitForAll()
{
    std::unique_lock lock(finishedMutex);
    threadsEnded.wait(lock, [] { return threads == 0; });
}

int JobRunner::running()
{
    std::lock_guard lock(finishedMutex);
    return threads;
}

} // namespace spinora
