// spinora-cli as a script would use it: exit codes, stdout and stderr.
#include "CliRunner.h"
#include "CollectionDump.h"
#include "TestSupport.h"

#include "FileHelpers.h"
#include "SqlConnection.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>

#include <algorithm>
#include <csignal>

#include <gtest/gtest.h>

using namespace spinora::test;

TEST(Cli, NewThenInfoCountsTheTemplatesRecordsAndNeitherOverwritesNorCreates)
{
    TempFolder folder;
    const QString path = folder.file("Garden.sdb");
    EXPECT_EQ(cli({"new", path}).exitCode, 0);
    const CliRun info = cliOk({"info", path});
    for (const char* line : {"schema: 3\n", "cacti: 0\n", "watering: 0\n", "logs: 0\n", "events: 6\n", "images: 0\n"})
        EXPECT_TRUE(info.out.contains(line)) << line << info.out.toStdString();
    EXPECT_TRUE(info.out.contains(QRegularExpression("species: [1-9][0-9]\n")));

    cliOk({"new", folder.file("Bare.sdb"), "--empty"});
    EXPECT_TRUE(cli({"info", folder.file("Bare.sdb")}).out.contains("species: 0\n"));

    const TreeSnapshot before = snapshot(path);
    const CliRun again = cli({"new", path});
    EXPECT_EQ(again.exitCode, 1);
    EXPECT_TRUE(again.err.contains("already exists"));
    EXPECT_EQ(snapshot(path), before);
    EXPECT_EQ(cli({"new", folder.file("NoExtension")}).exitCode, 2);

    // Info of something else fails with one line and changes nothing.
    writeFile(folder.file("fake.sdb"), "x");
    const CliRun file = cli({"info", folder.file("fake.sdb")});
    EXPECT_EQ(file.exitCode, 1);
    EXPECT_EQ(file.err.count('\n'), 1) << file.err.toStdString();
    EXPECT_EQ(readFile(folder.file("fake.sdb")), QByteArray("x"));
}

TEST(Cli, SampleAndListInTheCollectionsOrder)
{
    TempFolder folder;
    const QString path = folder.file("S.sdb");
    ASSERT_EQ(cli({"sample", path, "--cacti", "5", "--watering", "2", "--logs", "7", "--photos", "2"}).exitCode, 0);
    const CliRun cacti = cliOk({"list", path, "cacti"});
    QStringList lines = cacti.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 5);
    QStringList names;
    for (const QString& line : lines) {
        EXPECT_EQ(line.count('\t'), 6);
        names << line.section('\t', 0, 0);
    }
    EXPECT_TRUE(std::is_sorted(names.begin(), names.end())) << names.join(' ').toStdString();
    EXPECT_EQ(cli({"list", path, "watering"}).out.count('\n'), 2);
    EXPECT_EQ(cli({"list", path, "logs"}).out.count('\n'), 7);
    EXPECT_EQ(cli({"list", path, "plants"}).exitCode, 2);
    // --help itself is read by the packaging test (the manual pages are made from it).
    EXPECT_EQ(cli({"frobnicate"}).exitCode, 2); // an unknown subcommand is a usage error
}

TEST(Cli, NextWateringInTwoTimeZones)
{
    for (const QByteArray& zone : {QByteArray("UTC"), QByteArray("Europe/Berlin"), QByteArray("America/New_York")}) {
        const CliRun r = cli({"next-watering", "--last", "2026-03-28 02:30", "--every", "1", "--unit", "2"}, zone);
        EXPECT_EQ(r.out, QString("2026-03-29 %1\n").arg(zone == "Europe/Berlin" ? "03:30" : "02:30"))
            << zone.constData();
    }
    EXPECT_EQ(cli({"next-watering", "--last", "2026-05-01 08:00", "--every", "1", "--unit", "3", "--no-water",
                   "01-01:12-31"}).out, QString("none\n"));
    EXPECT_EQ(cli({"next-watering", "--last", "yesterday", "--every", "1", "--unit", "3"}).exitCode, 2);
    EXPECT_EQ(cli({"next-watering", "--last", "2026-05-01 08:00", "--every", "1", "--unit", "7"}).exitCode, 2);
    EXPECT_EQ(cli({"next-watering", "--last", "2026-05-01 08:00", "--every", "1", "--unit", "3", "--no-water",
                   "02-30:03-01"}).exitCode, 2);
}

