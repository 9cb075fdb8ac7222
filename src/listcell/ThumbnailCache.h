#pragma once

#include <QCache>
#include <QHash>
#include <QImage>
#include <QObject>
#include <QPixmap>
#include <QSet>
#include <QTimer>

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>
#include <vector>

namespace spinora {

class Image;

// Scaled list thumbnails, decoded away from painting. The first time a row
// needs a photo's thumbnail, a worker thread reads the square thumbnail file
// ("sp-<pk>ct.jpg"), takes its central square and scales it to the row's
// size; the list repaints when it is ready. Painting only ever draws what is
// already here. Requests and pictures pass between the threads only through
// the queues below, under their mutex; a worker never posts to a Qt object.
class ThumbnailCache : public QObject {
    Q_OBJECT
public:
    explicit ThumbnailCache(QObject* parent = nullptr);
    ~ThumbnailCache() override;

    // The thumbnail of the photo at `side` device pixels, or a null pixmap
    // while it is being made (a request is then queued).
    QPixmap thumbnail(const Image& image, int side);
    // Drops every scaled picture (after an editor may have replaced photos).
    void clear();
    // Drops the pictures of one photo file.
    void forget(const QString& croppedThumbnailFile);
    // Waits for the queued decodes and delivers them (tests and benchmarks).
    void waitForPending();

signals:
    // A thumbnail became available: the lists repaint their visible rows.
    void thumbnailReady();
    // No picture could be read for this file: the owner may restore it from
    // the database (outside painting) and ask again.
    void thumbnailMissing(const QString& croppedThumbnailFile);

private:
    struct Request {
        QString key;
        QString file;
        QImage inMemory;
        int side = 0;
    };
    struct Decoded {
        QString key;
        QString file;
        QImage picture;
    };

    static QString keyFor(const QString& file, int side);
    void work();
    // Main thread: hands the decoded pictures to the lists.
    void collect();
    void deliver(const Decoded& decoded);

    std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable idle_;
    std::deque<Request> requests_;
    std::vector<Decoded> decoded_;
    size_t busy_ = 0;
    bool stopping_ = false;
    std::vector<std::thread> workers_;
    QTimer collector_;
    QCache<QString, QPixmap> pictures_;
    QSet<QString> pending_;
    QSet<QString> missing_;
};

} // namespace spinora
