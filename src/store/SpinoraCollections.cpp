// The document's in-memory collections: adding, updating, removing, sorting,
// looking up and linking records.
#include "SpinoraDatabase.h"

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

template <class T>
constexpr RecordKind kindOf()
{
    if constexpr (std::is_same_v<T, Cactus>)
        return RecordKind::Cactus;
    else if constexpr (std::is_same_v<T, Water>)
        return RecordKind::Water;
    else if constexpr (std::is_same_v<T, Log>)
        return RecordKind::Log;
    else if constexpr (std::is_same_v<T, Event>)
        return RecordKind::Event;
    else if constexpr (std::is_same_v<T, Species>)
        return RecordKind::Species;
    else
        return RecordKind::Image;
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
    notices_.noteRemoved(kindOf<T>());
}

void SpinoraDatabase::beginStep()
{
    if (stepDepth_++ == 0)
        stepRevision_ = Record::latestRevision();
    notices_.hold();
}

void SpinoraDatabase::endStep()
{
    if (stepDepth_ > 0 && --stepDepth_ == 0) {
        removedInStep_.clear();
        noteEditsSince(stepRevision_);
    }
    notices_.release();
}

void SpinoraDatabase::noteEditsSince(uint64_t revision)
{
    // Whatever the step changed, through any path, moved a revision: only
    // then are the records looked through, kind by kind.
    if (Record::latestRevision() == revision)
        return;
    RecordKinds kinds = 0;
    const auto noteIfChanged = [revision, &kinds](const auto& records) {
        using RecordType = typename std::decay_t<decltype(records)>::value_type::element_type;
        if (std::any_of(records.begin(), records.end(), [revision](const auto& r) { return r->revision() > revision; }))
            kinds |= unsigned(kindOf<RecordType>());
    };
    noteIfChanged(records_.cacti);
    noteIfChanged(records_.watering);
    noteIfChanged(records_.logs);
    noteIfChanged(records_.events);
    noteIfChanged(records_.species);
    noteIfChanged(records_.images);
    if (kinds)
        notices_.noteEdited(kinds);
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
    notices_.noteAdded(kindOf<T>());
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
    const ChangeNotices::Held held(notices_);
    Cactus* kept = cactus.get();
    records_.cacti.push_back(std::move(cactus));
    notices_.noteAdded(RecordKind::Cactus);
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
    const ChangeNotices::Held held(notices_);
    Water* kept = water.get();
    records_.watering.push_back(std::move(water));
    notices_.noteAdded(RecordKind::Water);
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
    const ChangeNotices::Held held(notices_);
    finishLoading();
    Log* added = log.get();
    records_.logs.push_back(std::move(log));
    notices_.noteAdded(RecordKind::Log);
    sortLogsByLogDateAndTitle();
    if (Cactus* plant = added->cactus())
        plant->addLog(added, sortLogsAscending());
    return added;
}

Result<Event*> SpinoraDatabase::addEvent(std::unique_ptr<Event>&& event)
{
    return store(event, records_.events);
}

Result<Species*> SpinoraDatabase::addSpecies(std::unique_ptr<Species>&& species)
{
    Result<Species*> added = store(species, records_.species);
    if (added)
        records_.speciesScientific.push_back(*added);
    return added;
}

Result<Image*> SpinoraDatabase::addImage(std::unique_ptr<Image>&& image)
{
    finishLoading();
    if (Result<> inserted = image->insertIntoDatabase(database_.get(), package_.path(), true); !inserted)
        return inserted.failure();
    Image* added = image.get();
    records_.images.push_back(std::move(image));
    notices_.noteAdded(RecordKind::Image);
    return added;
}

Result<Image*> SpinoraDatabase::addImage(std::unique_ptr<Image>&& image, const QStringList& preparedFiles)
{
    finishLoading();
    if (Result<> inserted = image->insertWithAddedFiles(database_.get(), package_.path(), preparedFiles); !inserted)
        return inserted.failure();
    Image* added = image.get();
    records_.images.push_back(std::move(image));
    notices_.noteAdded(RecordKind::Image);
    return added;
}

// --- Updating

void SpinoraDatabase::updateCactus(Cactus* cactus)
{
    if (std::any_of(records_.cacti.begin(), records_.cacti.end(), [cactus](const auto& c) { return c.get() == cactus; }))
        sortCacti();
}

void SpinoraDatabase::updateWater(Water* water)
{
    if (std::any_of(records_.watering.begin(), records_.watering.end(), [water](const auto& w) { return w.get() == water; }))
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
    const ChangeNotices::Held held(notices_);
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
    std::erase(displayed_.cacti(), cactus);
    eraseRecord(records_.cacti, cactus);
    return {};
}

Result<> SpinoraDatabase::removeWater(Water* water)
{
    const ChangeNotices::Held held(notices_);
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
    std::erase(displayed_.watering(), water);
    eraseRecord(records_.watering, water);
    return {};
}

Result<> SpinoraDatabase::removeLog(Log* log)
{
    const ChangeNotices::Held held(notices_);
    finishLoading();
    const std::vector<Image*> photos = log->images();
    for (Image* photo : photos) {
        if (Result<> removed = removeImage(photo); !removed)
            return removed;
        log->removeImage(photo);
    }
    if (Result<> deleted = log->deleteFromDatabase(); !deleted)
        return deleted;
    if (Cactus* plant = log->cactus())
        plant->removeLog(log);
    std::erase(displayed_.logs(), log);
    eraseRecord(records_.logs, log);
    return {};
}

