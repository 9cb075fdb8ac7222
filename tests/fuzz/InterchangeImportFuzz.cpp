// libFuzzer target for the interchange import, of a file or of what the
// device sent: the input is the SQLite file.
#include "FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using spinora::ImportRequest;
    spinora::fuzz::importIntoScratch(data, size, QStringLiteral("input.sdbi"), ImportRequest::Source::InterchangeFile);
    return 0;
}
