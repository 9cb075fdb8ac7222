#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

#include <cstdint>

namespace spinora {

// Puts a new state of a collection into its package in the one order that
// survives a crash at any moment: the new photo files first (under names the
// package does not use yet), then the database is replaced (the commit point:
// from here on the new state is the collection), then the files nothing refers
// to any more are removed. The caller holds the package's lock (PackageLock).
class PackageCommit {
public:
    explicit PackageCommit(QString packagePath) : package_(std::move(packagePath)) {}

    // Moves the photo files ("sp-<key>.jpg", "sp-<key>t.jpg", "sp-<key>ct.jpg")
    // of a folder into the package and makes them durable. On failure the
    // files moved so far are taken out again.
    bool movePhotosIn(const QString& folder, QString* error);
    // The commit point: `workingDatabase` replaces "spinora.db" by one rename,
    // made durable before it answers. On failure the photos moved in are
    // removed again and the package is as before.
    bool replaceDatabase(const QString& workingDatabase, QString* error);
    bool committed() const { return committed_; }
    // After the commit: removes every photo file of the package that the
    // photos moved in do not name (a collection that was replaced whole).
    void removeAllOtherPhotos();

    // Removes the package's photo files whose key is not in `keys` (what a
    // crash between the photo move and the database swap leaves behind).
    // Answers how many files were removed.
    static int removeUnreferencedPhotos(const QString& packagePath, const QSet<int64_t>& keys);
    // True for the names of photo files: "sp-<key>.jpg", "sp-<key>t.jpg" and
    // "sp-<key>ct.jpg", the extension exactly "jpg". Nothing else in a package
    // (the lock file, what the user put there) is ever taken for a photo.
    static bool isPhotoFileName(const QString& name, int64_t* key = nullptr);
    // Copies a package to a destination that must not exist, leaving out the
    // lock file (the copy is not in use by anyone).
    static bool copyPackage(const QString& source, const QString& destination);

private:
    void undoMoves();

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
