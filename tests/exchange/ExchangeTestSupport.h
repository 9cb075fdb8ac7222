#pragma once

#include "ExportJob.h"
#include "ImportJob.h"
#include "JobRunner.h"
#include "ReportExport.h"
#include "SpinoraDatabase.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <functional>
#include <memory>
#include <mutex>
#include <ostream>
#include <vector>

namespace spinora::test {

// One job as a test sees it: its status (the value it compares as), the
// reason of a failure, the warnings and every progress step.
struct JobRun {
    int status = -1;
    QString error;
    QStringList warnings;
    std::vector<double> progress;
    operator int() const { return status; }
};

inline void PrintTo(const JobRun& run, std::ostream* out)
{
    *out << "status " << run.status;
    if (!run.error.isEmpty())
        *out << " (" << run.error.toStdString() << ")";
}

// The last job run by the helpers below.
inline JobRun& lastJob()
{
    static JobRun last;
    return last;
}

// Called on the job's thread at every progress step (a test cancels there).
using ProgressHook = std::function<void(double percent, JobContext& context)>;

// Runs a job as the window does: on its own thread, its result handed to the
// main thread's event loop, which runs until then (120 s at most).
template <class Result>
JobRun runJob(std::function<Result(JobContext&)> work, std::function<int(Result&)> finish, ProgressHook hook = {})
{
    auto context = std::make_shared<JobContext>();
    auto steps = std::make_shared<std::pair<std::mutex, std::vector<double>>>();
    context->setProgressListener([steps, hook, raw = context.get()](double percent) {
        {
            std::lock_guard lock(steps->first);
            steps->second.push_back(percent);
        }
        if (hook)
            hook(percent, *raw);
    });
    QObject receiver;
    JobRun run;
    JobRunner::start<Result>(&receiver, std::move(work), [&run, finish](Result& result) { run.status = finish(result); },
                             context);
    QElapsedTimer timer;
    timer.start();
    while (run.status < 0 && timer.elapsed() < 120000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    JobRunner::waitForAll();
    if (run.error.isEmpty())
        run.error = context->error();
    if (run.warnings.isEmpty())
        run.warnings = context->warnings();
    run.progress = steps->second;
    lastJob() = run;
    return run;
}

inline JobRun refused(const QString& reason)
{
    JobRun run;
    run.status = kJobFailed;
    run.error = reason;
    lastJob() = run;
    return run;
}

// Exports the document. Replacing what is at the path is allowed, as after
// the save panel's confirmation.
inline JobRun exportTo(SpinoraDatabase& document, const QString& path, int type, ProgressHook hook = {},
                       bool overwriteAllowed = true)
{
    QString reason;
    std::optional<ExportRequest> request = ExportJob::prepare(document, path, type, overwriteAllowed, &reason);
    if (!request)
        return refused(reason);
    return runJob<int>([request = std::move(*request)](JobContext& context) { return ExportJob::run(request, context); },
                       [](int& status) { return status; }, hook);
}

// Imports into the document; the document takes what a finished import left.
inline JobRun importFrom(SpinoraDatabase& document, const QString& path, int type, ProgressHook hook = {},
                         bool replaceAllowed = false)
{
    QString reason;
    std::optional<ImportRequest> request = ImportJob::prepare(document, path, type, replaceAllowed, &reason);
    if (!request)
        return refused(reason);
    // What the device sends is an interchange file, whatever its name.
    if (replaceAllowed)
        request->sourceKind = ImportRequest::Source::InterchangeFile;
    QString error;
    QStringList warnings;
    JobRun run = runJob<ImportJob::Result>(
        [request = std::move(*request)](JobContext& context) { return ImportJob::run(request, context); },
        [&](ImportJob::Result& result) {
            ImportJob::adopt(document, result);
            error = result.error;
            warnings = result.warnings;
            return result.status;
        },
        hook);
    run.error = error;
    run.warnings = warnings;
    lastJob() = run;
    return run;
}

// The HTML report of the document into a folder.
inline JobRun reportTo(SpinoraDatabase& document, const QString& folder, const QString& fileName, int photoSize,
                       bool overwriteAllowed = true)
{
    QString reason;
    std::optional<ReportRequest> request =
        ReportExport::prepare(document, folder, fileName, photoSize, overwriteAllowed, &reason);
    if (!request)
        return refused(reason);
    return runJob<int>([request = std::move(*request)](JobContext& context) { return ReportExport::run(request, context); },
                       [](int& status) { return status; });
}

} // namespace spinora::test
