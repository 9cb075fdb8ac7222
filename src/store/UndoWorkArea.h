#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

#include <cstdint>

namespace spinora {

// The package's hidden work area, ".spinora-undo": what the collection
// window's history keeps so that its steps can be undone and redone (the
// rows a step changed as SQLite changesets, the photo files it removed, the
// snapshot taken before an import). Inside the package, so that keeping a
// photo aside is a rename on the same disk. It lives as long as the window;
// the next writing open clears what a crash left. Read-only opens never
// touch it.
class UndoWorkArea {
public:
    static constexpr const char* kFolderName = ".spinora-undo";

    static QString folder(const QString& packagePath);
    // At a writing open, under the package lock. A step that did not commit
    // before the program died may have moved photo files aside whose rows
    // are still there (`imageKeys`): those go back into the package.
    // Everything else in the work area goes.
    static void recoverAfterCrash(const QString& packagePath, const QSet<int64_t>& imageKeys);
    // Removes the work area (the window closed, the history was cleared).
    static void remove(const QString& packagePath);

    // The file names of the photo with a key: "sp-<key>.jpg", ...t.jpg, ...ct.jpg
    // and its original ...o.jpg.
    static QStringList photoFileNames(int64_t key);
    // Moves a file, replacing nothing: false when the source is missing or
    // the destination exists.
    static bool moveFile(const QString& from, const QString& to);
    // Bytes of the files below a folder that exist only there (a hard link
    // shared with the package costs nothing).
    static qint64 ownBytes(const QString& folder);
};

// While an undoable step runs on a package, the photo files that the step
// deletes are moved into the step's folder instead of being removed, so
// that undoing the step can put them back. One keeper per package at a
// time, on the thread that owns the collection.
class PhotoFileKeeper {
public:
    PhotoFileKeeper(QString packagePath, QString keepFolder);
    ~PhotoFileKeeper();
    PhotoFileKeeper(const PhotoFileKeeper&) = delete;
    PhotoFileKeeper& operator=(const PhotoFileKeeper&) = delete;

    // What Image::deleteFromDatabase calls for each of its files: moved to
    // the keeper of the package when one is active, removed otherwise.
    // False (errno set) when the file is still there.
    static bool removePhotoFile(const QString& packagePath, const QString& file);
    // The step was rolled back: the files go back where they were.
    void putBack();

private:
    QString package_;
    QString keepFolder_;
    QStringList kept_; // file names moved aside, in order
};

} // namespace spinora
