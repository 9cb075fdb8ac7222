#include "UndoWorkArea.h"

#include "PackageCommit.h"
#include "FileHelpers.h"
#include "SpinoraUtility.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <sys/stat.h>

#include <cstdio>

namespace spinora {

namespace {

// The active keeper of each package (normally none, at most one per open
// collection while one of its steps runs).
QHash<QString, PhotoFileKeeper*>& activeKeepers()
{
    static QHash<QString, PhotoFileKeeper*> keepers;
    return keepers;
}

QString keeperKey(const QString& packagePath)
{
    return QDir::cleanPath(packagePath);
}

} // namespace

QString UndoWorkArea::folder(const QString& packagePath)
{
    return packagePath + QLatin1Char('/') + QLatin1String(kFolderName);
}

void UndoWorkArea::recoverAfterCrash(const QString& packagePath, const QSet<int64_t>& imageKeys)
{
    const QString area = folder(packagePath);
    if (!QFileInfo::exists(area))
        return;
    QDirIterator files(area, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString file = files.next();
        int64_t key = -1;
        const QString name = QFileInfo(file).fileName();
        if (!PackageCommit::isPhotoFileName(name, &key) || !imageKeys.contains(key))
            continue;
        const QString home = packagePath + QLatin1Char('/') + name;
        if (!QFileInfo::exists(home))
            moveFile(file, home);
    }
    remove(packagePath);
}

void UndoWorkArea::remove(const QString& packagePath)
{
    FileHelpers::removeFileIfExists(folder(packagePath));
}

QStringList UndoWorkArea::photoFileNames(int64_t key)
{
    return {QStringLiteral("sp-%1.jpg").arg(key), QStringLiteral("sp-%1t.jpg").arg(key),
            QStringLiteral("sp-%1ct.jpg").arg(key), QStringLiteral("sp-%1o.jpg").arg(key)};
}

bool UndoWorkArea::moveFile(const QString& from, const QString& to)
{
    if (!QFileInfo::exists(from) || QFileInfo::exists(to))
        return false;
    return FileHelpers::renameFile(from, to);
}

qint64 UndoWorkArea::ownBytes(const QString& folder)
{
    qint64 bytes = 0;
    QDirIterator files(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        struct stat info {};
        if (::stat(QFile::encodeName(files.next()).constData(), &info) == 0 && info.st_nlink <= 1)
            bytes += info.st_size;
    }
    return bytes;
}

// --- PhotoFileKeeper

PhotoFileKeeper::PhotoFileKeeper(QString packagePath, QString keepFolder)
    : package_(std::move(packagePath)), keepFolder_(std::move(keepFolder))
{
    activeKeepers().insert(keeperKey(package_), this);
}

PhotoFileKeeper::~PhotoFileKeeper()
{
    activeKeepers().remove(keeperKey(package_));
}

bool PhotoFileKeeper::removePhotoFile(const QString& packagePath, const QString& file)
{
    PhotoFileKeeper* keeper = activeKeepers().value(keeperKey(packagePath));
    if (!keeper || QFileInfo(file).absolutePath() != QFileInfo(keeper->package_).absoluteFilePath())
        return FileHelpers::removeFileIfExists(file);
    if (!QFileInfo::exists(file))
        return true;
    const QString name = QFileInfo(file).fileName();
    const QString kept = keeper->keepFolder_ + QLatin1Char('/') + name;
    // An older copy under the same name was the file of an earlier row with
    // this key; the one now removed is what an undo must bring back.
    FileHelpers::removeFileIfExists(kept);
    QDir().mkpath(keeper->keepFolder_);
    // A file that cannot be kept aside stays: the step fails, and a rollback
    // must find every photo where it was.
    if (!UndoWorkArea::moveFile(file, kept))
        return false;
    keeper->kept_ << name;
    return true;
}

void PhotoFileKeeper::putBack()
{
    for (const QString& name : std::as_const(kept_))
        UndoWorkArea::moveFile(keepFolder_ + QLatin1Char('/') + name, package_ + QLatin1Char('/') + name);
    kept_.clear();
}

} // namespace spinora
