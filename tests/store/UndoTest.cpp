// The collection window's history on real packages: each step undone and
// redone gives back every row (same keys) and every photo file byte for
// byte, in memory and in the file; failed undos change nothing; the
// work area is bounded and cleaned up after a crash.
#include "Backups.h"
#include "CollectionDump.h"
#include "FaultInjection.h"
#include "FileHelpers.h"
#include "MarkAsWatered.h"
#include "RecordBuilders.h"
#include "SpinoraDatabase.h"
#include "TestSupport.h"
#include "UndoHistory.h"
#include "UndoWorkArea.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace spinora;
using namespace spinora::test;

namespace {

// What the package holds: every row, and the photo files.
struct PackageState {
    QStringList rows;
    QMap<QString, QByteArray> photos;
    QStringList records; // the records in memory, with their links
    bool operator==(const PackageState&) const = default;
};

class Undo : public CollectionTest {
public:
    using CollectionTest::document; // for the commands below
    void SetUp() override
    {
        weekly = addSchedule(*document, "Weekly");
        plant = addPlant("Astrophytum", weekly);
        addPlant("Mammillaria", weekly);
        addPhoto(Image::kCactusPhoto, plant->primaryKey(), 0);
        for (int i = 0; i < 2; ++i) {
            Log* added = addLog(*document, plant, i ? "Flowered" : "Repotted", localSeconds(2024, 3 + i, 10));
            added->setNotes(QStringLiteral("note %1").arg(i));
            expectOk(added->save());
            added->addImage(addPhoto(Image::kLogPhoto, added->primaryKey(), 0));
        }
        plant->addImage(document->images().front().get());
        document->mapLogsAndImages();
        history = std::make_unique<UndoHistory>(*document);
    }

    Cactus* addPlant(const QString& name, Water* schedule) { return test::addPlant(*document, name, schedule); }
    Image* addPhoto(int64_t type, int64_t key, int hue)
    {
        return test::addPhoto(*document, type, key, hue, gradientImage(64 + 8 * int(document->images().size()), 48));
    }
    PackageState state()
    {
        return {dumpRows(db()), photoFiles(path), dumpCollection(*document)};
    }

    std::unique_ptr<UndoHistory> history;
    Water* weekly = nullptr;
    Cactus* plant = nullptr;
};

// One command of the window, as the lists, the editors and Mark as Watered run it.
struct Command {
    const char* name;
    const char* title;
    std::function<Result<>(Undo&)> run;
};

class UndoEachCommand : public Undo, public ::testing::WithParamInterface<Command> {};

} // namespace

