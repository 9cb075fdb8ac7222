#include "JobWaiter.h"

#include "BackgroundJobs.h"
#include "CliSupport.h"
#include "SpinoraDatabase.h"

#include <csignal>
#include <cstdio>

namespace spinora::cli {

namespace {
std::atomic<SpinoraDatabase*> interruptible{nullptr};

void onInterrupt(int)
{
    if (SpinoraDatabase* document = interruptible.load()) {
        document->abortDatabaseImport();
        document->abortDatabaseExport();
    }
}
} // namespace

JobWaiter::JobWaiter(SpinoraDatabase& document) : document_(document)
{
    interruptible = &document;
    std::signal(SIGINT, onInterrupt);
    std::signal(SIGTERM, onInterrupt);
}

JobWaiter::~JobWaiter()
{
    std::signal(SIGINT, SIG_DFL);
    std::signal(SIGTERM, SIG_DFL);
    interruptible = nullptr;
}

void JobWaiter::progressUpdate(double percent)
{
    // Every tenth is enough for a terminal or a log.
    const int tenth = static_cast<int>(percent) / 10 * 10;
    if (lastPercent_.exchange(tenth) != tenth)
        std::fprintf(stderr, "progress: %d%%\n", tenth);
}

void JobWaiter::finish(int status)
{
    status_ = status;
    loop_.quit();
}

int JobWaiter::wait()
{
    if (status_ < 0)
        loop_.exec();
    BackgroundJobs::waitForAll();
    switch (status_) {
    case kJobFinished: printLine(QStringLiteral("status: 0 (finished)")); break;
    case kJobCancelled: printLine(QStringLiteral("status: 1 (cancelled; nothing was changed)")); break;
    default:
        printLine(QStringLiteral("status: %1 (failed)").arg(status_));
        if (!document_.jobError().isEmpty())
            printError(document_.jobError());
        break;
    }
    // What a finished job had to leave out, one line each.
    for (const QString& warning : document_.jobWarnings())
        printError(QStringLiteral("warning: ") + warning);
    return status_;
}

} // namespace spinora::cli
