// Interchange files and collection-to-collection transfer on real files:
// round trips of every record and photo, the export types, the merge rules,
// and failed, cancelled and killed imports that must leave the collection
// exactly as it was.
#include "CliRunner.h"
#include "CollectionDump.h"
#include "ExchangeTestSupport.h"
#include "PackageCommit.h"
#include "RecordBuilders.h"
#include "SampleCollection.h"
#include "TestSupport.h"
#include "UndoHistory.h"
#include "UndoWorkArea.h"
#include "WorkFiles.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

using namespace spinora;
using namespace spinora::test;

namespace {

class Interchange : public ::testing::Test {
protected:
    void SetUp() override
    {
        sourcePath = folder.file("Source.sdb");
        source = newCollection(sourcePath);
        EXPECT_TRUE(SampleCollection::fill(*source, SampleSize{8, 3, 12, 6, 300}).ok());
        Log* log = source->logs().front().get();
        Image* logPhoto = addPhoto(*source, Image::kLogPhoto, log->primaryKey(), 0, SampleCollection::drawPhoto(99, 200));
        logPhoto->setCaption("log photo");
        log->addImage(logPhoto);

        // Texts a careless importer would lose or choke on.
        auto odd = std::make_unique<Cactus>();
        odd->setName(QStringLiteral("Robert'); DROP TABLE cactus;-- \"quoted\""));
        odd->setCommonName(QStringLiteral("nul") + QChar(0) + QStringLiteral("inside"));
        odd->setScientificName(QStringLiteral("<b>bold</b> & \u00FC\U0001F335"));
        odd->setNotes(QString(1 << 20, QChar('n')));
        // An import adds the species of the plants it brings; the source has it already.
        expectOk(source->addSpecies(std::make_unique<Species>(odd->commonName(), odd->scientificName())));
        expectOk(source->addCactus(std::move(odd)));
        source->mapLogsAndImages();
    }
    std::unique_ptr<SpinoraDatabase> emptyTarget(const QString& name = "Target.sdb")
    {
        return newCollection(folder.file(name), true);
    }
    // The source as "all.sdbi" and a small collection of its own to import
    // it into, for imports that must be taken back.
    std::unique_ptr<SpinoraDatabase> filledTarget()
    {
        EXPECT_EQ(exportTo(*source, folder.file("all.sdbi"), 0), kJobFinished);
        auto target = emptyTarget();
        expectOk(SampleCollection::fill(*target, SampleSize{3, 1, 4, 2, 120}));
        return target;
    }
    // The collection's file and photo files, as they are on disk.
    std::pair<QStringList, QMap<QString, QByteArray>> diskState() const
    {
        return {dumpRows(folder.file("Target.sdb/spinora.db")), photoFiles(folder.file("Target.sdb"))};
    }

    TempFolder folder;
    QString sourcePath;
    std::unique_ptr<SpinoraDatabase> source;
};

// The photo and thumbnail files the document's rows name, sorted.
QStringList filesNamedByRows(SpinoraDatabase& document)
{
    QStringList files;
    for (const auto& image : document.images())
        files << QFileInfo(image->photoFile()).fileName() << QFileInfo(image->thumbnailFile()).fileName();
    files.sort();
    return files;
}

// The photo files of a package but the squares (cut when first shown), sorted.
QStringList photoFilesButSquares(const QString& package)
{
    QStringList files;
    for (const QString& name : QDir(package).entryList(QDir::Files)) {
        if (PackageCommit::isPhotoFileName(name) && !name.endsWith("ct.jpg"))
            files << name;
    }
    files.sort();
    return files;
}

} // namespace