Result<> SpinoraDatabase::removeEvent(Event* event)
{
    if (Result<> deleted = event->deleteFromDatabase(); !deleted)
        return deleted;
    eraseRecord(records_.events, event);
    return {};
}

Result<> SpinoraDatabase::removeSpecies(Species* species)
{
    if (Result<> deleted = species->deleteFromDatabase(); !deleted)
        return deleted;
    std::erase(records_.speciesScientific, species);
    eraseRecord(records_.species, species);
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
    eraseRecord(records_.images, image);
    return {};
}

// --- Sorting and lookups

void SpinoraDatabase::showAllUnlessSearched(ListKind kind)
{
    if (displayed_.filledBySearch(kind))
        return;
    switch (kind) {
    case kCactusList: displayed_.cacti() = pointersOf<Cactus>(records_.cacti); break;
    case kWaterList: displayed_.watering() = pointersOf<Water>(records_.watering); break;
    case kLogList: displayed_.logs() = pointersOf<Log>(records_.logs); break;
    }
}

void SpinoraDatabase::sortCacti()
{
    if (records_.cacti.size() < 2) {
        // A list of one is already in order, but must still be shown.
        showAllUnlessSearched(kCactusList);
        return;
    }
    const SortOrder order = sortOrder();
    std::stable_sort(records_.cacti.begin(), records_.cacti.end(),
                     [&order](const auto& a, const auto& b) { return a->compareInOrder(b.get(), order) < 0; });
    showAllUnlessSearched(kCactusList);
    notices_.noteEdited(unsigned(RecordKind::Cactus));
}

void SpinoraDatabase::sortWater()
{
    if (records_.watering.size() < 2) {
        showAllUnlessSearched(kWaterList);
        return;
    }
    const SortOrder order = sortOrder();
    std::stable_sort(records_.watering.begin(), records_.watering.end(),
                     [&order](const auto& a, const auto& b) { return a->compareInOrder(b.get(), order) < 0; });
    showAllUnlessSearched(kWaterList);
    notices_.noteEdited(unsigned(RecordKind::Water));
}

void SpinoraDatabase::sortLogsByLogDateAndTitle()
{
    if (records_.logs.size() < 2) {
        showAllUnlessSearched(kLogList);
        return;
    }
    RecordSet::sortLogs(records_.logs, sortLogsAscending());
    showAllUnlessSearched(kLogList);
    notices_.noteEdited(unsigned(RecordKind::Log));
}

void SpinoraDatabase::sortEvents()
{
    RecordSet::sortEvents(records_.events);
}

void SpinoraDatabase::sortSpecies()
{
    RecordSet::sortSpecies(records_.species, records_.speciesScientific);
}

SortOrder SpinoraDatabase::sortOrder() const
{
    return displayed_.sortOrder(utility_.getPreferences().sortCactiBySpecies());
}

Water* SpinoraDatabase::waterWithName(const QString& name) const
{
    for (const auto& water : records_.watering) {
        if (water->name() == name)
            return water.get();
    }
    return nullptr;
}

Event* SpinoraDatabase::eventWithName(const QString& name) const
{
    for (const auto& event : records_.events) {
        if (event->name() == name)
            return event.get();
    }
    return nullptr;
}

Species* SpinoraDatabase::speciesWithName(const QString& name, const QString& scientificName) const
{
    for (const auto& species : records_.species) {
        if (species->name() == name && species->scientificName() == scientificName)
            return species.get();
    }
    return nullptr;
}

Cactus* SpinoraDatabase::cactusWithKey(int64_t key) const
{
    return recordWithKey(records_.cacti, key);
}

Water* SpinoraDatabase::waterWithKey(int64_t key) const
{
    return recordWithKey(records_.watering, key);
}

Event* SpinoraDatabase::eventWithKey(int64_t key) const
{
    return recordWithKey(records_.events, key);
}

Species* SpinoraDatabase::speciesWithKey(int64_t key) const
{
    return recordWithKey(records_.species, key);
}

bool SpinoraDatabase::mapLogsAndImages()
{
    const ChangeNotices::Held held(notices_);
    const std::unordered_map<int64_t, Cactus*> plants = RecordSet::linkPlantsToSchedules(records_.cacti, records_.watering);
    if (!logsLoadingBehind())
        RecordSet::setPlantsOfLogs(records_.logs, plants);
    const std::vector<Image*> orphans = RecordSet::linkPlantPhotos(records_.images, plants);
    removeOrphans(orphans);
    // Sorted once here rather than on every link: a schedule or plant may
    // have thousands of entries.
    const SortOrder order = sortOrder();
    for (const auto& water : records_.watering)
        water->sortCacti(order);
    for (const auto& cactus : records_.cacti)
        cactus->sortImages();
    // Logs still on their way are linked when they arrive.
    if (!logsLoadingBehind()) {
        if (!records_.logs.empty())
            sortLogsByLogDateAndTitle();
        linkLogs(groupByPlant(records_.logs));
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
    for (const auto& image : records_.images) {
        if (image->linkedType() == Image::kLogPhoto)
            photosByLog[image->linkedKey()].push_back(image.get());
    }
    for (const auto& log : records_.logs) {
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
    const bool readOnly = package_.isReadOnly() || (database_ && database_->isReadOnly());
    for (Image* orphan : orphans) {
        if (readOnly) {
            eraseRecord(records_.images, orphan);
        } else if (Result<> dropped = dropImage(orphan); !dropped) {
            logFailure(dropped.failure());
        }
    }
}


} // namespace spinora
