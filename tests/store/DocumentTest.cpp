// The collection document on real files: templates, opening, loading,
// flushing, saving under a new name, closing and the schema upgrade, and the
// bad packages it must refuse without changing a byte.
#include "RecordBuilders.h"
#include "SpinoraDatabase.h"
#include "TestSupport.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <tuple>

using namespace spinora;
using namespace spinora::test;

namespace {

QStringList eventNames(SpinoraDatabase& document)
{
    QStringList names;
    for (const auto& event : document.events())
        names << event->name();
    return names;
}

// An empty collection "Garden.sdb" of its own for each test.
using Document = CollectionTest;

} // namespace

TEST(NewCollection, AMissingPackageIsMadeFromTheTemplateStampedWithItsOwnDateAndDefaultEventsOnce)
{
    TempFolder folder;
    const QString path = folder.file("Mine.sdb");
    const double before = *now();
    auto document = newCollection(path); // a missing package is made from the template
    EXPECT_TRUE(QFileInfo(path + "/spinora.db").isFile());
    EXPECT_TRUE(document->writeCreationDate());
    ASSERT_TRUE(document->dbCreationDate());
    EXPECT_GE(*document->dbCreationDate(), before - 1);
    EXPECT_NE(*document->dbCreationDate(), 1767225600.0); // not the template's date
    EXPECT_EQ(eventNames(*document),
              QStringList({"Fertilized", "Flowered", "Planted", "Purchased", "Repotted", "Sold"}));
    EXPECT_GT(document->species().size(), 30u);
    EXPECT_FALSE(document->addEventFlag());
    expectOk(document->close());

    auto reopened = openCollection(path);
    EXPECT_EQ(reopened->events().size(), 6u); // not added a second time
    EXPECT_NEAR(*reopened->dbCreationDate(), *document->dbCreationDate(), 0.01);
}

TEST_F(Document, EmptyTemplateGetsNoSpeciesNoEventsAndDefaultEventsMergeWithNamesInUse)
{
    EXPECT_TRUE(document->events().empty());
    EXPECT_TRUE(document->species().empty());
    addLog(*document, nullptr, "Grafted", Timestamp());
    expectOk(document->addEvent(std::make_unique<Event>("Repotted")));
    expectOk(document->addDefaultEventsToDatabase());
    document->sortEvents();
    EXPECT_EQ(eventNames(*document),
              QStringList({"Fertilized", "Flowered", "Grafted", "Planted", "Purchased", "Repotted", "Sold"}));
}

// Opening repairs what a writing open may: a missing version row comes back
// as version 3 "Full"; species without names and unlinked images go.
TEST_F(Document, OpeningRestoresAMissingVersionRowAndPurgesNamelessSpeciesAndUnlinkedImages)
{
    expectOk(document->close());
    execSql(db(), "DELETE FROM version");
    execSql(db(), "INSERT INTO species (name, scientific) VALUES ('', ''), (NULL, NULL), ('Kept', '')");
    execSql(db(), "INSERT INTO image (type, key, tag) VALUES (0, -1, 0)");
    reopen();
    // The version, the species in both orders, the images.
    EXPECT_EQ(std::tuple(document->dbVersionNumber(), document->species().size(), document->speciesScientific().size(),
                         document->images().size()),
              std::tuple(3, 1u, 1u, 0u));
    expectOk(document->close());
    EXPECT_EQ(queryRows(db(), "SELECT version_num, comments, (SELECT count(*) FROM species), "
                              "(SELECT count(*) FROM image) FROM version"),
              QStringList{"3|Full|1|0"});
}

TEST_F(Document, FlushWritesEveryChangeInOneTransactionAndReleasesDetails)
{
    Cactus* cactus = addPlant(*document, "Spike");
    cactus->setNotes("Needs grit");
    EXPECT_TRUE(cactus->isDirty());
    expectOk(document->flushDatabase(false));
    EXPECT_EQ(document->database(), nullptr);
    // Dirty, hydrated, notes released.
    EXPECT_EQ(std::tuple(cactus->isDirty(), cactus->isHydrated(), cactus->notes().isNull()),
              std::tuple(false, false, true));
    EXPECT_EQ(queryInt(db(), "SELECT count(*) FROM cactus WHERE name='Spike' AND notes='Needs grit'"), 1);
}

