#include "CollectionPackage.h"

#include "AppInfo.h"
#include "FileHelpers.h"
#include "Localization.h"
#include "Messages.h"
#include "PackageLock.h"
#include "Resources.h"
#include "SpinoraUtility.h"

#include <QDir>
#include <QFileInfo>

namespace spinora {

CollectionPackage::CollectionPackage() = default;
CollectionPackage::~CollectionPackage() = default;

void CollectionPackage::setPath(const QString& packagePath)
{
    path_ = packagePath;
    dbPath_ = packagePath + QLatin1Char('/') + QString::fromUtf8(kDatabaseFileName);
}

Result<> CollectionPackage::checkUsable() const
{
    const QFileInfo package(path_);
    if (!package.exists())
        return Failure(localized("it does not exist."));
    if (!package.isDir())
        return Failure(localized("it is not a collection package (a folder ending in .sdb)."));
    const QFileInfo db(dbPath_);
    if (!db.exists() || !db.isFile())
        return Failure(localized("the folder holds no %1, so it is not a Spinora collection.")
                           .arg(QString::fromUtf8(kDatabaseFileName)));
    if (!readOnly_ && (!FileHelpers::hasWritePermission(path_) || !FileHelpers::hasWritePermission(dbPath_)))
        return Failure(localized("it is read-only. Make it writable, or copy it to another place, to open it."));
    return {};
}

Result<> CollectionPackage::lock()
{
    if (readOnly_)
        return {};
    if (lock_ && lock_->packagePath() == path_)
        return {};
    QString error;
    auto lock = PackageLock::acquire(path_, &error);
    if (!lock)
        return Failure(error);
    lock_ = std::move(lock);
    return {};
}

void CollectionPackage::adoptLock(std::unique_ptr<PackageLock> lock)
{
    lock_ = std::move(lock);
}

void CollectionPackage::unlock(bool discard)
{
    if (lock_ && discard)
        lock_->discard();
    lock_.reset();
}

bool CollectionPackage::usesEmptyTemplate() const
{
    return emptyTemplateChoice_.value_or(SpinoraUtility::sharedManager().getPreferences().addNoDefaultsToDatabases());
}

Result<bool> CollectionPackage::makeFromTemplateIfMissing(const std::optional<QString>& packagePath,
                                                         const QString& dbPath) const
{
    QString target;
    bool madePackage = false;
    if (packagePath) {
        const QFileInfo existing(*packagePath);
        if (existing.exists() || existing.isSymLink())
            return false;
        if (!QDir().mkdir(*packagePath))
            return Failure::file(msg::kCreateDatabaseFailed, *packagePath, errno);
        madePackage = true;
        target = *packagePath + QLatin1Char('/') + QString::fromUtf8(kDatabaseFileName);
    } else {
        if (QFileInfo::exists(dbPath))
            return false;
        target = dbPath;
    }
    const QString templatePath =
        Resources::path(usesEmptyTemplate() ? QStringLiteral("spinora_emptydb.sdbi") : QStringLiteral("spinoradb.sdbi"));
    if (templatePath.isEmpty() || !FileHelpers::copyFileFrom(templatePath, target)) {
        const int error = templatePath.isEmpty() ? ENOENT : errno;
        if (madePackage)
            QDir(*packagePath).removeRecursively();
        return Failure::file(msg::kCreateDatabaseFailed, target, error);
    }
    return true;
}

std::unique_ptr<Connection> CollectionPackage::openConnection(const QString& dbPath, Connection::Mode mode,
                                                              QString* error)
{
    auto connection = Connection::open(dbPath, mode, error);
    if (!connection || !connection->execute("PRAGMA cache_size=50;", error))
        return nullptr;
    // The page cache stays small; mapping the file lets the thousands of
    // per-record lookups of a load read pages without a system call each.
    connection->execute("PRAGMA mmap_size=268435456;");
    return connection;
}

} // namespace spinora
