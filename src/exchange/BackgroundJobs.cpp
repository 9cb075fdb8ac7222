#include "BackgroundJobs.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QThread>

#include <condition_variable>
#include <mutex>

namespace spinora {

namespace {
std::mutex mutex;
std::condition_variable finished;
int runningJobs = 0;
} // namespace

void BackgroundJobs::start(std::function<void()> work)
{
    {
        std::lock_guard lock(mutex);
        ++runningJobs;
    }
    QThread* thread = QThread::create([work = std::move(work)] {
        work();
        std::lock_guard lock(mutex);
        --runningJobs;
        finished.notify_all();
    });
    QObject::connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    thread->start();
}

void BackgroundJobs::postToMainThread(std::function<void()> function)
{
    QMetaObject::invokeMethod(QCoreApplication::instance(), std::move(function), Qt::QueuedConnection);
}

void BackgroundJobs::waitForAll()
{
    std::unique_lock lock(mutex);
    finished.wait(lock, [] { return runningJobs == 0; });
}

} // namespace spinora
