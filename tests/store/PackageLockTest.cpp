// The writer lock of a collection package within one process (the app
// opening the same collection twice, saving over a collection that is open),
// read-only opens that write nothing, and connections that wait for another
// connection's lock instead of failing. The cross-process cases run with
// spinora-cli in tests/exchange/CoreLockTest.cpp and tests/tools/CliTest.cpp.
#include "PackageCommit.h"
#include "PackageLock.h"
#include "RecordBuilders.h"
#include "TestSupport.h"

#include <QDir>
#include <QElapsedTimer>

#include <gtest/gtest.h>

#include <thread>

using namespace spinora;
using namespace spinora::test;

namespace {

// "Garden.sdb", made from the default template and open for writing.
class WritingOpen : public ::testing::Test {
protected:
    TempFolder folder;
    QString path = folder.file("Garden.sdb");
    std::unique_ptr<SpinoraDatabase> document = newCollection(path);
};

} // namespace

TEST_F(WritingOpen, OpeningACollectionTwiceIsRefusedWithAMessageAndTheFirstDocumentGoesOn)
{
    auto second = std::make_unique<SpinoraDatabase>(path);
    const QString why = failureOf(second->readFromURL(path));
    EXPECT_TRUE(why.contains("Garden.sdb")) << why.toStdString();
    EXPECT_EQ(second->database(), nullptr);
    second.reset();

    // The refusal took nothing from the first document.
    addPlant(*document, "Still mine");
    expectOk(document->close());
    auto again = openCollection(path);
    EXPECT_EQ(again->cacti().size(), 1u);
    EXPECT_FALSE(PackageLock::holder(path).isEmpty());
    expectOk(again->close());
    EXPECT_TRUE(PackageLock::holder(path).isEmpty());
}

TEST_F(WritingOpen, AReadOnlyOpenTakesNoLockAndWritesNothing)
{
    // A row a writing open would remove: a species without names.
    execSql(document->dbFilename(), "INSERT INTO species (name, scientific) VALUES ('', '')");
    const TreeSnapshot before = snapshot(path);

    SpinoraDatabase reader(path);
    reader.setReadOnly(true);
    expectOk(reader.readFromURL(path));
    EXPECT_FALSE(reader.holdsPackageLock());
    EXPECT_TRUE(document->holdsPackageLock());
    EXPECT_FALSE(reader.writeSafelyToURL(folder.file("Copy.sdb")));
    EXPECT_FALSE(QFileInfo::exists(folder.file("Copy.sdb")));
    expectOk(reader.close());
    EXPECT_TRUE(snapshot(path) == before);
}

TEST_F(WritingOpen, TheLockMovesWithASaveAsAndACollectionInUseIsNotSavedOver)
{
    const QString old = path;
    const QString moved = folder.file("New.sdb");
    expectOk(document->writeSafelyToURL(moved));
    EXPECT_EQ(document->packageFilename(), moved);
    // The new place is this document's; the old one is free.
    SpinoraDatabase other(moved);
    EXPECT_TRUE(failureOf(other.readFromURL(moved)).contains("already open in this program"));
    auto oldAgain = openCollection(old);

    // Saving over a collection that is open elsewhere is refused; it stays as it was.
    const TreeSnapshot busy = snapshot(old);
    const QString why = failureOf(document->writeSafelyToURL(old));
    EXPECT_TRUE(why.contains("already open in this program")) << why.toStdString();
    EXPECT_TRUE(snapshot(old) == busy);
    EXPECT_NE(document->database(), nullptr); // still working on its own package
    expectOk(oldAgain->close());
    expectOk(document->writeSafelyToURL(old));
}

TEST(PackageCommit, OnlyOurPhotoFileNamesAreEverTakenForPhotos)
{
    int64_t key = 0;
    EXPECT_TRUE(PackageCommit::isPhotoFileName("sp-12.jpg", &key));
    EXPECT_EQ(key, 12);
    EXPECT_TRUE(PackageCommit::isPhotoFileName("sp-12t.jpg"));
    EXPECT_TRUE(PackageCommit::isPhotoFileName("sp-4294967297ct.jpg", &key));
    EXPECT_EQ(key, 4294967297LL);
    for (const char* name : {"sp-12.JPG", "sp-12.Jpg", "SP-12.jpg", ".spinora.lock", "spinora.db", "sp-.jpg",
                             "sp-12x.jpg", "sp-12.jpg.part", "holiday.jpg"})
        EXPECT_FALSE(PackageCommit::isPhotoFileName(name)) << name;
    // That only the photo files no row names are removed, never a file of the
    // user's: KilledImport and FailedImport.TheDeviceRestore... (InterchangeTest).
}

TEST_F(WritingOpen, AConnectionWaitsForAnotherWritersLockInsteadOfFailing)
{
    const QString db = document->dbFilename();
    expectOk(document->close());
    QString error;
    auto holder = Connection::open(db, Connection::Mode::ReadWrite, &error);
    ASSERT_TRUE(holder->execute("BEGIN EXCLUSIVE", &error)) << error.toStdString();
    std::thread release([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(400));
        holder->execute("COMMIT");
    });
    QElapsedTimer timer;
    timer.start();
    // Opening reads the whole collection while the other connection writes.
    auto reopened = openCollection(path);
    release.join();
    EXPECT_GE(timer.elapsed(), 300);
    EXPECT_LT(timer.elapsed(), Connection::kBusyTimeoutMs);
    EXPECT_GT(reopened->events().size(), 0u);
}

TEST_F(WritingOpen, AFlushWithNothingToWriteNeverWaitsForAReader)
{
    QString error;
    auto reader = Connection::open(document->dbFilename(), Connection::Mode::ReadOnly, &error);
    ASSERT_TRUE(reader->execute("BEGIN; SELECT count(*) FROM cactus;", &error)) << error.toStdString();
    QElapsedTimer timer;
    timer.start();
    expectOk(document->close()); // nothing is dirty: no exclusive lock is asked for
    EXPECT_LT(timer.elapsed(), 1000);
    reader->execute("COMMIT");
}
