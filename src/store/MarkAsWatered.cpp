#include "MarkAsWatered.h"

#include "InternalError.h"
#include "SpinoraDatabase.h"

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

bool markAsWatered(SpinoraDatabase& document, const WateredRecords& watered, const Timestamp& moment, QString* error)
{
    auto fail = [error](const QString& reason) {
        if (error)
            *error = reason;
        return false;
    };
    Connection* db = document.database();
    if (!db || db->isReadOnly())
        return fail(QStringLiteral("the collection is not open for writing."));
    if (!moment)
        return fail(QStringLiteral("no watering moment was given."));

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

    std::map<Water*, Dates> previousSchedules;
    std::map<Cactus*, Dates> previousCacti;
    auto restore = [&] {
        for (auto& [water, dates] : previousSchedules)
            setDates(water, dates);
        for (auto& [cactus, dates] : previousCacti)
            setDates(cactus, dates);
    };
    QString reason;
    {
        Transaction transaction(db, Transaction::Kind::Exclusive);
        if (!transaction.begun())
            return fail(db->errorMessage());
        bool failed = false;
        try {
            for (auto& [water, dates] : schedules) {
                previousSchedules[water] = datesOf(water);
                setDates(water, dates);
                failed = failed || water->save();
            }
            for (auto& [cactus, dates] : cacti) {
                previousCacti[cactus] = datesOf(cactus);
                setDates(cactus, dates);
                failed = failed || cactus->save();
            }
            if (failed)
                reason = db->errorMessage();
            else if (!transaction.commit(&reason))
                failed = true;
        } catch (const InternalError& caught) {
            failed = true;
            reason = caught.message();
        }
        if (failed) {
            // The transaction rolls back as it goes out of scope; memory
            // goes back to what the file holds.
            restore();
            return fail(reason);
        }
    }
    for (auto& [water, dates] : schedules)
        water->dehydrate();
    for (auto& [cactus, dates] : cacti)
        cactus->dehydrate();
    return true;
}

} // namespace spinora
