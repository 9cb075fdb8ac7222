#pragma once

#include "SortOrder.h"

#include <array>
#include <cstdint>
#include <vector>

namespace spinora {

class Cactus;
class Log;
class Water;

// The three lists of a collection's window.
enum ListKind { kCactusList = 0, kWaterList = 1, kLogList = 2 };

// What each of a collection's three lists shows, in its order: the records
// its search keeps, and the direction it sorts in. A list on screen fills
// its array from its search (ListSearch) when told of a change; an array no
// list fills simply shows every record (printing, the command-line tool).
class DisplayedLists {
public:
    std::vector<Cactus*>& cacti() { return cacti_; }
    std::vector<Water*>& watering() { return watering_; }
    std::vector<Log*>& logs() { return logs_; }

    bool ascending(ListKind list) const { return ascending_[list]; }
    void setAscending(ListKind list, bool ascending) { ascending_[list] = ascending; }
    // What the list sorts by (the log list always by date).
    SortKey sortKey(ListKind list) const { return keys_[list]; }
    void setSortKey(ListKind list, SortKey key) { keys_[list] = key; }
    // The directions and keys of the three lists, with the plants' order by species.
    SortOrder sortOrder(bool cactiBySpecies) const
    {
        return {ascending_[kCactusList], cactiBySpecies,        ascending_[kWaterList],
                ascending_[kLogList],    keys_[kCactusList], keys_[kWaterList]};
    }

    // "Due": the lists show only what is due by the end of today (plants
    // and schedules to water, logs whose reminder is due), within their search.
    bool dueOnly() const { return dueOnly_; }
    void setDueOnly(bool dueOnly) { dueOnly_ = dueOnly; }

    // A list on screen fills this array from its search from now on.
    void setFilledBySearch(ListKind list, bool filled) { filledBySearch_[list] = filled; }
    bool filledBySearch(ListKind list) const { return filledBySearch_[list]; }

    // Empties every array before the records they point at go. Counts the
    // times (generation): a list then knows it must fill its array again
    // before anything is drawn.
    void clear()
    {
        cacti_.clear();
        watering_.clear();
        logs_.clear();
        ++generation_;
    }
    uint64_t generation() const { return generation_; }

private:
    std::vector<Cactus*> cacti_;
    std::vector<Water*> watering_;
    std::vector<Log*> logs_;
    std::array<bool, 3> ascending_{true, true, true};
    std::array<SortKey, 3> keys_{SortKey::Name, SortKey::Name, SortKey::Name};
    bool dueOnly_ = false;
    std::array<bool, 3> filledBySearch_{};
    uint64_t generation_ = 1; // 0 stands for "never filled" in ListSearch
};

} // namespace spinora
