#include "PackageLock.h"

#include "Localization.h"

#include <QFile>
#include <QRegularExpression>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace spinora {

namespace {

QString lockPath(const QString& packagePath)
{
    return packagePath + QLatin1Char('/') + QLatin1String(PackageLock::kFileName);
}

QByteArray encodedLockPath(const QString& packagePath)
{
    return QFile::encodeName(lockPath(packagePath));
}

// The process that holds an flock on the file: the kernel's own list
// (/proc/locks) names it, so the answer is never stale, whatever happened to
// the holder. 0 when it cannot be found.
qint64 holderPid(int fd)
{
    struct stat held {};
    if (::fstat(fd, &held) != 0)
        return 0;
    QFile locks(QStringLiteral("/proc/locks"));
    if (!locks.open(QIODevice::ReadOnly))
        return 0;
    // "1: FLOCK  ADVISORY  WRITE 4242 08:01:131075 0 EOF"
    static const QRegularExpression line(
        QStringLiteral("^\\d+:\\s+FLOCK\\s+\\S+\\s+\\S+\\s+(\\d+)\\s+([0-9a-f]+):([0-9a-f]+):(\\d+)\\s"));
    qint64 sameInode = 0;
    for (const QByteArray& raw : locks.readAll().split('\n')) {
        const auto match = line.match(QString::fromLatin1(raw));
        if (!match.hasMatch() || match.captured(4).toULongLong() != held.st_ino)
            continue;
        const qint64 pid = match.captured(1).toLongLong();
        if (match.captured(2).toUInt(nullptr, 16) == major(held.st_dev) &&
            match.captured(3).toUInt(nullptr, 16) == minor(held.st_dev))
            return pid;
        sameInode = pid; // some file systems show another device number
    }
    return sameInode;
}

QString programOf(qint64 pid)
{
    QFile comm(QStringLiteral("/proc/%1/comm").arg(pid));
    if (!comm.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLocal8Bit(comm.readAll()).trimmed();
}

// "it is in use by spinora-cli (process 4242)..." for the open or save that was refused.
QString describeRefusal(int fd)
{
    const qint64 pid = holderPid(fd);
    if (pid == ::getpid())
        return localized("it is already open in this program.");
    const QString program = pid > 0 ? programOf(pid) : QString();
    const QString holder = pid <= 0 ? localized("another program")
                           : program.isEmpty() ? localized("another program (process %1)").arg(pid)
                                               : QStringLiteral("%1 (process %2)").arg(program).arg(pid);
    return localized("it is in use by %1. Only one program at a time can change a collection; "
                          "try again when it has finished.")
        .arg(holder);
}

// Opens the lock file, making it when missing. O_NOFOLLOW: a link planted at
// its name must not make us create a file elsewhere.
int openLockFile(const QString& packagePath, bool* created, QString* error)
{
    const QByteArray path = encodedLockPath(packagePath);
    int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0644);
    *created = fd >= 0;
    if (fd < 0 && errno == EEXIST)
        fd = ::open(path.constData(), O_RDWR | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0 && error)
        *error = localized("its lock file %1 cannot be opened (%2).")
                     .arg(QLatin1String(PackageLock::kFileName), QString::fromLocal8Bit(std::strerror(errno)));
    return fd;
}

// The lock must be on the file that is at the path now: a save that replaced
// the package leaves the old file in a folder that is about to go.
bool isCurrentFile(int fd, const QString& packagePath)
{
    struct stat held {};
    struct stat current {};
    return ::fstat(fd, &held) == 0 && ::lstat(encodedLockPath(packagePath).constData(), &current) == 0 &&
           held.st_dev == current.st_dev && held.st_ino == current.st_ino;
}

} // namespace

std::unique_ptr<PackageLock> PackageLock::acquire(const QString& packagePath, QString* error)
{
    for (int attempt = 0; attempt < 5; ++attempt) {
        bool created = false;
        const int fd = openLockFile(packagePath, &created, error);
        if (fd < 0)
            return nullptr;
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const int why = errno;
            if (error)
                *error = why == EWOULDBLOCK ? describeRefusal(fd)
                                            : localized("its lock file %1 cannot be locked (%2).")
                                                  .arg(QLatin1String(kFileName), QString::fromLocal8Bit(std::strerror(why)));
            ::close(fd);
            return nullptr;
        }
        if (!isCurrentFile(fd, packagePath)) {
            ::close(fd);
            continue;
        }
        return std::unique_ptr<PackageLock>(new PackageLock(fd, packagePath, created));
    }
    if (error)
        *error = localized("its lock file %1 keeps being replaced by another program.").arg(QLatin1String(kFileName));
    return nullptr;
}

QString PackageLock::holder(const QString& packagePath)
{
    const int fd = ::open(encodedLockPath(packagePath).constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0)
        return {};
    QString who;
    if (::flock(fd, LOCK_SH | LOCK_NB) != 0) {
        const qint64 pid = holderPid(fd);
        const QString program = pid > 0 ? programOf(pid) : QString();
        who = pid <= 0 ? localized("another program")
              : program.isEmpty() ? localized("another program (process %1)").arg(pid)
                                  : QStringLiteral("%1 (process %2)").arg(program).arg(pid);
    }
    ::close(fd);
    return who;
}

void PackageLock::discard()
{
    // Only a file this lock made: the package is left as it was found.
    if (created_ && isCurrentFile(fd_, packagePath_))
        ::unlink(encodedLockPath(packagePath_).constData());
    created_ = false;
}

PackageLock::~PackageLock()
{
    // The file stays (always empty, so the package's bytes do not change with
    // each open); the kernel releases the lock with the descriptor.
    ::close(fd_);
}

} // namespace spinora
