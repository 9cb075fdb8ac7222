// The document's arrays: adding, removing with all side effects, linking
// after a load, the logs loaded behind and lookups.
#include "CollectionDump.h"
#include "RecordBuilders.h"
#include "SpinoraDatabase.h"
#include "TestSupport.h"

#include <QFile>

#include <algorithm>

#include <gtest/gtest.h>

using namespace spinora;
using namespace spinora::test;

namespace {

class CollectionsTest : public CollectionTest {
protected:
    Cactus* addPlant(const QString& name) { return test::addPlant(*document, name); }
    Log* addLog(Cactus* plant, double date, const QString& event = "Repotted")
    {
        return test::addLog(*document, plant, event, date);
    }
    Image* addPhoto(int64_t type, int64_t key, int tag)
    {
        return test::addPhoto(*document, type, key, tag, gradientImage(32, 24));
    }
};

} // namespace

// The order of their logs is pinned by LogsLoadedBehindTheFirstScreenKeepTheLogOrders.
TEST_F(CollectionsTest, LoadingLinksPlantsToTheirPhotosInTagOrder)
{
    Cactus* a = addPlant("A");
    addPhoto(Image::kCactusPhoto, a->primaryKey(), 2);
    addPhoto(Image::kCactusPhoto, a->primaryKey(), 1);
    reopen();

    Cactus* plant = document->cacti()[0].get();
    ASSERT_EQ(plant->images().size(), 2u);
    EXPECT_EQ(plant->images()[0]->tagValue(), 1);
}

TEST_F(CollectionsTest, RemovingAPlantTakesOnlyItsOwnPhotosAndLeavesTheList)
{
    Cactus* doomed = addPlant("Doomed");
    Cactus* kept = addPlant("Kept");
    doomed->addImage(addPhoto(Image::kCactusPhoto, doomed->primaryKey(), 0));
    kept->addImage(addPhoto(Image::kCactusPhoto, kept->primaryKey(), 0));
    expectOk(document->removeCactus(doomed));
    EXPECT_EQ(photoFiles(path).keys(), QStringList({"sp-2.jpg", "sp-2ct.jpg", "sp-2t.jpg"})); // only the kept plant's
    EXPECT_EQ(document->displayedCacti(), std::vector<Cactus*>{kept});
}

TEST_F(CollectionsTest, RemovingAScheduleUnlinksItsPlantsInTheFile)
{
    Water* schedule = addSchedule(*document, "Weekly");
    Cactus* plant = test::addPlant(*document, "P", schedule);
    plant->setNotes("keep me");
    expectOk(plant->dehydrate());
    ASSERT_EQ(plant->water(), schedule);
    expectOk(document->removeWater(schedule));
    EXPECT_EQ(plant->water(), nullptr);
    EXPECT_EQ(queryRows(db(), "SELECT watering_key, notes, (SELECT count(*) FROM watering) FROM cactus"),
              QStringList{"-1|keep me|0"});
}

TEST_F(CollectionsTest, OrphanPhotosAndLogsWithoutPlantsAtTheNextOpen)
{
    Cactus* plant = addPlant("P");
    addPhoto(Image::kCactusPhoto, 99, 0);          // owner row missing
    addPhoto(7, plant->primaryKey(), 0);           // unknown owner kind: kept, not linked
    addLog(nullptr, 1000.0);
    addLog(plant, 1000.0)->setCactusKey(12345);
    reopen();
    EXPECT_EQ(count("image"), 1);
    EXPECT_FALSE(QFile::exists(path + "/sp-1.jpg"));
    EXPECT_TRUE(document->cacti()[0]->images().empty());
    for (const auto& log : document->logs())
        EXPECT_EQ(log->cactus(), nullptr);
}

// The logs arrive behind the first screen, sorted and grouped on their own
// thread: the orders must be those of sorting every log with compareLog,
// in both directions, with many logs on one date and names that tie.
TEST_F(CollectionsTest, LogsLoadedBehindTheFirstScreenKeepTheLogOrders)
{
    std::vector<Cactus*> plants{addPlant("A"), addPlant("B"), addPlant("C")};
    const QStringList events{"Repotted", "", "flowered", "Flowered", "Sold 10", "Sold 9"};
    for (int i = 0; i < 60; ++i)
        addLog(plants[size_t(i % 3)], 1000.0 * (i % 4), events[i % events.size()]);
    const int64_t photographed = document->logs()[5]->primaryKey();
    addPhoto(Image::kLogPhoto, photographed, 0);
    addPhoto(Image::kLogPhoto, 99999, 0); // its log is gone
    reopen();
    ASSERT_TRUE(document->logsLoadingBehind());
    auto expectOrders = [&] {
        std::vector<Log*> byKey;
        for (const auto& log : document->logs())
            byKey.push_back(log.get());
        std::sort(byKey.begin(), byKey.end(), [](Log* a, Log* b) { return a->primaryKey() < b->primaryKey(); });
        std::stable_sort(byKey.begin(), byKey.end(), [&](Log* a, Log* b) {
            return a->compareLog(b, document->sortLogsAscending()) < 0;
        });
        for (size_t i = 0; i < byKey.size(); ++i)
            ASSERT_EQ(document->logs()[i].get(), byKey[i]) << i;
        for (const auto& plant : document->cacti()) {
            std::vector<Log*> own;
            std::copy_if(byKey.begin(), byKey.end(), std::back_inserter(own),
                         [&](Log* log) { return log->cactus() == plant.get(); });
            EXPECT_EQ(plant->logs(), own) << plant->name().toStdString();
        }
    };
    expectOrders();
    EXPECT_EQ(document->displayedLogs().size(), 60u);
    EXPECT_EQ(count("image"), 1) << "the orphan photo of a log goes once the logs are in";
    for (const auto& log : document->logs())
        EXPECT_EQ(log->images().size(), log->primaryKey() == photographed ? 1u : 0u);
    document->setSortLogsAscending(false);
    document->sortLogsByLogDateAndTitle();
    for (const auto& plant : document->cacti())
        plant->sortLogs(false);
    expectOrders();

    // Removing a plant while its logs are still being read waits for them
    // and takes them along.
    reopen();
    expectOk(document->removeCactus(document->cactiOfFirstScreen()[0].get()));
    EXPECT_EQ(count("log"), 40);
}

