// spinora-cli due and water: real collections on disk, the program run as a
// script would, in UTC and in Europe/Berlin where dates matter.
#include "CliRunner.h"
#include "RecordBuilders.h"

#include "RecentDocuments.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

using namespace spinora;
using namespace spinora::test;

namespace {

Timestamp local(const QString& text)
{
    return fromDateTime(QDateTime::fromString(text, "yyyy-MM-dd HH:mm"));
}

// A schedule next due at `next` (local time, or never), resting from the first to the second date of `rest`.
Water* scheduleDue(SpinoraDatabase& document, const QString& name, int every, int unit, const QString& next = {},
                   std::pair<QDate, QDate> rest = {})
{
    Water* water = addSchedule(document, name, every, unit);
    if (rest.first.isValid()) {
        water->setNoWaterDDMM(1, Water::dayMonthCode(rest.first.day(), rest.first.month()));
        water->setNoWaterDDMM(2, Water::dayMonthCode(rest.second.day(), rest.second.month()));
    }
    water->setWaterNext(next.isEmpty() ? Timestamp() : local(next));
    return water;
}

// A plant next due when its schedule is, or at `next` (local time).
Cactus* plantDue(SpinoraDatabase& document, const QString& name, Water* water, const QString& next = {})
{
    Cactus* plant = addPlant(document, name, water);
    plant->setWaterNext(next.isEmpty() ? (water ? water->waterNext() : Timestamp()) : local(next));
    return plant;
}

QString listedNext(const QString& path, const QString& schedule)
{
    for (const QString& line : cli({"list", path, "watering"}).out.split('\n')) {
        if (line.section('\t', 0, 0) == schedule)
            return line.section('\t', 4, 4);
    }
    return "missing";
}

} // namespace

TEST(CliWater, StoredNextDatesEqualNextWateringAcrossARestAndTheClockChange)
{
    struct Case {
        const char* name;
        int every, unit;
        const char* rest; // --no-water of next-watering, or empty
        const char* at;
        std::pair<QDate, QDate> restDates;
    };
    const Case cases[] = {
        {"Weekly with a spring rest", 1, 3, "03-25:04-05", "2026-03-20 21:30", {QDate(2000, 3, 25), QDate(2000, 4, 5)}},
        {"Daily over the clock change", 1, 2, "", "2026-03-28 02:30", {}},
        {"Hourly in the night of the change", 1, 1, "", "2026-03-29 01:30", {}},
    };
    TempFolder folder;
    const QString path = folder.file("Water.sdb");
    {
        auto document = newCollection(path, true);
        for (const Case& c : cases)
            plantDue(*document, QString(c.name) + " plant", scheduleDue(*document, c.name, c.every, c.unit, {}, c.restDates));
    }
    for (const Case& c : cases) {
        const CliRun watered = cliOk({"water", path, "--schedule", c.name, "--at", c.at});
        QStringList next = {"next-watering", "--last", c.at, "--every", QString::number(c.every), "--unit",
                            QString::number(c.unit)};
        if (*c.rest)
            next << "--no-water" << c.rest;
        const QString expected = cli(next).out.trimmed();
        EXPECT_EQ(listedNext(path, c.name), expected) << c.name;
        EXPECT_TRUE(watered.out.contains(QString("next %1").arg(expected))) << watered.out.toStdString();
    }
    // The plants follow their schedules: their next dates are the same.
    for (const QString& line : cli({"list", path, "cacti"}).out.split('\n', Qt::SkipEmptyParts))
        EXPECT_EQ(line.section('\t', 6, 6), listedNext(path, line.section('\t', 4, 4))) << line.toStdString();
}

