#pragma once

#include "Result.h"

#include <QString>

namespace spinora {

class SpinoraDatabase;

// The whole collection as it is at one moment, in a folder of the package's
// work area: "spinora.db", a copy of the database made with SQLite's backup
// API, and "photos", the package's photo files as hard links (photo files
// are never rewritten in place, so a link keeps their bytes; a copy where a
// link cannot be made). What "Undo Import" goes back to.
class CollectionSnapshot {
public:
    // Records changed in memory are written first.
    static Result<> take(SpinoraDatabase& document, const QString& folder);
    // Makes the collection hold exactly what the snapshot holds, rows and
    // photo files, and reads it again into memory. In the one order that
    // survives a crash: the photo files the package lacks come first (under
    // names it does not use), then the database is replaced in one
    // transaction (the commit point), then the photo files the snapshot does
    // not hold go. On failure nothing changed.
    // `reload` false: the records in memory are already the snapshot's.
    static Result<> restore(SpinoraDatabase& document, const QString& folder, bool reload = true);
    // Reads the whole collection again from its file, links and sorts it.
    static Result<> reloadCollection(SpinoraDatabase& document);
};

} // namespace spinora
