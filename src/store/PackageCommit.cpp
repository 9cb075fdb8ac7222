#include "PackageCommit.h"

#include "FileHelpers.h"
#include "PackageLock.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace spinora {

bool PackageCommit::isPhotoFileName(const QString& name, int64_t* key)
{
    static const QRegularExpression pattern(QStringLiteral("^sp-(\\d{1,18})(t|ct|o)?\\.jpg$"));
    const auto match = pattern.match(name);
    if (!match.hasMatch())
        return false;
    if (key)
        *key = match.captured(1).toLongLong();
    return true;
}

// The folder is walked entry by entry: a package of many thousands of photos
// is never listed into memory whole.
template <class Predicate>
void PackageCommit::removePhotos(Predicate doomed) const
{
    QDirIterator files(package_, QDir::Files | QDir::Hidden);
    while (files.hasNext()) {
        const QString file = files.next();
        int64_t key = 0;
        if (isPhotoFileName(files.fileName(), &key) && doomed(key))
            QFile::remove(file);
    }
}

void PackageCommit::syncNewPhotos()
{
    FileHelpers::syncFileSystem(package_);
}

void PackageCommit::removeAllOtherPhotos()
{
    removePhotos([above = newPhotosAbove_](int64_t key) { return !above || key <= *above; });
}

void PackageCommit::removeNewPhotos()
{
    if (newPhotosAbove_)
        removePhotos([above = *newPhotosAbove_](int64_t key) { return key > above; });
    newPhotosAbove_.reset();
}

int64_t PackageCommit::highestPhotoFileKey(const QString& packagePath)
{
    int64_t highest = 0;
    QDirIterator files(packagePath, {QStringLiteral("sp-*.jpg")}, QDir::Files | QDir::Hidden);
    while (files.hasNext()) {
        files.next();
        int64_t key = 0;
        if (isPhotoFileName(files.fileName(), &key))
            highest = std::max(highest, key);
    }
    return highest;
}

int PackageCommit::removeUnreferencedPhotos(const QString& packagePath, const QSet<int64_t>& keys)
{
    int removed = 0;
    QDirIterator files(packagePath, QDir::Files | QDir::Hidden);
    while (files.hasNext()) {
        const QString file = files.next();
        int64_t key = 0;
        if (isPhotoFileName(files.fileName(), &key) && !keys.contains(key) && QFile::remove(file))
            ++removed;
    }
    return removed;
}

bool PackageCommit::copyPackage(const QString& source, const QString& destination)
{
    if (!FileHelpers::copyFolder(source, destination))
        return false;
    // The copy is nobody's: a lock note in it would name a holder it never had.
    QFile::remove(destination + QLatin1Char('/') + QLatin1String(PackageLock::kFileName));
    FileHelpers::removeFileIfExists(destination + QLatin1Char('/') + QLatin1String(kStagingFolder));
    return true;
}

void crashPoint(const char* name)
{
    const char* crash = std::getenv("SPINORA_TEST_CRASH_AT");
    if (crash && std::strcmp(crash, name) == 0)
        std::raise(SIGKILL);
    // A job frozen half-way (until SIGCONT), for the tests of a second job
    // that starts meanwhile.
    const char* stop = std::getenv("SPINORA_TEST_STOP_AT");
    if (stop && std::strcmp(stop, name) == 0)
        std::raise(SIGSTOP);
}

} // namespace spinora
