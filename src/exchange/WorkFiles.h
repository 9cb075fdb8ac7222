#pragma once

#include "PackageCommit.h" // crashPoint

#include <QString>

namespace spinora {

// The files of imports and exports in the work folder, and the lock that
// keeps two jobs (in this or another process) from sharing them.
class WorkFiles {
public:
    static QString folder();
    static QString importDatabase();   // "temp_spinora_import.db"
    static QString backupDatabase();   // "temp_spinora_backup.db"
    static QString exportDatabase();   // "temp_spinora_export.db"
    static QString tempPhotos();       // "temp_photos"
    static QString importPhotos();     // "temp_import_photos"

    // Takes the work folder for the job of `owner` (the document whose job
    // it is). A job that continues in another step (the CSV import handing
    // over to the merge) takes it again and keeps it. False, with the reason
    // for the user, when another job (in this process or another) holds it
    // or the folder cannot be used; nothing in the folder is touched then.
    static bool lock(const void* owner, QString* reason);
    // True when the work folder is held for `owner`'s job.
    static bool holds(const void* owner);
    // Gives the folder up; only the job that holds it does.
    static void unlock(const void* owner);
    // The same for the files of an export ("temp_spinora_export.db"), which
    // no import uses: an export runs while another job imports.
    static bool lockExport(const void* owner, QString* reason);
    static void unlockExport(const void* owner);

    // For a transfer that has no document of its own yet (the device): takes
    // both locks for this process; the job that follows (lock with its
    // owner) adopts them. unlock() gives up what is still held for the
    // process, never a slot a job adopted.
    static bool lock(QString* reason = nullptr);
    static void unlock();
};

} // namespace spinora
