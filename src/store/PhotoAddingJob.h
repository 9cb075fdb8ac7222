#pragma once

#include "Image.h"
#include "JobRunner.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <deque>
#include <optional>

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
    // A JPEG file is also kept as it is, as the photo's original.
    bool keepOriginals = false;
};

// One picture file prepared as a photo: its photo, thumbnail and square
// written as JPEG files into the request's folder, ready to be moved into
// the package; or refused, with the reason.
struct PreparedPhoto {
    QString source;
    QStringList files; // photo, thumbnail, square (and original); empty when refused
    QString reason;
    bool ok() const { return !files.isEmpty(); }
};

// Prepares picture files as photos in the background (JobRunner), one
// job per file: each file is read and checked (Image::readImageFile, within
// the request's limits), scaled, encoded and written into the request's
// folder. The jobs touch no record and no widget: each result arrives on
// the main thread as `prepared`, in the order of the files, and is stored
// there. Requests started while a run goes on follow it.
class PhotoAddingJob : public QObject {
    Q_OBJECT
public:
    explicit PhotoAddingJob(QObject* parent = nullptr);
    // Cancels a run and waits for its thread.
    ~PhotoAddingJob() override;

    void start(const PhotoAddingRequest& request);
    // A run goes on, or requests wait for one.
    bool isRunning() const { return job_.has_value(); }
    // Stops the run; what it has not delivered yet is dropped. Waits for the
    // file being prepared: afterwards nothing writes into the request's
    // folder any more.
    void cancel();

    // One file, on the calling thread.
    static PreparedPhoto prepare(const QString& source, const QString& folder, int number,
                                 const Image::PhotoLimits& limits, bool keepOriginal = false);

signals:
    void prepared(const spinora::PreparedPhoto& photo);
    // The last file of the last request was delivered (not after cancel()).
    void finished();

private:
    // One file of a request, numbered.
    struct File {
        QString source;
        QString folder;
        int number = 0;
        Image::PhotoLimits limits;
        bool keepOriginal = false;
    };
    void prepareNext();

    std::deque<File> waiting_;
    std::optional<JobRunner::Job<PreparedPhoto>> job_;
    int cancels_ = 0;
};

} // namespace spinora