TEST(CliWater, AnUnknownNameOrAFutureMomentChangesNothing)
{
    TempFolder folder;
    const QString path = folder.file("Strict.sdb");
    {
        auto document = newCollection(path, true);
        plantDue(*document, "Spike", scheduleDue(*document, "Rest", 1, 3));
    }
    const TreeSnapshot before = snapshot(path);
    const QString future = QDateTime::currentDateTime().addDays(2).toString("yyyy-MM-dd HH:mm");
    const struct {
        QStringList arguments;
        int status;
        const char* says;
    } refused[] = {
        {{"--schedule", "Rest", "--cactus", "Nobody"}, 1, "no cactus is named “Nobody”"},
        {{"--schedule", "rest"}, 1, "no watering schedule is named “rest”"},
        {{"--cactus", "Spike", "--at", future}, 2, "lies in the future"},
        {{"--at", "2026-01-01 08:00"}, 2, "name at least one"},
    };
    for (const auto& r : refused) {
        const CliRun result = cli(QStringList{"water", path} + r.arguments);
        EXPECT_EQ(result.exitCode, r.status) << r.says;
        EXPECT_TRUE(result.err.contains(r.says)) << result.err.toStdString();
        EXPECT_EQ(snapshot(path), before) << r.says;
    }
}

TEST(CliDue, ListsWhatIsDueByTheEndOfTheDayWhileTheCollectionIsOpenForWriting)
{
    TempFolder folder;
    const QString path = QDir(folder.path()).canonicalPath() + "/Due.sdb";
    auto document = newCollection(path, true);
    Water* rest = scheduleDue(*document, "Rest", 1, 3, "2026-06-08 09:00");
    plantDue(*document, "Spike", rest);
    plantDue(*document, "Ball", rest);
    plantDue(*document, "Late", rest, "2026-06-12 09:00"); // watered on its own since
    plantDue(*document, "Lone", nullptr, "2026-06-10 20:00");
    scheduleDue(*document, "Later", 1, 3, "2026-06-11 00:00");
    addLog(*document, document->cacti().front().get(), "Repotted", local("2026-06-10 00:00"))->setReminder(true);
    expectOk(document->flushDatabase(false));
    ASSERT_TRUE(document->openDatabase(document->dbFilename()));
    // The document keeps the collection open for writing, as the app does.

    const CliRun json = cliOk({"due", path, "--on", "2026-06-10", "--json"});
    const QJsonArray collections = QJsonDocument::fromJson(json.out.toUtf8()).array();
    ASSERT_EQ(collections.size(), 1) << json.out.toStdString();
    const QJsonObject due = collections[0].toObject();
    EXPECT_EQ(due["collection"].toString(), path);
    // Schedule (null: none), plants and days overdue of each row, then each reminder's log and plant.
    QStringList rows;
    for (const QJsonValue& row : due["watering"].toArray())
        rows << (row["schedule"].isNull() ? "none" : row["schedule"].toString()) + " " +
                    row["cacti"].toVariant().toStringList().join(',') + " " + QString::number(row["days_overdue"].toInt());
    for (const QJsonValue& reminder : due["reminders"].toArray())
        rows << reminder["log"].toString() + " of " + reminder["cactus"].toString();
    EXPECT_EQ(rows, (QStringList{"Rest Ball,Spike 2", "none Lone 0", "Repotted of " + document->cacti().front()->name()}))
        << json.out.toStdString();
    EXPECT_EQ(QDateTime::fromString(due["watering"][0]["next"].toString(), Qt::ISODate), toDateTime(local("2026-06-08 09:00")));

    EXPECT_EQ(cli({"due", path, "--on", "2026-06-07"}).out, path + "\n  nothing due\n");

    // Without paths: the app's recent collections that still exist.
    RecentDocuments recent;
    recent.noteDocument(folder.file("Gone.sdb"));
    recent.noteDocument(path);
    EXPECT_EQ(cliOk({"due", "--on", "2026-06-07"}).out, path + "\n  nothing due\n");
    EXPECT_EQ(cli({"due", "--on", "10.6.2026"}).exitCode, 2);
}
