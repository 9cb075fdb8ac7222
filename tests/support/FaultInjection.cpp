#include "FaultInjection.h"

#include "FileHelpers.h"

#include <sqlite3.h>

#include <cerrno>
#include <mutex>

namespace spinora::test {

namespace {

struct State {
    bool counting = false;
    int failAt = 0;
    int points = 0;
    bool fired = false;
    FaultInjection::Kind kind = FaultInjection::Kind::IoError;
};

State& state()
{
    static State s;
    return s;
}

// One write point: true when it must fail. After a full disk every later
// write that needs room fails too; overwriting what a file holds, a lock
// and a rename need none.
bool failsHere(bool needsRoom)
{
    // Photo files are written on a thread of their own, beside the database.
    static std::mutex mutex;
    std::lock_guard lock(mutex);
    State& s = state();
    if (!s.counting)
        return false;
    if (s.fired)
        return needsRoom && s.kind == FaultInjection::Kind::DiskFull;
    if (++s.points != s.failAt)
        return false;
    s.fired = true;
    return true;
}

int writeFailure()
{
    return state().kind == FaultInjection::Kind::DiskFull ? SQLITE_FULL : SQLITE_IOERR_WRITE;
}

// The files of the VFS: SQLite's own file, followed in memory by the real one.
sqlite3_file* real(sqlite3_file* file)
{
    return file + 1;
}

sqlite3_vfs* realVfs = nullptr;

// A method that never fails here: the real file's.
template <auto Method, class... Args>
int pass(sqlite3_file* f, Args... args)
{
    return (real(f)->pMethods->*Method)(real(f), args...);
}

int faultyWrite(sqlite3_file* f, const void* data, int amount, sqlite3_int64 offset)
{
    sqlite3_int64 size = 0;
    real(f)->pMethods->xFileSize(real(f), &size);
    if (failsHere(offset + amount > size))
        return writeFailure();
    return real(f)->pMethods->xWrite(real(f), data, amount, offset);
}
int faultyTruncate(sqlite3_file* f, sqlite3_int64 size)
{
    return failsHere(false) ? SQLITE_IOERR_TRUNCATE : real(f)->pMethods->xTruncate(real(f), size);
}
int faultySync(sqlite3_file* f, int flags)
{
    return failsHere(false) ? SQLITE_IOERR_FSYNC : real(f)->pMethods->xSync(real(f), flags);
}
int faultyLock(sqlite3_file* f, int level)
{
    if (level >= SQLITE_LOCK_RESERVED && failsHere(false))
        return SQLITE_IOERR_LOCK;
    return real(f)->pMethods->xLock(real(f), level);
}

// Version 1 methods only: no memory mapping and no shared memory, so every
// page SQLite writes goes through xWrite.
const sqlite3_io_methods faultyMethods = [] {
    sqlite3_io_methods m{};
    m.iVersion = 1;
    m.xClose = pass<&sqlite3_io_methods::xClose>;
    m.xRead = pass<&sqlite3_io_methods::xRead>;
    m.xWrite = faultyWrite;
    m.xTruncate = faultyTruncate;
    m.xSync = faultySync;
    m.xFileSize = pass<&sqlite3_io_methods::xFileSize>;
    m.xLock = faultyLock;
    m.xUnlock = pass<&sqlite3_io_methods::xUnlock>;
    m.xCheckReservedLock = pass<&sqlite3_io_methods::xCheckReservedLock>;
    m.xFileControl = pass<&sqlite3_io_methods::xFileControl>;
    m.xSectorSize = pass<&sqlite3_io_methods::xSectorSize>;
    m.xDeviceCharacteristics = pass<&sqlite3_io_methods::xDeviceCharacteristics>;
    return m;
}();

int faultyOpen(sqlite3_vfs*, const char* name, sqlite3_file* file, int flags, int* outFlags)
{
    file->pMethods = nullptr;
    const int rc = realVfs->xOpen(realVfs, name, real(file), flags, outFlags);
    if (real(file)->pMethods)
        file->pMethods = &faultyMethods;
    return rc;
}

int faultyDelete(sqlite3_vfs*, const char* name, int syncDir)
{
    if (failsHere(false))
        return SQLITE_IOERR_DELETE;
    return realVfs->xDelete(realVfs, name, syncDir);
}

sqlite3_vfs faultyVfs;

// The photo and work files: ENOSPC or EIO as the disk would answer.
int fileFault(FileHelpers::Step step, const QString&)
{
    if (!failsHere(step == FileHelpers::Step::Write))
        return 0;
    return state().kind == FaultInjection::Kind::DiskFull ? ENOSPC : EIO;
}

} // namespace

FaultInjection::FaultInjection()
{
    if (!realVfs) {
        realVfs = sqlite3_vfs_find(nullptr);
        faultyVfs = *realVfs;
        faultyVfs.zName = "faulty";
        faultyVfs.szOsFile = int(sizeof(sqlite3_file)) + realVfs->szOsFile;
        faultyVfs.xOpen = faultyOpen;
        faultyVfs.xDelete = faultyDelete;
        sqlite3_vfs_register(&faultyVfs, 1);
    }
    FileHelpers::setFaultCheck(fileFault);
}

FaultInjection::~FaultInjection()
{
    disarm();
    FileHelpers::setFaultCheck({});
}

void FaultInjection::arm(int n, Kind kind)
{
    state() = State{true, n, 0, false, kind};
}

void FaultInjection::disarm()
{
    state().counting = false;
}

int FaultInjection::points() const
{
    return state().points;
}

} // namespace spinora::test
