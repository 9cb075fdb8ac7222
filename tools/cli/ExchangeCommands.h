#pragma once

#include "CliSupport.h"

namespace spinora::cli {

int runExportSdbi(Arguments& arguments);
int runImport(Arguments& arguments);
int runExportCsv(Arguments& arguments);
int runReport(Arguments& arguments);
int runCsvTemplate(Arguments& arguments);

} // namespace spinora::cli
