#pragma once

#include "Result.h"
#include "Timestamp.h"

#include <cstdint>

namespace spinora {

class Connection;

// The one row of a collection's "version" table: the schema the database
// was written with and when the collection was made.
struct VersionRow {
    int64_t primaryKey = -1; // -1: no row (read only, added once writable)
    int64_t version = 0;
    Timestamp creationDate;

    // What a collection's own connection checks before its records are
    // read: the file is not damaged (nothing is written to one that is),
    // and it has a version row, added when missing unless the connection
    // is read-only. A collection just made from the template gets today as
    // its creation date. The failure reads after "could not be opened: ".
    static Result<VersionRow> checkAtOpen(Connection* db, bool newCollection);
    // The row as it is, or none: for a job that only carries it over.
    static VersionRow read(Connection* db);
};

} // namespace spinora
