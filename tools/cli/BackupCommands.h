#pragma once

#include "CliSupport.h"

namespace spinora::cli {

// spinora-cli backup PATH.sdb [--to DIR]: a snapshot now.
int runBackup(Arguments& arguments);
// spinora-cli backups PATH.sdb [--in DIR] [--json]: the snapshots, newest first.
int runBackups(Arguments& arguments);
// spinora-cli restore PATH.sdb SNAPSHOT [--in DIR]: the collection made what
// the snapshot holds, all or nothing.
int runRestore(Arguments& arguments);

} // namespace spinora::cli
