#include "RecordSet.h"


#include "SqlConnection.h"
#include "TextCompare.h"

#include <QHash>
#include <QStringList>

#include <sqlite3.h>

#include <algorithm>
#include <optional>
#include <unordered_map>

namespace spinora {

namespace {

template <class T>
void sortByText(std::vector<T>& records, QString (*key)(const T&))
{
    if (records.size() < 2)
        return;
    std::stable_sort(records.begin(), records.end(), [key](const T& a, const T& b) {
        return text::localizedCaseInsensitiveCompare(key(a), key(b)) < 0;
    });
}

// Hands each photo of one owner type to its owner, unsorted; the photos
// whose owner is gone go to `orphans`.
template <class Owner>
void linkPhotos(const std::vector<std::unique_ptr<Image>>& images, Image::OwnerType type,
                const std::unordered_map<int64_t, Owner*>& owners, std::vector<Image*>& orphans)
{
    for (const auto& image : images) {
        if (image->linkedType() != type)
            continue;
        const auto it = owners.find(image->linkedKey());
        if (it != owners.end())
            it->second->addImage(image.get());
        else
            orphans.push_back(image.get());
    }
}

} // namespace

bool RecordSet::load(Connection* db, const QString& packagePath, bool repair, bool withLogs, QString* error)
{
    clear();
    QString ignored;
    QString& why = error ? *error : ignored;
    // One transaction for the whole load (or the caller's): the tables are
    // read as one state of the file, and the repairs are written with it.
    std::optional<Transaction> transaction;
    if (!db->inTransaction())
        transaction.emplace(db);
    // Rows to drop are deleted once the scans are over, not while a SELECT
    // still walks their table.
    std::vector<std::unique_ptr<Record>> unusable;
    const bool ok =
        Record::loadEveryRow<Cactus>(db, [&](std::unique_ptr<Cactus> cactus) { cacti.push_back(std::move(cactus)); }) &&
        Record::loadEveryRow<Water>(db, [&](std::unique_ptr<Water> water) { watering.push_back(std::move(water)); }) &&
        (!withLogs || loadLogs(db, logs)) &&
        Record::loadEveryRow<Event>(db, [&](std::unique_ptr<Event> event) { events.push_back(std::move(event)); }) &&
        Record::loadEveryRow<Species>(db,
                                      [&](std::unique_ptr<Species> one) {
                                          if (one->name().isEmpty() && one->scientificName().isEmpty()) {
                                              unusable.push_back(std::move(one));
                                              return;
                                          }
                                          speciesScientific.push_back(one.get());
                                          species.push_back(std::move(one));
                                      }) &&
        Record::loadEveryRow<Image>(db, [&](std::unique_ptr<Image> image) {
            image->setPath(packagePath);
            if (image->linkedKey() == -1) {
                unusable.push_back(std::move(image));
                return;
            }
            images.push_back(std::move(image));
        });
    if (!ok)
        why = db->errorMessage();
    if (ok && repair && !db->isReadOnly()) {
        // A repair that fails is left for the next open: the rows are left
        // out in memory either way.
        for (const auto& record : unusable) {
            if (Result<> deleted = record->deleteFromDatabase(); !deleted)
                logFailure(deleted.failure());
        }
    }
    if (!ok || (transaction && !transaction->commit(&why))) {
        clear();
        return false;
    }
    return true;
}

bool RecordSet::loadLogs(Connection* db, std::vector<std::unique_ptr<Log>>& logs)
{
    // A damaged file can end the scan early; that must not pass for the whole table.
    return Record::loadEveryRow<Log>(db, [&logs](std::unique_ptr<Log> log) { logs.push_back(std::move(log)); });
}

std::unordered_map<int64_t, Cactus*> RecordSet::linkPlantsToSchedules(
    const std::vector<std::unique_ptr<Cactus>>& cacti, const std::vector<std::unique_ptr<Water>>& watering)
{
    std::unordered_map<int64_t, Water*> schedules;
    for (const auto& water : watering) {
        water->clearCacti();
        schedules.emplace(water->primaryKey(), water.get());
    }
    for (const auto& cactus : cacti) {
        cactus->setWater(nullptr);
        if (cactus->wateringKey() != -1) {
            const auto it = schedules.find(cactus->wateringKey());
            if (it != schedules.end()) {
                cactus->setWater(it->second);
                it->second->linkCactus(cactus.get());
            }
        }
        cactus->clearImages();
        cactus->clearLogs();
    }
    return plantsByKey(cacti);
}

std::unordered_map<int64_t, Cactus*> RecordSet::plantsByKey(const std::vector<std::unique_ptr<Cactus>>& cacti)
{
    std::unordered_map<int64_t, Cactus*> plants;
    plants.reserve(cacti.size());
    for (const auto& cactus : cacti)
        plants.emplace(cactus->primaryKey(), cactus.get());
    return plants;
}

void RecordSet::setPlantsOfLogs(const std::vector<std::unique_ptr<Log>>& logs,
                                const std::unordered_map<int64_t, Cactus*>& plants)
{
    for (const auto& log : logs) {
        const auto it = log->cactusKey() == -1 ? plants.end() : plants.find(log->cactusKey());
        log->setCactus(it == plants.end() ? nullptr : it->second);
    }
}

std::vector<Image*> RecordSet::linkPlantPhotos(const std::vector<std::unique_ptr<Image>>& images,
                                               const std::unordered_map<int64_t, Cactus*>& plants)
{
    std::vector<Image*> orphans;
    linkPhotos(images, Image::kCactusPhoto, plants, orphans);
    return orphans;
}

std::vector<Image*> RecordSet::link(const SortOrder& order)
{
    const std::unordered_map<int64_t, Cactus*> plants = linkPlantsToSchedules(cacti, watering);
    setPlantsOfLogs(logs, plants);
    std::unordered_map<int64_t, Log*> logsByKey;
    for (const auto& log : logs) {
        logsByKey.emplace(log->primaryKey(), log.get());
        if (Cactus* plant = log->cactus())
            plant->linkLog(log.get());
        log->clearImages();
    }
    std::vector<Image*> orphans = linkPlantPhotos(images, plants);
    linkPhotos(images, Image::kLogPhoto, logsByKey, orphans);
    // Sorted once here rather than on every link: a schedule or plant may
    // have thousands of entries.
    for (const auto& water : watering)
        water->sortCacti(order);
    for (const auto& cactus : cacti) {
        cactus->sortLogs(order.logsAscending);
        cactus->sortImages();
    }
    for (const auto& log : logs)
        log->sortImages();
    return orphans;
}

void RecordSet::sort(const SortOrder& order)
{
    std::stable_sort(cacti.begin(), cacti.end(),
                     [&order](const auto& a, const auto& b) { return a->compareInOrder(b.get(), order) < 0; });
    std::stable_sort(watering.begin(), watering.end(),
                     [&order](const auto& a, const auto& b) { return a->compareInOrder(b.get(), order) < 0; });
    sortLogs(logs, order.logsAscending);
    sortEvents(events);
    sortSpecies(species, speciesScientific);
}

// Sorts logs in the order of Log::compareLog, comparing each
// distinct event name only once: a collection has hundreds of thousands of
// logs but a handful of event names, and many logs share a date, so ranking
// the names first turns every comparison of the sort into one of numbers.
void RecordSet::sortLogs(std::vector<std::unique_ptr<Log>>& logs, bool newestFirst)
{
    QHash<QString, int> ranks;
    for (const auto& log : logs)
        ranks.insert(log->eventName(), 0);
    QStringList names = ranks.keys();
    std::sort(names.begin(), names.end(),
              [](const QString& a, const QString& b) { return text::emptyFirstStandardCompare(a, b) < 0; });
    int rank = 0;
    for (qsizetype i = 0; i < names.size(); ++i) {
        if (i > 0 && text::emptyFirstStandardCompare(names[i - 1], names[i]) != 0)
            ++rank;
        ranks[names[i]] = rank;
    }
    struct Keyed {
        double date;
        int rank;
        Log* log;
    };
    std::vector<Keyed> keyed;
    keyed.reserve(logs.size());
    for (auto& log : logs)
        keyed.push_back({log->logDate().value_or(0.0), ranks.value(log->eventName()), log.release()});
    // Later dates first, then by event name; the whole order turned round
    // for the other direction (equal logs keep their places either way).
    std::stable_sort(keyed.begin(), keyed.end(), [newestFirst](const Keyed& a, const Keyed& b) {
        int order = (a.date < b.date) - (a.date > b.date);
        if (order == 0)
            order = (a.rank > b.rank) - (a.rank < b.rank);
        return (newestFirst ? order : -order) < 0;
    });
    for (size_t i = 0; i < keyed.size(); ++i)
        logs[i].reset(keyed[i].log);
}

void RecordSet::sortEvents(std::vector<std::unique_ptr<Event>>& events)
{
    sortByText<std::unique_ptr<Event>>(events, [](const std::unique_ptr<Event>& e) { return e->name(); });
}

void RecordSet::sortSpecies(std::vector<std::unique_ptr<Species>>& species, std::vector<Species*>& speciesScientific)
{
    sortByText<std::unique_ptr<Species>>(species, [](const std::unique_ptr<Species>& s) { return s->name(); });
    sortByText<Species*>(speciesScientific, [](Species* const& s) { return s->scientificName(); });
}

void RecordSet::clear()
{
    // The links refer to records of the other arrays: they go first.
    for (auto& cactus : cacti)
        cactus->clearLogs();
    speciesScientific.clear();
    images.clear();
    logs.clear();
    cacti.clear();
    watering.clear();
    events.clear();
    species.clear();
}

} // namespace spinora
