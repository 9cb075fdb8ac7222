
#include "AppInfo.h"
#include "FileHelpers.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace spinora {

namespace {
FileHelpers::FaultCheck& faultCheck()
{
    static FileHelpers::FaultCheck check;
    return check;
}
} // namespace

void FileHelpers::setFaultCheck(FaultCheck check)
{
    faultCheck() = std::move(check);
}

int FileHelpers::injectedFault(Step step, const QString& path)
{
    const int error = faultCheck() ? faultCheck()(step, path) : 0;
    if (error != 0)
        errno = error;
    return error;
}

bool FileHelpers::renameFile(const QString& source, const QString& destination)
{
    if (injectedFault(Step::Rename, destination) != 0)
        return false;
    return std::rename(QFile::encodeName(source).constData(), QFile::encodeName(destination).constData()) == 0;
}

bool FileHelpers::hasWritePermission(const QString& path)
{
    const QFileInfo info(path);
    return info.isWritable() && (info.permissions() & QFileDevice::WriteOwner);
}

bool FileHelpers::removeFileIfExists(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return true;
    if (info.isDir() && !info.isSymLink())
        return QDir(path).removeRecursively();
    return QFile::remove(path);
}

namespace {

// Writes what `fill` produces to a file beside the destination and renames it
// over the destination, so a failed write leaves an existing file as it was.
template <class Fill>
bool replaceFile(const QString& destination, FileHelpers::Durability durability, Fill fill)
{
    if (QFileInfo(destination).isDir() && !FileHelpers::removeFileIfExists(destination))
        return false;
    const QString partial = destination + QStringLiteral(".part");
    if (FileHelpers::injectedFault(FileHelpers::Step::Write, partial) != 0)
        return false;
    QFile out(partial);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    bool ok = fill(out) && out.flush();
    if (ok && durability == FileHelpers::Durability::Durable)
        ok = ::fsync(out.handle()) == 0;
    out.close();
    ok = ok && out.error() == QFileDevice::NoError && FileHelpers::renameFile(partial, destination);
    if (!ok) {
        const int error = errno;
        QFile::remove(partial);
        errno = error;
    }
    return ok;
}

} // namespace

bool FileHelpers::copyFileFrom(const QString& source, const QString& destination, Durability durability)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    return replaceFile(destination, durability, [&in](QFile& out) {
        constexpr qint64 kChunk = 1 << 20;
        while (!in.atEnd()) {
            const QByteArray chunk = in.read(kChunk);
            if (chunk.isEmpty() && in.error() != QFileDevice::NoError)
                return false;
            if (out.write(chunk) != chunk.size())
                return false;
        }
        return true;
    });
}

bool FileHelpers::writeFile(const QString& path, const QByteArray& data, Durability durability)
{
    return replaceFile(path, durability, [&data](QFile& out) { return out.write(data) == data.size(); });
}

void FileHelpers::syncFileSystem(const QString& path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY);
    if (fd < 0)
        return;
    ::syncfs(fd);
    ::close(fd);
}

bool FileHelpers::moveFileFrom(const QString& source, const QString& destination)
{
    if (!QFileInfo::exists(source))
        return false;
    if (QFileInfo(destination).isDir() && !removeFileIfExists(destination))
        return false;
    // rename() replaces an existing file atomically on the same file system.
    if (renameFile(source, destination))
        return true;
    if (QFileInfo(source).isDir())
        return copyFolder(source, destination) && QDir(source).removeRecursively();
    return copyFileFrom(source, destination, Durability::Fast) && QFile::remove(source);
}

bool FileHelpers::copyFolder(const QString& source, const QString& destination)
{
    const QDir from(source);
    if (!from.exists() || QFileInfo::exists(destination))
        return false;
    if (!QDir().mkdir(destination))
        return false;
    QDirIterator it(source, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString target = destination + QLatin1Char('/') + from.relativeFilePath(path);
        const bool ok = it.fileInfo().isDir() ? QDir().mkpath(target) : copyFileFrom(path, target, Durability::Fast);
        if (!ok)
            return false;
    }
    return true;
}

QString FileHelpers::workFolder()
{
    const QString caches = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (caches.isEmpty())
        return {};
    const QString folder = caches + QLatin1Char('/') + QString::fromUtf8(kApplicationIdentifier);
    QDir().mkpath(folder);
    return folder;
}

} // namespace spinora
