#pragma once

namespace spinora {

// The name of an SQLite VFS that reads a database file ahead in runs of
// 256 KiB: for a connection that goes through a file's photos one after the
// other, whose blobs lie on runs of overflow pages. SQLite reads one page
// per call; with camera photos that is tens of thousands of system calls
// for an import, each costing more than copying its page. Errors still come
// back as SQLite's I/O errors (unlike a memory-mapped file, where a failing
// disk or a file cut short by another program ends the process).
// Registered on first use; every other file (journal, WAL) goes through
// SQLite's own VFS unchanged.
const char* readAheadVfsName();

} // namespace spinora
