// The document's in-memory collections: adding, updating, removing, sorting,
// looking up and linking records.
#include "SpinoraDatabase.h"

#include "ListController.h"
#include "SpinoraUtility.h"
#include "TextCompare.h"

#include <QHash>
#include <QStringList>

#include <algorithm>
#include <unordered_map>

namespace spinora {

namespace {

template <class T, class Pointer>
std::vector<T*> pointersOf(const std::vector<Pointer>& records)
{
    std::vector<T*> result;
    result.reserve(records.size());
    for (const auto& r : records)
        result.push_back(&*r);
    return result;
}

template <class T>
T* recordWithKey(const std::vector<std::unique_ptr<T>>& records, int64_t key)
{
    if (key < 0)
        return nullptr;
    const auto it = std::find_if(records.begin(), records.end(), [key](const auto& r) { return r->primaryKey() == key; });
    return it == records.end() ? nullptr : it->get();
}

} // namespace

template <class T>
void SpinoraDatabase::eraseRecord(std::vector<std::unique_ptr<T>>& records, const T* record)
{
    const auto it = std::find_if(records.begin(), records.end(), [record](const auto& r) { return r.get() == record; });
    if (it == records.end())
        return;
    if (stepDepth_ > 0)
        removedInStep_.push_back(std::move(*it));
    records.erase(it);
}

void SpinoraDatabase::endStep()
{
    if (stepDepth_ > 0 && --stepDepth_ == 0)
        removedInStep_.clear();
}

// --- Adding
//
// Each record is stored first and kept only once it is: a record that could
// not be stored stays with the caller (the rvalue reference is moved from
// only on success), so an editor can offer OK again.

template <class T>
Result<T*> SpinoraDatabase::store(std::unique_ptr<T>& record, std::vector<std::unique_ptr<T>>& into)
{
    if (Result<> inserted = record->insertIntoDatabase(database_.get()); !inserted)
        return inserted.failure();
    T* added = record.get();
    into.push_back(std::move(record));
    return added;
}

Result<Cactus*> SpinoraDatabase::addCactus(std::unique_ptr<Cactus>&& cactus)
{
    if (Result<> inserted = cactus->insertIntoDatabase(database_.get()); !inserted)
        return inserted.failure();
    return keepCactus(std::move(cactus));
}

Cactus* SpinoraDatabase::keepCactus(std::unique_ptr<Cactus> cactus)
{
    Cactus* kept = cactus.get();
    cacti_.push_back(std::move(cactus));
    sortCacti();
    return kept;
}

Result<Water*> SpinoraDatabase::addWater(std::unique_ptr<Water>&& water)
{
    if (Result<> inserted = water->insertIntoDatabase(database_.get()); !inserted)
        return inserted.failure();
    return keepWater(std::move(water));
}

Water* SpinoraDatabase::keepWater(std::unique_ptr<Water> water)
{
    Water* kept = water.get();
    watering_.push_back(std::move(water));
    sortWater();
    return kept;
}

Result<Log*> SpinoraDatabase::addLog(std::unique_ptr<Log>&& log)
{
    // The logs read behind must be in before a row is added that they might hold.
    finishLoading();
    if (Result<> inserted = log->insertIntoDatabase(database_.get()); !inserted)
        return inserted.failure();
    return keepLog(std::move(log));
}

Log* SpinoraDatabase::keepLog(std::unique_ptr<Log> log)
{
    finishLoading();
    Log* added = log.get();
    logs_.push_back(std::move(log));
    sortLogsByLogDateAndTitle();
    if (Cactus* plant = added->cactus())
        plant->addLog(added, sortLogsAscending_);
    if (added->reminderDue()) {
        if (ListController* logList = listController(kLogList))
            logList->incrementReminders();
    }
    return added;
}

Result<Event*> SpinoraDatabase::addEvent(std::unique_ptr<Event>&& event)
{
    return store(event, events_);
}

Result<Species*> SpinoraDatabase::addSpecies(std::unique_ptr<Species>&& species)
{
    Result<Species*> added = store(species, species_);
    if (added)
        speciesScientific_.push_back(*added);
    return added;
}

Result<Image*> SpinoraDatabase::addImage(std::unique_ptr<Image>&& image)
{
    finishLoading();
    if (Result<> inserted = image->insertIntoDatabase(database_.get(), packageFilename_, true); !inserted)
        return inserted.failure();
    Image* added = image.get();
    images_.push_back(std::move(image));
    return added;
}

Result<Image*> SpinoraDatabase::addImage(std::unique_ptr<Image>&& image, const QStringList& preparedFiles)
{
    finishLoading();
    if (Result<> inserted = image->insertWithAddedFiles(database_.get(), packageFilename_, preparedFiles); !inserted)
        return inserted.failure();
    Image* added = image.get();
    images_.push_back(std::move(image));
    return added;
}

// --- Updating

void SpinoraDatabase::updateCactus(Cactus* cactus)
{
    if (std::any_of(cacti_.begin(), cacti_.end(), [cactus](const auto& c) { return c.get() == cactus; }))
        sortCacti();
}

void SpinoraDatabase::updateWater(Water* water)
{
    if (std::any_of(watering_.begin(), watering_.end(), [water](const auto& w) { return w.get() == water; }))
        sortWater();
}

void SpinoraDatabase::updateEvent(Event*)
{
    sortEvents();
}

void SpinoraDatabase::updateSpecies(Species*)
{
    sortSpecies();
}

// --- Removing
//
// Each row is deleted before memory lets go of its record, so that a
// failure leaves memory holding what the file holds; the rows deleted
// before it come back with the step's rollback (UndoHistory).

Result<> SpinoraDatabase::removeCactus(Cactus* cactus)
{
    finishLoading();
    const std::vector<Log*> plantLogs = cactus->logs();
    for (Log* log : plantLogs) {
        if (Result<> removed = removeLog(log); !removed)
            return removed;
    }
    const std::vector<Image*> photos = cactus->images();
    for (Image* photo : photos) {
        if (Result<> removed = removeImage(photo); !removed)
            return removed;
        cactus->removeImage(photo);
    }
    if (Result<> deleted = cactus->deleteFromDatabase(); !deleted)
        return deleted;
    if (Water* schedule = cactus->water())
        schedule->removeCactus(cactus);
    std::erase(displayedCacti_, cactus);
    eraseRecord(cacti_, cactus);
    return {};
}

Result<> SpinoraDatabase::removeWater(Water* water)
{
    for (Cactus* plant : water->cacti()) {
        if (Result<> read = plant->hydrate(); !read)
            return read;
        plant->setWateringKey(-1);
        plant->setWater(nullptr);
        if (Result<> saved = plant->dehydrate(); !saved)
            return saved;
    }
    if (Result<> deleted = water->deleteFromDatabase(); !deleted)
        return deleted;
    std::erase(displayedWatering_, water);
    eraseRecord(watering_, water);
    return {};
}

Result<> SpinoraDatabase::removeLog(Log* log)
{
    finishLoading();
    const std::vector<Image*> photos = log->images();
    for (Image* photo : photos) {
        if (Result<> removed = removeImage(photo); !removed)
            return removed;
        log->removeImage(photo);
    }
    if (Result<> deleted = log->deleteFromDatabase(); !deleted)
        return deleted;
    if (log->reminderDue()) {
        if (ListController* logList = listController(kLogList))
            logList->decrementReminders();
    }
    if (Cactus* plant = log->cactus())
        plant->removeLog(log);
    std::erase(displayedLogs_, log);
    eraseRecord(logs_, log);
    return {};
}

Result<> SpinoraDatabase::removeEvent(Event* event)
{
    if (Result<> deleted = event->deleteFromDatabase(); !deleted)
        return deleted;
    eraseRecord(events_, event);
    return {};
}

Result<> SpinoraDatabase::removeSpecies(Species* species)
{
    if (Result<> deleted = species->deleteFromDatabase(); !deleted)
        return deleted;
    std::erase(speciesScientific_, species);
    eraseRecord(species_, species);
    return {};
}

Result<> SpinoraDatabase::removeImage(Image* image)
{
    finishLoading();
    return dropImage(image);
}

Result<> SpinoraDatabase::dropImage(Image* image)
{
    if (Result<> deleted = image->deleteFromDatabase(); !deleted)
        return deleted;
    eraseRecord(images_, image);
    return {};
}

// --- Sorting and lookups

void SpinoraDatabase::refreshDisplayed(ListKind kind)
{
    if (ListController* controller = listController(kind)) {
        controller->rerunSearch();
        return;
    }
    switch (kind) {
    case kCactusList: displayedCacti_ = pointersOf<Cactus>(cacti_); break;
    case kWaterList: displayedWatering_ = pointersOf<Water>(watering_); break;
    case kLogList: displayedLogs_ = pointersOf<Log>(logs_); break;
    }
}

void SpinoraDatabase::sortCacti()
{
    if (cacti_.size() < 2) {
        // A list of one is already in order, but must still be shown.
        if (displayedCacti_.size() != cacti_.size() && !listController(kCactusList))
            displayedCacti_ = pointersOf<Cactus>(cacti_);
        return;
    }
    const SortOrder order = sortOrder();
    std::stable_sort(cacti_.begin(), cacti_.end(),
                     [&order](const auto& a, const auto& b) { return a->compareInOrder(b.get(), order) < 0; });
    refreshDisplayed(kCactusList);
}

void SpinoraDatabase::sortWater()
{
    if (watering_.size() < 2) {
        if (displayedWatering_.size() != watering_.size() && !listController(kWaterList))
            displayedWatering_ = pointersOf<Water>(watering_);
        return;
    }
    std::stable_sort(watering_.begin(), watering_.end(), [this](const auto& a, const auto& b) {
        return a->compareName(b.get(), sortWaterAscending_) < 0;
    });
    refreshDisplayed(kWaterList);
}

void SpinoraDatabase::sortLogsByLogDateAndTitle()
{
    if (logs_.size() < 2) {
        if (displayedLogs_.size() != logs_.size() && !listController(kLogList))
            displayedLogs_ = pointersOf<Log>(logs_);
        return;
    }
    RecordSet::sortLogs(logs_, sortLogsAscending_);
    refreshDisplayed(kLogList);
}

void SpinoraDatabase::sortEvents()
{
    RecordSet::sortEvents(events_);
}

void SpinoraDatabase::sortSpecies()
{
    RecordSet::sortSpecies(species_, speciesScientific_);
}

SortOrder SpinoraDatabase::sortOrder() const
{
    return {sortCactiAscending_, utility_.getPreferences().sortCactiBySpecies(), sortWaterAscending_,
            sortLogsAscending_};
}

Water* SpinoraDatabase::waterWithName(const QString& name) const
{
    for (const auto& water : watering_) {
        if (water->name() == name)
            return water.get();
    }
    return nullptr;
}

Event* SpinoraDatabase::eventWithName(const QString& name) const
{
    for (const auto& event : events_) {
        if (event->name() == name)
            return event.get();
    }
    return nullptr;
}

Species* SpinoraDatabase::speciesWithName(const QString& name, const QString& scientificName) const
{
    for (const auto& species : species_) {
        if (species->name() == name && species->scientificName() == scientificName)
            return species.get();
    }
    return nullptr;
}

Cactus* SpinoraDatabase::cactusWithKey(int64_t key) const
{
    return recordWithKey(cacti_, key);
}

Water* SpinoraDatabase::waterWithKey(int64_t key) const
{
    return recordWithKey(watering_, key);
}

Event* SpinoraDatabase::eventWithKey(int64_t key) const
{
    return recordWithKey(events_, key);
}

Species* SpinoraDatabase::speciesWithKey(int64_t key) const
{
    return recordWithKey(species_, key);
}

bool SpinoraDatabase::mapLogsAndImages()
{
    const std::unordered_map<int64_t, Cactus*> plants = RecordSet::linkPlantsToSchedules(cacti_, watering_);
    if (!logsLoadingBehind())
        RecordSet::setPlantsOfLogs(logs_, plants);
    const std::vector<Image*> orphans = RecordSet::linkPlantPhotos(images_, plants);
    removeOrphans(orphans);
    // Sorted once here rather than on every link: a schedule or plant may
    // have thousands of entries.
    const SortOrder order = sortOrder();
    for (const auto& water : watering_)
        water->sortCacti(order);
    for (const auto& cactus : cacti_)
        cactus->sortImages();
    // Logs still on their way are linked when they arrive.
    if (!logsLoadingBehind()) {
        if (!logs_.empty())
            sortLogsByLogDateAndTitle();
        linkLogs(groupByPlant(logs_));
    }
    sortSpecies();
    return true;
}

SpinoraDatabase::LogsByPlant SpinoraDatabase::groupByPlant(const std::vector<std::unique_ptr<Log>>& logs)
{
    LogsByPlant byPlant;
    std::unordered_map<Cactus*, size_t> index;
    for (const auto& log : logs) {
        Cactus* plant = log->cactus();
        if (!plant)
            continue;
        const auto [it, added] = index.emplace(plant, byPlant.size());
        if (added)
            byPlant.emplace_back(plant, std::vector<Log*>());
        byPlant[it->second].second.push_back(log.get());
    }
    return byPlant;
}

void SpinoraDatabase::linkLogs(LogsByPlant byPlant)
{
    for (auto& [plant, plantLogs] : byPlant)
        plant->setLinkedLogs(std::move(plantLogs));
    // Looked up from the photos' side: a few thousand owners, not a map
    // of every log.
    std::unordered_map<int64_t, std::vector<Image*>> photosByLog;
    for (const auto& image : images_) {
        if (image->linkedType() == Image::kLogPhoto)
            photosByLog[image->linkedKey()].push_back(image.get());
    }
    for (const auto& log : logs_) {
        log->clearImages();
        if (photosByLog.empty())
            continue;
        const auto it = photosByLog.find(log->primaryKey());
        if (it == photosByLog.end())
            continue;
        for (Image* photo : it->second)
            log->addImage(photo);
        log->sortImages();
        photosByLog.erase(it);
    }
    std::vector<Image*> orphans;
    for (const auto& [key, photos] : photosByLog)
        orphans.insert(orphans.end(), photos.begin(), photos.end());
    removeOrphans(orphans);
}

void SpinoraDatabase::removeOrphans(const std::vector<Image*>& orphans)
{
    // A read-only open repairs in memory only: the orphans' rows and files
    // go at the next writing open.
    // A repair that fails is left for the next open; the photo stays
    // unlinked meanwhile.
    const bool readOnly = readOnly_ || (database_ && database_->isReadOnly());
    for (Image* orphan : orphans) {
        if (readOnly) {
            eraseRecord(images_, orphan);
        } else if (Result<> dropped = dropImage(orphan); !dropped) {
            logFailure(dropped.failure());
        }
    }
}

void SpinoraDatabase::refreshData()
{
    for (ListController* controller : listControllers_) {
        if (controller)
            controller->refreshData();
    }
}

} // namespace spinora
