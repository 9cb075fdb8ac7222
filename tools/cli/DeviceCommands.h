#pragma once

#include "CliSupport.h"

namespace spinora::cli {

int runDevices(Arguments& arguments);
int runPull(Arguments& arguments);
int runPush(Arguments& arguments);

} // namespace spinora::cli
