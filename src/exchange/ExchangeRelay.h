#pragma once

#include "ExportJob.h"

#include <QString>

namespace spinora {

class TransferObserver;

// The requests of the import/export sheets and the device dialog, routed to
// the main document. Each remembers the controller that asked (through
// SpinoraUtility), which then hears the progress and the result.
class ExchangeRelay {
public:
    // A ".csv"/".CSV" file goes to the CSV export, anything else to the
    // interchange export (an ".sdbi"/".SDBI" file, or a package).
    // `overwriteAllowed`: the user agreed to replace an existing file or
    // collection there (the save panel asked). A folder that is not a
    // collection is never replaced. A refused export fails with status 2 and
    // the reason in the document's jobError().
    static void exportLocalDatabase(const QString& path, int exportType, TransferObserver* sheet,
                                    bool overwriteAllowed = false);
    // ".csv"/".CSV": CSV import; ".sdbi"/".SDBI": interchange file; anything
    // else is taken as a collection package.
    static void importLocalDatabase(const QString& path, int importType, TransferObserver* sheet);
    // The HTML report into a folder (the file name may be empty for the
    // default). An existing page or photo folder is replaced only when
    // `overwriteAllowed`.
    static void exportReport(const QString& folder, const QString& fileName, int photoSize, TransferObserver* sheet,
                             bool overwriteAllowed = false);
    // Why an export to `path` would be refused (empty when it would not).
    static ExportJob::Refusal checkExportDestination(const QString& path, bool overwriteAllowed);
    static ExportJob::Refusal checkReportDestination(const QString& folder, const QString& fileName,
                                                     bool overwriteAllowed);
    // The device: a complete snapshot with photos to send, and its removal.
    static QString prepareDatabaseForExport(TransferObserver* device);
    static void cleanupAfterExport();
    // The device: "temp_spinora_import.db" was downloaded; a complete
    // import may replace the collection.
    static void prepareForDatabaseImport(int importType, TransferObserver* device);

    static bool isCsvFile(const QString& path);
};

} // namespace spinora
