#pragma once

#include "CliSupport.h"

namespace spinora::cli {

int runExportSdbi(Arguments& arguments);
int runImport(Arguments& arguments);

} // namespace spinora::cli
