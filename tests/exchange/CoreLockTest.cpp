// One writer per collection, a cancel that comes too late, exports that must
// not destroy what is at their destination: each test is named after the
// fault it pins down, on real files and, where two programs meet, with a real
// second process (spinora-cli) frozen half-way through its job.
#include "CliRunner.h"
#include "CollectionDump.h"
#include "ExchangeTestSupport.h"
#include "PackageCommit.h"
#include "PackageLock.h"
#include "SampleCollection.h"
#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

#include <sqlite3.h>

#include <chrono>
#include <csignal>
#include <thread>
#include <sys/types.h>

using namespace spinora;
using namespace spinora::test;

namespace {

// A spinora-cli job frozen at one of its crash points (SIGSTOP) until resumed.
class FrozenJob {
public:
    FrozenJob(const QStringList& arguments, const char* stopAt)
        : process_(startCli(arguments, {}, {{"SPINORA_TEST_STOP_AT", stopAt}}))
    {
    }
    ~FrozenJob()
    {
        if (process_->state() != QProcess::NotRunning) {
            ::kill(pid_t(process_->processId()), SIGKILL);
            process_->waitForFinished(10000);
        }
    }
    // True once the job has reached its stop point.
    bool waitUntilFrozen() { return waitUntilStopped(*process_); }
    // Lets it run to its end; answers the exit code (-1 for a crash).
    int resume()
    {
        ::kill(pid_t(process_->processId()), SIGCONT);
        EXPECT_TRUE(process_->waitForFinished(120000));
        return process_->exitStatus() == QProcess::NormalExit ? process_->exitCode() : -1;
    }
    qint64 pid() const { return process_->processId(); }
    QString output() { return QString::fromUtf8(process_->readAllStandardOutput() + process_->readAllStandardError()); }

private:
    std::unique_ptr<QProcess> process_;
};

// The kept collection, closed, for jobs of a second process.
class CoreLock : public ImportIntoKeptCollection {
protected:
    void SetUp() override
    {
        ImportIntoKeptCollection::SetUp();
        sourceCacti = source->cacti().size();
        targetPath = target->packageFilename();
        targetCacti = target->cacti().size();
        expectOk(target->close());
        target.reset();
    }

    QString targetPath;
    size_t sourceCacti = 0;
    size_t targetCacti = 0;
};

} // namespace

// --- Item: a cancel after the commit point was reported as "cancelled"

TEST_F(CoreLock, ACancelAtAnyProgressStepIsReportedExactlyAsWhatHappened)
{
    // A file with the template's species too, for an import of many steps.
    auto richer = newCollection(folder.file("Richer.sdb"));
    expectOk(SampleCollection::fill(*richer, SampleSize{6, 2, 8, 3, 200}));
    ASSERT_EQ(exportTo(*richer, file, 0), kJobFinished);
    // How many progress steps a whole import has, on a copy.
    const QString whole = folder.file("Whole.sdb");
    ASSERT_TRUE(PackageCommit::copyPackage(targetPath, whole));
    size_t steps = 0;
    {
        auto document = openCollection(whole);
        const JobRun run = importFrom(*document, file, 0);
        ASSERT_EQ(run, kJobFinished);
        steps = run.progress.size();
    }
    ASSERT_GT(steps, 10u);

    int finished = 0, cancelled = 0;
    for (size_t step = 1; step <= steps; ++step) {
        SCOPED_TRACE(step);
        const QString run = folder.file(QStringLiteral("Run%1.sdb").arg(step));
        ASSERT_TRUE(PackageCommit::copyPackage(targetPath, run));
        target = openCollection(run);
        std::atomic<size_t> seen{0};
        const JobRun job = importFrom(*target, file, 0, [&seen, step](double, JobContext& context) {
            if (++seen == step)
                context.cancel();
        });
        ASSERT_TRUE(job.status == kJobFinished || job.status == kJobCancelled) << job.status;
        // What the status says is what is on disk, read back by a new document.
        if (job.status == kJobCancelled) {
            ++cancelled;
            for (double percent : job.progress)
                EXPECT_LT(percent, 100.0); // no "done" after a cancel
            expectKept();
        } else {
            ++finished;
            expectOk(target->close());
            EXPECT_EQ(openCollection(run)->cacti().size(), targetCacti + sourceCacti);
        }
    }
    // The early steps cancel; the steps after the database was swapped cannot.
    EXPECT_GT(cancelled, 5);
    EXPECT_GE(finished, 1);
}

// --- Items: two writers in two processes, one of them lost; a second
// import deleted the work files of the one that ran (imports now keep theirs
// inside their own collection)

