#pragma once

#include "Result.h"
#include "SqlConnection.h"

#include <QString>

#include <memory>
#include <optional>

namespace spinora {

class PackageLock;

// A collection's package on disk: the "*.sdb" folder holding "spinora.db"
// and the photo files, the lock that keeps a second writer out, and the
// template a missing package is made from. What is inside the database is
// the document's; this class knows only where it is and who may write it.
class CollectionPackage {
public:
    CollectionPackage();
    ~CollectionPackage();
    CollectionPackage(const CollectionPackage&) = delete;
    CollectionPackage& operator=(const CollectionPackage&) = delete;

    const QString& path() const { return path_; }
    const QString& dbPath() const { return dbPath_; }
    void setPath(const QString& packagePath);

    // A read-only package is never locked nor written (listing, printing).
    void setReadOnly(bool readOnly) { readOnly_ = readOnly; }
    bool isReadOnly() const { return readOnly_; }

    // Why the package cannot be opened as asked, in words; none when it can.
    Result<> checkUsable() const;

    // Takes the writer lock of the package (nothing for a read-only one);
    // the failure names who holds it.
    Result<> lock();
    // Keeps a lock taken elsewhere (the copy a save moves into place).
    void adoptLock(std::unique_ptr<PackageLock> lock);
    // Lets the lock go; `discard` also removes the lock file's record of a
    // package that never opened.
    void unlock(bool discard = false);
    bool holdsLock() const { return lock_ != nullptr; }

    // Chooses the template of a new package for this collection alone,
    // instead of the user's preference (the command-line tool's --empty).
    void setTemplateChoice(std::optional<bool> emptyTemplate) { emptyTemplateChoice_ = emptyTemplate; }
    bool usesEmptyTemplate() const;
    // Makes the package folder (with `packagePath`) or just the database at
    // `dbPath` from the template when missing. Answers whether it made one.
    Result<bool> makeFromTemplateIfMissing(const std::optional<QString>& packagePath, const QString& dbPath) const;

    // The connection settings of every open of a collection's database.
    static std::unique_ptr<Connection> openConnection(const QString& dbPath, Connection::Mode mode, QString* error);

private:
    QString path_;
    QString dbPath_;
    bool readOnly_ = false;
    std::unique_ptr<PackageLock> lock_;
    std::optional<bool> emptyTemplateChoice_;
};

} // namespace spinora