TEST_F(Document, AFailedFlushKeepsEveryChangeInMemory)
{
    Cactus* a = expectOk(document->addCactus(std::make_unique<Cactus>()));
    Water* w = expectOk(document->addWater(std::make_unique<Water>()));
    a->setName("First");
    w->setName("Weekly");
    w->setNotes("Notes that must survive");
    // A trigger makes the schedule's UPDATE fail after the cactus was written.
    ASSERT_TRUE(document->database()->execute(
        "CREATE TRIGGER refuse BEFORE UPDATE ON watering BEGIN SELECT RAISE(ABORT, 'disk full'); END"));
    EXPECT_FALSE(document->flushDatabase(false).ok());
    EXPECT_EQ(std::tuple(a->isDirty(), w->isDirty(), w->notes()),
              std::tuple(true, true, QString("Notes that must survive")));
    ASSERT_TRUE(document->database()->execute("DROP TRIGGER refuse"));
    expectOk(document->flushDatabase(false));
    EXPECT_EQ(queryInt(db(), "SELECT count(*) FROM cactus WHERE name='First'"), 1);
    EXPECT_EQ(queryInt(db(), "SELECT count(*) FROM watering WHERE notes='Notes that must survive'"), 1);
}

TEST_F(Document, AFailedSaveKeepsTheDocumentWorkingAndSavingInPlaceOnlyFlushesAndReopens)
{
    expectOk(document->addCactus(std::make_unique<Cactus>()))->setName("One");
    // The target's parent folder does not exist, so the copy cannot be made.
    EXPECT_FALSE(failureOf(document->writeSafelyToURL(folder.file("no/such/folder/B.sdb"))).isEmpty());
    ASSERT_NE(document->database(), nullptr);
    ASSERT_TRUE(document->writeSafelyToURL(path));
    ASSERT_NE(document->database(), nullptr);
    EXPECT_EQ(queryInt(db(), "SELECT count(*) FROM cactus WHERE name='One'"), 1);
    expectOk(document->addCactus(std::make_unique<Cactus>()))->setName("Two"); // the connection works again
    expectOk(document->close());
    EXPECT_EQ(count("cactus"), 2);
}

TEST_F(Document, SavingUnderANewNameReplacesTheTargetAndLeavesTheOldPackage)
{
    const QString oldPath = path;
    const QString newPath = folder.file("New.sdb");
    QDir().mkpath(newPath);
    writeFile(newPath + "/stale.txt", "replaced");
    Cactus* cactus = addPlant(*document, "Moved");
    Image* photo = addPhoto(*document, cactus, gradientImage(64, 48));

    expectOk(document->writeSafelyToURL(newPath));
    EXPECT_EQ((QStringList{document->packageFilename(), document->dbFilename(), photo->path()}),
              (QStringList{newPath, newPath + "/spinora.db", newPath}));
    EXPECT_FALSE(QFileInfo::exists(newPath + "/stale.txt"));
    EXPECT_TRUE(QFileInfo::exists(newPath + "/sp-1.jpg"));
    EXPECT_TRUE(QFileInfo::exists(oldPath + "/sp-1.jpg")); // the old package stays
    cactus->setName("Changed after save");
    expectOk(document->close());
    EXPECT_EQ(queryInt(newPath + "/spinora.db", "SELECT count(*) FROM cactus WHERE name='Changed after save'"), 1);
    EXPECT_EQ(queryInt(oldPath + "/spinora.db", "SELECT count(*) FROM cactus WHERE name='Moved'"), 1);
}

TEST(Upgrade, AnOlderSchemaGetsTheMissingColumnsAndKeepsItsRows)
{
    TempFolder folder;
    const QString path = folder.file("Old.sdb");
    QDir().mkpath(path);
    // A version-2 collection: no export stamp in the version row, no no-water
    // periods beyond the first one, no reminders.
    execSql(path + "/spinora.db", R"(
        CREATE TABLE version (pk INTEGER PRIMARY KEY, version_num INTEGER, creation_date REAL, comments TEXT);
        INSERT INTO version VALUES (1, 2, 1300000000.0, 'Full');
        CREATE TABLE cactus (pk INTEGER PRIMARY KEY, name TEXT, common_name TEXT, scientific_name TEXT, type INTEGER,
          watering_key INTEGER, last_watered REAL, water_next REAL, plant_date REAL, source INTEGER,
          date_acquired REAL, purchase_price REAL, value REAL, location TEXT, height TEXT, width TEXT, weight TEXT,
          light TEXT, temperature TEXT, pot_size TEXT, pot_shape INTEGER, pot_material INTEGER, notes TEXT);
        INSERT INTO cactus (pk, name, watering_key, notes) VALUES (7, 'Veteran', -1, 'since 2011');
        CREATE TABLE watering (pk INTEGER PRIMARY KEY, name TEXT, frequency INTEGER, frequency_units INTEGER,
          quantity INTEGER, last_watered REAL, water_next REAL, no_water_ddmm1 INTEGER, no_water_ddmm2 INTEGER,
          notes TEXT);
        INSERT INTO watering (pk, name, frequency, frequency_units, no_water_ddmm1, no_water_ddmm2)
          VALUES (3, 'Winter', 2, 3, 267, 7170);
        CREATE TABLE log (pk INTEGER PRIMARY KEY, type INTEGER, date REAL, cactus_key INTEGER, event TEXT,
          note_summary TEXT, notes TEXT);
        CREATE TABLE event (pk INTEGER PRIMARY KEY, name TEXT);
        CREATE TABLE species (pk INTEGER PRIMARY KEY, name TEXT, scientific TEXT);
    )");
    auto document = openCollection(path);
    ASSERT_TRUE(document->isLoaded());
    EXPECT_EQ(document->dbVersionNumber(), 3);
    ASSERT_EQ(document->cacti().size(), 1u);
    EXPECT_EQ(std::tuple(document->cacti()[0]->name(), document->cacti()[0]->primaryKey()),
              std::tuple(QString("Veteran"), 7));
    ASSERT_EQ(document->watering().size(), 1u);
    // The first and the new third rest day, and the new reminder flag.
    Water* winter = document->watering()[0].get();
    EXPECT_EQ(std::tuple(winter->noWaterDDMM(1), winter->noWaterDDMM(3), winter->notificationSet()),
              std::tuple(267, 0, false));
    expectOk(document->close());
    const QString db = path + "/spinora.db";
    EXPECT_EQ(queryInt(db, "SELECT version_num FROM version"), 3);
    EXPECT_EQ(queryInt(db, "SELECT count(*) FROM pragma_table_info('version') WHERE name='num_images'"), 1);
    EXPECT_EQ(queryInt(db, "SELECT count(*) FROM sqlite_master WHERE name='image'"), 1);
    EXPECT_EQ(queryInt(db, "SELECT count(*) FROM cactus WHERE notes='since 2011'"), 1);
}

