#include "PhotoDecoder.h"

#include "Image.h"

#include <QThread>

#include <atomic>

namespace spinora {

std::shared_ptr<PreparedPhoto> PhotoDecoder::prepare(const QString& file, QString* reason)
{
    const QImage photo = Image::readImageFile(file, reason);
    if (photo.isNull())
        return nullptr;
    auto prepared = std::make_shared<PreparedPhoto>();
    prepared->file = file;
    prepared->photoData = Image::encodeJpeg(photo);
    prepared->thumbnailData = Image::encodeJpeg(Image::scaledToLongerSide(photo, Image::kThumbnailSize));
    if (prepared->photoData.isEmpty() || prepared->thumbnailData.isEmpty()) {
        *reason = QStringLiteral("the picture cannot be converted to JPEG");
        return nullptr;
    }
    return prepared;
}

// One run over a list of files, on the decoder's thread.
class PhotoDecodeRun {
public:
    explicit PhotoDecodeRun(QStringList paths) : paths_(std::move(paths)) {}
    void cancel() { cancelled_ = true; }

    template <class Post>
    void run(Post post)
    {
        for (const QString& path : paths_) {
            if (cancelled_)
                return;
            QString reason;
            auto prepared = PhotoDecoder::prepare(path, &reason);
            post(std::move(prepared), path, reason);
        }
    }

private:
    QStringList paths_;
    std::atomic<bool> cancelled_{false};
};

PhotoDecoder::PhotoDecoder(QObject* parent) : QObject(parent) {}

PhotoDecoder::~PhotoDecoder()
{
    stopThread();
}

bool PhotoDecoder::isRunning() const
{
    return thread_ != nullptr || !waiting_.isEmpty();
}

void PhotoDecoder::decode(const QStringList& paths)
{
    if (paths.isEmpty())
        return;
    if (thread_) {
        waiting_ += paths;
        return;
    }
    start(paths);
}

void PhotoDecoder::start(const QStringList& paths)
{
    run_ = std::make_shared<PhotoDecodeRun>(paths);
    std::shared_ptr<PhotoDecodeRun> run = run_;
    const int generation = ++generation_;
    thread_ = QThread::create([run, generation, this] {
        run->run([this, generation](std::shared_ptr<PreparedPhoto> photo, const QString& file, const QString& reason) {
            // `this` outlives the thread: the destructor waits for it.
            QMetaObject::invokeMethod(
                this,
                [this, generation, photo = std::move(photo), file, reason] {
                    if (generation != generation_)
                        return;
                    if (photo)
                        emit prepared(photo);
                    else
                        emit refused(file, reason);
                },
                Qt::QueuedConnection);
        });
    });
    thread_->setObjectName(QStringLiteral("photo import"));
    connect(thread_, &QThread::finished, this, [this, generation] {
        if (generation == generation_)
            runEnded();
    });
    thread_->start(QThread::LowPriority);
}

void PhotoDecoder::runEnded()
{
    thread_->wait();
    delete thread_;
    thread_ = nullptr;
    run_.reset();
    if (!waiting_.isEmpty()) {
        const QStringList next = waiting_;
        waiting_.clear();
        start(next);
        return;
    }
    emit finished();
}

void PhotoDecoder::cancel()
{
    waiting_.clear();
    stopThread();
}

void PhotoDecoder::stopThread()
{
    if (run_)
        run_->cancel();
    if (thread_) {
        thread_->wait();
        delete thread_;
        thread_ = nullptr;
    }
    run_.reset();
    ++generation_; // results still queued from that run are dropped
}

} // namespace spinora
