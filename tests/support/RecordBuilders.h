#pragma once

// Records stored in a collection the way the editors store them, linked both
// ways, and a collection on disk that a test can reopen as a later session.
#include "SpinoraDatabase.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

namespace spinora::test {

inline Water* addSchedule(SpinoraDatabase& document, const QString& name, int64_t every = 1,
                          int64_t unit = Water::kWeeks)
{
    auto water = std::make_unique<Water>();
    water->setName(name);
    water->setFrequency(every);
    water->setFrequencyUnits(unit);
    return expectOk(document.addWater(std::move(water)));
}

inline Cactus* addPlant(SpinoraDatabase& document, const QString& name, Water* schedule = nullptr)
{
    auto cactus = std::make_unique<Cactus>();
    cactus->setName(name);
    if (schedule) {
        cactus->setWater(schedule);
        cactus->setWateringKey(schedule->primaryKey());
    }
    Cactus* added = expectOk(document.addCactus(std::move(cactus)));
    if (schedule)
        schedule->addCactus(added, document.sortOrder());
    return added;
}

inline Log* addLog(SpinoraDatabase& document, Cactus* plant, const QString& event, Timestamp date)
{
    auto log = std::make_unique<Log>();
    log->setEventName(event);
    log->setLogDate(date);
    log->setCactus(plant);
    log->setCactusKey(plant ? plant->primaryKey() : -1);
    Log* added = expectOk(document.addLog(std::move(log)));
    if (plant)
        plant->addLog(added, document.sortLogsAscending());
    return added;
}

// A photo of the record of `type` and `key` (not added to the record's own list).
inline Image* addPhoto(SpinoraDatabase& document, int64_t type, int64_t key, int64_t tag, const QImage& picture)
{
    auto image = std::make_unique<Image>();
    image->setLinkedType(type);
    image->setLinkedKey(key);
    image->setTagValue(tag);
    image->setPhoto(picture);
    return expectOk(document.addImage(std::move(image)));
}

inline Image* addPhoto(SpinoraDatabase& document, Cactus* plant, const QImage& picture)
{
    Image* added = addPhoto(document, Image::kCactusPhoto, plant->primaryKey(), int64_t(plant->images().size()), picture);
    plant->addImage(added);
    return added;
}

// Every field of a plant set to a value of its own, so that a swapped
// column shows; dates around `date`.
inline void setEveryField(Cactus& c, const QString& name, double date)
{
    c.setName(name);
    c.setCommonName("Golden Barrel");
    c.setScientificName("Echinocactus grusonii");
    c.setType(3);
    c.setLastWatered(date);
    c.setWaterNext(date + 86400);
    c.setPlantDate(date - 1e8);
    c.setDateAcquired(date - 1e7);
    c.setPurchasePrice(12.5);
    c.setValue(99.99);
    c.setSource(2);
    c.setLocation("Bench 3");
    c.setHeight("12 cm");
    c.setWidth("8 cm");
    c.setWeight("300 g");
    c.setLight("Full sun");
    c.setTemperature("5-35 C");
    c.setPotSize("10 cm");
    c.setPotShape(10);
    c.setPotMaterial(7);
    c.setNotes("line 1\nline 2");
}

inline Cactus* plantNamed(SpinoraDatabase& document, const QString& name)
{
    for (const auto& cactus : document.cacti()) {
        if (cactus->name() == name)
            return cactus.get();
    }
    return nullptr;
}

// An empty collection on disk for one test.
class CollectionTest : public ::testing::Test {
protected:
    // Writes everything and opens the package again, as a later session would.
    void reopen()
    {
        expectOk(document->close());
        document.reset();
        document = openCollection(path);
    }
    QString db() const { return path + QStringLiteral("/spinora.db"); }
    long long count(const char* table) const
    {
        return queryInt(db(), QStringLiteral("SELECT count(*) FROM %1").arg(QLatin1String(table)));
    }

    TempFolder folder;
    QString path = folder.file(QStringLiteral("Garden.sdb"));
    std::unique_ptr<SpinoraDatabase> document = newCollection(path, true);
};

} // namespace spinora::test
