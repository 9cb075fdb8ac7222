#pragma once

// Who owns what while work runs in the background
//
// The main thread owns every open collection (SpinoraDatabase): its records,
// its SQLite connection and every widget that shows them. A job never sees
// any of these. It gets a request, a plain value made on the main thread (an
// import, export or report request, a picture file to prepare as a photo,
// the path of the database whose logs are read behind the first screen; that
// read also gets the plants' addresses to link its logs to, and the document
// keeps its plants until it has the logs), and a JobContext, the only object
// both threads touch: progress, the cancel request, warnings and the reason
// of a failure. The job works on SQLite connections and files of its own and
// ends with a result: it leaves it in its job and marks the end under a
// mutex. JobRunner starts it on a thread of its own and wakes the main thread
// with a queued call that carries nothing of the job; the main thread sees
// the end under that mutex (so the hand-over is plain to see for
// ThreadSanitizer, unlike Qt's own queue) and hands the result to the QObject
// that asked (a sheet, the device dialog, a photo grid, the document's log
// read): one that is gone meanwhile never receives it. There the document
// takes the new records in one step and its lists refresh once. The main
// thread may also wait for a job and take its result at once (the document
// when it needs its logs now). spinora-cli calls the same job functions
// directly, on its main thread. Within a job, an import writes its photo
// files on one more thread (PhotoFileWriter), which it starts and joins
// before its commit; that thread touches nothing but the files.

#include "JobContext.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>
#include <optional>

namespace spinora {

class JobRunner;

// One started job. The runner keeps it until it is handed over (and its
// starter as long as it likes); its thread uses it until it has left its
// result.
class RunningJob {
public:
    RunningJob(QObject* receiver, std::shared_ptr<JobContext> context)
        : context_(std::move(context)), receiver_(receiver)
    {
    }
    virtual ~RunningJob() = default;
    const std::shared_ptr<JobContext>& context() const { return context_; }

protected:
    // On the job's thread.
    virtual void work() = 0;
    // On the main thread, once the work has ended.
    virtual void deliver() = 0;

private:
    friend class JobRunner;
    const std::shared_ptr<JobContext> context_;
    // Main thread only.
    QPointer<QObject> receiver_;
    bool handedOver_ = false;
    // Under the runner's mutex.
    bool ended_ = false;
};

class JobRunner {
public:
    // A started job, as its starter keeps it. Main thread only.
    template <class Result>
    class Job {
    public:
        const std::shared_ptr<JobContext>& context() const { return job_->context(); }
        // Blocks until the work has ended and answers its result; `done`
        // is not called after this (it may have been called before, when
        // the event loop ran since the work ended).
        Result& wait()
        {
            JobRunner::waitFor(*job_);
            return *job_->result;
        }
        // Asks the work to stop and blocks until it has; `done` is never
        // called.
        void drop()
        {
            job_->context()->cancel();
            JobRunner::waitFor(*job_);
        }

    private:
        friend class JobRunner;
        struct Typed : RunningJob {
            using RunningJob::RunningJob;
            void work() override
            {
                result.emplace(run(*context()));
                run = nullptr; // what the request holds goes on this thread
            }
            void deliver() override { done(*result); }
            std::function<Result(JobContext&)> run;
            std::function<void(Result&)> done;
            std::optional<Result> result;
        };
        explicit Job(std::shared_ptr<Typed> job) : job_(std::move(job)) {}
        std::shared_ptr<Typed> job_;
    };

    // Runs `work` on a new thread. Its result reaches `done` on the main
    // thread, by a queued call as soon as the event loop runs after its
    // end; when `receiver` is destroyed first, `done` is never called (the
    // work itself still runs to its end). Main thread only.
    template <class Result>
    static Job<Result> start(QObject* receiver, std::function<Result(JobContext&)> work,
                             std::function<void(Result&)> done,
                             std::shared_ptr<JobContext> context = std::make_shared<JobContext>())
    {
        auto job = std::make_shared<typename Job<Result>::Typed>(receiver, std::move(context));
        job->run = std::move(work);
        job->done = std::move(done);
        launch(job);
        return Job<Result>(std::move(job));
    }

    // Asks every running job to stop (before the application quits).
    static void cancelAll();
    // Blocks until every job started here has ended.
    static void waitForAll();
    // The number of jobs still running.
    static int running();

private:
    class Courier;
    static void launch(std::shared_ptr<RunningJob> job);
    // Blocks until the job has ended; it is not handed over afterwards.
    static void waitFor(RunningJob& job);
    // Hands every ended job to its receiver (main thread).
    static void handOverEnded();
};

} // namespace spinora