TEST_F(Interchange, CompleteRoundTripGivesBackEveryRecordFieldAndPhotoAndNoEventTwice)
{
    const QString file = folder.file("all.sdbi");
    ASSERT_EQ(exportTo(*source, file, 0), kJobFinished);
    EXPECT_EQ(queryInt(file, "SELECT count(*) FROM image WHERE length(photo) > 0 AND length(thumbnail) > 0"), 7);
    EXPECT_EQ(queryRows(file, "SELECT num_cacti, num_images, app_identifier, CAST(app_version * 10 AS INTEGER) FROM version"),
              QStringList{"9|7|0|12"});
    EXPECT_GT(queryInt(file, "SELECT export_date FROM version"), 1700000000);
    // The collection's own version row records its last export too.
    EXPECT_EQ(queryInt(sourcePath + "/spinora.db", "SELECT num_logs FROM version"), 12);
    EXPECT_FALSE(QFile::exists(WorkFiles::exportDatabase()));

    auto target = emptyTarget();
    ASSERT_EQ(importFrom(*target, file, 0), kJobFinished);
    EXPECT_TRUE(holdsRecords(*target, dumpCollection(*source)));

    // Photos: the same files, byte for byte (no recompression).
    ASSERT_EQ(target->images().size(), source->images().size());
    for (size_t i = 0; i < target->images().size(); ++i) {
        Image& copy = *target->images()[i];
        Image& original = *source->images()[i];
        EXPECT_EQ(readFile(copy.photoFile()), readFile(original.photoFile()));
        EXPECT_EQ(readFile(copy.thumbnailFile()), readFile(original.thumbnailFile()));
        // The square thumbnail is cut when it is first needed.
        EXPECT_FALSE(QFile::exists(copy.croppedThumbnailFile()));
        EXPECT_TRUE(copy.photoFile().startsWith(folder.file("Target.sdb")));
    }
    // Nothing is left in the work folder.
    EXPECT_TRUE(QDir(WorkFiles::folder()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot).isEmpty());

    // Into a collection that has the template's events, no event name comes twice.
    auto withEvents = newCollection(folder.file("WithEvents.sdb"));
    ASSERT_EQ(importFrom(*withEvents, file, 0), kJobFinished);
    QStringList names;
    for (const auto& event : withEvents->events())
        names << event->name();
    EXPECT_EQ(names.count("Repotted"), 1);
    EXPECT_EQ(names.removeDuplicates(), 0);
}

// A file of a part carries only the tables of its kinds. Packages of a part
// dropped the other tables too, so that no program could open them: those
// tables are there now, empty. Each package carries the photo files of its
// kinds (imports from packages: see SourcePackage). A part is imported only
// as what it is.
TEST_F(Interchange, PartialExportsCarryOnlyTheirKindsAndPackagesOpenAsCollections)
{
    struct Case {
        int type;
        int cacti, watering, images, logs; // rows in the file; -1: table dropped
        qsizetype photoFiles;               // in the package; type 0: the log photo's too
    };
    for (const Case c : {Case{0, 9, 3, 7, 12, 21}, Case{1, 9, 3, 6, -1, 18}, Case{2, 9, -1, 6, -1, 18},
                         Case{3, -1, 3, -1, -1, 0}}) {
        SCOPED_TRACE(c.type);
        const QString file = folder.file(QStringLiteral("type%1.sdbi").arg(c.type));
        ASSERT_EQ(exportTo(*source, file, c.type), kJobFinished);
        EXPECT_EQ(queryInt(file, "SELECT count(*) FROM cactus"), c.cacti);
        EXPECT_EQ(queryInt(file, "SELECT count(*) FROM watering"), c.watering);
        EXPECT_EQ(queryInt(file, "SELECT count(*) FROM image"), c.images);
        EXPECT_EQ(queryInt(file, "SELECT count(*) FROM log"), c.logs);
        // The counts are those of the whole collection.
        EXPECT_EQ(queryRows(file, "SELECT num_watering, num_logs FROM version"), QStringList{"3|12"});

        const QString package = folder.file(QStringLiteral("Part%1.sdb").arg(c.type));
        ASSERT_EQ(exportTo(*source, package, c.type), kJobFinished);
        EXPECT_EQ(QDir(package).entryList({"*.jpg"}, QDir::Files).size(), c.photoFiles);
        auto part = openCollection(package);
        const auto rows = [](int count) { return size_t(std::max(count, 0)); };
        EXPECT_EQ(std::tuple(part->cacti().size(), part->watering().size(), part->logs().size()),
                  std::tuple(rows(c.cacti), rows(c.watering), rows(c.logs)));
        expectOk(part->close());
    }
    // Only "sdbi" and "SDBI" make a file; any other spelling a package.
    ASSERT_EQ(exportTo(*source, folder.file("Odd.Sdbi"), 0), kJobFinished);
    EXPECT_TRUE(QFileInfo(folder.file("Odd.Sdbi")).isDir());
    ASSERT_EQ(exportTo(*source, folder.file("UPPER.SDBI"), 0), kJobFinished);
    EXPECT_TRUE(QFileInfo(folder.file("UPPER.SDBI")).isFile());

    // A schedules-only file needs the schedules import: another is refused and changes nothing.
    auto target = emptyTarget();
    const TreeSnapshot before = snapshot(target->packageFilename());
    EXPECT_EQ(importFrom(*target, folder.file("type3.sdbi"), 1), kJobFailed);
    EXPECT_FALSE(lastJob().error.isEmpty());
    EXPECT_EQ(snapshot(target->packageFilename()), before);
    ASSERT_EQ(importFrom(*target, folder.file("type3.sdbi"), 3), kJobFinished);
    EXPECT_EQ(std::tuple(target->watering().size(), target->cacti().size()), std::tuple(3u, 0u));
}