// --- Bad packages: a clear error, no crash, not a byte changed.

class BadPackage : public ::testing::Test {
protected:
    void expectRefusedUnchanged(const QString& path, const QString& expectedReason)
    {
        const TreeSnapshot before = snapshot(path);
        const QStringList entriesBefore = QDir(path).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        {
            SpinoraDatabase document(path);
            const QString why = failureOf(document.readFromURL(path));
            EXPECT_TRUE(why.contains(expectedReason)) << why.toStdString();
            EXPECT_EQ(document.database(), nullptr);
        }
        EXPECT_EQ(snapshot(path), before);
        EXPECT_EQ(QDir(path).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), entriesBefore);
    }
    TempFolder folder;
};

// A folder of photos, a plain file, a database that is no SQLite file, one cut
// in half (the file written, inside the package folder where there is one),
// and collections of a newer version or without a table of ours: the reason.
TEST_F(BadPackage, WhatIsNoCollectionOrADamagedOrNewerOneIsRefused)
{
    auto full = newCollection(folder.file("Full.sdb"));
    for (int i = 0; i < 300; ++i)
        expectOk(full->addCactus(std::make_unique<Cactus>()))->setNotes(QString(200, QChar('n')));
    expectOk(full->close());
    const QByteArray whole = readFile(folder.file("Full.sdb/spinora.db"));
    ASSERT_GT(whole.size(), 8192);
    for (const auto& [name, inside, bytes, sql, reason] :
         {std::tuple{"Photos", "/holiday.jpg", QByteArray("not ours"), "", "holds no spinora.db"},
          std::tuple{"plain.sdb", "", QByteArray("just a file"), "", "not a collection package"},
          std::tuple{"Garbage.sdb", "/spinora.db", QByteArray(5000, 'x'), "", "not a database"},
          std::tuple{"Cut.sdb", "/spinora.db", whole.left(whole.size() / 2), "", "could not be opened"},
          std::tuple{"Future.sdb", "", QByteArray(), "UPDATE version SET version_num=4", "newer version of Spinora"},
          std::tuple{"NoLogs.sdb", "", QByteArray(), "DROP TABLE log", "no such table: log"}}) {
        SCOPED_TRACE(name);
        const QString path = folder.file(name);
        if (*sql) {
            expectOk(newCollection(path, true)->close());
            execSql(path + "/spinora.db", sql);
        } else {
            if (*inside)
                QDir().mkpath(path);
            writeFile(path + inside, bytes);
        }
        expectRefusedUnchanged(path, reason);
    }
}

TEST_F(BadPackage, AReadOnlyPackageIsRefused)
{
    const QString path = folder.file("Locked.sdb");
    expectOk(newCollection(path)->close());
    ASSERT_EQ(chmod(QFile::encodeName(path + "/spinora.db").constData(), 0444), 0);
    expectRefusedUnchanged(path, "read-only");
    ASSERT_EQ(chmod(QFile::encodeName(path + "/spinora.db").constData(), 0644), 0);
    ASSERT_EQ(chmod(QFile::encodeName(path).constData(), 0555), 0);
    expectRefusedUnchanged(path, "read-only");
    chmod(QFile::encodeName(path).constData(), 0755);
}
