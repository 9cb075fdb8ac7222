#pragma once

#include <QString>

#include <memory>

class QLockFile;

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

    // Takes the work folder for the jobs of this process; false when another
    // process holds it.
    static bool lock();
    static void unlock();
};

// Deliberate crash points for the tests that kill an import half-way: with
// SPINORA_TEST_CRASH_AT=<name> in the environment the process kills itself
// there, as a power cut would.
void crashPoint(const char* name);

} // namespace spinora