// Logs that could not be read (here every read of the table fails) left each
// photo of a log to be deleted as an orphan, row and files.
TEST_F(CollectionsTest, LogsThatCannotBeReadDeleteNoPhotoAndLeaveTheCollectionReadOnly)
{
    Log* log = addLog(addPlant("A"), 1000.0);
    addPhoto(Image::kLogPhoto, log->primaryKey(), 0);
    expectOk(document->close());
    execSql(db(), "ALTER TABLE log RENAME TO log_rows; CREATE VIEW log AS SELECT pk, type, "
                  "date + abs(-9223372036854775807 - 1) AS date, reminder, reminder_id, cactus_key, event, "
                  "note_summary, notes FROM log_rows");
    const TreeSnapshot before = snapshot(path);
    document = openCollection(path);
    document->finishLoading();
    EXPECT_TRUE(document->isReadOnly());
    EXPECT_TRUE(document->readFailure().contains("could not be read: integer overflow"));
    expectOk(document->close());
    EXPECT_TRUE(snapshot(path) == before);
}

TEST_F(CollectionsTest, RemovingASpeciesTakesItFromBothListsAndTheFile)
{
    expectOk(document->addSpecies(std::make_unique<Species>("Zebra Plant", "Haworthiopsis")));
    expectOk(document->addSpecies(std::make_unique<Species>("aloe", "Aloe vera")));
    expectOk(document->removeSpecies(document->species()[0].get()));
    EXPECT_EQ(std::tuple(document->speciesScientific().size(), count("species")), std::tuple(1u, 1LL));
}

// Issue 32: the lists sort by other keys than the name. Records without a
// value go last in both directions; equal values go by name, A to Z. Read
// after a reopen: the location must be in memory without hydrating.
TEST_F(CollectionsTest, ListsSortByEachKeyWithMissingValuesLastAndTiesByName)
{
    struct Plant { const char* name; Timestamp next, acquired; const char* scientific; const char* location; };
    for (const Plant& p : {Plant{"Bea", 2.0, {}, "Mammillaria", "Shelf"}, Plant{"Abe", 2.0, 1.0, "", ""},
                           Plant{"Cid", {}, 3.0, "Astrophytum", "Bench"}, Plant{"Dee", 1.0, 1.0, "Mammillaria", "Shelf"}}) {
        Cactus* c = addPlant(p.name);
        c->setWaterNext(p.next);
        c->setDateAcquired(p.acquired);
        c->setScientificName(p.scientific);
        c->setLocation(p.location);
        expectOk(c->dehydrate());
    }
    for (const auto& [name, next] : {std::pair{"Wet", Timestamp(2.0)}, {"Arid", {}}, {"Moist", 1.0}, {"Bog", 2.0}}) {
        Water* w = addSchedule(*document, name);
        w->setWaterNext(next);
        expectOk(w->save());
    }
    reopen();
    struct Row { ListKind list; SortKey key; bool ascending; const char* names; };
    for (const Row& row : {Row{kCactusList, SortKey::Name, false, "Dee Cid Bea Abe"},
                           {kCactusList, SortKey::NextWatering, true, "Dee Abe Bea Cid"},
                           {kCactusList, SortKey::NextWatering, false, "Abe Bea Dee Cid"},
                           {kCactusList, SortKey::DateAcquired, true, "Abe Dee Cid Bea"},
                           {kCactusList, SortKey::DateAcquired, false, "Cid Abe Dee Bea"},
                           {kCactusList, SortKey::ScientificName, true, "Cid Bea Dee Abe"},
                           {kCactusList, SortKey::ScientificName, false, "Bea Dee Cid Abe"},
                           {kCactusList, SortKey::Location, true, "Cid Bea Dee Abe"},
                           {kCactusList, SortKey::Location, false, "Bea Dee Cid Abe"},
                           {kWaterList, SortKey::NextWatering, true, "Moist Bog Wet Arid"},
                           {kWaterList, SortKey::NextWatering, false, "Bog Wet Moist Arid"}}) {
        document->displayed().setSortKey(row.list, row.key);
        document->displayed().setAscending(row.list, row.ascending);
        QStringList names;
        if (row.list == kCactusList) {
            document->sortCacti();
            for (const Cactus* c : document->displayedCacti())
                names << c->name();
        } else {
            document->sortWater();
            for (const Water* w : document->displayedWatering())
                names << w->name();
        }
        EXPECT_EQ(names.join(' '), row.names) << int(row.key) << row.ascending;
    }
}
