#pragma once

// Who owns what while an import or export runs
//
// The main thread owns every open collection (SpinoraDatabase): its records,
// its SQLite connection and every widget that shows them. A job never sees
// any of these. It gets a request, a plain value made on the main thread
// (ImportRequest, ExportRequest, ReportRequest: paths, what to exchange, the
// photo size, whether it may replace what exists), and a JobContext, the only
// object both threads touch: progress, the cancel request, warnings and the
// reason of a failure. The job works on SQLite connections and files of its
// own and ends with a result. JobRunner starts it on a background thread;
// the main thread collects the result (under a mutex, never through a Qt
// object) and hands it to the QObject that asked (a sheet, the device
// dialog): one that is gone meanwhile never receives it. There the document
// takes the new records in one step and its lists refresh once.
// spinora-cli calls the same job functions directly, on its one thread.

#include "JobContext.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>

namespace spinora {

class JobRunner {
public:
    // Runs `work` on a new thread. Its result reaches `done` on the main
    // thread (within some milliseconds of its end, while the event loop
    // runs); when `receiver` is destroyed first, `done` is never called (the
    // job itself still runs to its end). Main thread only. Answers the job's
    // context (cancel it to stop the job).
    template <class Result>
    static std::shared_ptr<JobContext> start(QObject* receiver, std::function<Result(JobContext&)> work,
                                             std::function<void(Result&)> done,
                                             std::shared_ptr<JobContext> context = std::make_shared<JobContext>())
    {
        auto deliver = [done = std::move(done)](void* result) { done(*static_cast<Result*>(result)); };
        launch(receiver, context, std::move(deliver), [work = std::move(work), context] {
            return std::shared_ptr<void>(std::make_shared<Result>(work(*context)));
        });
        return context;
    }

    // Asks every running job to stop (before the application quits).
    static void cancelAll();
    // Blocks until every job started here has ended.
    static void waitForAll();
    // The number of jobs still running.
    static int running();

private:
    static void launch(QObject* receiver, std::shared_ptr<JobContext> context, std::function<void(void*)> deliver,
                       std::function<std::shared_ptr<void>()> work);
};

} // namespace spinora
