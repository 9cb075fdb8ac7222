#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>

class QThread;

namespace spinora {

class PhotoDecodeRun;

// A picture file read, checked, scaled to the photo size and encoded: the
// photo and its thumbnail as JPEG data, ready to be stored.
struct PreparedPhoto {
    QString file;
    QByteArray photoData;
    QByteArray thumbnailData;
};

// Reads picture files on a thread of its own, each as Image::readImageFile
// does (checked before it is decoded). The results arrive as signals on the decoder's own thread,
// in the order of the files. Files given while a run goes on follow it.
class PhotoDecoder : public QObject {
    Q_OBJECT
public:
    explicit PhotoDecoder(QObject* parent = nullptr);
    // Stops a run and waits for its thread.
    ~PhotoDecoder() override;

    void decode(const QStringList& paths);
    // A run goes on, or files wait for one.
    bool isRunning() const;
    // Stops the run; what it has not delivered yet is dropped.
    void cancel();

    // One file, on the calling thread: the photo, or null and the reason.
    static std::shared_ptr<PreparedPhoto> prepare(const QString& file, QString* reason);

signals:
    void prepared(const std::shared_ptr<spinora::PreparedPhoto>& photo);
    void refused(const QString& file, const QString& reason);
    // The last file of the last run was delivered (not after cancel()).
    void finished();

private:
    void start(const QStringList& paths);
    void runEnded();
    void stopThread();

    QThread* thread_ = nullptr;
    std::shared_ptr<PhotoDecodeRun> run_;
    QStringList waiting_;
    int generation_ = 0; // of the current run; results of older runs are dropped
};

} // namespace spinora
