#pragma once

#include "Result.h"
#include "Timestamp.h"

#include <QString>

#include <vector>

namespace spinora {

class Cactus;
class SpinoraDatabase;
class Water;

// What was watered: whole schedules (with every plant that follows them)
// and single plants.
struct WateredRecords {
    std::vector<Water*> schedules;
    std::vector<Cactus*> cacti;
};

// Records a watering done at a moment (now or earlier), as the schedule
// editor's "Just Watered" does: each schedule and each of its plants gets
// that last-watered moment and the schedule's next date, pushed past its
// no-water periods; a plant chosen on its own gets the next date of its own
// schedule (none when it follows none). Everything is written in one step of
// the document's history ("Mark as Watered"): on failure nothing changed, on
// disk or in memory.
Result<> markAsWatered(SpinoraDatabase& document, const WateredRecords& watered, const Timestamp& moment);

} // namespace spinora
