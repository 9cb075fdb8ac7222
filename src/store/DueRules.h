#pragma once

#include "Timestamp.h"

#include <vector>

class QDate;

namespace spinora {

class Cactus;
class Log;
class SpinoraDatabase;
class Water;

// When watering or a log's reminder is due. One rule, asked for any moment,
// serves the lists' warm rows and the statistics (at the current moment) and
// `spinora-cli due` (at the end of a chosen day), so they never disagree.
namespace due {

// Watering is due once its next date is not later than the moment.
bool wateringDue(const Timestamp& waterNext, const Timestamp& at);
// A set reminder is due once its date is not later than the start of the
// moment's day.
bool reminderDue(bool reminder, const Timestamp& logDate, const Timestamp& at);
// The last moment of a local day: what is due "on" that day is due by then.
Timestamp endOfDay(const QDate& day);

} // namespace due

// The plants of one schedule that are due (or the schedule itself, when no
// plant follows it), or the due plants that follow no schedule.
struct DueWatering {
    Water* schedule = nullptr;
    std::vector<Cactus*> cacti;
    // The earliest next date of the group.
    Timestamp next;
};

// Everything due in one collection by a moment.
struct DueItems {
    // Schedules in the collection's order; the plants without one last.
    std::vector<DueWatering> watering;
    // Oldest first.
    std::vector<Log*> reminders;

    long dueCacti() const;
    bool empty() const { return watering.empty() && reminders.empty(); }
};

DueItems dueBy(SpinoraDatabase& document, const Timestamp& at);

} // namespace spinora
