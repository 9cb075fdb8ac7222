#pragma once

#include "Result.h"

#include <QString>

#include <array>
#include <cstdint>

namespace spinora {

class Connection;
class JobContext;
struct ExportRequest;

// Writes a collection, whole or in part, as an interchange file ("*.sdbi":
// one SQLite file with the photos as blobs), as another collection package,
// or as the copy the device is sent. A compacted snapshot of the collection's
// database is made beside the destination, reduced by the type's filter
// script, given its photos, and renamed into place when complete: a cancelled
// or failed export leaves what was at the destination as it was.
class InterchangeExport {
public:
    static int run(const ExportRequest& request, JobContext& context);

    // The counts of cacti, schedules, logs, events, species and photos.
    using Counts = std::array<int64_t, 6>;
    // The export stamp in a version row: the format, the moment, the counts
    // of the whole collection.
    static Result<> stampVersionRow(Connection* db, int64_t versionKey, const Counts& counts);
    static const char* filterScript(int exportType);
};

} // namespace spinora
