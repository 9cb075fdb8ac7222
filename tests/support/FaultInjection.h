#pragma once

namespace spinora::test {

// Fails the n-th write point of whatever the program writes while it counts:
// SQLite's writes, syncs, truncations and write locks (through a VFS laid
// over the default one), and the photo and work files written through
// FileHelpers. SQLite earns its trust by failing every write in turn; the
// loop over write points does the same for our actions.
class FaultInjection {
public:
    enum class Kind {
        IoError,  // that one point fails with an I/O error
        DiskFull, // that point and every later write fail: the disk is full
    };

    FaultInjection();
    ~FaultInjection();
    FaultInjection(const FaultInjection&) = delete;
    FaultInjection& operator=(const FaultInjection&) = delete;

    // Counts the points from now on; the n-th fails (0: none does).
    void arm(int n, Kind kind);
    void disarm();
    // The points counted since the last arm().
    int points() const;
};

} // namespace spinora::test
