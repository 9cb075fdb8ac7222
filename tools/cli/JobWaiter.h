#pragma once

#include "TransferObserver.h"

#include <QEventLoop>

#include <atomic>

namespace spinora {
class SpinoraDatabase;
}

namespace spinora::cli {

// Stands where a progress sheet would: prints the progress of a job on
// stderr and waits for its result. Ctrl-C asks the job to stop.
class JobWaiter : public TransferObserver {
public:
    explicit JobWaiter(SpinoraDatabase& document);
    ~JobWaiter() override;

    void progressUpdate(double percent) override;
    void importDidFinish(int status) override { finish(status); }
    void exportDidFinish(int status) override { finish(status); }

    // Runs the event loop until the job reports; prints and answers the status.
    int wait();

private:
    void finish(int status);

    SpinoraDatabase& document_;
    QEventLoop loop_;
    int status_ = -1;
    std::atomic<int> lastPercent_{-1};
};

} // namespace spinora::cli
