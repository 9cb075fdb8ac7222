#include "ChangeNotices.h"

namespace spinora {

void CollectionChange::merge(const CollectionChange& other)
{
    added |= other.added;
    removed |= other.removed;
    edited |= other.edited;
    replacedAll = replacedAll || other.replacedAll;
    logsArrived = logsArrived || other.logsArrived;
}

void ChangeNotices::note(const CollectionChange& change)
{
    pending_.merge(change);
    if (held_ == 0)
        release();
}

void ChangeNotices::release()
{
    if (held_ > 0 && --held_ > 0)
        return;
    if (pending_.isEmpty())
        return;
    // Taken first: a receiver that changes the collection again sends a
    // notice of its own.
    const CollectionChange change = std::exchange(pending_, {});
    emit changed(change);
}

} // namespace spinora
