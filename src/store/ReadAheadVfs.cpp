#include "ReadAheadVfs.h"

#include <sqlite3.h>

#include <algorithm>
#include <cstring>

namespace spinora {

namespace {

constexpr int kRunBytes = 256 * 1024;

// A file opened through the VFS: SQLite's own file lies in the memory right
// after it. Only a main database file is read ahead, and only once a read
// continues the one before it (the pages of a blob): a b-tree page read
// alone stays one page.
struct ReadAheadFile {
    sqlite3_file base; // first: this is what SQLite holds
    sqlite3_file* real;
    bool readsAhead;
    char* run;
    sqlite3_int64 runStart;
    int runLength; // 0: nothing held
    sqlite3_int64 lastEnd;
};

ReadAheadFile* self(sqlite3_file* file)
{
    return reinterpret_cast<ReadAheadFile*>(file);
}

sqlite3_file* real(sqlite3_file* file)
{
    return self(file)->real;
}

void forget(sqlite3_file* file)
{
    self(file)->runLength = 0;
    self(file)->lastEnd = -1;
}

int closeFile(sqlite3_file* file)
{
    const int rc = real(file)->pMethods->xClose(real(file));
    sqlite3_free(self(file)->run);
    self(file)->run = nullptr;
    return rc;
}

// Reads a run from `offset` into the buffer; false when it cannot hold the
// `amount` bytes asked for (then SQLite's own read answers, with its errors
// and its zero-filled short reads).
bool fillRun(ReadAheadFile* file, int amount, sqlite3_int64 offset)
{
    sqlite3_int64 size = 0;
    if (file->real->pMethods->xFileSize(file->real, &size) != SQLITE_OK || size - offset < amount)
        return false;
    if (!file->run && !(file->run = static_cast<char*>(sqlite3_malloc(kRunBytes))))
        return false;
    const int length = static_cast<int>(std::min<sqlite3_int64>(kRunBytes, size - offset));
    file->runLength = 0;
    if (file->real->pMethods->xRead(file->real, file->run, length, offset) != SQLITE_OK)
        return false;
    file->runStart = offset;
    file->runLength = length;
    return true;
}

int readFile(sqlite3_file* sqliteFile, void* buffer, int amount, sqlite3_int64 offset)
{
    ReadAheadFile* file = self(sqliteFile);
    const bool continues = offset == file->lastEnd;
    file->lastEnd = offset + amount;
    const bool held = file->runLength > 0 && offset >= file->runStart &&
                      offset + amount <= file->runStart + file->runLength;
    if (held || (file->readsAhead && continues && amount < kRunBytes && fillRun(file, amount, offset))) {
        std::memcpy(buffer, file->run + (offset - file->runStart), static_cast<size_t>(amount));
        return SQLITE_OK;
    }
    return file->real->pMethods->xRead(file->real, buffer, amount, offset);
}

// A method of the real file, called as it is.
template <auto Method, class... Args>
auto pass(sqlite3_file* file, Args... args)
{
    return (real(file)->pMethods->*Method)(real(file), args...);
}

// The same, for what may change the file under the run (a write, a lock
// taken or let go; in a WAL file a transaction begins with a lock on its
// index): the run is only trusted within one transaction, where no other
// connection may write.
template <auto Method, class... Args>
int dropRunAndPass(sqlite3_file* file, Args... args)
{
    forget(file);
    return pass<Method>(file, args...);
}

// The methods of the version the real file's have: a VFS below that lacks
// shared memory (as a test's may) must not seem to have it.
const sqlite3_io_methods* methodsLike(const sqlite3_io_methods* real)
{
    auto make = [](int version) {
        sqlite3_io_methods m{};
        m.iVersion = version;
        using M = sqlite3_io_methods;
        m.xClose = closeFile;
        m.xRead = readFile;
        m.xWrite = dropRunAndPass<&M::xWrite, const void*, int, sqlite3_int64>;
        m.xTruncate = dropRunAndPass<&M::xTruncate, sqlite3_int64>;
        m.xSync = pass<&M::xSync, int>;
        m.xFileSize = pass<&M::xFileSize, sqlite3_int64*>;
        m.xLock = dropRunAndPass<&M::xLock, int>;
        m.xUnlock = dropRunAndPass<&M::xUnlock, int>;
        m.xCheckReservedLock = pass<&M::xCheckReservedLock, int*>;
        m.xFileControl = pass<&M::xFileControl, int, void*>;
        m.xSectorSize = pass<&M::xSectorSize>;
        m.xDeviceCharacteristics = pass<&M::xDeviceCharacteristics>;
        if (version >= 2) {
            m.xShmMap = pass<&M::xShmMap, int, int, int, void volatile**>;
            m.xShmLock = dropRunAndPass<&M::xShmLock, int, int, int>;
            m.xShmBarrier = pass<&M::xShmBarrier>;
            m.xShmUnmap = pass<&M::xShmUnmap, int>;
        }
        if (version >= 3) {
            m.xFetch = pass<&M::xFetch, sqlite3_int64, int, void**>;
            m.xUnfetch = pass<&M::xUnfetch, sqlite3_int64, void*>;
        }
        return m;
    };
    static const sqlite3_io_methods versions[] = {make(1), make(2), make(3)};
    return &versions[std::clamp(real->iVersion, 1, 3) - 1];
}

sqlite3_vfs* realVfs(sqlite3_vfs* vfs)
{
    return static_cast<sqlite3_vfs*>(vfs->pAppData);
}

int openFile(sqlite3_vfs* vfs, const char* name, sqlite3_file* sqliteFile, int flags, int* outFlags)
{
    ReadAheadFile* file = self(sqliteFile);
    file->real = reinterpret_cast<sqlite3_file*>(file + 1);
    file->readsAhead = (flags & SQLITE_OPEN_MAIN_DB) != 0;
    file->run = nullptr;
    file->runStart = 0;
    file->runLength = 0;
    file->lastEnd = -1;
    const int rc = realVfs(vfs)->xOpen(realVfs(vfs), name, file->real, flags, outFlags);
    // SQLite closes a file whose methods are set even when opening failed.
    sqliteFile->pMethods = file->real->pMethods ? methodsLike(file->real->pMethods) : nullptr;
    return rc;
}

// A method of the VFS below, called as it is.
template <auto Method, class... Args>
int passToVfs(sqlite3_vfs* vfs, Args... args)
{
    return (realVfs(vfs)->*Method)(realVfs(vfs), args...);
}

sqlite3_vfs* registered()
{
    sqlite3_vfs* base = sqlite3_vfs_find(nullptr);
    if (!base || base->iVersion < 2)
        return nullptr;
    using V = sqlite3_vfs;
    static sqlite3_vfs vfs = [base] {
        sqlite3_vfs v{};
        v.iVersion = 2; // no extensions are loaded, and no system calls replaced
        v.szOsFile = static_cast<int>(sizeof(ReadAheadFile)) + base->szOsFile;
        v.mxPathname = base->mxPathname;
        v.zName = "spinora-readahead";
        v.pAppData = base;
        v.xOpen = openFile;
        v.xDelete = passToVfs<&V::xDelete, const char*, int>;
        v.xAccess = passToVfs<&V::xAccess, const char*, int, int*>;
        v.xFullPathname = passToVfs<&V::xFullPathname, const char*, int, char*>;
        v.xRandomness = passToVfs<&V::xRandomness, int, char*>;
        v.xSleep = passToVfs<&V::xSleep, int>;
        v.xCurrentTime = passToVfs<&V::xCurrentTime, double*>;
        v.xGetLastError = passToVfs<&V::xGetLastError, int, char*>;
        v.xCurrentTimeInt64 = passToVfs<&V::xCurrentTimeInt64, sqlite3_int64*>;
        return v;
    }();
    return sqlite3_vfs_register(&vfs, 0) == SQLITE_OK ? &vfs : nullptr;
}

} // namespace

const char* readAheadVfsName()
{
    static sqlite3_vfs* vfs = registered();
    return vfs ? vfs->zName : nullptr;
}

} // namespace spinora
