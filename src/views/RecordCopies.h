#pragma once

#include "Result.h"

#include <cstdint>
#include <vector>

namespace spinora {

class Cactus;
class Image;
class Log;
class SpinoraDatabase;

// A copy of a photo for another owner (a duplicated plant or log), stored
// and added to the collection. The stored JPEG data is copied as it is, so
// the copy loses nothing to a second compression. Adding it to the owner's
// photos is the caller's step.
Result<Image*> copyPhoto(SpinoraDatabase& document, Image& source, int64_t ownerKey);

// Copies of `photos` for `owner` (a plant or a log already stored), added to
// its photos in the same order.
template <class Owner>
Result<> copyPhotosTo(SpinoraDatabase& document, std::vector<Image*> photos, Owner& owner)
{
    for (Image* photo : photos) {
        const Result<Image*> copied = copyPhoto(document, *photo, owner.primaryKey());
        if (!copied)
            return copied.failure();
        owner.addImage(*copied);
    }
    return {};
}

// A copy of a log with its photos, filed under `plant` (none: under the
// source's plant key), stored and added to the collection. The copy refers
// to the same calendar reminder.
Result<Log*> copyLog(SpinoraDatabase& document, Log& source, Cactus* plant);

} // namespace spinora
