#pragma once

#include <QSet>
#include <QString>

#include <cstdint>
#include <optional>

namespace spinora {

// Puts a new state of a collection into its package in the one order that
// survives a crash at any moment: the new photo files first (under keys above
// every photo file the package holds, names nothing refers to yet), made
// durable, then the database commits (the commit point: from here on the new
// state is the collection), then the files nothing refers to any more are
// removed. The caller holds the package's lock (PackageLock).
class PackageCommit {
public:
    // The hidden folder inside a package where an import keeps its private
    // files (the upgraded copy of an older file) until it ends.
    static constexpr const char* kStagingFolder = ".spinora-import";

    explicit PackageCommit(QString packagePath) : package_(std::move(packagePath)) {}

    // The new photo files ("sp-<key>.jpg", "sp-<key>t.jpg", "sp-<key>ct.jpg")
    // are written straight into the package under keys above `key`: no file
    // of the package has such a key. Until this is said, none are new.
    void addPhotosAbove(int64_t key) { newPhotosAbove_ = key; }
    // Makes the new photo files durable, before the database names them.
    void syncNewPhotos();
    // Takes the new photo files out again (the database did not commit).
    void removeNewPhotos();
    // The database committed: the new photos belong to the collection.
    void setCommitted() { committed_ = true; }
    bool committed() const { return committed_; }
    // After the commit: removes every photo file of the package but the new
    // ones (a collection that was replaced whole).
    void removeAllOtherPhotos();

    // Removes the package's photo files whose key is not in `keys` (what a
    // crash between the photo move and the commit leaves behind).
    // Answers how many files were removed.
    static int removeUnreferencedPhotos(const QString& packagePath, const QSet<int64_t>& keys);
    // The highest key a photo file of the package is named by (0 when none).
    static int64_t highestPhotoFileKey(const QString& packagePath);
    // True for the names of photo files: "sp-<key>.jpg", "sp-<key>t.jpg",
    // "sp-<key>ct.jpg" and "sp-<key>o.jpg" (the original), the extension
    // exactly "jpg". Nothing else in a package
    // (the lock file, what the user put there) is ever taken for a photo.
    static bool isPhotoFileName(const QString& name, int64_t* key = nullptr);
    // Copies a package to a destination that must not exist, leaving out the
    // lock file and an import's staging folder (the copy is not in use by anyone).
    static bool copyPackage(const QString& source, const QString& destination);

private:
    // Removes the package's photo files whose key `doomed` picks.
    template <class Predicate>
    void removePhotos(Predicate doomed) const;

    QString package_;
    std::optional<int64_t> newPhotosAbove_;
    bool committed_ = false;
};

// Deliberate crash points for the tests that kill a job half-way: with
// SPINORA_TEST_CRASH_AT=<name> in the environment the process kills itself
// there, as a power cut would; with SPINORA_TEST_STOP_AT=<name> it stops
// there (SIGSTOP) until it is continued.
void crashPoint(const char* name);

} // namespace spinora
