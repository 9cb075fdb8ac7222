#pragma once

#include "CliSupport.h"

#include <memory>

namespace spinora {
class SpinoraDatabase;
}

namespace spinora::cli {

// Opens an existing collection (never creating one) as the main document.
std::unique_ptr<SpinoraDatabase> openCollection(const QString& path);

int runNew(Arguments& arguments);
int runSample(Arguments& arguments);
int runInfo(Arguments& arguments);
int runList(Arguments& arguments);
int runNextWatering(Arguments& arguments);

} // namespace spinora::cli
