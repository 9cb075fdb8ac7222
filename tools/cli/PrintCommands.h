#pragma once

#include "CliSupport.h"

namespace spinora::cli {

// print PATH.sdb OUT.pdf [--screen 0..5] [--record PK] [--page-size A4|Letter] [--search TEXT]
int runPrint(Arguments& arguments);

} // namespace spinora::cli
