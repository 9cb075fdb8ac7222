#pragma once

#include "Result.h"

#include <cstdint>

namespace spinora {

class Image;
class SpinoraDatabase;

// A copy of a photo for another owner (a duplicated plant or log), stored
// and added to the collection. The stored JPEG data is copied as it is, so
// the copy loses nothing to a second compression. Adding it to the owner's
// photos is the caller's step.
Result<Image*> copyPhoto(SpinoraDatabase& document, Image& source, int64_t ownerKey);

} // namespace spinora
