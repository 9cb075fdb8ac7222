#include "PhotoAddingJob.h"

#include "PhotoStore.h"

#include <QFile>
#include <QThread>

#include <sys/resource.h>

namespace spinora {

namespace {
constexpr int kNiceness = 10;
}

PreparedPhoto PhotoAddingJob::prepare(const QString& source, const QString& folder, int number,
                                      const Image::PhotoLimits& limits)
{
    PreparedPhoto result;
    result.source = source;
    const QImage photo = Image::readImageFile(source, limits, &result.reason);
    if (photo.isNull())
        return result;
    const QByteArray photoJpeg = Image::encodeJpeg(photo);
    const QByteArray thumbnailJpeg = Image::encodeJpeg(Image::scaledToLongerSide(photo, limits.thumbnailSize));
    const QByteArray squareJpeg = thumbnailJpeg.isEmpty() ? QByteArray() : Image::croppedThumbnailJpeg(thumbnailJpeg);
    if (photoJpeg.isEmpty() || thumbnailJpeg.isEmpty() || squareJpeg.isEmpty()) {
        result.reason = QStringLiteral("the picture cannot be converted to JPEG");
        return result;
    }
    const QString stem = QStringLiteral("%1/%2").arg(folder).arg(number);
    const QStringList files{stem + QStringLiteral(".jpg"), stem + QStringLiteral("t.jpg"),
                            stem + QStringLiteral("ct.jpg")};
    const QByteArray* data[] = {&photoJpeg, &thumbnailJpeg, &squareJpeg};
    for (int i = 0; i < 3; ++i) {
        if (!Image::writeNewFile(files[i], *data[i])) {
            for (int j = 0; j < i; ++j)
                QFile::remove(files[j]);
            result.reason = PhotoStore::diskFullReason();
            return result;
        }
    }
    result.files = files;
    return result;
}

void PhotoAddingJob::run(const PhotoAddingRequest& request, const PhotoAddingContext& context,
                         const std::function<void(PreparedPhoto)>& deliver)
{
    for (int i = 0; i < request.sources.size(); ++i) {
        if (context.cancelled())
            return;
        deliver(prepare(request.sources[i], request.folder, request.firstNumber + i, request.limits));
    }
}

PhotoAddingJob::PhotoAddingJob(QObject* parent) : QObject(parent) {}

PhotoAddingJob::~PhotoAddingJob()
{
    stopThread();
}

bool PhotoAddingJob::isRunning() const
{
    return thread_ != nullptr || !waiting_.empty();
}

void PhotoAddingJob::start(PhotoAddingRequest request)
{
    if (request.sources.isEmpty())
        return;
    if (thread_) {
        waiting_.push_back(std::move(request));
        return;
    }
    startThread(std::move(request));
}

void PhotoAddingJob::startThread(PhotoAddingRequest request)
{
    context_ = std::make_shared<PhotoAddingContext>();
    const int generation = ++generation_;
    // The thread gets its own copy of the request and a share of the
    // context; results travel back as queued calls to this object.
    thread_ = QThread::create([this, generation, context = context_, request = std::move(request)] {
        // The window's thread comes first when the processors are busy:
        // QThread's priorities do nothing for Linux's normal scheduling,
        // a nice value for this thread alone does.
        ::setpriority(PRIO_PROCESS, 0, kNiceness);
        run(request, *context, [this, generation](PreparedPhoto photo) {
            // `this` outlives the thread: the destructor waits for it.
            QMetaObject::invokeMethod(
                this,
                [this, generation, photo = std::move(photo)] {
                    if (generation == generation_)
                        emit prepared(photo);
                },
                Qt::QueuedConnection);
        });
    });
    thread_->setObjectName(QStringLiteral("adding photos"));
    connect(thread_, &QThread::finished, this, [this, generation] {
        if (generation == generation_)
            runEnded();
    });
    thread_->start(QThread::LowPriority);
}

void PhotoAddingJob::runEnded()
{
    thread_->wait();
    delete thread_;
    thread_ = nullptr;
    context_.reset();
    if (!waiting_.empty()) {
        PhotoAddingRequest next = std::move(waiting_.front());
        waiting_.erase(waiting_.begin());
        startThread(std::move(next));
        return;
    }
    emit finished();
}

void PhotoAddingJob::cancel()
{
    waiting_.clear();
    stopThread();
}

void PhotoAddingJob::stopThread()
{
    if (context_)
        context_->cancel();
    if (thread_) {
        thread_->wait();
        delete thread_;
        thread_ = nullptr;
    }
    context_.reset();
    ++generation_; // results still queued from that run are dropped
}

} // namespace spinora
