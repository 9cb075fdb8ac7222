#include "ThumbnailCache.h"

#include "Image.h"

#include <QCoreApplication>
#include <QImageReader>
#include <QMetaObject>
#include <QRunnable>
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

class DecodeTask : public QRunnable {
public:
    DecodeTask(ThumbnailCache* cache, QString key, QString file, QImage inMemory, int side)
        : cache_(cache), key_(std::move(key)), file_(std::move(file)), inMemory_(std::move(inMemory)), side_(side) {}

    void run() override
    {
        QImage picture = inMemory_;
        if (picture.isNull()) {
            QImageReader reader(file_);
            reader.setAutoTransform(false); // the square file is stored upright
            picture = reader.read();
        }
        const QImage scaled = picture.isNull() ? QImage() : squareAt(picture, side_);
        QMetaObject::invokeMethod(cache_, "deliver", Qt::QueuedConnection, Q_ARG(QString, key_),
                                  Q_ARG(QString, file_), Q_ARG(QImage, scaled));
    }

private:
    ThumbnailCache* cache_;
    QString key_;
    QString file_;
    QImage inMemory_;
    int side_;
};

} // namespace

ThumbnailCache::ThumbnailCache(QObject* parent) : QObject(parent)
{
    pictures_.setMaxCost(kCacheCost);
    // Decoding must not take both cores from the user interface.
    workers_.setMaxThreadCount(std::max(1, QThread::idealThreadCount() - 1));
}

ThumbnailCache::~ThumbnailCache()
{
    // Tasks post to this object: none may outlive it.
    workers_.clear();
    workers_.waitForDone();
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
    // A photo set in this session (not yet read back from its file) already
    // has its square in memory; copying the QImage only shares its data.
    workers_.start(new DecodeTask(this, key, file, image.croppedThumbnail(), side));
    return {};
}

void ThumbnailCache::deliver(const QString& key, const QString& file, const QImage& picture)
{
    if (!pending_.remove(key))
        return; // cleared meanwhile: the picture may be stale
    if (picture.isNull()) {
        missing_.insert(key);
        emit thumbnailMissing(file);
        return;
    }
    auto* pixmap = new QPixmap(QPixmap::fromImage(picture));
    pictures_.insert(key, pixmap, static_cast<int>(picture.sizeInBytes()));
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
    workers_.waitForDone();
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
}

} // namespace spinora
