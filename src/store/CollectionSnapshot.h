#pragma once

#include "Result.h"

#include <QString>

namespace spinora {

class Connection;
class SpinoraDatabase;

// The whole collection as it is at one moment, in a folder: "spinora.db", a
// copy of the database made with SQLite's backup API, and the package's
// photo files as hard links (photo files are never rewritten in place, so a
// link keeps their bytes; a copy where a link cannot be made). What "Undo
// Import" goes back to (in the package's work area, photos in "photos"), and
// what a backup keeps (laid out as a package, so that it opens as one).
class CollectionSnapshot {
public:
    enum class Layout { PhotosFolder, Package };

    // Records changed in memory are written first.
    static Result<> take(SpinoraDatabase& document, const QString& folder, Layout layout = Layout::PhotosFolder);
    // The same from any connection on the package's database (a job's, or
    // one opened on a collection no document holds).
    static Result<> copy(Connection* live, const QString& package, const QString& folder, Layout layout);
    // Makes the collection hold exactly what the snapshot holds, rows and
    // photo files, and reads it again into memory. In the one order that
    // survives a crash: the photo files the package lacks come first (under
    // names it does not use), then the database is replaced in one
    // transaction (the commit point), then the photo files the snapshot does
    // not hold go. On failure nothing changed.
    // `reload` false: the records in memory are already the snapshot's.
    static Result<> restore(SpinoraDatabase& document, const QString& folder, bool reload = true,
                            Layout layout = Layout::PhotosFolder);
    // The same on a connection to the package's database that no document
    // reads; without one (a database too damaged to be written page by
    // page) the database file is replaced whole.
    static Result<> restore(Connection* live, const QString& package, const QString& folder, Layout layout);
    // Links (or copies) every photo file of `package` into `folder`.
    static Result<> linkPhotoFiles(const QString& package, const QString& folder);
    // Reads the whole collection again from its file, links and sorts it.
    static Result<> reloadCollection(SpinoraDatabase& document);
};

} // namespace spinora
