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
// Imports and exports use different files of the work folder, so each kind
// has a lock of its own: an export runs while another program imports.
struct Slot {
    const char* fileName;
    std::unique_ptr<QLockFile> lock;
    const void* owner = nullptr;
};
Slot importSlot{"spinora-work.lock", nullptr, nullptr};
Slot exportSlot{"spinora-export.lock", nullptr, nullptr};
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

namespace {

bool take(Slot& slot, const void* owner, QString* reason)
{
    if (slot.lock) {
        if (slot.owner == &kAnyJob)
            slot.owner = owner;
        if (slot.owner == owner)
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
    auto file = std::make_unique<QLockFile>(folder + QLatin1Char('/') + QLatin1String(slot.fileName));
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
    slot.lock = std::move(file);
    slot.owner = owner;
    return true;
}

void give(Slot& slot, const void* owner)
{
    if (slot.owner != owner && owner != nullptr)
        return;
    slot.lock.reset();
    slot.owner = nullptr;
}

} // namespace

bool WorkFiles::lock(const void* owner, QString* reason)
{
    std::lock_guard guard(lockMutex);
    return take(importSlot, owner, reason);
}

bool WorkFiles::holds(const void* owner)
{
    std::lock_guard guard(lockMutex);
    return importSlot.lock && importSlot.owner == owner;
}

void WorkFiles::unlock(const void* owner)
{
    std::lock_guard guard(lockMutex);
    give(importSlot, owner);
}

bool WorkFiles::lockExport(const void* owner, QString* reason)
{
    std::lock_guard guard(lockMutex);
    return take(exportSlot, owner, reason);
}

void WorkFiles::unlockExport(const void* owner)
{
    std::lock_guard guard(lockMutex);
    give(exportSlot, owner);
}

bool WorkFiles::lock(QString* reason)
{
    std::lock_guard guard(lockMutex);
    // A slot that a job of this process holds is not free, even when both are
    // taken: only slots that are free or already held for the process count.
    if (!take(importSlot, &kAnyJob, reason))
        return false;
    if (!take(exportSlot, &kAnyJob, reason)) {
        give(importSlot, &kAnyJob);
        return false;
    }
    return true;
}

void WorkFiles::unlock()
{
    std::lock_guard guard(lockMutex);
    // Only what is still held for the process: a slot a job adopted is that
    // job's to give up (and may already belong to the next job).
    give(importSlot, &kAnyJob);
    give(exportSlot, &kAnyJob);
}

} // namespace spinora
