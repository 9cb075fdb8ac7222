#define SQLITE_ENABLE_SESSION 1
#define SQLITE_ENABLE_PREUPDATE_HOOK 1
#include "ChangedRows.h"

#include "Messages.h"
#include "SpinoraDatabase.h"

#include <sqlite3.h>

#include <cstring>
#include <type_traits>
#include <unordered_map>
#include <unordered_set>

namespace spinora {

namespace {

int tableIndex(const char* name)
{
    static const char* const tables[] = {"cactus", "watering", "log", "event", "species", "image"};
    for (int i = 0; i < ChangedRows::kTableCount; ++i) {
        if (std::strcmp(name, tables[i]) == 0)
            return i;
    }
    return -1;
}

template <class T>
std::unordered_map<int64_t, T*> byKey(const std::vector<std::unique_ptr<T>>& records)
{
    std::unordered_map<int64_t, T*> map;
    map.reserve(records.size());
    for (const auto& record : records)
        map.emplace(record->primaryKey(), record.get());
    return map;
}

template <class T>
void dropRecords(std::vector<std::unique_ptr<T>>& records, const std::set<int64_t>& keys)
{
    if (!keys.empty())
        std::erase_if(records, [&keys](const std::unique_ptr<T>& r) { return keys.count(r->primaryKey()) != 0; });
}

template <class T>
void dropPointers(std::vector<T*>& pointers, const std::set<int64_t>& keys)
{
    if (!keys.empty())
        std::erase_if(pointers, [&keys](const T* r) { return keys.count(r->primaryKey()) != 0; });
}

template <class T>
Result<> saveChanged(std::vector<std::unique_ptr<T>>& records)
{
    for (auto& record : records) {
        if (!record->isDirty())
            continue;
        if (Result<> saved = record->save(); !saved)
            return saved;
    }
    return {};
}

// The keys of `records` against those of `table` in the file.
template <class T>
Result<> compareKeys(const std::vector<std::unique_ptr<T>>& records, Connection* db, const char* table,
                     ChangedRows& rows, ChangedRows::Table index)
{
    std::set<int64_t> onDisk;
    // Appended, not `string + const char*`: GCC 12 then warns of a copy
    // out of bounds that is not there (-Warray-bounds).
    std::string sql = "SELECT pk FROM ";
    sql.append(table);
    Statement keys(db, sql);
    if (!keys.prepared())
        return Failure::sql(msg::kPrepareFailed, db);
    int rc;
    while ((rc = keys.step()) == SQLITE_ROW)
        onDisk.insert(keys.integer(0));
    if (rc != SQLITE_DONE)
        return Failure::sql(msg::kReadFailed, db);
    for (const auto& record : records) {
        const int64_t key = record->primaryKey();
        (onDisk.erase(key) ? rows.updated : rows.deleted)[index].insert(key);
    }
    rows.inserted[index] = std::move(onDisk);
    return {};
}

// Reads a row that memory did not hold: the record a failed step removed
// when there is one (so that whoever points at it still does), a new one
// otherwise. Kept whatever happens (with the placeholders when it cannot be
// read), so that the links stay whole; the first failure is kept in `result`.
template <class T>
std::unique_ptr<T> readRow(SpinoraDatabase& document, int64_t key, Result<>& result)
{
    std::unique_ptr<T> record = document.takeRemoved<T>(key);
    if (!record)
        record = std::make_unique<T>();
    if constexpr (std::is_same_v<T, Image>)
        record->setPath(document.packageFilename());
    if (Result<> read = record->initWithPrimaryKey(key, document.database()); !read && result)
        result = read;
    return record;
}

void keepFirstFailure(Result<>& result, Result<> next)
{
    if (result && !next)
        result = next;
}

} // namespace

Result<> saveChangedRecords(SpinoraDatabase& document)
{
    Result<> saved = saveChanged(document.cacti());
    if (saved)
        saved = saveChanged(document.watering());
    if (saved)
        saved = saveChanged(document.logs());
    if (saved)
        saved = saveChanged(document.events());
    if (saved)
        saved = saveChanged(document.species());
    if (saved)
        saved = saveChanged(document.images());
    return saved;
}

Result<ChangedRows> ChangedRows::againstFile(SpinoraDatabase& document)
{
    Connection* db = document.database();
    ChangedRows rows;
    Result<> read = compareKeys(document.cacti(), db, "cactus", rows, kCactus);
    if (read)
        read = compareKeys(document.watering(), db, "watering", rows, kWatering);
    if (read)
        read = compareKeys(document.logs(), db, "log", rows, kLog);
    if (read)
        read = compareKeys(document.events(), db, "event", rows, kEvent);
    if (read)
        read = compareKeys(document.species(), db, "species", rows, kSpecies);
    if (read)
        read = compareKeys(document.images(), db, "image", rows, kImage);
    if (!read)
        return read.failure();
    return rows;
}

bool ChangedRows::read(const QByteArray& changeset, ChangedRows* rows)
{
    sqlite3_changeset_iter* iter = nullptr;
    if (sqlite3changeset_start(&iter, changeset.size(), const_cast<char*>(changeset.constData())) != SQLITE_OK)
        return false;
    while (sqlite3changeset_next(iter) == SQLITE_ROW) {
        const char* table = nullptr;
        int columns = 0;
        int op = 0;
        int indirect = 0;
        sqlite3changeset_op(iter, &table, &columns, &op, &indirect);
        const int index = tableIndex(table);
        if (index < 0)
            continue;
        unsigned char* primaryKeyColumns = nullptr;
        sqlite3changeset_pk(iter, &primaryKeyColumns, &columns);
        int keyColumn = 0;
        while (keyColumn < columns && !primaryKeyColumns[keyColumn])
            ++keyColumn;
        sqlite3_value* value = nullptr;
        if (op == SQLITE_INSERT)
            sqlite3changeset_new(iter, keyColumn, &value);
        else
            sqlite3changeset_old(iter, keyColumn, &value);
        if (!value)
            continue;
        const int64_t key = sqlite3_value_int64(value);
        Keys& keys = op == SQLITE_INSERT ? rows->inserted : op == SQLITE_DELETE ? rows->deleted : rows->updated;
        keys[static_cast<size_t>(index)].insert(key);
    }
    return sqlite3changeset_finalize(iter) == SQLITE_OK;
}

Result<> ChangedRows::takeIntoMemory(SpinoraDatabase& document) const
{
    Result<> result;
    auto plants = byKey(document.cacti());
    auto schedules = byKey(document.watering());
    auto logs = byKey(document.logs());
    std::unordered_set<Water*> schedulesToSort;
    std::unordered_set<Cactus*> plantsToSort;
    std::unordered_set<Log*> logsToSort;

    auto ownerOf = [&](const Image* image) -> std::pair<Cactus*, Log*> {
        if (image->linkedType() == Image::kCactusPhoto) {
            const auto it = plants.find(image->linkedKey());
            return {it == plants.end() ? nullptr : it->second, nullptr};
        }
        if (image->linkedType() == Image::kLogPhoto) {
            const auto it = logs.find(image->linkedKey());
            return {nullptr, it == logs.end() ? nullptr : it->second};
        }
        return {nullptr, nullptr};
    };
    auto detachPhoto = [&](Image* image) {
        const auto [plant, log] = ownerOf(image);
        if (plant)
            plant->removeImage(image);
        if (log)
            log->removeImage(image);
    };
    auto attachPhoto = [&](Image* image) {
        const auto [plant, log] = ownerOf(image);
        // A record brought back may still be listed where it was.
        if (plant) {
            plant->removeImage(image);
            plant->addImage(image);
            plantsToSort.insert(plant);
        }
        if (log) {
            log->removeImage(image);
            log->addImage(image);
            logsToSort.insert(log);
        }
    };
    auto attachPlant = [&](Cactus* plant) {
        const auto it = schedules.find(plant->wateringKey());
        Water* schedule = plant->wateringKey() == -1 || it == schedules.end() ? nullptr : it->second;
        plant->setWater(schedule);
        if (schedule) {
            schedule->removeCactus(plant);
            schedule->linkCactus(plant);
            schedulesToSort.insert(schedule);
        }
    };
    auto attachLog = [&](Log* log) {
        const auto it = plants.find(log->cactusKey());
        Cactus* plant = log->cactusKey() == -1 || it == plants.end() ? nullptr : it->second;
        log->setCactus(plant);
        if (plant) {
            plant->removeLog(log);
            plant->linkLog(log);
            plantsToSort.insert(plant);
        }
    };

    // 1. Rows that are gone: unlink, then drop the records.
    for (int64_t key : deleted[kImage]) {
        for (const auto& image : document.images()) {
            if (image->primaryKey() == key)
                detachPhoto(image.get());
        }
    }
    for (int64_t key : deleted[kLog]) {
        if (const auto it = logs.find(key); it != logs.end()) {
            if (Cactus* plant = it->second->cactus())
                plant->removeLog(it->second);
            logs.erase(it);
        }
    }
    for (int64_t key : deleted[kCactus]) {
        if (const auto it = plants.find(key); it != plants.end()) {
            Cactus* plant = it->second;
            if (Water* schedule = plant->water())
                schedule->removeCactus(plant);
            for (Log* log : plant->logs())
                log->setCactus(nullptr);
            plants.erase(it);
        }
    }
    for (int64_t key : deleted[kWatering]) {
        if (const auto it = schedules.find(key); it != schedules.end()) {
            for (Cactus* plant : it->second->cacti())
                plant->setWater(nullptr);
            schedules.erase(it);
        }
    }
    dropPointers(document.displayedLogs(), deleted[kLog]);
    dropPointers(document.displayedCacti(), deleted[kCactus]);
    dropPointers(document.displayedWatering(), deleted[kWatering]);
    dropPointers(document.speciesScientific(), deleted[kSpecies]);
    dropRecords(document.images(), deleted[kImage]);
    dropRecords(document.logs(), deleted[kLog]);
    dropRecords(document.cacti(), deleted[kCactus]);
    dropRecords(document.watering(), deleted[kWatering]);
    dropRecords(document.events(), deleted[kEvent]);
    dropRecords(document.species(), deleted[kSpecies]);

    // 2. Schedules and plants that came (back), with the same keys, before
    // the rows that may point at them are read.
    for (int64_t key : inserted[kWatering]) {
        document.watering().push_back(readRow<Water>(document, key, result));
        schedules.emplace(key, document.watering().back().get());
    }
    for (int64_t key : inserted[kCactus]) {
        document.cacti().push_back(readRow<Cactus>(document, key, result));
        Cactus* plant = document.cacti().back().get();
        plants.emplace(key, plant);
        attachPlant(plant);
    }

    // 3. Rows that changed: read again; links follow changed keys.
    for (int64_t key : updated[kWatering]) {
        if (const auto it = schedules.find(key); it != schedules.end())
            keepFirstFailure(result, it->second->reload());
    }
    for (int64_t key : updated[kCactus]) {
        if (const auto it = plants.find(key); it != plants.end()) {
            Cactus* plant = it->second;
            const int64_t wateringKey = plant->wateringKey();
            keepFirstFailure(result, plant->reload());
            if (plant->wateringKey() != wateringKey) {
                if (Water* schedule = plant->water())
                    schedule->removeCactus(plant);
                attachPlant(plant);
            } else if (Water* schedule = plant->water()) {
                schedulesToSort.insert(schedule); // the name may have changed
            }
        }
    }
    for (int64_t key : updated[kLog]) {
        if (const auto it = logs.find(key); it != logs.end()) {
            Log* log = it->second;
            const int64_t cactusKey = log->cactusKey();
            keepFirstFailure(result, log->reload());
            if (log->cactusKey() != cactusKey) {
                if (Cactus* plant = log->cactus())
                    plant->removeLog(log);
                attachLog(log);
            } else if (Cactus* plant = log->cactus()) {
                plantsToSort.insert(plant);
            }
        }
    }
    for (const auto& event : document.events()) {
        if (updated[kEvent].count(event->primaryKey()))
            keepFirstFailure(result, event->reload());
    }
    for (const auto& species : document.species()) {
        if (updated[kSpecies].count(species->primaryKey()))
            keepFirstFailure(result, species->reload());
    }
    for (const auto& image : document.images()) {
        if (updated[kImage].count(image->primaryKey())) {
            detachPhoto(image.get());
            keepFirstFailure(result, image->reload());
            attachPhoto(image.get());
        }
    }

    // 4. Logs, events, species and photos that came (back), linked.
    for (int64_t key : inserted[kLog]) {
        document.logs().push_back(readRow<Log>(document, key, result));
        Log* log = document.logs().back().get();
        logs.emplace(key, log);
        attachLog(log);
    }
    for (int64_t key : inserted[kEvent])
        document.events().push_back(readRow<Event>(document, key, result));
    for (int64_t key : inserted[kSpecies]) {
        document.species().push_back(readRow<Species>(document, key, result));
        document.speciesScientific().push_back(document.species().back().get());
    }
    for (int64_t key : inserted[kImage]) {
        document.images().push_back(readRow<Image>(document, key, result));
        attachPhoto(document.images().back().get());
    }

    const SortOrder order = document.sortOrder();
    for (Water* schedule : schedulesToSort)
        schedule->sortCacti(order);
    for (Cactus* plant : plantsToSort) {
        plant->sortLogs(order.logsAscending);
        plant->sortImages();
    }
    for (Log* log : logsToSort)
        log->sortImages();
    document.sortCacti();
    document.sortWater();
    document.sortLogsByLogDateAndTitle();
    document.sortEvents();
    document.sortSpecies();
    return result;
}

} // namespace spinora
