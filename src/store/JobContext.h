#pragma once

#include "Result.h"

#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>
#include <mutex>

namespace spinora {

// Status codes of every import and export job.
enum JobStatus : int {
    kJobFinished = 0,
    kJobCancelled = 1,
    kJobFailed = 2,
};

// The one thing a running job and the main thread share (see JobRunner.h):
// progress, the cancel request, the warnings for the user and the reason of
// a failure. Every member may be called from either thread; cancel() also
// from a signal handler.
class JobContext {
public:
    // The job stops at its next check, unless it has passed its commit point.
    void cancel() { cancelled_ = true; }
    bool cancelRequested() const { return cancelled_.load(); }

    // Progress in percent. A transfer that runs a job as its second half
    // maps the job's 0 to 100 into its own range with setProgressRange.
    void setProgress(double percent);
    double progress() const { return progress_.load(); }
    void setProgressRange(double from, double to);
    // Hears every progress step on the job's thread; set before the job starts.
    void setProgressListener(std::function<void(double)> listener) { listener_ = std::move(listener); }

    // The first reason given is the one the user reads.
    void fail(const QString& reason);
    // The same for a failure, which is logged (one line) as it is given.
    void fail(const Failure& failure);
    QString error() const;
    void addWarning(const QString& warning);
    QStringList warnings() const;

private:
    std::atomic<bool> cancelled_{false};
    std::atomic<double> progress_{0};
    std::atomic<double> rangeFrom_{0};
    std::atomic<double> rangeTo_{100};
    std::function<void(double)> listener_;
    mutable std::mutex mutex_;
    QString error_;
    QStringList warnings_;
};

} // namespace spinora
