#include "ConsoleJob.h"

#include "CliSupport.h"
#include "Localization.h"

#include <algorithm>
#include <atomic>
#include <csignal>
#include <cstdio>

namespace spinora::cli {

namespace {
std::atomic<JobContext*> interruptible{nullptr};

void onInterrupt(int)
{
    if (JobContext* context = interruptible.load())
        context->cancel();
}
} // namespace

ConsoleJob::ConsoleJob()
{
    context_.setProgressListener([this](double percent) {
        // Every tenth is enough for a terminal or a log; each one passed is
        // printed, also when a step jumps over it.
        const int tenth = static_cast<int>(percent) / 10 * 10;
        for (int shown = lastTenth_ < 0 ? tenth : lastTenth_ + 10; shown <= tenth; shown += 10)
            std::fprintf(stderr, "progress: %d%%\n", shown);
        lastTenth_ = std::max(lastTenth_, tenth);
    });
    interruptible = &context_;
    std::signal(SIGINT, onInterrupt);
    std::signal(SIGTERM, onInterrupt);
}

ConsoleJob::~ConsoleJob()
{
    // The job has ended: a Ctrl-C now is too late to change anything and must
    // not turn a finished job's exit status into death by signal.
    std::signal(SIGINT, SIG_IGN);
    std::signal(SIGTERM, SIG_IGN);
    interruptible = nullptr;
}

int ConsoleJob::finish(int status, const QString& error, const QStringList& warnings)
{
    switch (status) {
    case kJobFinished: printLine(QStringLiteral("status: 0 (finished)")); break;
    case kJobCancelled: printLine(QStringLiteral("status: 1 (cancelled; nothing was changed)")); break;
    default:
        printLine(QStringLiteral("status: %1 (failed)").arg(status));
        if (!error.isEmpty())
            printError(error);
        break;
    }
    for (const QString& warning : warnings)
        printError(localized("warning: %1").arg(warning));
    // A job that finished but had to leave out what it could not read (a
    // field of a CSV file, a photo) says so in its status too, for scripts.
    if (status == kJobFinished)
        return warnings.isEmpty() ? 0 : kExitFinishedWithWarnings;
    return 1;
}

} // namespace spinora::cli
