#pragma once

#include "Result.h"

#include <QString>

#include <condition_variable>
#include <deque>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace spinora {

// Writes new photo files (Image::writeStagedFile) on a thread of its own while
// the caller goes on: an import writes one photo's files while it reads the
// next photo, so the disk's work and the database's share the processors.
// Files are written in order from a few buffers used again and again: the
// caller waits when all are taken, so memory stays flat in the number of
// photos (and fresh memory for each photo would cost more page faults than
// the copy saves). The first file that cannot be written stops the rest.
class PhotoFileWriter {
public:
    static constexpr int kBuffers = 4;
    // A buffer grown past this (a rare huge picture) is let go once written.
    static constexpr size_t kKeptCapacity = 4 << 20;

    PhotoFileWriter();
    // Files still waiting are left unwritten: without finish() the job
    // failed, and its staging folder goes.
    ~PhotoFileWriter();
    PhotoFileWriter(const PhotoFileWriter&) = delete;
    PhotoFileWriter& operator=(const PhotoFileWriter&) = delete;

    // Copies the bytes: they may be a view of a statement's blob. False
    // once a file could not be written (finish() tells which).
    bool write(const QString& path, const char* data, qsizetype size);
    // Waits until every queued file is written: the first failure, if any.
    Result<> finish();

private:
    struct File {
        QString path;
        std::string data;
    };
    void run();

    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<File> queue_;
    std::vector<std::string> spare_;
    int buffers_ = 0; // made so far
    bool busy_ = false; // a file is being written
    bool closing_ = false;
    QString failedPath_;
    int failedErrno_ = 0;
    std::thread thread_;
};

} // namespace spinora
