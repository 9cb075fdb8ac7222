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

template <class T>
void eraseRecord(std::vector<std::unique_ptr<T>>& records, const T* record)
{
    std::erase_if(records, [record](const std::unique_ptr<T>& r) { return r.get() == record; });
}

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

// --- Adding

Cactus* SpinoraDatabase::addCactus(std::unique_ptr<Cactus> cactus)
{
    Cactus* added = cactus.get();
    cactus->insertIntoDatabase(database_.get());
    cacti_.push_back(std::move(cactus));
    sortCacti();
    return added;
}

Water* SpinoraDatabase::addWater(std::unique_ptr<Water> water)
{
    Water* added = water.get();
    water->insertIntoDatabase(database_.get());
    watering_.push_back(std::move(water));
    sortWater();
    return added;
}

Log* SpinoraDatabase::addLog(std::unique_ptr<Log> log)
{
    finishLoading();
    Log* added = log.get();
    log->insertIntoDatabase(database_.get());
    logs_.push_back(std::move(log));
    sortLogsByLogDateAndTitle();
    if (Cactus* plant = added->cactus())
        plant->addLog(added);
    if (added->reminderDue()) {
        if (ListController* logList = listController(kLogList))
            logList->incrementReminders();
    }
    return added;
}

Event* SpinoraDatabase::addEvent(std::unique_ptr<Event> event)
{
    Event* added = event.get();
    event->insertIntoDatabase(database_.get());
    event->save();
    events_.push_back(std::move(event));
    return added;
}

Species* SpinoraDatabase::addSpecies(std::unique_ptr<Species> species)
{
    Species* added = species.get();
    species->insertIntoDatabase(database_.get());
    speciesScientific_.push_back(added);
    species_.push_back(std::move(species));
    return added;
}

Image* SpinoraDatabase::addImage(std::unique_ptr<Image> image)
{
    finishLoading();
    Image* added = image.get();
    image->insertIntoDatabase(database_.get(), packageFilename_, true);
    image->save();
    images_.push_back(std::move(image));
    return added;
}

Image* SpinoraDatabase::addImage(std::unique_ptr<Image> image, const QStringList& preparedFiles)
{
    finishLoading();
    Image* added = image.get();
    image->insertWithAddedFiles(database_.get(), packageFilename_, preparedFiles);
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

void SpinoraDatabase::removeCactus(Cactus* cactus)
{
    finishLoading();
    const std::vector<Log*> plantLogs = cactus->logs();
    for (Log* log : plantLogs)
        removeLog(log);
    const std::vector<Image*> photos = cactus->images();
    for (Image* photo : photos) {
        removeImage(photo);
        cactus->removeImage(photo);
    }
    if (Water* schedule = cactus->water())
        schedule->removeCactus(cactus);
    cactus->deleteFromDatabase();
    std::erase(displayedCacti_, cactus);
    eraseRecord(cacti_, cactus);
}

void SpinoraDatabase::removeWater(Water* water)
{
    for (Cactus* plant : water->cacti()) {
        plant->hydrate();
        plant->setWateringKey(-1);
        plant->setWater(nullptr);
        plant->dehydrate();
    }
    water->deleteFromDatabase();
    std::erase(displayedWatering_, water);
    eraseRecord(watering_, water);
}

void SpinoraDatabase::removeLog(Log* log)
{
    finishLoading();
    if (log->reminderDue()) {
        if (ListController* logList = listController(kLogList))
            logList->decrementReminders();
    }
    const std::vector<Image*> photos = log->images();
    for (Image* photo : photos) {
        removeImage(photo);
        log->removeImage(photo);
    }
    log->deleteFromDatabase();
    if (Cactus* plant = log->cactus())
        plant->removeLog(log);
    std::erase(displayedLogs_, log);
    eraseRecord(logs_, log);
}

void SpinoraDatabase::removeEvent(Event* event)
{
    event->deleteFromDatabase();
    eraseRecord(events_, event);
}

void SpinoraDatabase::removeSpecies(Species* species)
{
    species->deleteFromDatabase();
    std::erase(speciesScientific_, species);
    eraseRecord(species_, species);
}

void SpinoraDatabase::removeImage(Image* image)
{
    finishLoading();
    dropImage(image);
}

void SpinoraDatabase::dropImage(Image* image)
{
    image->deleteFromDatabase();
    eraseRecord(images_, image);
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
    Cactus::sortAscending(sortCactiAscending_);
    const bool bySpecies = utility_.getPreferences().sortCactiBySpecies();
    std::stable_sort(cacti_.begin(), cacti_.end(), [bySpecies](const auto& a, const auto& b) {
        return (bySpecies ? a->compareSpeciesThenName(b.get()) : a->compareNameThenSpecies(b.get())) < 0;
    });
    refreshDisplayed(kCactusList);
}

void SpinoraDatabase::sortWater()
{
    if (watering_.size() < 2) {
        if (displayedWatering_.size() != watering_.size() && !listController(kWaterList))
            displayedWatering_ = pointersOf<Water>(watering_);
        return;
    }
    Water::sortAscending(sortWaterAscending_);
    std::stable_sort(watering_.begin(), watering_.end(),
                     [](const auto& a, const auto& b) { return a->compareName(b.get()) < 0; });
    refreshDisplayed(kWaterList);
}

void SpinoraDatabase::sortLogsByLogDateAndTitle()
{
    if (logs_.size() < 2) {
        if (displayedLogs_.size() != logs_.size() && !listController(kLogList))
            displayedLogs_ = pointersOf<Log>(logs_);
        return;
    }
    Log::sortAscending(sortLogsAscending_);
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
    if (!logsBehind_)
        RecordSet::setPlantsOfLogs(logs_, plants);
    const std::vector<Image*> orphans = RecordSet::linkPlantPhotos(images_, plants);
    removeOrphans(orphans);
    // Sorted once here rather than on every link: a schedule or plant may
    // have thousands of entries.
    for (const auto& water : watering_)
        water->sortCacti();
    for (const auto& cactus : cacti_)
        cactus->sortImages();
    // Logs still on their way are linked when they arrive.
    if (!logsBehind_) {
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
    Log::sortAscending(sortLogsAscending_);
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
    const bool readOnly = database_ && database_->isReadOnly();
    for (Image* orphan : orphans) {
        if (readOnly)
            eraseRecord(images_, orphan);
        else
            dropImage(orphan);
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