TEST_F(Interchange, CancellingAPackageExportLeavesNoPackage)
{
    for (int i = 0; i < 40; ++i)
        addPhoto(*source, Image::kCactusPhoto, source->cacti().front()->primaryKey(), -1, SampleCollection::drawPhoto(i, 64));
    EXPECT_EQ(exportTo(*source, folder.file("Cancelled.sdb"), 0,
                       [](double percent, JobContext& context) {
                           if (percent >= 75)
                               context.cancel();
                       }),
              kJobCancelled);
    EXPECT_TRUE(QDir(folder.path()).entryList({"Cancelled.sdb*"}, QDir::AllEntries).isEmpty());
    // After a cancelled export the device snapshot still carries every photo.
    const ExportRequest copy = ExportJob::deviceCopy(*source);
    JobContext context;
    ASSERT_EQ(ExportJob::run(copy, context), kJobFinished);
    EXPECT_EQ(queryInt(copy.destination, "SELECT count(*) FROM image WHERE photo IS NOT NULL"), 47);
}

TEST_F(Interchange, AMissingThumbnailFileLeavesThatRowsBlobsAsTheyWere)
{
    Image* image = source->images().front().get();
    QFile::remove(image->thumbnailFile());
    const QString file = folder.file("partial.sdbi");
    ASSERT_EQ(exportTo(*source, file, 0), kJobFinished);
    EXPECT_EQ(queryInt(file, QStringLiteral("SELECT photo IS NULL FROM image WHERE pk=%1").arg(image->primaryKey())), 1);
    EXPECT_EQ(queryInt(file, "SELECT count(*) FROM image WHERE photo IS NOT NULL"), 6);
}

TEST_F(Interchange, CactiOnlyImportedTwiceGivesEveryPlantTwiceWithoutSchedules)
{
    const QString file = folder.file("cacti.sdbi");
    ASSERT_EQ(exportTo(*source, file, 2), kJobFinished);
    auto target = emptyTarget();
    ASSERT_EQ(importFrom(*target, file, 2), kJobFinished);
    ASSERT_EQ(importFrom(*target, file, 2), kJobFinished);
    // Plants, photos, schedules.
    EXPECT_EQ(std::tuple(target->cacti().size(), target->images().size(), target->watering().size()),
              std::tuple(18u, 12u, 0u));
    std::set<int64_t> keys;
    for (const auto& cactus : target->cacti()) {
        keys.insert(cactus->primaryKey());
        EXPECT_LE(cactus->wateringKey(), 0) << cactus->name().toStdString(); // on no schedule
        // Each plant's photos came along, under new keys, linked to the new plants.
        for (Image* photo : cactus->images())
            EXPECT_EQ(photo->linkedKey(), cactus->primaryKey());
    }
    EXPECT_EQ(keys.size(), 18u);
}