TEST_P(UndoEachCommand, UndoGivesBackTheCollectionAndRedoTheCommand)
{
    const Command& command = GetParam();
    const PackageState before = state();
    expectOk(UndoHistory::run(*document, command.title, [&] { return command.run(*this); }));
    const PackageState after = state();
    ASSERT_NE(after, before);
    ASSERT_EQ(history->undoTitle(), command.title);
    for (int round = 0; round < 2; ++round) {
        expectOk(history->undo());
        EXPECT_EQ(state(), before) << dumpDifference(before.records, state().records)
                                   << dumpDifference(before.rows, state().rows);
        EXPECT_EQ(history->redoTitle(), command.title);
        expectOk(history->redo());
        EXPECT_EQ(state(), after) << dumpDifference(after.records, state().records);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Commands, UndoEachCommand,
    ::testing::Values(
        Command{"DeleteCactus", "Delete Cactus", [](Undo& t) { return t.document->removeCactus(t.plant); }},
        Command{"DeleteSchedule", "Delete Watering Schedule", [](Undo& t) { return t.document->removeWater(t.weekly); }},
        Command{"DeleteLogs", "Delete Logs",
                [](Undo& t) {
                    const std::vector<Log*> logs = t.plant->logs();
                    for (Log* log : logs)
                        expectOk(t.document->removeLog(log));
                    return Result<>();
                }},
        // What an editor's OK writes: every field, a new schedule, a new photo.
        Command{"EditEveryField", "Edit Cactus",
                [](Undo& t) {
                    Cactus& c = *t.plant;
                    expectOk(c.hydrate());
                    setEveryField(c, "Renamed", localSeconds(2024, 5, 1, 9));
                    Water* monthly = addSchedule(*t.document, "Monthly");
                    t.weekly->removeCactus(&c);
                    c.setWater(monthly);
                    c.setWateringKey(monthly->primaryKey());
                    monthly->addCactus(&c, t.document->sortOrder());
                    c.addImage(t.addPhoto(Image::kCactusPhoto, c.primaryKey(), 1));
                    expectOk(t.document->addSpecies(std::make_unique<Species>(c.commonName(), c.scientificName())));
                    return Result<>();
                }},
        Command{"MarkAsWatered", "Mark as Watered",
                [](Undo& t) {
                    return markAsWatered(*t.document, WateredRecords{{t.weekly}, {}}, localSeconds(2024, 6, 1, 8));
                }}),
    [](const ::testing::TestParamInfo<Command>& info) { return std::string(info.param.name); });

TEST_F(Undo, AnUndoThatNoLongerFitsChangesNothingAndKeepsTheStep)
{
    const int64_t key = plant->primaryKey();
    expectOk(UndoHistory::run(*document, "Delete Cactus", [&] { return document->removeCactus(plant); }));
    // Another program made a plant with the deleted plant's key meanwhile.
    execSql(db(), QStringLiteral("INSERT INTO cactus (pk, name) VALUES (%1, 'Intruder')").arg(key));
    const QStringList rows = dumpRows(db());
    const Result<> undone = history->undo();
    ASSERT_FALSE(undone.ok());
    EXPECT_TRUE(undone.failure().message().contains("could not be undone")) << undone.failure().logLine().toStdString();
    EXPECT_EQ(dumpRows(db()), rows);
    EXPECT_TRUE(history->canUndo());
    EXPECT_EQ(test::plantNamed(*document, "Astrophytum"), nullptr);
}

TEST_F(Undo, TheHistoryDropsItsOldestStepsBeyondItsBounds)
{
    history->setLimits(2, UndoHistory::kMaxKeptBytes);
    for (const char* name : {"A", "B", "C"})
        expectOk(UndoHistory::run(*document, QStringLiteral("Add ") + name, [&] {
            addPlant(name, weekly);
            return Result<>();
        }));
    EXPECT_EQ(std::tuple(history->stepCount(), history->undoTitle()), std::tuple(2u, QString("Add C")));
    // The photos a delete keeps count; the newest step always stays.
    history->setLimits(10, 1);
    expectOk(UndoHistory::run(*document, "Delete Cactus", [&] { return document->removeCactus(plant); }));
    EXPECT_EQ(history->stepCount(), 1u);
    EXPECT_GT(history->keptBytes(), 0);
    expectOk(history->undo());
    EXPECT_EQ(photoFiles(path).size(), 9);
}

TEST_F(Undo, AfterACrashTheNextWritingOpenPutsBackUncommittedPhotosAndClearsTheWorkArea)
{
    // A step died before its commit: its row is there, its files were moved aside.
    const int64_t key = plant->images().front()->primaryKey();
    writeFile(plant->images().front()->originalFile(), jpegBytes(gradientImage(64, 48)));
    const QMap<QString, QByteArray> photos = photoFiles(path);
    history.reset();
    document.reset();
    const QString aside = UndoWorkArea::folder(path) + "/step-7/photos";
    QDir().mkpath(aside);
    for (const QString& name : UndoWorkArea::photoFileNames(key))
        ASSERT_TRUE(UndoWorkArea::moveFile(path + "/" + name, aside + "/" + name));
    writeFile(aside + "/sp-999.jpg", "a photo of a committed delete");

    // A read-only open leaves the work area alone.
    auto reader = std::make_unique<SpinoraDatabase>(path);
    reader->setReadOnly(true);
    ASSERT_TRUE(reader->readFromURL(path));
    reader.reset();
    EXPECT_TRUE(QFileInfo::exists(aside + "/sp-999.jpg"));

    document = openCollection(path);
    EXPECT_EQ(photoFiles(path), photos);
    EXPECT_FALSE(QFileInfo::exists(UndoWorkArea::folder(path)));
}

// --- Snapshots: the copies kept for the user, beyond the window's history.

namespace {

class Snapshots : public Undo {
public:
    BackupSet backups() const { return BackupSet(path, settings); }
    static ino_t inode(const QString& file)
    {
        struct stat info {};
        return ::stat(QFile::encodeName(file).constData(), &info) == 0 ? info.st_ino : 0;
    }

    BackupSettings settings{true, QString(), BackupSettings::kDefaultLimitBytes};
    void SetUp() override
    {
        Undo::SetUp();
        settings.folder = folder.file("Backups");
    }
};

} // namespace

TEST_F(Snapshots, ARestoreBringsBackEveryRowAndPhotoByteForByteAfterPhotosWereChangedOrDeleted)
{
    const PackageState before = state();
    Result<Backup> taken = backups().take(*document, "manual");
    ASSERT_TRUE(taken.ok());
    EXPECT_EQ(taken->plants, 2);
    const QMap<QString, QByteArray> kept = photoFiles(taken->packagePath());
    ASSERT_EQ(kept, before.photos);
    for (const QString& name : kept.keys())
        EXPECT_EQ(inode(taken->packagePath() + "/" + name), inode(path + "/" + name)) << "not linked: " << name.toStdString();

    Image* changed = plant->images().front();
    changed->setPhoto(gradientImage(90, 30));
    expectOk(changed->save());
    Log* log = plant->logs().front();
    Image* logPhoto = log->images().front();
    log->removeImage(logPhoto);
    expectOk(document->removeImage(logPhoto));
    expectOk(document->removeCactus(plant));
    EXPECT_EQ(photoFiles(taken->packagePath()), kept);

    Result<Backup> undo = backups().restore(*document, *taken);
    ASSERT_TRUE(undo.ok()) << undo.failure().message().toStdString();
    EXPECT_EQ(undo->plants, 1);
    EXPECT_EQ(state(), before);

    // A snapshot of a collection that lost a photo file cannot give it back.
    QFile::remove(path + "/" + kept.firstKey());
    EXPECT_TRUE(backups().take(*document, "daily")->damaged);
    EXPECT_EQ(backups().newestGood()->folder, undo->folder);
}

TEST_F(Snapshots, ADamagedCollectionIsRefusedAndItsNewestGoodSnapshotBringsItBackWhole)
{
    ASSERT_TRUE(backups().take(*document, "daily").ok());
    history.reset();
    const PackageState before = state();
    reopen();
    document.reset();
    damageTable(db(), "cactus");

    SpinoraDatabase damaged(path);
    const Result<> opened = damaged.readFromURL(path);
    ASSERT_FALSE(opened.ok());
    EXPECT_EQ(opened.failure().cause(), Failure::Cause::Damaged);
    const std::optional<Backup> good = backups().newestGood();
    ASSERT_TRUE(good);

    const Result<Backup> kept = backups().restoreFiles(*good);
    ASSERT_TRUE(kept.ok()) << kept.failure().message().toStdString();
    EXPECT_TRUE(kept->damaged);
    EXPECT_EQ(backups().newestGood()->folder, good->folder);
    document = openCollection(path);
    EXPECT_EQ(state(), before);
}

TEST_F(Snapshots, ASnapshotCutShortAtAnyWriteIsNeverListedAndLeavesTheCollectionAsItWas)
{
    ASSERT_TRUE(backups().take(*document, "daily").ok());
    const PackageState before = state();
    // A snapshot killed after its manifest, before its rename.
    ASSERT_TRUE(FileHelpers::copyFolder(backups().list().front().folder, backups().folder() + "/1999-01-01T00-00-00.partial"));
    FaultInjection faults;
    for (int n = 1;; ++n) {
        faults.arm(n, FaultInjection::Kind::IoError);
        const bool taken = backups().take(*document, "import").ok();
        const int points = faults.points();
        faults.disarm();
        EXPECT_EQ(state(), before) << "write " << n;
        if (taken) {
            EXPECT_LT(points, n);
            break;
        }
        ASSERT_EQ(backups().list().size(), 1u) << "write " << n;
    }
    EXPECT_EQ(backups().list().size(), 2u);
    backups().prune(QDateTime::currentDateTime().addSecs(3601)); // the one cut short goes after an hour
    EXPECT_EQ(QDir(backups().folder()).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size(), 2);
}

TEST_F(Snapshots, PruningKeepsTheLastDayAndOnePerDayWeekAndMonthAndHoldsTheSizeLimit)
{
    // A year of daily snapshots, written as the app writes them.
    const QDateTime now(QDate(2026, 12, 8), QTime(12, 0));
    const auto fake = [&](const BackupSet& set, const QDateTime& taken, qint64 bytes) {
        const QString snapshot = set.folder() + "/" + taken.toString("yyyy-MM-ddTHH-mm-ss");
        QDir().mkpath(snapshot);
        writeFile(snapshot + "/manifest.json", QStringLiteral("{\"taken\": \"%1\"}").arg(taken.toString(Qt::ISODate)).toUtf8());
        writeFile(snapshot + "/spinora.db", QByteArray(bytes, 'x'));
    };
    const BackupSet garden = backups();
    for (int day = 0; day < 400; ++day)
        fake(garden, now.addDays(-day).addSecs(-3600), 10);
    fake(garden, now.addSecs(-7200), 10);
    garden.prune(now);
    std::vector<Backup> left = garden.list();
    EXPECT_LE(left.size(), 24u);
    for (int day = 0; day < 7; ++day)
        EXPECT_EQ(left[day + 1].taken.date(), now.date().addDays(-day)) << day;
    EXPECT_EQ(left[0].taken, now.addSecs(-3600));
    EXPECT_EQ(left[1].taken, now.addSecs(-7200)); // the same day, but within the last day
    EXPECT_LE(left.back().taken.date(), now.date().addMonths(-10)); // this month and the eleven before

    // Over the limit, the oldest of any collection go first; each keeps its newest.
    settings.limitBytes = 1000;
    const BackupSet other(folder.file("Other.sdb"), settings);
    fake(other, now.addDays(-500), 600);
    fake(other, now.addDays(-1), 600);
    BackupSet(path, settings).prune(now);
    EXPECT_EQ(other.list().size(), 1u);
    EXPECT_EQ(other.list().front().taken, now.addDays(-1));
    left = garden.list();
    EXPECT_GT(left.size(), 1u); // the other collection's oldest went before these
    EXPECT_LT(left.size(), 20u);
    EXPECT_EQ(left.front().taken, now.addSecs(-3600));
}
