#include "PhotoFileWriter.h"

#include "Image.h"
#include "Messages.h"

#include <QByteArray>

#include <cerrno>

namespace spinora {

PhotoFileWriter::PhotoFileWriter() : thread_([this] { run(); }) {}

PhotoFileWriter::~PhotoFileWriter()
{
    {
        std::lock_guard lock(mutex_);
        closing_ = true;
    }
    changed_.notify_all();
    thread_.join();
}

bool PhotoFileWriter::write(const QString& path, const char* data, qsizetype size)
{
    File file{path, {}};
    {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this] { return !spare_.empty() || buffers_ < kBuffers || !failedPath_.isEmpty(); });
        if (!failedPath_.isEmpty())
            return false;
        if (spare_.empty()) {
            ++buffers_;
        } else {
            file.data = std::move(spare_.back());
            spare_.pop_back();
        }
    }
    file.data.assign(data, static_cast<size_t>(size));
    {
        std::lock_guard lock(mutex_);
        queue_.push_back(std::move(file));
    }
    changed_.notify_all();
    return true;
}

Result<> PhotoFileWriter::finish()
{
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return queue_.empty() && !busy_; });
    if (failedPath_.isEmpty())
        return {};
    return Failure::file(msg::kWritePhotoFailed, failedPath_, failedErrno_);
}

void PhotoFileWriter::run()
{
    std::unique_lock lock(mutex_);
    for (;;) {
        changed_.wait(lock, [this] { return !queue_.empty() || closing_; });
        if (closing_)
            return;
        File file = std::move(queue_.front());
        queue_.pop_front();
        // After a failure the rest only go back to the spare buffers.
        const bool wanted = failedPath_.isEmpty();
        busy_ = true;
        lock.unlock();
        bool written = true;
        int error = 0;
        if (wanted) {
            written = Image::writeStagedFile(
                file.path, QByteArray::fromRawData(file.data.data(), static_cast<qsizetype>(file.data.size())));
            error = errno;
        }
        lock.lock();
        busy_ = false;
        if (!written) {
            failedPath_ = file.path;
            failedErrno_ = error;
        }
        file.data.clear();
        if (file.data.capacity() > kKeptCapacity)
            file.data.shrink_to_fit();
        spare_.push_back(std::move(file.data));
        changed_.notify_all();
    }
}

} // namespace spinora
