// The record persistence pattern on a real database file: every field of
// every record survives insert, flush and reopen; placeholders, dirty
// tracking and failed statements.
#include "CollectionDump.h"
#include "RecordBuilders.h"
#include "SpinoraDatabase.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace spinora;
using namespace spinora::test;

namespace {

using RecordTest = CollectionTest;

const double kMay = 1748779200.25; // a date with a fraction of a second

} // namespace

TEST_F(RecordTest, CactusKeepsEveryFieldThroughTheFile)
{
    auto fresh = std::make_unique<Cactus>();
    setEveryField(*fresh, QStringLiteral("O'Brien \"Spiky\" \u00E9"), kMay);
    fresh->setWateringKey(42);
    Cactus* added = expectOk(document->addCactus(std::move(fresh)));
    const QString stored = dumpRecord(*added);
    const int64_t key = added->primaryKey();
    reopen();

    ASSERT_EQ(document->cacti().size(), 1u);
    Cactus& c = *document->cacti()[0];
    // Key, schedule, hydrated, dirty, notes not read (detail fields wait for hydrate).
    EXPECT_EQ(std::tuple(c.primaryKey(), c.wateringKey(), c.isHydrated(), c.isDirty(), c.notes().isNull()),
              std::tuple(key, 42, false, false, true));
    EXPECT_EQ(dumpRecord(c), stored);
}

TEST_F(RecordTest, WaterLogEventSpeciesKeepEveryField)
{
    Water* water = addSchedule(*document, "Winter rest", 3, Water::kWeeks);
    water->setQuantity(3);
    water->setLastWatered(kMay);
    water->setWaterNext(kMay + 3 * 7 * 86400);
    water->setNotificationSet(true);
    for (int i = 1; i <= 6; ++i)
        water->setNoWaterDDMM(i, Water::dayMonthCode(i + 10, i));
    water->setNotes("Rain water only");
    Log* log = addLog(*document, nullptr, "Flowered", kMay);
    log->setLogType(Log::kNoteLog);
    log->setReminder(true);
    log->setReminderIdentifier("ical-uid-1");
    log->setNotes(QString(250, QChar('x')));
    expectOk(document->addEvent(std::make_unique<Event>("Sowed")));
    expectOk(document->addSpecies(std::make_unique<Species>("Moon Cactus", "Gymnocalycium mihanovichii")));
    const QStringList stored = dumpCollection(*document);
    reopen();
    EXPECT_TRUE(holdsRecords(*document, stored));
}

TEST_F(RecordTest, ARowDeletedBehindThePlantsBackLoadsPlaceholders)
{
    Connection* db = document->database();
    ASSERT_TRUE(db->execute("INSERT INTO cactus (pk, name) VALUES (5, 'x'); DELETE FROM cactus;"));
    Cactus cactus;
    EXPECT_TRUE(cactus.initWithPrimaryKey(5, db).ok());
    EXPECT_EQ(std::tuple(cactus.name(), cactus.wateringKey(), cactus.lastWatered()),
              std::tuple(QString("No title"), -1, Timestamp()));
}

TEST_F(RecordTest, KeysBeyond32BitsAreStoredWholeAndTheEpochReadsBackAsNoDateButALogKeepsItsDate)
{
    // Cut to 32 bits, a plant on schedule 2^32 + 17 followed schedule 17.
    Cactus* cactus = expectOk(document->addCactus(std::make_unique<Cactus>()));
    cactus->setWateringKey((int64_t(1) << 32) + 17);
    cactus->setType(-1);
    cactus->setPlantDate(0.0);
    auto log = std::make_unique<Log>();
    log->setCactusKey(INT64_MAX);
    log->setLogDate(0.0);
    expectOk(document->addLog(std::move(log)));
    reopen();
    const Cactus& read = *document->cacti()[0];
    EXPECT_EQ(std::tuple(read.wateringKey(), read.type(), read.plantDate()),
              std::tuple((int64_t(1) << 32) + 17, -1, Timestamp()));
    const Log& readLog = *document->logs()[0];
    EXPECT_EQ(std::tuple(readLog.cactusKey(), readLog.logDate()), std::tuple(INT64_MAX, Timestamp(0.0)));
}

TEST_F(RecordTest, SettersMarkDirtyOnlyOnRealChangeAndUnloadDropsUnsavedChanges)
{
    Cactus* cactus = expectOk(document->addCactus(std::make_unique<Cactus>()));
    cactus->setName("Same");
    expectOk(cactus->save());
    EXPECT_FALSE(cactus->isDirty());
    cactus->setName("Same");
    EXPECT_FALSE(cactus->isDirty());
    cactus->setLastWatered(std::nullopt);
    EXPECT_FALSE(cactus->isDirty()); // two missing dates are equal
    cactus->setLastWatered(0.0);
    EXPECT_TRUE(cactus->isDirty()); // a missing and a present date differ
    expectOk(cactus->save());
    cactus->setLocation(QString(""));
    EXPECT_TRUE(cactus->isDirty()); // no text and an empty text differ
    cactus->setNotes("thrown away");
    cactus->unload();
    EXPECT_FALSE(cactus->isHydrated());
    expectOk(cactus->hydrate());
    EXPECT_EQ(cactus->notes(), QString(""));
}

TEST_F(RecordTest, RegressionSummaryChangeOfADehydratedRecordKeepsItsStoredNotes)
{
    Cactus* cactus = expectOk(document->addCactus(std::make_unique<Cactus>()));
    cactus->setNotes("Precious notes");
    expectOk(cactus->dehydrate());
    ASSERT_FALSE(cactus->isHydrated());
    cactus->setName("Renamed without hydrating");
    expectOk(cactus->save());
    EXPECT_EQ(queryInt(db(), "SELECT count(*) FROM cactus WHERE notes='Precious notes'"), 1);
}

TEST_F(RecordTest, AFailedInsertAnswersItsFailure)
{
    ASSERT_TRUE(document->database()->execute(
        "DROP TABLE cactus; CREATE TABLE cactus (pk INTEGER PRIMARY KEY, name TEXT NOT NULL)"));
    Cactus unnamed;
    // A constraint failure is a failure, not a row with the previous key.
    EXPECT_FALSE(unnamed.insertIntoDatabase(document->database()).ok());
}
