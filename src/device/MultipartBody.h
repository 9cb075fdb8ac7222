#pragma once

#include <QByteArray>
#include <QFile>
#include <QIODevice>

#include <memory>

namespace spinora {

// The body of the upload form as a stream the network layer pulls from: the
// prefix, the file's bytes, the suffix. The file is read in chunks of
// kChunkSize into one reused buffer, so the body never sits in memory whole.
class MultipartBody : public QIODevice {
    Q_OBJECT
public:
    static constexpr qint64 kChunkSize = 32768;

    // `fileSize` is the size announced in Content-Length; the file must
    // deliver exactly that many bytes.
    MultipartBody(const QString& path, qint64 fileSize, QByteArray prefix, QByteArray suffix, QObject* parent = nullptr);
    ~MultipartBody() override;

    bool open(OpenMode mode) override;
    void close() override;
    bool isSequential() const override { return true; }
    // The body is made once, as it goes out: the network layer's attempt to
    // send a request again from the start is refused (the upload then fails)
    // without the warning a sequential device's seek would print.
    bool reset() override { return false; }
    qint64 bytesAvailable() const override;
    bool atEnd() const override;

    qint64 bodyLength() const { return bodyLength_; }
    qint64 totalBytesWritten() const { return totalBytesWritten_; }
    // Reading the file failed or it no longer has the announced size.
    bool fileFailed() const { return fileFailed_; }

signals:
    void fileReadFailed();

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    bool refill();

    QFile fileStream_;
    qint64 fileSize_;
    qint64 fileBytesRead_ = 0;
    QByteArray prefixData_;
    QByteArray suffixData_;
    std::unique_ptr<char[]> bufferOnHeap_;
    const char* buffer_ = nullptr;
    qint64 bufferOffset_ = 0;
    qint64 bufferLimit_ = 0;
    qint64 bodyLength_;
    qint64 totalBytesWritten_ = 0;
    bool suffixSent_ = false;
    bool fileFailed_ = false;
};

} // namespace spinora
