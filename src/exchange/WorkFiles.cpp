#include "WorkFiles.h"

#include "SpinoraUtility.h"

#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>

#include <memory>
#include <mutex>

namespace spinora {

namespace {
std::mutex lockMutex;
std::unique_ptr<QLockFile> heldLock;
const void* heldFor = nullptr;
// The owner of a lock taken for the process as a whole; the next job adopts it.
const char kAnyJob = 0;

QString inFolder(const char* name)
{
    const QString work = SpinoraUtility::workFolder();
    return work.isEmpty() ? QString() : work + QLatin1Char('/') + QString::fromUtf8(name);
}

// Why the work folder cannot be used, or empty when it can.
QString unusableFolder(const QString& folder)
{
    if (folder.isEmpty())
        return QStringLiteral("No folder for the work files was found: the user's caches folder is unknown "
                              "(set HOME or XDG_CACHE_HOME).");
    const QFileInfo info(folder);
    if (!info.exists())
        return QStringLiteral("The work folder %1 could not be made.").arg(folder);
    if (!info.isDir())
        return QStringLiteral("The work folder %1 cannot be used: something that is not a folder is in its place.")
            .arg(folder);
    if (!info.isWritable())
        return QStringLiteral("The work folder %1 cannot be used: it is not writable.").arg(folder);
    return {};
}
} // namespace

QString WorkFiles::folder() { return SpinoraUtility::workFolder(); }
QString WorkFiles::importDatabase() { return inFolder("temp_spinora_import.db"); }
QString WorkFiles::backupDatabase() { return inFolder("temp_spinora_backup.db"); }
QString WorkFiles::exportDatabase() { return inFolder("temp_spinora_export.db"); }
QString WorkFiles::tempPhotos() { return inFolder("temp_photos"); }
QString WorkFiles::importPhotos() { return inFolder("temp_import_photos"); }

bool WorkFiles::lock(const void* owner, QString* reason)
{
    std::lock_guard guard(lockMutex);
    if (heldLock) {
        if (heldFor == &kAnyJob)
            heldFor = owner;
        if (heldFor == owner)
            return true;
        if (reason)
            *reason = QStringLiteral("Another import or export is running in this program; "
                                     "try again when it has finished.");
        return false;
    }
    const QString folder = SpinoraUtility::workFolder();
    if (const QString why = unusableFolder(folder); !why.isEmpty()) {
        if (reason)
            *reason = why;
        return false;
    }
    auto file = std::make_unique<QLockFile>(folder + QStringLiteral("/spinora-work.lock"));
    // No age limit: a long job keeps its lock. A lock left by a process that
    // died is still taken over (QLockFile checks whether its owner runs).
    file->setStaleLockTime(0);
    if (!file->tryLock(0)) {
        if (reason) {
            qint64 pid = 0;
            QString host, application;
            if (file->error() == QLockFile::LockFailedError && file->getLockInfo(&pid, &host, &application))
                *reason = QStringLiteral("Another import or export is running (%1, process %2); "
                                         "try again when it has finished.")
                              .arg(application.isEmpty() ? QStringLiteral("another program") : application)
                              .arg(pid);
            else if (file->error() == QLockFile::LockFailedError)
                *reason = QStringLiteral("Another import or export is running; try again when it has finished.");
            else
                *reason = QStringLiteral("The work folder %1 cannot be used: its lock file could not be made.")
                              .arg(folder);
        }
        return false;
    }
    heldLock = std::move(file);
    heldFor = owner;
    return true;
}

bool WorkFiles::holds(const void* owner)
{
    std::lock_guard guard(lockMutex);
    return heldLock && heldFor == owner;
}

void WorkFiles::unlock(const void* owner)
{
    std::lock_guard guard(lockMutex);
    if (heldFor != owner)
        return;
    heldLock.reset();
    heldFor = nullptr;
}

bool WorkFiles::lock(QString* reason)
{
    {
        std::lock_guard guard(lockMutex);
        if (heldLock)
            return true;
    }
    return lock(&kAnyJob, reason);
}

void WorkFiles::unlock()
{
    std::lock_guard guard(lockMutex);
    heldLock.reset();
    heldFor = nullptr;
}

} // namespace spinora
