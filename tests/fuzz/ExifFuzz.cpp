// libFuzzer target for the date a photo was taken: the input is read as a
// JPEG's head with its EXIF segment, and once more behind a JPEG start so
// that most inputs reach the TIFF directories.
#include "FuzzSupport.h"
#include "PhotoOriginals.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace spinora;
    const QByteArray input = fuzz::bytes(data, size);
    for (const QByteArray& jpeg : {input, QByteArray("\xFF\xD8\xFF\xE1", 4) + input}) {
        if (const auto taken = PhotoOriginals::dateTaken(jpeg); taken && (!taken->date.isValid() || !taken->time.isValid()))
            qFatal("an invalid date was taken for a date");
    }
    return 0;
}