TEST_F(CoreLock, WhileAnImportRunsOtherWritersAreRefusedAtOnceAndItsFilesStayUntouched)
{
    FrozenJob first({"import", targetPath, file, "--type", "0"}, "merge");
    ASSERT_TRUE(first.waitUntilFrozen()) << first.output().toStdString();
    const QString staging = targetPath + "/" + PackageCommit::kStagingFolder;
    ASSERT_TRUE(QFileInfo(staging).isDir());
    const TreeSnapshot jobFiles = snapshot(targetPath);

    // This process may read the collection, not change it.
    SpinoraDatabase writer(targetPath);
    const QString why = failureOf(writer.readFromURL(targetPath));
    EXPECT_TRUE(why.contains(QStringLiteral("in use by spinora-cli (process %1)").arg(first.pid()))) << why.toStdString();
    SpinoraDatabase reader(targetPath);
    reader.setReadOnly(true);
    expectOk(reader.readFromURL(targetPath));
    EXPECT_EQ(reader.cacti().size(), targetCacti);
    EXPECT_EQ(PackageLock::holder(targetPath), QStringLiteral("spinora-cli (process %1)").arg(first.pid()));
    expectOk(reader.close());

    // Another collection, this process: it has files of its own and goes ahead.
    auto other = newCollection(folder.file("Other.sdb"), true);
    EXPECT_EQ(importFrom(*other, file, 0), kJobFinished);
    EXPECT_EQ(other->cacti().size(), sourceCacti);

    // The same collection from a third process: refused by the collection's lock.
    const CliRun second = cli({"import", targetPath, file});
    EXPECT_EQ(second.exitCode, 1);
    EXPECT_TRUE(second.err.contains("in use by spinora-cli")) << second.err.toStdString();
    EXPECT_TRUE(snapshot(targetPath) == jobFiles);

    EXPECT_EQ(first.resume(), 0);
    EXPECT_TRUE(PackageLock::holder(targetPath).isEmpty());
    EXPECT_FALSE(QFileInfo::exists(staging));
    auto after = openCollection(targetPath);
    EXPECT_EQ(after->cacti().size(), targetCacti + sourceCacti);
}

// --- Item: writes of other SQLite clients vanished (the import swapped the
// database file by rename; a connection held on the old file wrote on into it)

