#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

namespace spinora {

// File operations of the store, the jobs and the shell. Each answers true on
// success.
class FileHelpers {
public:
    // Durable writes reach the disk before they answer (fsync): for
    // databases. Fast ones do not: for photos and work files, which are made
    // durable together with syncFileSystem before the step that relies on them.
    enum class Durability { Durable, Fast };

    // True when nothing is at the path or it (a file or a whole folder) was removed.
    static bool removeFileIfExists(const QString& path);
    // Replaces the destination with a copy of the source file. The copy is
    // written beside the destination and renamed over it, so a failed copy
    // leaves an existing destination as it was.
    static bool copyFileFrom(const QString& source, const QString& destination,
                             Durability durability = Durability::Durable);
    // Writes a whole file the same way: beside it first, then renamed over it.
    static bool writeFile(const QString& path, const QByteArray& data, Durability durability = Durability::Fast);
    // Whether the file or folder may be changed. The owner's write bit counts
    // too, so that a package marked read-only is honoured even for a user
    // (root) whom the system would let write.
    static bool hasWritePermission(const QString& path);
    // Flushes everything written to the file system that holds the path.
    static void syncFileSystem(const QString& path);
    // Renames on one file system, replacing the destination; false with
    // errno set as rename() left it.
    static bool renameFile(const QString& source, const QString& destination);
    // Replaces the destination with the source (a rename, or copy and remove
    // across file systems).
    static bool moveFileFrom(const QString& source, const QString& destination);
    // Copies a folder and everything in it to a destination that must not exist.
    static bool copyFolder(const QString& source, const QString& destination);

    // Asked before each write and rename of a file made here (photo files,
    // work files): an answer other than 0 is taken as the errno of a disk
    // that failed at that step (ENOSPC, EIO). Tests fail each step in turn
    // with it; unset, nothing fails on purpose.
    enum class Step { Write, Rename };
    using FaultCheck = std::function<int(Step step, const QString& path)>;
    static void setFaultCheck(FaultCheck check);
    // The errno a fault check answers for the step (0: go on), set in errno too.
    static int injectedFault(Step step, const QString& path);

    // The per-user work folder of device transfers (created when missing);
    // empty when no caches directory can be found.
    static QString workFolder();
};

} // namespace spinora