TEST(Cli, ExportImportCsvAndReportTheirStatus)
{
    TempFolder folder;
    const QString source = folder.file("S.sdb");
    const QString target = folder.file("T.sdb");
    ASSERT_EQ(cli({"sample", source, "--cacti", "4", "--photos", "2"}).exitCode, 0);
    ASSERT_EQ(cli({"new", target, "--empty"}).exitCode, 0);
    const CliRun exported = cliOk({"export-sdbi", source, folder.file("s.sdbi"), "--type", "1"});
    EXPECT_TRUE(exported.out.contains("status: 0"));
    EXPECT_TRUE(exported.err.contains("progress: 50%"));
    cliOk({"import", target, folder.file("s.sdbi"), "--type", "1"});
    EXPECT_TRUE(cli({"info", target}).out.contains("cacti: 4\n"));

    writeFile(folder.file("bad.sdbi"), "not a database");
    const TreeSnapshot before = snapshot(target);
    const CliRun failed = cli({"import", target, folder.file("bad.sdbi")});
    EXPECT_EQ(failed.exitCode, 1);
    EXPECT_TRUE(failed.out.contains("status: 2"));
    EXPECT_FALSE(failed.err.isEmpty());
    EXPECT_EQ(snapshot(target), before);

    EXPECT_EQ(cli({"import", target, target}).exitCode, 2); // never from itself
    EXPECT_EQ(cli({"export-sdbi", target, target + "/inside.sdbi"}).exitCode, 2);
    EXPECT_EQ(cli({"export-sdbi", source, folder.file("x.sdbi"), "--type", "4"}).exitCode, 2);

    EXPECT_EQ(cli({"export-csv", source, folder.file("c.csv")}).exitCode, 0);
    EXPECT_EQ(cli({"export-csv", source, folder.file("c.txt")}).exitCode, 2);
    EXPECT_EQ(cli({"export-sdbi", source, folder.file("c.csv")}).exitCode, 2);
    ASSERT_EQ(cli({"new", folder.file("C.sdb"), "--empty"}).exitCode, 0);
    EXPECT_EQ(cli({"import", folder.file("C.sdb"), folder.file("c.csv")}).exitCode, 0);
    EXPECT_TRUE(cli({"info", folder.file("C.sdb")}).out.contains("cacti: 4\n"));
    cliOk({"report", source, folder.file("r.html"), "--size", "3"});
    EXPECT_TRUE(readFile(folder.file("r.html")).contains("width:1165px;"));
    EXPECT_EQ(cli({"report", source, folder.file("r.html"), "--size", "5"}).exitCode, 2);
}

