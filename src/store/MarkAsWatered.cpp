#include "MarkAsWatered.h"

#include "Localization.h"
#include "SpinoraDatabase.h"
#include "UndoHistory.h"

#include <map>

namespace spinora {

namespace {

struct Dates {
    Timestamp lastWatered;
    Timestamp waterNext;
};

template <class R>
Dates datesOf(const R* record)
{
    return {record->lastWatered(), record->waterNext()};
}

template <class R>
void setDates(R* record, const Dates& dates)
{
    record->setLastWatered(dates.lastWatered);
    record->setWaterNext(dates.waterNext);
}

} // namespace

Result<> markAsWatered(SpinoraDatabase& document, const WateredRecords& watered, const Timestamp& moment)
{
    Connection* db = document.database();
    if (!db || db->isReadOnly())
        return Failure(localized("the collection is not open for writing."), Failure::Cause::ReadOnly);
    if (!moment)
        return Failure(localized("no watering moment was given."));

    // The new dates of every record, decided before anything changes. A
    // plant both chosen itself and on a chosen schedule gets the same dates
    // either way.
    std::map<Water*, Dates> schedules;
    std::map<Cactus*, Dates> cacti;
    for (Water* water : watered.schedules) {
        const Dates dates{moment, water->calculateNextWatering(moment)};
        schedules[water] = dates;
        for (Cactus* cactus : water->cacti())
            cacti[cactus] = dates;
    }
    for (Cactus* cactus : watered.cacti) {
        if (!cacti.count(cactus))
            cacti[cactus] = {moment, cactus->water() ? cactus->water()->calculateNextWatering(moment) : Timestamp()};
    }
    // One step: on failure the rows roll back and the records are read again.
    return UndoHistory::run(document, localized("Mark as Watered"), [&]() -> Result<> {
        for (auto& [water, dates] : schedules) {
            setDates(water, dates);
            if (Result<> saved = water->dehydrate(); !saved)
                return saved;
        }
        for (auto& [cactus, dates] : cacti) {
            setDates(cactus, dates);
            if (Result<> saved = cactus->dehydrate(); !saved)
                return saved;
        }
        return {};
    });
}

} // namespace spinora
