#pragma once

#include <QString>

namespace spinora {

class SpinoraDatabase;

// Writes the open collection, whole or in part, as an interchange file
// ("*.sdbi": one SQLite file with the photos as blobs) or as another
// collection package. The work runs on a background thread; progress and the
// result go through SpinoraUtility to whoever started it.
class InterchangeExport {
public:
    enum Type { kComplete = 0, kCactiAndWatering = 1, kCacti = 2, kWatering = 3 };

    // A compacted copy of the collection's database in the work folder, with
    // the photos as blobs when asked; empty when there is no work folder.
    static QString prepareDatabaseForExport(SpinoraDatabase& document, bool withPhotos);
    static void cleanupAfterExport(SpinoraDatabase& document);

    // Starts the export on a background thread and returns at once.
    static void exportDatabase(SpinoraDatabase& document, const QString& destination, int exportType);
    // The work itself, on the calling thread; answers the status code.
    static int exportDatabaseThread(SpinoraDatabase& document);
    // Main thread: removes what a cancelled or failed export wrote, then reports.
    static void cleanupAfterLocalExport(SpinoraDatabase& document, int status);

    static bool isInterchangeFile(const QString& path); // extension exactly "sdbi" or "SDBI"
    static const char* filterScript(int exportType);
};

} // namespace spinora
