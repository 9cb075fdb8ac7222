#pragma once

#include "Image.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>
#include <memory>
#include <vector>

class QThread;

namespace spinora {

// One run of the job: the picture files chosen, in order, and where and
// within which limits they are prepared.
struct PhotoAddingRequest {
    QStringList sources;
    // The job's own folder inside the package's adding folder.
    QString folder;
    // The files of source i are named "<n>.jpg", "<n>t.jpg" and "<n>ct.jpg"
    // with n = firstNumber + i, so that runs into one folder never collide.
    int firstNumber = 1;
    Image::PhotoLimits limits;
};

// One picture file prepared as a photo: its photo, thumbnail and square
// written as JPEG files into the request's folder, ready to be moved into
// the package; or refused, with the reason.
struct PreparedPhoto {
    QString source;
    QStringList files; // photo, thumbnail, square; empty when refused
    QString reason;
    bool ok() const { return !files.isEmpty(); }
};

// What a running job shares with the thread that started it.
class PhotoAddingContext {
public:
    void cancel() { cancelled_ = true; }
    bool cancelled() const { return cancelled_; }

private:
    std::atomic<bool> cancelled_{false};
};

// Prepares picture files as photos on a thread of its own: each file is
// read and checked (Image::readImageFile, within the request's limits),
// scaled, encoded and written into the request's folder. The job touches
// no record and no widget: each result arrives on the thread that owns the
// job as `prepared`, in the order of the files, and is stored there.
// Requests started while a run goes on follow it.
class PhotoAddingJob : public QObject {
    Q_OBJECT
public:
    explicit PhotoAddingJob(QObject* parent = nullptr);
    // Cancels a run and waits for its thread.
    ~PhotoAddingJob() override;

    void start(PhotoAddingRequest request);
    // A run goes on, or requests wait for one.
    bool isRunning() const;
    // Stops the run; what it has not delivered yet is dropped. Waits for the
    // thread, which ends after the file it is preparing: afterwards nothing
    // writes into the request's folder any more.
    void cancel();

    // One file, on the calling thread.
    static PreparedPhoto prepare(const QString& source, const QString& folder, int number,
                                 const Image::PhotoLimits& limits);
    // A whole request, each result handed to `deliver` as soon as it is done.
    static void run(const PhotoAddingRequest& request, const PhotoAddingContext& context,
                    const std::function<void(PreparedPhoto)>& deliver);

signals:
    void prepared(const spinora::PreparedPhoto& photo);
    // The last file of the last request was delivered (not after cancel()).
    void finished();

private:
    void startThread(PhotoAddingRequest request);
    void runEnded();
    void stopThread();

    QThread* thread_ = nullptr;
    std::shared_ptr<PhotoAddingContext> context_;
    std::vector<PhotoAddingRequest> waiting_;
    int generation_ = 0; // of the current run; results of older runs are dropped
};

} // namespace spinora
