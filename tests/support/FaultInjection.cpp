#include "FaultInjection.h"

#include "FileHelpers.h"

#include <sqlite3.h>

#include <cerrno>
#include <cstring>

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
struct FaultyFile {
    sqlite3_file base;
    sqlite3_file* real() { return reinterpret_cast<sqlite3_file*>(this + 1); }
};

sqlite3_vfs* realVfs = nullptr;

FaultyFile* faulty(sqlite3_file* file)
{
    return reinterpret_cast<FaultyFile*>(file);
}

int faultyClose(sqlite3_file* f)
{
    return faulty(f)->real()->pMethods->xClose(faulty(f)->real());
}
int faultyRead(sqlite3_file* f, void* data, int amount, sqlite3_int64 offset)
{
    return faulty(f)->real()->pMethods->xRead(faulty(f)->real(), data, amount, offset);
}
int faultyWrite(sqlite3_file* f, const void* data, int amount, sqlite3_int64 offset)
{
    sqlite3_int64 size = 0;
    faulty(f)->real()->pMethods->xFileSize(faulty(f)->real(), &size);
    if (failsHere(offset + amount > size))
        return writeFailure();
    return faulty(f)->real()->pMethods->xWrite(faulty(f)->real(), data, amount, offset);
}
int faultyTruncate(sqlite3_file* f, sqlite3_int64 size)
{
    if (failsHere(false))
        return SQLITE_IOERR_TRUNCATE;
    return faulty(f)->real()->pMethods->xTruncate(faulty(f)->real(), size);
}
int faultySync(sqlite3_file* f, int flags)
{
    if (failsHere(false))
        return SQLITE_IOERR_FSYNC;
    return faulty(f)->real()->pMethods->xSync(faulty(f)->real(), flags);
}
int faultyFileSize(sqlite3_file* f, sqlite3_int64* size)
{
    return faulty(f)->real()->pMethods->xFileSize(faulty(f)->real(), size);
}
int faultyLock(sqlite3_file* f, int level)
{
    if (level >= SQLITE_LOCK_RESERVED && failsHere(false))
        return SQLITE_IOERR_LOCK;
    return faulty(f)->real()->pMethods->xLock(faulty(f)->real(), level);
}
int faultyUnlock(sqlite3_file* f, int level)
{
    return faulty(f)->real()->pMethods->xUnlock(faulty(f)->real(), level);
}
int faultyCheckReservedLock(sqlite3_file* f, int* out)
{
    return faulty(f)->real()->pMethods->xCheckReservedLock(faulty(f)->real(), out);
}
int faultyFileControl(sqlite3_file* f, int op, void* arg)
{
    return faulty(f)->real()->pMethods->xFileControl(faulty(f)->real(), op, arg);
}
int faultySectorSize(sqlite3_file* f)
{
    return faulty(f)->real()->pMethods->xSectorSize(faulty(f)->real());
}
int faultyDeviceCharacteristics(sqlite3_file* f)
{
    return faulty(f)->real()->pMethods->xDeviceCharacteristics(faulty(f)->real());
}

// Version 1 methods only: no memory mapping and no shared memory, so every
// page SQLite writes goes through xWrite.
const sqlite3_io_methods faultyMethods = {
    .iVersion = 1,
    .xClose = faultyClose,
    .xRead = faultyRead,
    .xWrite = faultyWrite,
    .xTruncate = faultyTruncate,
    .xSync = faultySync,
    .xFileSize = faultyFileSize,
    .xLock = faultyLock,
    .xUnlock = faultyUnlock,
    .xCheckReservedLock = faultyCheckReservedLock,
    .xFileControl = faultyFileControl,
    .xSectorSize = faultySectorSize,
    .xDeviceCharacteristics = faultyDeviceCharacteristics,
    .xShmMap = nullptr,
    .xShmLock = nullptr,
    .xShmBarrier = nullptr,
    .xShmUnmap = nullptr,
    .xFetch = nullptr,
    .xUnfetch = nullptr,
};

int faultyOpen(sqlite3_vfs*, const char* name, sqlite3_file* file, int flags, int* outFlags)
{
    FaultyFile* f = faulty(file);
    f->base.pMethods = nullptr;
    const int rc = realVfs->xOpen(realVfs, name, f->real(), flags, outFlags);
    if (f->real()->pMethods)
        f->base.pMethods = &faultyMethods;
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
        faultyVfs.szOsFile = int(sizeof(FaultyFile)) + realVfs->szOsFile;
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

bool FaultInjection::fired() const
{
    return state().fired;
}

} // namespace spinora::test
