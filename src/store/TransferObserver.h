#pragma once

namespace spinora {

// What a sheet or the device dialog hears about the import or export it
// started. Progress arrives on the job's thread; completion on the main thread.
class TransferObserver {
public:
    virtual ~TransferObserver() = default;
    virtual void progressUpdate(double /*percent*/) {}
    // The device dialog's own progress entry for imports.
    virtual void importProgressUpdate(double percent) { progressUpdate(percent); }
    virtual void importDidFinish(int /*status*/) {}
    virtual void exportDidFinish(int /*status*/) {}
    virtual void cancelButtonPressed() {}
};

// Status codes of every import and export job.
enum JobStatus : int {
    kJobFinished = 0,
    kJobCancelled = 1,
    kJobFailed = 2,
};

} // namespace spinora
