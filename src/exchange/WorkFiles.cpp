#include "WorkFiles.h"

#include "FileHelpers.h"
#include "Localization.h"

#include <QFileInfo>
#include <QLockFile>

#include <memory>
#include <mutex>

namespace spinora {

namespace {
std::mutex lockMutex;
std::unique_ptr<QLockFile> heldLock;

QString inFolder(const char* name)
{
    const QString work = FileHelpers::workFolder();
    return work.isEmpty() ? QString() : work + QLatin1Char('/') + QString::fromUtf8(name);
}

// Why the work folder cannot be used, or empty when it can.
QString unusableFolder(const QString& folder)
{
    if (folder.isEmpty())
        return localized("No folder for the work files was found: the user's caches folder is unknown "
                              "(set HOME or XDG_CACHE_HOME).");
    const QFileInfo info(folder);
    if (!info.exists())
        return localized("The work folder %1 could not be made.").arg(folder);
    if (!info.isDir())
        return localized("The work folder %1 cannot be used: something that is not a folder is in its place.")
            .arg(folder);
    if (!info.isWritable())
        return localized("The work folder %1 cannot be used: it is not writable.").arg(folder);
    return {};
}
} // namespace

QString WorkFiles::folder() { return FileHelpers::workFolder(); }
QString WorkFiles::importDatabase() { return inFolder("temp_spinora_import.db"); }
QString WorkFiles::exportDatabase() { return inFolder("temp_spinora_export.db"); }

QString WorkFiles::getImportDatabaseName()
{
    const QString path = importDatabase();
    if (!path.isEmpty())
        FileHelpers::removeFileIfExists(path);
    return path;
}

bool WorkFiles::lock(QString* reason)
{
    std::lock_guard guard(lockMutex);
    if (heldLock) {
        if (reason)
            *reason = localized("Another transfer is running in this program; try again when it has finished.");
        return false;
    }
    const QString folder = FileHelpers::workFolder();
    if (const QString why = unusableFolder(folder); !why.isEmpty()) {
        if (reason)
            *reason = why;
        return false;
    }
    auto file = std::make_unique<QLockFile>(folder + QStringLiteral("/spinora-work.lock"));
    // No age limit: a long transfer keeps its lock. A lock left by a process
    // that died is still taken over (QLockFile checks whether its owner runs).
    file->setStaleLockTime(0);
    if (!file->tryLock(0)) {
        if (reason) {
            qint64 pid = 0;
            QString host, application;
            if (file->error() == QLockFile::LockFailedError && file->getLockInfo(&pid, &host, &application))
                *reason = localized("Another transfer is running (%1, process %2); try again when it has finished.")
                              .arg(application.isEmpty() ? localized("another program") : application)
                              .arg(pid);
            else if (file->error() == QLockFile::LockFailedError)
                *reason = localized("Another transfer is running; try again when it has finished.");
            else
                *reason = localized("The work folder %1 cannot be used: its lock file could not be made.")
                              .arg(folder);
        }
        return false;
    }
    heldLock = std::move(file);
    return true;
}

void WorkFiles::unlock()
{
    std::lock_guard guard(lockMutex);
    heldLock.reset();
}

} // namespace spinora
