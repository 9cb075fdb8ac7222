#pragma once

#include "CollectionDump.h"
#include "ExportJob.h"
#include "ImportJob.h"
#include "JobRunner.h"
#include "PackageCommit.h"
#include "ReportExport.h"
#include "SampleCollection.h"
#include "SpinoraDatabase.h"
#include "TestSupport.h"

#include <QFileInfo>

#include <gtest/gtest.h>

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

// Runs a job as the window does: on its own thread, its result handed to
// `finish` on the main thread, whose event loop runs until then (120 s at most).
template <class Result>
JobRun runJob(std::function<Result(JobContext&)> work, std::function<int(Result&, JobRun&)> finish,
              ProgressHook hook = {})
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
    JobRunner::start<Result>(
        &receiver, std::move(work), [&run, finish](Result& result) { run.status = finish(result, run); }, context);
    waitFor([&run] { return run.status >= 0; }, 120000);
    JobRunner::waitForAll();
    if (run.error.isEmpty())
        run.error = context->error();
    if (run.warnings.isEmpty())
        run.warnings = context->warnings();
    run.progress = steps->second;
    lastJob() = run;
    return run;
}

// The names of the document's plants, sorted.
inline QStringList cactusNames(SpinoraDatabase& document)
{
    QStringList names;
    for (const auto& cactus : document.cacti())
        names << cactus->name();
    names.sort();
    return names;
}

inline JobRun refused(const QString& reason)
{
    JobRun run;
    run.status = kJobFailed;
    run.error = reason;
    lastJob() = run;
    return run;
}

// Runs a prepared export or report (`Job::run`), or says why it was refused.
template <class Job, class Request>
JobRun runPrepared(Result<Request> request, ProgressHook hook = {})
{
    if (!request)
        return refused(request.failure().reason());
    return runJob<int>([request = std::move(*request)](JobContext& context) { return Job::run(request, context); },
                       [](int& status, JobRun&) { return status; }, hook);
}

// Exports the document. Replacing what is at the path is allowed, as after
// the save panel's confirmation.
inline JobRun exportTo(SpinoraDatabase& document, const QString& path, int type, ProgressHook hook = {},
                       bool overwriteAllowed = true)
{
    return runPrepared<ExportJob>(ExportJob::prepare(document, path, type, overwriteAllowed), hook);
}

// Imports into the document; the document takes what a finished import left.
inline JobRun importFrom(SpinoraDatabase& document, const QString& path, int type, ProgressHook hook = {},
                         bool replaceAllowed = false)
{
    Result<ImportRequest> request = ImportJob::prepare(document, path, type, replaceAllowed);
    if (!request)
        return refused(request.failure().reason());
    // What the device sends is an interchange file, whatever its name.
    if (replaceAllowed)
        request->sourceKind = ImportRequest::Source::InterchangeFile;
    return runJob<ImportJob::Outcome>(
        [request = std::move(*request)](JobContext& context) { return ImportJob::run(request, context); },
        [&document](ImportJob::Outcome& result, JobRun& run) {
            ImportJob::adopt(document, result);
            run.error = result.error;
            run.warnings = result.warnings;
            return result.status;
        },
        hook);
}

// The HTML report of the document into a folder.
inline JobRun reportTo(SpinoraDatabase& document, const QString& folder, const QString& fileName, int photoSize,
                       bool overwriteAllowed = true)
{
    return runPrepared<ReportExport>(ReportExport::prepare(document, folder, fileName, photoSize, overwriteAllowed));
}

// A collection with records of its own and an interchange file of another
// collection to import into it. What the collection held (its records, and
// every file of its package) is noted, so that a test can show that an import
// which must change nothing changed nothing.
class ImportIntoKeptCollection : public ::testing::Test {
protected:
    void SetUp() override
    {
        source = newCollection(folder.file("Source.sdb"), true);
        EXPECT_TRUE(SampleCollection::fill(*source, SampleSize{6, 2, 8, 4, 240}).ok());
        file = folder.file("good.sdbi");
        ASSERT_EQ(exportTo(*source, file, 0), kJobFinished);
        target = newCollection(folder.file("Precious.sdb"));
        EXPECT_TRUE(SampleCollection::fill(*target, SampleSize{4, 1, 3, 2, 160}, 7).ok());
        expectOk(target->close());
        target = openCollection(folder.file("Precious.sdb"));
        dumpBefore = dumpCollection(*target);
        expectOk(target->close());
        target = openCollection(folder.file("Precious.sdb"));
        before = snapshot(target->packageFilename());
    }

    // The import failed with a message containing `reason` and nothing of
    // the collection changed.
    void expectUnchanged(int status, const char* reason = "")
    {
        EXPECT_EQ(status, kJobFailed);
        EXPECT_FALSE(lastJob().error.isEmpty());
        EXPECT_TRUE(lastJob().error.contains(QString::fromUtf8(reason))) << lastJob().error.toStdString();
        expectKept();
    }
    // Nothing of the collection changed, in memory, on disk or as a later
    // session reads it.
    void expectKept()
    {
        EXPECT_TRUE(holdsRecords(*target, dumpBefore));
        const QString path = target->packageFilename();
        expectOk(target->close());
        EXPECT_EQ(snapshot(path), before);
        target = openCollection(path);
        EXPECT_TRUE(holdsRecords(*target, dumpBefore));
        EXPECT_FALSE(QFileInfo::exists(path + "/" + PackageCommit::kStagingFolder));
    }

    TempFolder folder;
    QString file;
    std::unique_ptr<SpinoraDatabase> source;
    std::unique_ptr<SpinoraDatabase> target;
    QStringList dumpBefore;
    TreeSnapshot before;
};

} // namespace spinora::test