TEST(Cli, AGrowersSpreadsheetImportsGuessedOrMappedAndTheTemplateReimports)
{
    TempFolder folder;
    writeFile(folder.file("g.csv"), "Name,Genus,Species,Acquired,Price,Location,Notes\n"
                                    "Blue,Echinopsis,chiloensis,14/06/2021,\"6,90\",Bench 2,\"nice, blue\"\nRed,,,,lots,,\n");
    const QByteArray plant = "\"Blue\",\"Echinopsis chiloensis\",\"\",\"Cactus\",\"\",\"Never\",\"None Scheduled\",\"\","
                             "\"Retailer\",\"Jun 14, 2021\",\"6.90\",\"0.00\",\"Bench 2\"";
    for (const QStringList& map : {QStringList{}, QStringList{"--map", "Name=name,Genus+Species=scientific,"
                                                                     "Acquired=acquired,Price=price,Location=location"}}) {
        const QString target = folder.file(QString("g%1.sdb").arg(map.size()));
        ASSERT_EQ(cli({"new", target, "--empty"}).exitCode, 0);
        const CliRun run = cli(QStringList{"import", target, folder.file("g.csv")} + map);
        EXPECT_EQ(run.exitCode, 3); // finished, with what it could not read named by the file's line and column
        EXPECT_TRUE(run.out.contains("imported: 2 cacti,") && run.err.contains("Line 3, column 5 (Price): “lots”"))
            << run.err.toStdString();
        cliOk({"export-csv", target, target + ".csv"});
        EXPECT_TRUE(readFile(target + ".csv").contains(plant)) << map.join(QChar(0x20)).toStdString();
    }
    // Saved with a byte-order mark, days in the locale's short form.
    writeFile(folder.file("us.csv"), "\xEF\xBB\xBFName,Acquired\nUS,6/11/2021\n");
    EXPECT_EQ(cli({"import", folder.file("g2.sdb"), folder.file("us.csv")}, {}, {{"LC_ALL", "en_US.UTF-8"}}).exitCode, 0);
    cliOk({"export-csv", folder.file("g2.sdb"), folder.file("us-out.csv")});
    EXPECT_TRUE(readFile(folder.file("us-out.csv"))
                    .contains("\"US\",\"\",\"\",\"Cactus\",\"\",\"Never\",\"None Scheduled\",\"\",\"Retailer\",\"Jun 11, 2021\""));
    writeFile(folder.file("bad.csv"), "Name,Genus,Colour,Pot colour\nA,B,red,blue\n");
    const TreeSnapshot before = snapshot(folder.file("g0.sdb"));
    const CliRun refused = cli({"import", folder.file("g0.sdb"), folder.file("bad.csv")});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.err.contains("placed: “Colour”, “Pot colour”. Give each column its field, for example "
                                     "--map 'Name=name,Genus=scientific,Colour=FIELD,Pot colour=FIELD'"))
        << refused.err.toStdString();
    EXPECT_EQ(snapshot(folder.file("g0.sdb")), before);

    cliOk({"csv-template", folder.file("t.csv")});
    ASSERT_EQ(cli({"new", folder.file("T.sdb"), "--empty"}).exitCode, 0);
    cliOk({"import", folder.file("T.sdb"), folder.file("t.csv")});
    EXPECT_TRUE(cli({"info", folder.file("T.sdb")}).out.contains("cacti: 1\nwatering: 1\nlogs: 1\n"));
}

TEST(Cli, StatsPrintsTheStatisticsWindowsFigures)
{
    TempFolder folder;
    const QString empty = folder.file("E.sdb");
    ASSERT_EQ(cli({"new", empty, "--empty"}).exitCode, 0);
    EXPECT_EQ(cliOk({"stats", empty}).out, "cacti: 0\nwatering: 0\nlogs: 0\nphotos: 0\nspecies: 0\nwatering_due: 0\n"
                        "reminders_due: 0\ntotal_value: 0.00\n");

    const QString sample = folder.file("S.sdb");
    ASSERT_EQ(cli({"sample", sample, "--cacti", "20", "--watering", "3", "--logs", "7", "--photos", "4"}).exitCode, 0);
    // What each figure counts is the statistics window's test.
    const CliRun stats = cliOk({"stats", sample});
    EXPECT_TRUE(stats.out.startsWith("cacti: 20\nwatering: 3\nlogs: 7\nphotos: 4\nspecies: 16\n")) << stats.out.toStdString();

    const CliRun missing = cli({"stats", folder.file("missing.sdb")});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(missing.err.count('\n'), 1);
    EXPECT_EQ(cli({"stats"}).exitCode, 2);
}

