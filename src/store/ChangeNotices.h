#pragma once

#include <QObject>

namespace spinora {

// The kinds of records a collection holds, as bits of a change.
enum class RecordKind : unsigned {
    Cactus = 1u << 0,
    Water = 1u << 1,
    Log = 1u << 2,
    Event = 1u << 3,
    Species = 1u << 4,
    Image = 1u << 5,
};
using RecordKinds = unsigned;
constexpr RecordKinds operator|(RecordKind a, RecordKind b) { return unsigned(a) | unsigned(b); }
constexpr RecordKinds operator|(RecordKinds a, RecordKind b) { return a | unsigned(b); }

// What one action changed in a collection: which kinds of records were
// added, removed or edited (their fields or their order).
struct CollectionChange {
    RecordKinds added = 0;
    RecordKinds removed = 0;
    RecordKinds edited = 0;
    // Every record was read again (an import, a step taken back): nothing
    // held before may be assumed to exist.
    bool replacedAll = false;
    // The logs read behind the first screen were handed over and linked.
    bool logsArrived = false;

    bool touches(RecordKinds kinds) const { return replacedAll || ((added | removed | edited) & kinds) != 0; }
    bool isEmpty() const { return (added | removed | edited) == 0 && !replacedAll && !logsArrived; }
    void merge(const CollectionChange& other);
};

// The one notice a collection sends per change. While a step of changes
// runs (an editor's OK, a delete, an undo), the document holds the notices:
// what the step does gathers, and the step's end sends it once, so every
// list refreshes once for the whole action. Outside a step a change is sent
// at once. Main thread only.
class ChangeNotices : public QObject {
    Q_OBJECT
public:
    void noteAdded(RecordKind kind) { note({.added = unsigned(kind)}); }
    void noteRemoved(RecordKind kind) { note({.removed = unsigned(kind)}); }
    void noteEdited(RecordKinds kinds) { note({.edited = kinds}); }
    void noteReplacedAll() { note({.replacedAll = true}); }
    void noteLogsArrived() { note({.added = unsigned(RecordKind::Log), .logsArrived = true}); }

    void hold() { ++held_; }
    // Holds the notices for a scope: a change made of several (a plant
    // removed with its logs and photos) is sent as one.
    class Held {
    public:
        explicit Held(ChangeNotices& notices) : notices_(notices) { notices_.hold(); }
        ~Held() { notices_.release(); }
        Held(const Held&) = delete;
        Held& operator=(const Held&) = delete;

    private:
        ChangeNotices& notices_;
    };
    // The last release sends what gathered meanwhile.
    void release();

signals:
    void changed(const spinora::CollectionChange& change);

private:
    void note(const CollectionChange& change);

    CollectionChange pending_;
    int held_ = 0;
};

} // namespace spinora
