#pragma once

#include "Result.h"

#include <QString>

namespace spinora {

// A change that a crash or a power cut cut short leaves its rollback journal
// ("spinora.db-journal") beside the database. The next connection that reads
// the file must first undo the change from it, which takes writing: one
// opened read-only cannot, and SQLite refuses every read it tries ("attempt
// to write a readonly database"). Whoever opens a collection read-only calls
// this first. It undoes such a change through a writing connection, under
// the package's lock (PackageLock), so that no writer is in the middle of a
// change of its own meanwhile; a journal of a writer at work is left to it.
// Succeeds when the database can be read now; fails with the reason, to
// follow "could not be opened: " or "could not be read: ", when the change
// cannot be undone here (a collection on a read-only disk, say).
Result<> undoInterruptedChange(const QString& packagePath);

} // namespace spinora
