#include "PackageCommit.h"

#include "FileHelpers.h"
#include "PackageLock.h"

#include <QDir>
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
    static const QRegularExpression pattern(QStringLiteral("^sp-(\\d{1,18})(t|ct)?\\.jpg$"));
    const auto match = pattern.match(name);
    if (!match.hasMatch())
        return false;
    if (key)
        *key = match.captured(1).toLongLong();
    return true;
}

bool PackageCommit::movePhotosIn(const QString& folder, QString* error)
{
    const QStringList files = QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    for (const QString& file : files) {
        if (!isPhotoFileName(file))
            continue;
        const QString from = folder + QLatin1Char('/') + file;
        const QString to = package_ + QLatin1Char('/') + file;
        // A plain rename first (the staging folder is inside the package);
        // the careful move only where that fails (another file system, a
        // folder in the way). Thousands of photos make the checks add up.
        if (!FileHelpers::renameFile(from, to) && !FileHelpers::moveFileFrom(from, to)) {
            undoMoves();
            if (error)
                *error = QStringLiteral("the photo %1 could not be moved into the collection").arg(file);
            return false;
        }
        moved_ << file;
    }
    // The photos must be on disk before the database that names them.
    FileHelpers::syncFileSystem(package_);
    return true;
}

void PackageCommit::removeAllOtherPhotos()
{
    const QSet<QString> kept(moved_.begin(), moved_.end());
    const QStringList files = QDir(package_).entryList(QDir::Files | QDir::Hidden);
    for (const QString& file : files) {
        if (isPhotoFileName(file) && !kept.contains(file))
            QFile::remove(package_ + QLatin1Char('/') + file);
    }
}

void PackageCommit::undoMoves()
{
    for (const QString& file : moved_)
        QFile::remove(package_ + QLatin1Char('/') + file);
    moved_.clear();
}

int64_t PackageCommit::highestPhotoFileKey(const QString& packagePath)
{
    int64_t highest = 0;
    const QStringList files = QDir(packagePath).entryList({QStringLiteral("sp-*.jpg")}, QDir::Files | QDir::Hidden);
    for (const QString& file : files) {
        int64_t key = 0;
        if (isPhotoFileName(file, &key))
            highest = std::max(highest, key);
    }
    return highest;
}

int PackageCommit::removeUnreferencedPhotos(const QString& packagePath, const QSet<int64_t>& keys)
{
    int removed = 0;
    const QStringList files = QDir(packagePath).entryList(QDir::Files | QDir::Hidden);
    for (const QString& file : files) {
        int64_t key = 0;
        if (isPhotoFileName(file, &key) && !keys.contains(key) && QFile::remove(packagePath + QLatin1Char('/') + file))
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
