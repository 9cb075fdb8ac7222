#pragma once

#include <QString>

namespace spinora {

class SpinoraDatabase;

// Brings the records of another collection database ("temp_spinora_import.db"
// in the work folder: an interchange file, another package's database, a
// download from the device or the CSV import's database) into the open
// collection. The merge runs on a background thread on a working copy of the
// collection, inside one transaction; the collection's own files are replaced
// only when everything succeeded, so a failed or cancelled import leaves them
// exactly as they were.
class InterchangeImport {
public:
    // Starts the import on a background thread and returns at once.
    static void prepareForDatabaseImport(SpinoraDatabase& document, int importType, bool overwriteAllowed);
    // The work itself, on the calling thread; answers the status code.
    static int importDatabaseThread(SpinoraDatabase& document);
    // The merge step; true when it failed.
    static bool importDatabase(SpinoraDatabase& document);
    // Main thread: removes the work files and reports the status.
    static void cleanupAfterImport(SpinoraDatabase& document, int status);
    // Reports a failure before any work started (status 2, on the main thread).
    static void failBeforeStart(SpinoraDatabase& document, const QString& reason);
};

} // namespace spinora
