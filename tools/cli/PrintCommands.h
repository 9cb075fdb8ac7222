#pragma once

#include "CliSupport.h"

namespace spinora::cli {

// print PATH.sdb OUT.pdf [--screen 0..5] [--record PK] [--page-size A4|Letter] [--search TEXT]
int runPrint(Arguments& arguments);
// labels PATH.sdb OUT.pdf [--search TEXT] [--layout a4-3x8|letter-3x10]
int runLabels(Arguments& arguments);

} // namespace spinora::cli