TEST_F(Interchange, KeysThatPointNowhereAndNegativeCountsAreHarmless)
{
    const QString file = folder.file("odd.sdbi");
    ASSERT_EQ(exportTo(*source, file, 0), kJobFinished);
    execSql(file, "UPDATE cactus SET watering_key=424242; UPDATE log SET cactus_key=99999; "
                  "UPDATE image SET key=77777 WHERE type=0; "
                  "UPDATE version SET num_cacti=-5, num_images=-100000, num_logs=-1");
    auto target = emptyTarget();
    auto outsideTarget = [this] {
        TreeSnapshot all = snapshot(folder.path());
        for (const QString& key : all.keys())
            if (key.startsWith("Target.sdb/"))
                all.remove(key);
        return all;
    };
    const TreeSnapshot outside = outsideTarget();
    const JobRun job = importFrom(*target, file, 0);
    ASSERT_EQ(job, kJobFinished);
    EXPECT_EQ(outsideTarget(), outside); // nothing written beside the collection
    EXPECT_TRUE(std::ranges::all_of(job.progress, [](double percent) { return percent >= 0 && percent <= 100; }));
    for (const auto& cactus : target->cacti()) {
        EXPECT_EQ(cactus->wateringKey(), 0);
        EXPECT_EQ(cactus->water(), nullptr);
        EXPECT_TRUE(cactus->images().empty());
    }
    for (const auto& log : target->logs())
        EXPECT_EQ(log->cactus(), nullptr);
    // Orphaned photos are dropped with their files at the link step.
    EXPECT_EQ(target->images().size(), 1u); // the log's photo
}

// --- Imports that must change nothing (refused files: see RefusedImport;
// cancelled ones: see CoreLock.ACancelAtAnyProgressStepIsReportedExactlyAsWhatHappened)

using FailedImport = ImportIntoKeptCollection;

TEST_F(FailedImport, TheDeviceRestoreReplacesTheCollectionAndOurPhotosButNoFileOfTheUsers)
{
    // Not a failure: the complete import from the device replaces everything
    // but the files whose extension is not exactly "jpg".
    const QString package = target->packageFilename();
    const QStringList usersFiles{"Holiday.JPG", "scan.Jpg", "notes.jpeg"};
    for (const QString& name : usersFiles)
        writeFile(package + "/" + name, name.toUtf8());
    ASSERT_EQ(importFrom(*target, file, 0, {}, true), kJobFinished);
    for (const QString& name : usersFiles)
        EXPECT_EQ(readFile(package + "/" + name), name.toUtf8());
    EXPECT_EQ(target->cacti().size(), source->cacti().size());
    EXPECT_EQ(target->images().size(), source->images().size());
    const QStringList named = filesNamedByRows(*target);
    EXPECT_EQ(photoFilesButSquares(package), named); // the old photo files are gone
    // Any square there belongs to a photo of now.
    for (const QString& square : QDir(package).entryList({"*ct.jpg"}, QDir::Files))
        EXPECT_TRUE(named.contains(QString(square).replace("ct.jpg", ".jpg"))) << square.toStdString();
    // The default species of the template stay, with those of the file.
    EXPECT_GT(target->species().size(), 30u);
}

// A process killed in the middle of the merge or of the final move leaves a
// collection that opens with exactly what it held.
class KilledImport : public FailedImport, public ::testing::WithParamInterface<const char*> {};

