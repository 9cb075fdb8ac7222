#include "WorkFiles.h"

#include "SpinoraUtility.h"

#include <QLockFile>

#include <csignal>
#include <cstdlib>
#include <cstring>
#include <mutex>

namespace spinora {

namespace {
std::mutex lockMutex;
std::unique_ptr<QLockFile> heldLock;

QString inFolder(const char* name)
{
    const QString work = SpinoraUtility::workFolder();
    return work.isEmpty() ? QString() : work + QLatin1Char('/') + QString::fromUtf8(name);
}
} // namespace

QString WorkFiles::folder() { return SpinoraUtility::workFolder(); }
QString WorkFiles::importDatabase() { return inFolder("temp_spinora_import.db"); }
QString WorkFiles::backupDatabase() { return inFolder("temp_spinora_backup.db"); }
QString WorkFiles::exportDatabase() { return inFolder("temp_spinora_export.db"); }
QString WorkFiles::tempPhotos() { return inFolder("temp_photos"); }
QString WorkFiles::importPhotos() { return inFolder("temp_import_photos"); }

bool WorkFiles::lock()
{
    std::lock_guard guard(lockMutex);
    // Jobs of this process follow one another (the progress window is modal):
    // a job started while this process holds the folder shares it.
    if (heldLock)
        return true;
    const QString path = inFolder("spinora-work.lock");
    if (path.isEmpty())
        return false;
    auto file = std::make_unique<QLockFile>(path);
    // No age limit: a long job keeps its lock. A lock left by a process that
    // died is still taken over (QLockFile checks whether its owner runs).
    file->setStaleLockTime(0);
    if (!file->tryLock(0))
        return false;
    heldLock = std::move(file);
    return true;
}

void WorkFiles::unlock()
{
    std::lock_guard guard(lockMutex);
    heldLock.reset();
}

void crashPoint(const char* name)
{
    const char* wanted = std::getenv("SPINORA_TEST_CRASH_AT");
    if (wanted && std::strcmp(wanted, name) == 0)
        std::raise(SIGKILL);
}

} // namespace spinora
