#pragma once

namespace spinora {

class ImportTransaction;
struct ImportRequest;

// Merges another collection database into the collection: an interchange
// file, another package's database with its photo files, or what the device
// sent. The file is read where it is, read-only (a file of an older schema is
// upgraded in a copy first); its rows are copied by INSERT ... SELECT under
// new keys, with the links between them mapped through the old keys, and
// each photo is checked and written as files under a new key.
class InterchangeImport {
public:
    // Runs inside the import's transaction; false (with the reason in the
    // job's context) when the merge failed or was cancelled.
    static bool merge(const ImportRequest& request, ImportTransaction& transaction);
};

} // namespace spinora