TEST_P(KilledImport, LeavesTheCollectionAsItWasAndTheNextImportRemovesItsPhotos)
{
    const QString path = target->packageFilename();
    expectOk(target->close());
    target.reset();
    const CliRun run = cli({"import", path, file, "--type", "0"}, {}, {{"SPINORA_TEST_CRASH_AT", GetParam()}});
    EXPECT_EQ(run.exitCode, -1) << "not a crash: " << run.err.toStdString();

    target = openCollection(path);
    EXPECT_TRUE(holdsRecords(*target, dumpBefore));
    // Every file the collection had is still there, unchanged.
    expectOk(target->close());
    const TreeSnapshot after = snapshot(path);
    for (auto it = before.begin(); it != before.end(); ++it)
        EXPECT_EQ(after.value(it.key()), it.value()) << it.key().toStdString();
    // The next import works and cleans up after the dead one: the photo
    // files it left (those that no row names) are removed, not the user's
    // file that only looks similar.
    target = openCollection(path);
    if (QByteArray(GetParam()) == "move") {
        ASSERT_GT(photoFilesButSquares(path).size(), filesNamedByRows(*target).size()); // the dead job's photos
    }
    writeFile(path + "/sp-999.JPG", "mine");
    ASSERT_EQ(importFrom(*target, file, 0), kJobFinished);
    EXPECT_EQ(target->cacti().size(), 4u + source->cacti().size());
    EXPECT_EQ(photoFilesButSquares(path), filesNamedByRows(*target));
    EXPECT_TRUE(QFile::exists(path + "/sp-999.JPG"));
}

INSTANTIATE_TEST_SUITE_P(AtEachStage, KilledImport, ::testing::Values("merge", "move"));

// "Undo Import": the collection's file and photo files are exactly what they
// were before the import, and Redo brings the import back; merging and
// replacing alike.
class UndoneImport : public Interchange, public ::testing::WithParamInterface<bool> {};

TEST_P(UndoneImport, GivesBackTheCollectionsFileAndPhotosExactly)
{
    const bool replacing = GetParam();
    auto target = filledTarget();
    UndoHistory history(*target);
    const auto before = diskState();
    const QStringList recordsBefore = dumpCollection(*target);

    // Through the import job itself: it keeps the snapshot when it is
    // prepared and pushes the step when its result lands.
    target->setUndoHistory(&history);
    ASSERT_EQ(importFrom(*target, folder.file("all.sdbi"), 0, {}, replacing), kJobFinished);
    const auto after = diskState();
    ASSERT_NE(after, before);
    // The window's records are what the file now holds.
    SpinoraDatabase onDisk;
    onDisk.setReadOnly(true);
    ASSERT_TRUE(onDisk.readFromURL(target->packageFilename()));
    EXPECT_EQ(dumpCollection(*target), dumpCollection(onDisk));
    expectOk(onDisk.close());

    expectOk(history.undo());
    EXPECT_EQ(diskState(), before) << dumpDifference(before.first, diskState().first);
    EXPECT_EQ(dumpCollection(*target), recordsBefore);
    expectOk(history.redo());
    EXPECT_EQ(diskState(), after);
    expectOk(history.undo());
    expectOk(target->close());
    EXPECT_EQ(diskState(), before);
    EXPECT_FALSE(QFileInfo::exists(UndoWorkArea::folder(folder.file("Target.sdb"))));
}

// An import whose collection could not be read back after its commit left
// the old records in the window while its step was recorded as landed.
TEST_F(Interchange, AnImportThatCannotBeReadBackIsTakenBack)
{
    auto target = filledTarget();
    UndoHistory history(*target);
    target->setUndoHistory(&history);
    const auto before = diskState();
    const QStringList records = dumpCollection(*target);
    // Once the import has committed, its collection cannot be read.
    const JobRun run = importFrom(*target, folder.file("all.sdbi"), 0, [&](double percent, JobContext&) {
        if (percent >= 100)
            execSql(folder.file("Target.sdb/spinora.db"), "DROP TABLE IF EXISTS species");
    });
    EXPECT_EQ(run.status, kJobFailed);
    EXPECT_TRUE(run.error.contains("could not be read again")) << run.error.toStdString();
    EXPECT_EQ(diskState(), before);
    EXPECT_EQ(dumpCollection(*target), records);
    EXPECT_FALSE(history.canUndo());
    expectOk(target->close());
}

INSTANTIATE_TEST_SUITE_P(MergingAndReplacing, UndoneImport, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Replacing" : "Merging"; });
