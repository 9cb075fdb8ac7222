#pragma once

#include "Result.h"

#include <QString>

#include <memory>

namespace spinora {

class Image;
class SpinoraDatabase;
struct PreparedPhoto;

// Stores prepared photos in a collection: the image row, and its three
// files moved in from the package's adding folder (a rename each: the
// decoding, encoding and writing were done by PhotoAddingJob). A photo is
// stored whole or not at all: a photo without its files must not stay in
// the collection. It works on the collection's connection, so it runs where
// the collection lives (the main thread).
class PhotoStore {
public:
    explicit PhotoStore(SpinoraDatabase& document) : document_(document) {}

    // `image` (its link set) stored with the prepared files, or the failure.
    Result<Image*> store(std::unique_ptr<Image> image, const PreparedPhoto& photo);

    static QString diskFullReason();

private:
    SpinoraDatabase& document_;
};

} // namespace spinora
