#pragma once

#include <QString>

#include <memory>

namespace spinora {

// The right to change one collection package: an flock(2) on the file
// ".spinora.lock" beside "spinora.db". Whoever writes holds it (the app for as
// long as the collection is open, the command-line tool for one writing job),
// so a second writer, in this process or another, is refused at once instead
// of working on a database that is about to be swapped away under it. The
// kernel drops the lock when its holder dies, so a crash never leaves the
// collection locked. The file stays in the package and stays empty: the
// holder's name comes from the kernel's list of locks (/proc/locks), which is
// never stale, and the package's bytes do not change with every open.
class PackageLock {
public:
    static constexpr const char* kFileName = ".spinora.lock";

    // Takes the lock of the package folder; null with the reason ("it is in
    // use by spinora-cli (process 4242). ...", "it is already open in this
    // program.") when someone else holds it or the lock file cannot be made.
    static std::unique_ptr<PackageLock> acquire(const QString& packagePath, QString* error);
    // Who holds the package's lock, as "spinora-cli (process 4242)"; empty when
    // nobody does. Never takes the lock for longer than the question.
    static QString holder(const QString& packagePath);

    ~PackageLock();
    PackageLock(const PackageLock&) = delete;
    PackageLock& operator=(const PackageLock&) = delete;

    const QString& packagePath() const { return packagePath_; }
    // Removes the lock file again when this lock made it (an open that
    // failed leaves the package as it found it). Call before dropping the lock.
    void discard();

private:
    PackageLock(int fd, QString packagePath, bool created)
        : fd_(fd), packagePath_(std::move(packagePath)), created_(created)
    {
    }

    int fd_ = -1;
    QString packagePath_;
    bool created_ = false;
};

} // namespace spinora
