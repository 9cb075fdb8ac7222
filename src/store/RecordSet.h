#pragma once

#include "Cactus.h"
#include "Event.h"
#include "Image.h"
#include "Log.h"
#include "SortOrder.h"
#include "Species.h"
#include "Water.h"

#include <QString>

#include <memory>
#include <unordered_map>
#include <vector>

namespace spinora {

class Connection;

// Every record of one collection as its database holds them: the arrays a
// document owns, and what a job loads on a connection of its own (the
// collection read again after an import, the CSV export, the report).
struct RecordSet {
    std::vector<std::unique_ptr<Cactus>> cacti;
    std::vector<std::unique_ptr<Water>> watering;
    std::vector<std::unique_ptr<Log>> logs;
    std::vector<std::unique_ptr<Event>> events;
    std::vector<std::unique_ptr<Species>> species;
    std::vector<Species*> speciesScientific; // the same species, to be sorted by scientific name
    std::vector<std::unique_ptr<Image>> images;

    RecordSet() = default;
    RecordSet(RecordSet&&) = default;
    RecordSet& operator=(RecordSet&&) = default;
    ~RecordSet() { clear(); }

    // Loads every record through `db` inside one read transaction, one
    // SELECT per table; without `withLogs` the logs are left for later
    // (loadLogs). A species without either name and a photo without an
    // owner (key -1) are left out; with `repair` their rows are deleted too.
    // False with the reason when a table cannot be read whole.
    bool load(Connection* db, const QString& packagePath, bool repair, bool withLogs, QString* error);
    // Every log row through `db`; false when the table cannot be read whole.
    static bool loadLogs(Connection* db, std::vector<std::unique_ptr<Log>>& logs);
    // Links plants to schedules, logs to plants and photos to their owners,
    // each link list in its order (`order` for a schedule's plants and a
    // plant's logs). Answers the photos whose owner is missing; they stay unlinked.
    std::vector<Image*> link(const SortOrder& order);
    // Links each plant to its schedule (and the schedule to the plant) and
    // clears every plant's photos and logs for their owners to be linked
    // next. Answers the plants by key.
    static std::unordered_map<int64_t, Cactus*> linkPlantsToSchedules(
        const std::vector<std::unique_ptr<Cactus>>& cacti, const std::vector<std::unique_ptr<Water>>& watering);
    static std::unordered_map<int64_t, Cactus*> plantsByKey(const std::vector<std::unique_ptr<Cactus>>& cacti);
    // Sets each log's plant from its key (none when that plant is gone).
    static void setPlantsOfLogs(const std::vector<std::unique_ptr<Log>>& logs,
                                const std::unordered_map<int64_t, Cactus*>& plants);
    // Hands each plant its photos, unsorted. Answers the plant photos whose
    // plant is gone; photos of logs are left for the logs.
    static std::vector<Image*> linkPlantPhotos(const std::vector<std::unique_ptr<Image>>& images,
                                               const std::unordered_map<int64_t, Cactus*>& plants);
    // Orders the arrays as the lists do (events and species by name).
    void sort(const SortOrder& order);
    // The order of Log::compareLog, for many logs at once.
    static void sortLogs(std::vector<std::unique_ptr<Log>>& logs, bool newestFirst);
    static void sortEvents(std::vector<std::unique_ptr<Event>>& events);
    static void sortSpecies(std::vector<std::unique_ptr<Species>>& species, std::vector<Species*>& speciesScientific);
    void clear();
};


} // namespace spinora
