#pragma once

// A collection for driving the record editors, and the clock they read.
#include "SpinoraDatabase.h"
#include "TestSupport.h"

#include <QWidget>

#include <gtest/gtest.h>

namespace spinora::test {

inline QDateTime at(int y, int m, int d, int h = 0, int min = 0, int sec = 0)
{
    return QDateTime(QDate(y, m, d), QTime(h, min, sec));
}

inline Timestamp moment(int y, int m, int d, int h = 0, int min = 0, int sec = 0)
{
    return fromDateTime(at(y, m, d, h, min, sec));
}

// An empty collection on disk, with its records made as the editors would.
struct EditorFixture {
    TempFolder folder;
    QString path = folder.file(QStringLiteral("garden.sdb"));
    std::unique_ptr<SpinoraDatabase> document = newCollection(path, true);
    QWidget window;

    Water* addSchedule(const QString& name, int64_t every, int64_t unit)
    {
        auto water = std::make_unique<Water>();
        water->setName(name);
        water->setFrequency(every);
        water->setFrequencyUnits(unit);
        Water* added = document->addWater(std::move(water));
        added->save();
        return added;
    }

    Cactus* addPlant(const QString& name, Water* schedule)
    {
        auto cactus = std::make_unique<Cactus>();
        cactus->setName(name);
        Cactus* added = document->addCactus(std::move(cactus));
        if (schedule) {
            added->setWater(schedule);
            added->setWateringKey(schedule->primaryKey());
            schedule->addCactus(added);
        }
        added->dehydrate();
        return added;
    }

    // Writes everything and opens the package again, as after a restart.
    std::unique_ptr<SpinoraDatabase> reopen()
    {
        document->close();
        document.reset();
        return openCollection(path);
    }
    void reload() { document = reopen(); }
};

class FixedClock : public ::testing::Test {
protected:
    void TearDown() override { Clock::clearFixedNow(); }
};

using CactusEditor = FixedClock;
using WaterEditor = FixedClock;

inline Cactus* plantNamed(SpinoraDatabase& document, const QString& name)
{
    for (const auto& cactus : document.cacti()) {
        if (cactus->name() == name)
            return cactus.get();
    }
    return nullptr;
}

} // namespace spinora::test
