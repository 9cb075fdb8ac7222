#include "ThumbnailCache.h"

#include "Image.h"

#include <QImageReader>
#include <QThread>

namespace spinora {

namespace {

// About 1,200 thumbnails of a cactus row (100 x 100 at 32 bits): over a
// hundred screens' worth, and a small part of what a collection of 100,000
// plants may keep in memory.
constexpr int kCacheCost = 48 * 1024 * 1024;

QImage squareAt(const QImage& picture, int side)
{
    const QImage square = Image::centredSquare(picture);
    if (square.isNull())
        return {};
    return square.scaled(side, side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

} // namespace

ThumbnailCache::ThumbnailCache(QObject* parent) : QObject(parent)
{
    pictures_.setMaxCost(kCacheCost);
    collector_.setInterval(15);
    connect(&collector_, &QTimer::timeout, this, &ThumbnailCache::collect);
}

ThumbnailCache::~ThumbnailCache()
{
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
        requests_.clear();
    }
    wake_.notify_all();
    for (std::thread& worker : workers_)
        worker.join();
}

QString ThumbnailCache::keyFor(const QString& file, int side)
{
    return file + QLatin1Char('@') + QString::number(side);
}

QPixmap ThumbnailCache::thumbnail(const Image& image, int side)
{
    const QString file = image.croppedThumbnailFile();
    const QString key = keyFor(file, side);
    if (const QPixmap* cached = pictures_.object(key))
        return *cached;
    if (pending_.contains(key) || missing_.contains(key))
        return {};
    pending_.insert(key);
    {
        // A photo set in this session (not yet read back from its file)
        // already has its square in memory; copying the QImage only shares
        // its data.
        std::lock_guard lock(mutex_);
        requests_.push_back(Request{key, file, image.croppedThumbnail(), side});
        // Decoding must not take both cores from the user interface.
        const size_t threads = size_t(std::max(1, QThread::idealThreadCount() - 1));
        if (workers_.size() < threads && busy_ + requests_.size() > workers_.size())
            workers_.emplace_back([this] { work(); });
    }
    wake_.notify_one();
    collector_.start();
    return {};
}

void ThumbnailCache::work()
{
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return stopping_ || !requests_.empty(); });
        if (stopping_)
            return;
        Request request = std::move(requests_.front());
        requests_.pop_front();
        ++busy_;
        lock.unlock();
        QImage picture = request.inMemory;
        if (picture.isNull()) {
            QImageReader reader(request.file);
            reader.setAutoTransform(false); // the square file is stored upright
            picture = reader.read();
        }
        Decoded decoded{std::move(request.key), std::move(request.file),
                        picture.isNull() ? QImage() : squareAt(picture, request.side)};
        lock.lock();
        decoded_.push_back(std::move(decoded));
        --busy_;
        if (busy_ == 0 && requests_.empty())
            idle_.notify_all();
    }
}

void ThumbnailCache::collect()
{
    std::vector<Decoded> ready;
    {
        std::lock_guard lock(mutex_);
        ready.swap(decoded_);
    }
    for (const Decoded& decoded : ready)
        deliver(decoded);
    if (pending_.isEmpty())
        collector_.stop();
}

void ThumbnailCache::deliver(const Decoded& decoded)
{
    if (!pending_.remove(decoded.key))
        return; // cleared meanwhile: the picture may be stale
    if (decoded.picture.isNull()) {
        missing_.insert(decoded.key);
        emit thumbnailMissing(decoded.file);
        return;
    }
    auto* pixmap = new QPixmap(QPixmap::fromImage(decoded.picture));
    pictures_.insert(decoded.key, pixmap, static_cast<int>(decoded.picture.sizeInBytes()));
    emit thumbnailReady();
}

void ThumbnailCache::clear()
{
    pictures_.clear();
    pending_.clear();
    missing_.clear();
}

void ThumbnailCache::forget(const QString& croppedThumbnailFile)
{
    const QString prefix = croppedThumbnailFile + QLatin1Char('@');
    const QList<QString> keys = pictures_.keys();
    for (const QString& key : keys) {
        if (key.startsWith(prefix))
            pictures_.remove(key);
    }
    auto drop = [&prefix](QSet<QString>& set) {
        for (auto it = set.begin(); it != set.end();)
            it = it->startsWith(prefix) ? set.erase(it) : std::next(it);
    };
    drop(pending_);
    drop(missing_);
}

void ThumbnailCache::waitForPending()
{
    {
        std::unique_lock lock(mutex_);
        idle_.wait(lock, [this] { return busy_ == 0 && requests_.empty(); });
    }
    collect();
}

} // namespace spinora