// The pages themselves are PrintPdf's and LabelSheetTest's to check.
TEST(Cli, PrintWritesTheListsSheetsAndLabelsAsPdf)
{
    TempFolder folder;
    const QString sample = folder.file("S.sdb");
    ASSERT_EQ(cli({"sample", sample, "--cacti", "30", "--watering", "2", "--logs", "10", "--photos", "5"}).exitCode, 0);
    const TreeSnapshot before = snapshot(sample);
    // 30 plants, 6 to an A4 page and 5 to a Letter page; the search narrows
    // the list as the list's search field would (Plant 20 to Plant 29).
    const QString pdf = folder.file("list.pdf");
    EXPECT_EQ(cliOk({"print", sample, pdf}).out, pdf + ": 5 pages\n");
    EXPECT_EQ(cliOk({"print", sample, pdf, "--page-size", "Letter"}).out, pdf + ": 6 pages\n");
    EXPECT_EQ(cliOk({"print", sample, pdf, "--search", "PLANT 2"}).out, pdf + ": 2 pages\n");
    // Every screen's pages are PrintPdf's; here the options reach it.
    cliOk({"print", sample, folder.file("one.pdf"), "--screen", "3", "--record", "7"});
    // A label for each plant the search finds, 24 to an A4 sheet and 30 to a
    // Letter sheet; the collection is only read.
    const CliRun labels = cli({"labels", sample, folder.file("labels.pdf"), "--layout", "a4-3x8"});
    EXPECT_EQ(labels.out, folder.file("labels.pdf") + ": 30 labels on 2 pages\n") << labels.err.toStdString();
    const CliRun found = cli({"labels", sample, folder.file("found.pdf"), "--search", "PLANT 2", "--layout", "letter-3x10"});
    EXPECT_EQ(found.out, folder.file("found.pdf") + ": 10 labels on 1 page\n") << found.err.toStdString();
    EXPECT_EQ(snapshot(sample), before);
    EXPECT_EQ(cli({"labels", sample, folder.file("x.pdf"), "--layout", "a5"}).exitCode, 2);
    EXPECT_EQ(cli({"labels", sample, folder.file("x.pdf"), "--search", "no such plant"}).exitCode, 1);

    EXPECT_EQ(cli({"print", sample, folder.file("x.pdf"), "--screen", "6"}).exitCode, 2);
    EXPECT_EQ(cli({"print", sample, folder.file("x.pdf"), "--page-size", "A5"}).exitCode, 2);
    EXPECT_EQ(cli({"print", sample, folder.file("x.pdf"), "--record", "3"}).exitCode, 2) << "a list has no record";
    const CliRun missing = cli({"print", sample, folder.file("x.pdf"), "--screen", "4", "--record", "999"});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.err.contains("spinora-cli: the collection has no watering schedule with the key 999\n"))
        << missing.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(folder.file("x.pdf")));
    EXPECT_EQ(cli({"print", sample}).exitCode, 2);
}

// --- One writer per collection, cancels, busy files and export destinations

// Which destinations an export may replace is ExportDestination's to show;
// here --force reaches each command and the message says what would help.
TEST(Cli, ExportsReplaceNothingWithoutForceAndNeverAFolderThatIsNotACollection)
{
    TempFolder folder;
    const QString source = folder.file("S.sdb");
    ASSERT_EQ(cli({"sample", source, "--cacti", "3", "--photos", "1"}).exitCode, 0);

    // "stuff.sdbi" is a folder of the user's, never replaced (ExportDestination): --force is no help.
    QDir().mkpath(folder.file("stuff.sdbi"));
    const CliRun folderRefused = cli({"export-sdbi", source, folder.file("stuff.sdbi"), "--force"});
    EXPECT_EQ(folderRefused.exitCode, 1);
    EXPECT_FALSE(folderRefused.err.contains("--force")) << folderRefused.err.toStdString();

    // Files and collections are replaced with --force only.
    ASSERT_EQ(cli({"new", folder.file("Other.sdb"), "--empty"}).exitCode, 0);
    writeFile(folder.file("old.csv"), "older");
    writeFile(folder.file("r.html"), "older");
    const QList<QStringList> replacing = {{"export-sdbi", source, folder.file("Other.sdb")},
                                          {"export-csv", source, folder.file("old.csv")},
                                          {"report", source, folder.file("r.html")}};
    for (const QStringList& arguments : replacing) {
        const TreeSnapshot before = snapshot(arguments[2]);
        const CliRun refused = cli(arguments);
        EXPECT_EQ(refused.exitCode, 1) << arguments.join(' ').toStdString();
        EXPECT_TRUE(refused.err.contains("Add --force to replace it.")) << refused.err.toStdString();
        EXPECT_TRUE(snapshot(arguments[2]) == before) << arguments.join(' ').toStdString();
        cliOk(arguments + QStringList{"--force"});
    }
    EXPECT_TRUE(cli({"info", folder.file("Other.sdb")}).out.contains("cacti: 3\n"));
    EXPECT_TRUE(readFile(folder.file("r.html")).contains("Cacti Report"));
}

