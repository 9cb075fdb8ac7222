#include "MultipartBody.h"

#include <algorithm>
#include <cstring>

namespace spinora {

MultipartBody::MultipartBody(const QString& path, qint64 fileSize, QByteArray prefix, QByteArray suffix,
                             QObject* parent)
    : QIODevice(parent), fileStream_(path), fileSize_(fileSize), prefixData_(std::move(prefix)),
      suffixData_(std::move(suffix)), bodyLength_(prefixData_.size() + fileSize + suffixData_.size())
{
}

MultipartBody::~MultipartBody() = default;

bool MultipartBody::open(OpenMode mode)
{
    if (!fileStream_.open(QIODevice::ReadOnly)) {
        fileFailed_ = true;
        return false;
    }
    buffer_ = prefixData_.constData();
    bufferOffset_ = 0;
    bufferLimit_ = prefixData_.size();
    return QIODevice::open(mode | QIODevice::Unbuffered);
}

void MultipartBody::close()
{
    fileStream_.close();
    bufferOnHeap_.reset();
    buffer_ = nullptr;
    bufferOffset_ = bufferLimit_ = 0;
    QIODevice::close();
}

qint64 MultipartBody::bytesAvailable() const
{
    return bodyLength_ - totalBytesWritten_ + QIODevice::bytesAvailable();
}

bool MultipartBody::atEnd() const
{
    return totalBytesWritten_ >= bodyLength_ || fileFailed_;
}

// Moves on to the next piece of the body once the current one is used up:
// prefix -> file chunks -> suffix. False when nothing is left or the file failed.
bool MultipartBody::refill()
{
    if (buffer_ == prefixData_.constData() && !bufferOnHeap_ && fileStream_.isOpen()) {
        // The prefix has gone out: from now on the file's chunks.
        bufferOnHeap_ = std::make_unique<char[]>(kChunkSize);
        buffer_ = bufferOnHeap_.get();
        bufferOffset_ = bufferLimit_ = 0;
    }
    if (fileStream_.isOpen()) {
        // Never more than announced: a file that grew meanwhile is cut at
        // the size Content-Length promised.
        const qint64 wanted = std::min(kChunkSize, fileSize_ - fileBytesRead_);
        const qint64 n = wanted > 0 ? fileStream_.read(bufferOnHeap_.get(), wanted) : 0;
        if (n < 0 || (n == 0 && fileBytesRead_ != fileSize_)) {
            // A read error, or the file shrank: the body can no longer match
            // its Content-Length.
            fileFailed_ = true;
            emit fileReadFailed();
            return false;
        }
        if (n == 0) {
            fileStream_.close();
            bufferOnHeap_.reset();
            buffer_ = suffixData_.constData();
            bufferOffset_ = 0;
            bufferLimit_ = suffixData_.size();
            return bufferLimit_ > 0;
        }
        fileBytesRead_ += n;
        bufferOffset_ = 0;
        bufferLimit_ = n;
        return true;
    }
    return false;
}

qint64 MultipartBody::readData(char* data, qint64 maxSize)
{
    if (fileFailed_)
        return -1;
    qint64 copied = 0;
    while (copied < maxSize) {
        if (bufferOffset_ == bufferLimit_ && !refill())
            break;
        const qint64 n = std::min(bufferLimit_ - bufferOffset_, maxSize - copied);
        std::memcpy(data + copied, buffer_ + bufferOffset_, size_t(n));
        bufferOffset_ += n;
        copied += n;
        totalBytesWritten_ += n;
    }
    if (fileFailed_)
        return -1;
    return copied == 0 && totalBytesWritten_ >= bodyLength_ ? -1 : copied;
}

} // namespace spinora
