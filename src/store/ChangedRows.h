#pragma once

#include "Result.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>
#include <set>

namespace spinora {

class SpinoraDatabase;

// The keys of the rows one SQLite changeset inserts, updates and deletes,
// per record table; and the step that makes the document's records in
// memory match those rows again after the changeset was applied behind
// their back (an undo or a redo). Records that stay keep their identity, so
// the links and lists that point at them stay valid.
struct ChangedRows {
    enum Table { kCactus, kWatering, kLog, kEvent, kSpecies, kImage, kTableCount };
    using Keys = std::array<std::set<int64_t>, kTableCount>;
    Keys inserted;
    Keys updated;
    Keys deleted;

    // Reads a changeset; false when it cannot be read.
    static bool read(const QByteArray& changeset, ChangedRows* rows);

    // Every row as the file holds it against the records memory holds: rows
    // only on disk inserted, records without a row deleted, the others
    // updated. What a step that failed half-way takes back into memory:
    // SQLite may have rolled its transaction back before anybody could ask
    // which rows it wrote.
    static Result<ChangedRows> againstFile(SpinoraDatabase& document);

    // Drops the records of deleted rows, reads updated rows again, makes
    // records for inserted rows and links and sorts them all. A row that
    // cannot be read is still linked (as a placeholder) and the first such
    // failure answered.
    Result<> takeIntoMemory(SpinoraDatabase& document) const;
};

// Saves every record changed in memory that the file does not hold yet.
Result<> saveChangedRecords(SpinoraDatabase& document);

} // namespace spinora
