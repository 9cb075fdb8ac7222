#pragma once

#include <optional>

namespace spinora {

// What a list orders its records by. The cactus list offers every key, the
// watering list Name and NextWatering; the log list always orders by date.
enum class SortKey { Name, NextWatering, DateAcquired, ScientificName, Location };

// How one collection's lists order their records. Each open collection has
// its own (SpinoraDatabase::sortOrder); every comparison and every sort of a
// record's own lists (a plant's logs, a schedule's plants) is given it, so
// turning one window's order round never reorders another collection.
struct SortOrder {
    bool cactiAscending = true;
    bool cactiBySpecies = false;
    bool wateringAscending = true;
    bool logsAscending = true; // true: the newest log first
    SortKey cactiKey = SortKey::Name;
    SortKey wateringKey = SortKey::Name;
};

// Orders two records by a key whose value may be missing (`hasA`, `hasB`;
// `order` compares the two values when both are there): records without one
// go last in either direction, equal values fall to `tie`.
template <class Tie>
int orderWithMissingLast(bool hasA, bool hasB, int order, bool ascending, Tie tie)
{
    if (hasA != hasB)
        return hasA ? -1 : 1;
    if (hasA && order != 0)
        return ascending ? order : -order;
    return tie();
}

// Two dates (none: no date), the missing ones last.
template <class Tie>
int orderDatesWithMissingLast(const std::optional<double>& a, const std::optional<double>& b, bool ascending, Tie tie)
{
    return orderWithMissingLast(a.has_value(), b.has_value(), a && b ? (*a > *b) - (*a < *b) : 0, ascending, tie);
}

} // namespace spinora