// Whether a cancel at each step of the import lands is the job's own
// business; here a Ctrl-C must reach the job and the exit status and message
// must say what is on disk, also when the signal comes too late to cancel.
// (A second writer while the import is frozen: CoreLock.WhileAnImportRuns...)
TEST(Cli, CtrlCExitsZeroExactlyWhenTheImportLandedAndNeverKillsTheProcess)
{
    TempFolder folder;
    const QString source = folder.file("S.sdb");
    ASSERT_EQ(cli({"sample", source, "--cacti", "300", "--watering", "20", "--logs", "600", "--photos", "3"}).exitCode, 0);
    ASSERT_EQ(cli({"export-sdbi", source, folder.file("s.sdbi")}).exitCode, 0);

    const struct {
        const char* stopAt; // the job is frozen there when interrupted; empty: at "progress: 100%"
        bool lands;
    } interrupts[] = {{"merge", false}, {"commit", true}, {"", true}};
    for (const auto& row : interrupts) {
        SCOPED_TRACE(*row.stopAt ? row.stopAt : "progress: 100%");
        const QString target = folder.file(QStringLiteral("T-%1.sdb").arg(row.stopAt));
        ASSERT_EQ(cli({"new", target, "--empty"}).exitCode, 0);
        const TreeSnapshot before = snapshot(target);
        auto import = startCli({"import", target, folder.file("s.sdbi")}, {}, {{"SPINORA_TEST_STOP_AT", row.stopAt}});
        if (*row.stopAt) {
            ASSERT_TRUE(waitUntilStopped(*import)) << import->readAllStandardError().toStdString();
            ::kill(pid_t(import->processId()), SIGINT);
            ::kill(pid_t(import->processId()), SIGCONT);
        } else {
            QByteArray progress;
            while (import->state() == QProcess::Running && !progress.contains("progress: 100%")) {
                import->waitForReadyRead(50);
                progress += import->readAllStandardError();
            }
            if (import->state() == QProcess::Running)
                ::kill(pid_t(import->processId()), SIGINT);
        }
        ASSERT_TRUE(import->waitForFinished(60000));
        ASSERT_EQ(import->exitStatus(), QProcess::NormalExit);
        const QString out = QString::fromUtf8(import->readAllStandardOutput());
        if (row.lands) {
            EXPECT_EQ(import->exitCode(), 0);
            EXPECT_TRUE(out.contains("status: 0")) << out.toStdString();
            EXPECT_TRUE(cli({"info", target}).out.contains("cacti: 300\n"));
        } else {
            EXPECT_EQ(import->exitCode(), 1);
            EXPECT_TRUE(out.contains("status: 1 (cancelled; nothing was changed)")) << out.toStdString();
            EXPECT_TRUE(snapshot(target) == before);
        }
    }
}

