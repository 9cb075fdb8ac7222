// spinora-cli as a script would use it: exit codes, stdout and stderr.
#include "TestSupport.h"

#include <QProcess>
#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace spinora::test;

namespace {

struct Result {
    int exitCode = -1;
    QString out;
    QString err;
};

Result cli(const QStringList& arguments, const QByteArray& timeZone = {})
{
    QProcess process;
    if (!timeZone.isEmpty()) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("TZ", QString::fromLatin1(timeZone));
        process.setProcessEnvironment(environment);
    }
    process.start(QStringLiteral(SPINORA_CLI), arguments);
    EXPECT_TRUE(process.waitForFinished(120000)) << arguments.join(' ').toStdString();
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
}

} // namespace

TEST(Cli, HelpListsEverySubcommand)
{
    const Result help = cli({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    for (const char* name : {"new PATH", "info PATH", "list PATH", "next-watering", "sample PATH", "export-sdbi PATH",
                             "import PATH", "export-csv PATH", "report PATH"})
        EXPECT_TRUE(help.out.contains(name)) << name;
    const Result unknown = cli({"frobnicate"});
    EXPECT_EQ(unknown.exitCode, 2);
    EXPECT_TRUE(unknown.err.contains("unknown subcommand"));
}

TEST(Cli, NewThenInfoCountsTheTemplatesRecords)
{
    TempFolder folder;
    const QString path = folder.file("Garden.sdb");
    EXPECT_EQ(cli({"new", path}).exitCode, 0);
    const Result info = cli({"info", path});
    EXPECT_EQ(info.exitCode, 0) << info.err.toStdString();
    for (const char* line : {"schema: 3\n", "cacti: 0\n", "watering: 0\n", "logs: 0\n", "events: 6\n", "images: 0\n"})
        EXPECT_TRUE(info.out.contains(line)) << line << info.out.toStdString();
    EXPECT_TRUE(info.out.contains(QRegularExpression("species: [1-9][0-9]\n")));

    const Result bare = cli({"new", folder.file("Bare.sdb"), "--empty"});
    EXPECT_EQ(bare.exitCode, 0);
    EXPECT_TRUE(cli({"info", folder.file("Bare.sdb")}).out.contains("species: 0\n"));
}

TEST(Cli, NewNeverOverwrites)
{
    TempFolder folder;
    const QString path = folder.file("Garden.sdb");
    ASSERT_EQ(cli({"new", path}).exitCode, 0);
    const TreeSnapshot before = snapshot(path);
    const Result again = cli({"new", path});
    EXPECT_EQ(again.exitCode, 1);
    EXPECT_TRUE(again.err.contains("already exists"));
    EXPECT_EQ(snapshot(path), before);
    EXPECT_EQ(cli({"new", folder.file("NoExtension")}).exitCode, 2);
}

TEST(Cli, InfoOfSomethingElseFailsWithOneLineAndChangesNothing)
{
    TempFolder folder;
    writeFile(folder.file("fake.sdb"), "x");
    const Result missing = cli({"info", folder.file("missing.sdb")});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_FALSE(QFileInfo::exists(folder.file("missing.sdb")));
    const Result file = cli({"info", folder.file("fake.sdb")});
    EXPECT_EQ(file.exitCode, 1);
    EXPECT_EQ(file.err.count('\n'), 1) << file.err.toStdString();
    EXPECT_EQ(readFile(folder.file("fake.sdb")), QByteArray("x"));
}

TEST(Cli, SampleAndListInTheCollectionsOrder)
{
    TempFolder folder;
    const QString path = folder.file("S.sdb");
    ASSERT_EQ(cli({"sample", path, "--cacti", "5", "--watering", "2", "--logs", "7", "--photos", "2"}).exitCode, 0);
    const Result cacti = cli({"list", path, "cacti"});
    ASSERT_EQ(cacti.exitCode, 0);
    QStringList lines = cacti.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 5);
    QStringList names;
    for (const QString& line : lines) {
        EXPECT_EQ(line.count('\t'), 6);
        names << line.section('\t', 0, 0);
    }
    QStringList sorted = names;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(names, sorted);
    EXPECT_EQ(cli({"list", path, "watering"}).out.count('\n'), 2);
    EXPECT_EQ(cli({"list", path, "logs"}).out.count('\n'), 7);
    EXPECT_EQ(cli({"list", path, "plants"}).exitCode, 2);
}

TEST(Cli, NextWateringInTwoTimeZones)
{
    for (const QByteArray& zone : {QByteArray("UTC"), QByteArray("Europe/Berlin"), QByteArray("America/New_York")}) {
        Result r = cli({"next-watering", "--last", "2026-12-10 09:30", "--every", "2", "--unit", "3", "--no-water",
                        "12-15:01-15"}, zone);
        EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
        EXPECT_EQ(r.out, QString("2027-01-16 09:30\n")) << zone.constData();
        r = cli({"next-watering", "--last", "2026-03-28 02:30", "--every", "1", "--unit", "2"}, zone);
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

TEST(Cli, ExportAndImportReportTheirStatus)
{
    TempFolder folder;
    const QString source = folder.file("S.sdb");
    const QString target = folder.file("T.sdb");
    ASSERT_EQ(cli({"sample", source, "--cacti", "4", "--photos", "2"}).exitCode, 0);
    ASSERT_EQ(cli({"new", target, "--empty"}).exitCode, 0);
    const Result exported = cli({"export-sdbi", source, folder.file("s.sdbi"), "--type", "1"});
    EXPECT_EQ(exported.exitCode, 0) << exported.err.toStdString();
    EXPECT_TRUE(exported.out.contains("status: 0"));
    EXPECT_TRUE(exported.err.contains("progress: 50%"));
    const Result imported = cli({"import", target, folder.file("s.sdbi"), "--type", "1"});
    EXPECT_EQ(imported.exitCode, 0) << imported.err.toStdString();
    EXPECT_TRUE(cli({"info", target}).out.contains("cacti: 4\n"));

    writeFile(folder.file("bad.sdbi"), "not a database");
    const TreeSnapshot before = snapshot(target);
    const Result failed = cli({"import", target, folder.file("bad.sdbi")});
    EXPECT_EQ(failed.exitCode, 1);
    EXPECT_TRUE(failed.out.contains("status: 2"));
    EXPECT_FALSE(failed.err.isEmpty());
    EXPECT_EQ(snapshot(target), before);

    EXPECT_EQ(cli({"import", target, target}).exitCode, 2); // never from itself
    EXPECT_EQ(cli({"export-sdbi", target, target + "/inside.sdbi"}).exitCode, 2);
    EXPECT_EQ(cli({"export-sdbi", source, folder.file("x.sdbi"), "--type", "4"}).exitCode, 2);
}

TEST(Cli, CsvAndReport)
{
    TempFolder folder;
    const QString source = folder.file("S.sdb");
    ASSERT_EQ(cli({"sample", source, "--cacti", "3", "--photos", "1"}).exitCode, 0);
    EXPECT_EQ(cli({"export-csv", source, folder.file("c.csv")}).exitCode, 0);
    EXPECT_TRUE(readFile(folder.file("c.csv")).startsWith("\"// Exported from Spinora 1.2 on "));
    EXPECT_EQ(cli({"export-csv", source, folder.file("c.txt")}).exitCode, 2);
    EXPECT_EQ(cli({"export-sdbi", source, folder.file("c.csv")}).exitCode, 2);
    ASSERT_EQ(cli({"new", folder.file("T.sdb"), "--empty"}).exitCode, 0);
    EXPECT_EQ(cli({"import", folder.file("T.sdb"), folder.file("c.csv")}).exitCode, 0);
    EXPECT_TRUE(cli({"info", folder.file("T.sdb")}).out.contains("cacti: 3\n"));
    const Result report = cli({"report", source, folder.file("r.html"), "--size", "3"});
    EXPECT_EQ(report.exitCode, 0) << report.err.toStdString();
    EXPECT_TRUE(readFile(folder.file("r.html")).contains("width:1165px;"));
    EXPECT_TRUE(QFileInfo::exists(folder.file("r_photos/Spinora.jpg")));
    EXPECT_EQ(cli({"report", source, folder.file("r.html"), "--size", "5"}).exitCode, 2);
}

TEST(Cli, PrintWritesTheListsAndSheetsAsPdf)
{
    TempFolder folder;
    const QString sample = folder.file("S.sdb");
    ASSERT_EQ(cli({"sample", sample, "--cacti", "30", "--watering", "2", "--logs", "10", "--photos", "5"}).exitCode, 0);
    auto pages = [](const QString& pdf) {
        QProcess info;
        info.start("pdfinfo", {pdf});
        info.waitForFinished(30000);
        const auto match = QRegularExpression("Pages:\\s+(\\d+)").match(QString::fromUtf8(info.readAllStandardOutput()));
        return match.hasMatch() ? match.captured(1).toInt() : -1;
    };
    // 30 plants, 6 to an A4 page and 5 to a Letter page.
    const Result list = cli({"print", sample, folder.file("list.pdf")});
    EXPECT_EQ(list.exitCode, 0) << list.err.toStdString();
    EXPECT_EQ(list.out, folder.file("list.pdf") + ": 5 pages\n");
    EXPECT_EQ(pages(folder.file("list.pdf")), 5);
    EXPECT_EQ(cli({"print", sample, folder.file("letter.pdf"), "--page-size", "Letter"}).exitCode, 0);
    EXPECT_EQ(pages(folder.file("letter.pdf")), 6);
    // The search narrows the list as the list's search field would.
    EXPECT_EQ(cli({"print", sample, folder.file("found.pdf"), "--search", "PLANT 2"}).exitCode, 0);
    EXPECT_EQ(pages(folder.file("found.pdf")), 2) << "Plant 20 to Plant 29: 10 plants";
    for (const char* screen : {"1", "2", "3", "4", "5"}) {
        const QString out = folder.file(QStringLiteral("screen%1.pdf").arg(screen));
        const Result printed = cli({"print", sample, out, "--screen", screen});
        EXPECT_EQ(printed.exitCode, 0) << screen << printed.err.toStdString();
        EXPECT_GE(pages(out), 1) << screen;
    }
    const Result sheet = cli({"print", sample, folder.file("one.pdf"), "--screen", "3", "--record", "7"});
    EXPECT_EQ(sheet.exitCode, 0) << sheet.err.toStdString();

    EXPECT_EQ(cli({"print", sample, folder.file("x.pdf"), "--screen", "6"}).exitCode, 2);
    EXPECT_EQ(cli({"print", sample, folder.file("x.pdf"), "--page-size", "A5"}).exitCode, 2);
    EXPECT_EQ(cli({"print", sample, folder.file("x.pdf"), "--record", "3"}).exitCode, 2) << "a list has no record";
    const Result missing = cli({"print", sample, folder.file("x.pdf"), "--screen", "4", "--record", "999"});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.err.contains("spinora-cli: the collection has no watering schedule with the key 999\n"))
        << missing.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(folder.file("x.pdf")));
    EXPECT_EQ(cli({"print", sample}).exitCode, 2);
}
