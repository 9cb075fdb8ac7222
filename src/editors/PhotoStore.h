#pragma once

#include <QString>

namespace spinora {

class Image;
class SpinoraDatabase;
struct PreparedPhoto;

// Stores decoded photos in a collection: the image row and its three files.
// A photo is stored whole or not at all: a full disk leaves short files
// behind, and a photo without its files must not stay in the collection.
// It works on the collection's connection, so it runs where the collection
// lives (the main thread).
class PhotoStore {
public:
    explicit PhotoStore(SpinoraDatabase& document) : document_(document) {}

    // The stored photo, not yet linked to an owner; or null and the reason.
    Image* store(const PreparedPhoto& photo, QString* reason);
    // Takes a stored photo out of the collection again: its row and files.
    void remove(Image* image);

    static QString diskFullReason();

private:
    SpinoraDatabase& document_;
};

} // namespace spinora