TEST_F(CoreLock, RowsAnotherProgramCommitsWhileImportsRunAreNeverLost)
{
    auto document = openCollection(targetPath);
    // Another client of the file (a user's script, the sqlite3 shell): it
    // commits row after row and notes each one it was told had committed.
    std::atomic<bool> stop{false};
    std::atomic<int> writes{0};
    std::vector<int> committed;
    std::thread writer([&] {
        QString error;
        auto db = Connection::open(targetPath + "/spinora.db", Connection::Mode::ReadWrite, &error);
        ASSERT_TRUE(db) << error.toStdString();
        sqlite3_busy_timeout(db->handle(), 60000);
        for (int n = 0; !stop; ++n) {
            if (db->execute(QStringLiteral("INSERT INTO species (name, scientific) VALUES ('written by another "
                                           "program', '%1')").arg(n)))
                committed.push_back(n);
            ++writes;
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    });
    // Imports one after another until the other program has written a good
    // many rows meanwhile.
    int rounds = 0;
    for (; rounds < 5 || (writes < 50 && rounds < 100); ++rounds)
        EXPECT_EQ(importFrom(*document, file, rounds % 3), kJobFinished);
    stop = true;
    writer.join();
    expectOk(document->close());

    ASSERT_GE(committed.size(), 50u);
    const QStringList stored =
        queryRows(targetPath + "/spinora.db", "SELECT scientific FROM species WHERE name='written by another program'");
    for (int n : committed)
        EXPECT_TRUE(stored.contains(QString::number(n))) << "row " << n << " was committed and is gone";
    document = openCollection(targetPath);
    EXPECT_EQ(document->cacti().size(), targetCacti + size_t(rounds) * sourceCacti);
}

// --- Item: "Another import or export is running." when the work folder is unusable

TEST_F(CoreLock, AnUnusableWorkFolderIsNamedAsSuchAndOnlyDeviceTransfersNeedIt)
{
    const QString caches = folder.file("caches");
    QDir().mkpath(caches);
    writeFile(caches + "/org.spinora.Spinora", "a file where the work folder belongs");
    const TreeSnapshot before = snapshot(targetPath);
    const CliRun pulled = cli({"pull", targetPath, "--from", "http://127.0.0.1:9"}, {}, {{"XDG_CACHE_HOME", caches}});
    EXPECT_EQ(pulled.exitCode, 1);
    EXPECT_TRUE(pulled.err.contains("is not a folder")) << pulled.err.toStdString();
    EXPECT_FALSE(pulled.err.contains("Another")) << pulled.err.toStdString();
    EXPECT_TRUE(snapshot(targetPath) == before);
    const CliRun imported = cli({"import", targetPath, file}, {}, {{"XDG_CACHE_HOME", caches}});
    EXPECT_EQ(imported.exitCode, 0);
}

// (Photo files orphaned by a crash between the photo move and the swap:
// see KilledImport.)

// --- Item: exports destroyed what was at the destination

class ExportDestination : public CoreLock {
protected:
    void SetUp() override
    {
        CoreLock::SetUp();
        document = openCollection(targetPath);
    }
    void TearDown() override { document.reset(); }
    std::unique_ptr<SpinoraDatabase> document;
};

TEST_F(ExportDestination, WhatIsThereIsReplacedOnlyWhenItIsAnExportAndAllowed)
{
    QDir().mkpath(folder.file("stuff.sdbi/inner"));
    writeFile(folder.file("stuff.sdbi/inner/letter.txt"), "keep me");
    QDir().mkpath(folder.file("docs"));
    writeFile(folder.file("docs/thesis.txt"), "years of work");
    writeFile(folder.file("old.sdbi"), "an older export");
    writeFile(folder.file("old.csv"), "an older export");
    expectOk(newCollection(folder.file("Other.sdb"), true)->close());
    writeFile(folder.file("Other.sdb/sp-999.jpg"), "an old photo");
    auto busy = newCollection(folder.file("Busy.sdb"), true);
    const struct {
        const char* name;
        bool overwriteAllowed;
        const char* reason;
    } refusals[] = {
        {"stuff.sdbi", true, "is a folder"}, // named like an interchange file, never deleted
        {"docs", true, "not a Spinora collection"},
        {"old.sdbi", false, "already exists"},
        {"old.csv", false, "already exists"},
        {"Other.sdb", false, "existing collection"},
        {"Busy.sdb", true, "is a collection in use by"},
    };
    for (const auto& refusal : refusals) {
        SCOPED_TRACE(refusal.name);
        const QString path = folder.file(refusal.name);
        const TreeSnapshot before = snapshot(path);
        const QStringList entries = QDir(path).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
        EXPECT_EQ(exportTo(*document, path, 0, {}, refusal.overwriteAllowed), kJobFailed);
        EXPECT_TRUE(lastJob().error.contains(refusal.reason)) << lastJob().error.toStdString();
        EXPECT_TRUE(snapshot(path) == before);
        EXPECT_EQ(QDir(path).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), entries);
    }
    EXPECT_EQ(busy->cacti().size(), 0u);

    EXPECT_EQ(exportTo(*document, folder.file("old.sdbi"), 0), kJobFinished);
    EXPECT_EQ(queryInt(folder.file("old.sdbi"), "SELECT count(*) FROM cactus"), qint64(targetCacti));
    EXPECT_EQ(exportTo(*document, folder.file("Other.sdb"), 0), kJobFinished);
    auto replaced = openCollection(folder.file("Other.sdb"));
    EXPECT_EQ(replaced->cacti().size(), targetCacti);
    EXPECT_FALSE(QFile::exists(folder.file("Other.sdb/sp-999.jpg"))); // replaced whole
}

TEST_F(ExportDestination, TheReportReplacesLinksPlantedAtItsPageAndPhotoFolderInsteadOfWritingThroughThem)
{
    const QString out = folder.file("out");
    const QString outside = folder.file("outside");
    QDir().mkpath(out);
    QDir().mkpath(outside + "/photos");
    writeFile(outside + "/page.html", "not the report's");
    writeFile(outside + "/photos/Spinora.jpg", "not the report's either");
    ASSERT_TRUE(QFile::link(outside + "/page.html", out + "/r.html"));
    ASSERT_TRUE(QFile::link(outside + "/photos", out + "/r_photos"));
    const TreeSnapshot outsideBefore = snapshot(outside);

    auto report = [&](bool overwrite) { return reportTo(*document, out, "r.html", 1, overwrite); };
    EXPECT_EQ(report(false), kJobFailed);
    EXPECT_TRUE(lastJob().error.contains("already exists"));
    EXPECT_EQ(report(true), kJobFinished);

    EXPECT_TRUE(snapshot(outside) == outsideBefore);
    EXPECT_FALSE(QFileInfo(out + "/r.html").isSymLink());
    EXPECT_FALSE(QFileInfo(out + "/r_photos").isSymLink());
    EXPECT_TRUE(readFile(out + "/r.html").contains("Cacti Report"));
    EXPECT_TRUE(QFileInfo(out + "/r_photos/Spinora.jpg").size() > 100);
    // Nothing half-written is left beside them.
    EXPECT_EQ(QDir(out).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList({"r.html", "r_photos"}));
}
