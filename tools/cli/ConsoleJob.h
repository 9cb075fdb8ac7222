#pragma once

#include "JobContext.h"

#include <QString>
#include <QStringList>

namespace spinora::cli {

// A job run on the command line, on this one thread: its progress goes to
// stderr, Ctrl-C and SIGTERM ask it to stop, and its end is printed as a
// status line.
class ConsoleJob {
public:
    ConsoleJob();
    ~ConsoleJob();
    ConsoleJob(const ConsoleJob&) = delete;
    ConsoleJob& operator=(const ConsoleJob&) = delete;

    JobContext& context() { return context_; }
    // The exit code of a job that finished with warnings.
    static constexpr int kExitFinishedWithWarnings = 3;

    // Prints the status, the reason of a failure and what a finished job had
    // to leave out; answers the exit code: 0 when the job finished, 3 when it
    // finished with warnings, 1 when it failed or was cancelled.
    int finish(int status, const QString& error, const QStringList& warnings);

private:
    JobContext context_;
    int lastTenth_ = -1;
};

} // namespace spinora::cli
