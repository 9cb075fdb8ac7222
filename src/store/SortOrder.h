#pragma once

namespace spinora {

// How one collection's lists order their records. Each open collection has
// its own (SpinoraDatabase::sortOrder); every comparison and every sort of a
// record's own lists (a plant's logs, a schedule's plants) is given it, so
// turning one window's order round never reorders another collection.
struct SortOrder {
    bool cactiAscending = true;
    bool cactiBySpecies = false;
    bool wateringAscending = true;
    bool logsAscending = true; // true: the newest log first
};

} // namespace spinora
