#include "PackageCommit.h"

#include "AppInfo.h"
#include "PackageLock.h"
#include "SpinoraUtility.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <csignal>
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
        if (!SpinoraUtility::moveFileFrom(folder + QLatin1Char('/') + file, package_ + QLatin1Char('/') + file)) {
            undoMoves();
            if (error)
                *error = QStringLiteral("the photo %1 could not be moved into the collection").arg(file);
            return false;
        }
        moved_ << file;
    }
    // The photos must be on disk before the database that names them.
    SpinoraUtility::syncFileSystem(package_);
    return true;
}

bool PackageCommit::replaceDatabase(const QString& workingDatabase, QString* error)
{
    const QString database = package_ + QLatin1Char('/') + QString::fromUtf8(kDatabaseFileName);
    // A durable copy beside the target, then one rename: the old database or
    // the new one, never a mixture.
    if (!SpinoraUtility::copyFileFrom(workingDatabase, database, SpinoraUtility::Durability::Durable)) {
        undoMoves();
        if (error)
            *error = QStringLiteral("the collection's database could not be replaced");
        return false;
    }
    committed_ = true;
    // The rename itself is durable once the folder is.
    SpinoraUtility::syncFileSystem(package_);
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
    if (!SpinoraUtility::copyFolder(source, destination))
        return false;
    // The copy is nobody's: a lock note in it would name a holder it never had.
    QFile::remove(destination + QLatin1Char('/') + QLatin1String(PackageLock::kFileName));
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
