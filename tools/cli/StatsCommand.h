#pragma once

#include "CliSupport.h"

namespace spinora::cli {

// spinora-cli stats PATH.sdb: the statistics window's eight figures as
// "key: value" lines.
int runStats(Arguments& arguments);

} // namespace spinora::cli
