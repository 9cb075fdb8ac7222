#pragma once

#include <QString>

namespace spinora {

// The files of device transfers in the work folder (the user's caches
// folder): the file the device sent and the copy sent to it. One transfer at
// a time, in this or another process, may use them: the lock says so.
class WorkFiles {
public:
    static QString folder();
    static QString importDatabase(); // "temp_spinora_import.db"
    static QString exportDatabase(); // "temp_spinora_export.db"
    // The path of "temp_spinora_import.db", any older file there removed first.
    static QString getImportDatabaseName();

    // Takes the work folder for this process. False, with the reason for the
    // user, when another transfer (in this process or another) holds it or
    // the folder cannot be used; nothing in the folder is touched then.
    static bool lock(QString* reason = nullptr);
    static void unlock();
};

} // namespace spinora
