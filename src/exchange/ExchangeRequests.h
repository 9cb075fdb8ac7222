#pragma once

// The requests of the import and export jobs: plain values, made on the main
// thread from the document and the user's choices, copied to the job's
// thread. Nothing in them points into a document or a window.

#include "RecordSet.h"

#include <QString>

namespace spinora {

// What is exchanged; the same values are the import and export types and the
// options of the sheets.
enum ExchangeType : int {
    kExchangeComplete = 0,
    kExchangeCactiAndWatering = 1,
    kExchangeCacti = 2,
    kExchangeWatering = 3,
};

struct ImportRequest {
    enum class Source {
        InterchangeFile, // an SDBI file, or what the device sent
        Collection,      // another collection package: its database and its photo files
        CsvFile,
    };
    QString collection; // the package imported into
    QString source;     // the file or the package read
    Source sourceKind = Source::InterchangeFile;
    ExchangeType type = kExchangeComplete;
    // A complete import replaces the collection (the device's restore):
    // afterwards only the template's records and the incoming ones exist.
    bool replaceCollection = false;
    QString templateDatabase; // the template of a replaced collection
    // The job reads the changed collection again for the window, sorted in
    // the order its lists show; the command-line tool needs nothing back.
    bool loadAfterwards = true;
    SortOrder order;
    // A CSV table's columns as COLUMN=FIELD pairs; empty: guessed.
    QString csvMapping;
};

struct ExportRequest {
    enum class Destination {
        InterchangeFile, // an SDBI file, photos as blobs
        Collection,      // a collection package with the photo files
        CsvFile,
        DeviceCopy,      // the complete SDBI copy sent to the device (in the work folder)
    };
    QString collection; // the package exported
    QString destination;
    Destination kind = Destination::InterchangeFile;
    ExchangeType type = kExchangeComplete;
    // The order the window shows (the CSV file's lines follow it).
    SortOrder order;
};

// Numbers of plants, schedules and logs (what an import added).
struct RecordCounts {
    int64_t cacti = 0;
    int64_t watering = 0;
    int64_t logs = 0;
};

struct ReportRequest {
    QString collection;
    QString folder;
    QString fileName; // as chosen; the page and the photo folder are named after it
    int photoSize = 1; // 1 small to 4 extra large
    SortOrder order;
};

} // namespace spinora
