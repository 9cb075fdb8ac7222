#pragma once

#include "CliSupport.h"

#include <memory>

namespace spinora {
class SpinoraDatabase;
}

namespace spinora::cli {

// Opens an existing collection (never creating one) as the main document.
// For writing it holds the collection's writer lock until it is closed (a
// second writer is refused with the holder's name); read-only it takes no
// lock and writes nothing, so it works while another program changes the
// collection.
std::unique_ptr<SpinoraDatabase> openCollection(const QString& path, bool readOnly = false);

int runNew(Arguments& arguments);
int runSample(Arguments& arguments);
int runInfo(Arguments& arguments);
int runList(Arguments& arguments);
int runNextWatering(Arguments& arguments);

} // namespace spinora::cli