// A crash in the middle of a change (an import) leaves it half in the file, to
// be undone from its journal. Every read-only command refused the collection
// ("attempt to write a readonly database"); on a read-only disk, say so. The
// collection also needs the repairs a writing open makes (a photo whose owner
// is gone, a photo of nobody, no version row): the readers leave them be.
TEST(Cli, ReadOnlyCommandsReadACollectionThatACrashLeftHalfChanged)
{
    TempFolder folder;
    const QString crashed = folder.file("Crashed.sdb");
    ASSERT_EQ(cli({"sample", crashed, "--cacti", "5", "--logs", "300", "--photos", "2"}).exitCode, 0);
    execSql(crashed + "/spinora.db", "UPDATE image SET key=99999 WHERE pk=(SELECT min(pk) FROM image); "
                                     "INSERT INTO image (type, key) VALUES (0, -1); DELETE FROM version;");
    const QStringList rows = dumpRows(crashed + "/spinora.db");
    const QMap<QString, QByteArray> photos = photoFiles(crashed);
    // A writer killed half-way; its small cache has put changed pages into the file.
    EXPECT_EXIT(spinora::Connection::open(crashed + "/spinora.db", spinora::Connection::Mode::ReadWrite, nullptr)
                        ->execute("PRAGMA cache_size=1; BEGIN; UPDATE log SET notes = hex(randomblob(3000))") &&
                    std::raise(SIGKILL),
                ::testing::KilledBySignal(SIGKILL), "");
    ASSERT_TRUE(QFileInfo::exists(crashed + "/spinora.db-journal"));

    const QList<QStringList> commands = {{"info", "@"}, {"list", "@", "logs"}, {"due", "@"}, {"stats", "@"},
                                         {"export-sdbi", "@", "@.sdbi"}, {"export-csv", "@", "@.csv"},
                                         {"report", "@", "@.html"}, {"print", "@", "@.pdf"}, {"labels", "@", "@.pdf"}};
    for (QStringList arguments : commands) {
        const QString copy = folder.file(arguments[0] + ".sdb");
        ASSERT_TRUE(spinora::FileHelpers::copyFolder(crashed, copy));
        const CliRun run = cli(arguments.replaceInStrings("@", copy));
        EXPECT_EQ(run.exitCode, 0) << arguments.join(' ').toStdString() << ": " << run.err.toStdString();
        EXPECT_EQ(dumpRows(copy + "/spinora.db"), rows) << arguments[0].toStdString();
        EXPECT_EQ(photoFiles(copy), photos) << arguments[0].toStdString();
    }
    EXPECT_TRUE(cli({"info", folder.file("info.sdb")}).out.contains("images: 1\n"));
    // Nothing listens there: the push fails at sending, not at reading.
    const CliRun push = cli({"push", folder.file("info.sdb"), "--to", "http://127.0.0.1:9/"});
    EXPECT_NE(push.exitCode, 0);
    EXPECT_FALSE(push.err.contains("readonly")) << push.err.toStdString();
    EXPECT_EQ(dumpRows(folder.file("info.sdb/spinora.db")), rows);

    const QString readOnly = folder.file("ReadOnly.sdb");
    ASSERT_TRUE(spinora::FileHelpers::copyFolder(crashed, readOnly));
    QFile::setPermissions(readOnly + "/spinora.db", QFileDevice::ReadOwner);
    QFile::setPermissions(readOnly, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const TreeSnapshot before = snapshot(readOnly);
    const CliRun refused = cli({"info", readOnly});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.err.contains("a change to it was cut short when Spinora or the computer stopped"));
    EXPECT_TRUE(snapshot(readOnly) == before);
}

TEST(Cli, ADamagedCollectionIsRefusedWithTheWayBackAndARestoreBringsBackEveryRowAndPhoto)
{
    TempFolder folder;
    const QString garden = folder.file("G.sdb");
    const QString backups = folder.file("Backups");
    ASSERT_EQ(cli({"sample", garden, "--cacti", "5", "--photos", "3"}).exitCode, 0);
    const QStringList rows = dumpRows(garden + "/spinora.db");
    const auto photos = photoFiles(garden);
    EXPECT_TRUE(cliOk({"backup", garden, "--to", backups}).out.startsWith("kept "));
    const QJsonArray list =
        QJsonDocument::fromJson(cliOk({"backups", garden, "--in", backups, "--json"}).out.toUtf8()).array();
    ASSERT_EQ(list.size(), 1);
    EXPECT_EQ(list[0].toObject()["plants"].toInt(), 5);
    EXPECT_EQ(list[0].toObject()["photos"].toInt(), 3);

    damageTable(garden + "/spinora.db", "cactus");
    const CliRun refused = cli({"water", garden, "--cactus", "Bishop"});
    EXPECT_EQ(refused.exitCode, 1);
    for (const char* said : {"is damaged", "spinora-cli backups", "spinora-cli restore"})
        EXPECT_TRUE(refused.err.contains(said)) << said << " not in " << refused.err.toStdString();
    const TreeSnapshot damaged = snapshot(garden);
    EXPECT_EQ(cli({"restore", garden, "1999-01-01T00-00-00", "--in", backups}).exitCode, 1);
    EXPECT_EQ(snapshot(garden), damaged);

    cliOk({"restore", garden, list[0].toObject()["name"].toString(), "--in", backups});
    EXPECT_EQ(dumpRows(garden + "/spinora.db"), rows);
    EXPECT_EQ(photoFiles(garden), photos);
    const QStringList listed = cliOk({"backups", garden, "--in", backups}).out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(listed.size(), 2);
    EXPECT_TRUE(listed[0].contains("\trestore\t") && listed[0].endsWith("\tdamaged")) << listed[0].toStdString();
}
