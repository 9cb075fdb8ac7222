// libFuzzer target for a CSV import into a collection: the input is the file.
#include "FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    spinora::fuzz::importIntoScratch(data, size, QStringLiteral("input.csv"), spinora::ImportRequest::Source::CsvFile);
    return 0;
}
