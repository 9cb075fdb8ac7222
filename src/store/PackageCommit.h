#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

#include <cstdint>

namespace spinora {

// Puts a new state of a collection into its package in the one order that
// survives a crash at any moment: the new photo files first (under names the
// package does not use yet), then the database commits (the commit point:
// from here on the new state is the collection), then the files nothing refers
// to any more are removed. The caller holds the package's lock (PackageLock).
class PackageCommit {
public:
    // The hidden folder inside a package where an import writes its new
    // photo files before they move in (a rename on the same file system).
    static constexpr const char* kStagingFolder = ".spinora-import";

    explicit PackageCommit(QString packagePath) : package_(std::move(packagePath)) {}

    // Moves the photo files ("sp-<key>.jpg", "sp-<key>t.jpg", "sp-<key>ct.jpg")
    // of a folder into the package and makes them durable. On failure the
    // files moved so far are taken out again.
    bool movePhotosIn(const QString& folder, QString* error);
    // Takes the photos moved in out again (the database did not commit).
    void undoMoves();
    // The database committed: the photos moved in belong to the collection.
    void setCommitted() { committed_ = true; }
    bool committed() const { return committed_; }
    // After the commit: removes every photo file of the package that the
    // photos moved in do not name (a collection that was replaced whole).
    void removeAllOtherPhotos();

    // Removes the package's photo files whose key is not in `keys` (what a
    // crash between the photo move and the commit leaves behind).
    // Answers how many files were removed.
    static int removeUnreferencedPhotos(const QString& packagePath, const QSet<int64_t>& keys);
    // The highest key a photo file of the package is named by (0 when none).
    static int64_t highestPhotoFileKey(const QString& packagePath);
    // True for the names of photo files: "sp-<key>.jpg", "sp-<key>t.jpg" and
    // "sp-<key>ct.jpg", the extension exactly "jpg". Nothing else in a package
    // (the lock file, what the user put there) is ever taken for a photo.
    static bool isPhotoFileName(const QString& name, int64_t* key = nullptr);
    // Copies a package to a destination that must not exist, leaving out the
    // lock file and an import's staging folder (the copy is not in use by anyone).
    static bool copyPackage(const QString& source, const QString& destination);

private:
    QString package_;
    QStringList moved_;
    bool committed_ = false;
};

// Deliberate crash points for the tests that kill a job half-way: with
// SPINORA_TEST_CRASH_AT=<name> in the environment the process kills itself
// there, as a power cut would; with SPINORA_TEST_STOP_AT=<name> it stops
// there (SIGSTOP) until it is continued.
void crashPoint(const char* name);

} // namespace spinora
