// `spinora-cli due --notify` against a stand-in notification service on a
// private session bus started here: one call with the right summary and
// action when plants are due, none when nothing is, a clear status 2 without
// a bus, and the "Open" action starting the app on the Watering tab.
#include "CliRunner.h"
#include "RecordBuilders.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>

#include <gtest/gtest.h>

using namespace spinora;
using namespace spinora::test;

namespace {

// A session bus of this test's own, and the stand-in service on it.
class PrivateSessionBus : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (QStandardPaths::findExecutable("dbus-daemon").isEmpty())
            GTEST_SKIP() << "dbus-daemon is not installed";
        bus_.start("dbus-daemon", {"--session", "--nofork", "--print-address=1"});
        ASSERT_TRUE(bus_.waitForStarted(10000));
        while (!bus_.canReadLine() && bus_.waitForReadyRead(10000)) {
        }
        address_ = QString::fromUtf8(bus_.readLine()).trimmed();
        ASSERT_TRUE(address_.startsWith("unix:")) << bus_.readAllStandardError().constData();

        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("DBUS_SESSION_BUS_ADDRESS", address_);
        service_.setProcessEnvironment(environment);
        service_.start(SPINORA_NOTIFICATION_STANDIN, {folder_.file("calls.jsonl"), "--invoke", "open"});
        ASSERT_TRUE(service_.waitForReadyRead(10000)) << service_.readAllStandardError().constData();
        ASSERT_EQ(service_.readLine().trimmed(), "ready");

        // Where the "Open" action finds `spinora`: a stand-in that notes how it was started.
        QDir().mkpath(folder_.file("bin"));
        writeFile(folder_.file("bin/spinora"), "#!/bin/sh\necho \"$@\" > '" + folder_.file("opened").toUtf8() + "'\n");
        QFile::setPermissions(folder_.file("bin/spinora"), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    }
    void TearDown() override
    {
        for (QProcess* process : {&service_, &bus_}) {
            process->terminate();
            process->waitForFinished(5000);
        }
    }
    CliRun notify(const QString& collection)
    {
        return cli({"due", collection, "--notify", "--wait", "20"}, {},
                   {{"DBUS_SESSION_BUS_ADDRESS", address_},
                    {"PATH", folder_.file("bin") + ":" + qEnvironmentVariable("PATH")}});
    }
    QList<QJsonObject> calls() const
    {
        QList<QJsonObject> all;
        for (const QByteArray& line : readFile(folder_.file("calls.jsonl")).split('\n')) {
            if (!line.isEmpty())
                all << QJsonDocument::fromJson(line).object();
        }
        return all;
    }
    // A collection with one schedule, its next watering `daysAhead` from now, followed by two plants.
    QString collection(const QString& name, int daysAhead)
    {
        const QString path = QDir(folder_.path()).canonicalPath() + "/" + name + ".sdb";
        auto document = newCollection(path, true);
        Water* bench = addSchedule(*document, "Bench");
        bench->setWaterNext(fromDateTime(QDateTime::currentDateTime().addDays(daysAhead)));
        for (const char* plant : {"Spike", "Ball"})
            addPlant(*document, plant, bench)->setWaterNext(bench->waterNext());
        expectOk(document->close());
        return path;
    }

    TempFolder folder_;
    QProcess bus_;
    QProcess service_;
    QString address_;
};

using Notify = PrivateSessionBus;

TEST_F(Notify, DuePlantsGiveOneNotificationWhoseOpenActionShowsTheWateringTabAndNothingDueNone)
{
    const CliRun none = notify(collection("Watered", 3));
    EXPECT_EQ(none.exitCode, 0) << none.err.toStdString();
    EXPECT_TRUE(calls().isEmpty());
    EXPECT_FALSE(QFile::exists(folder_.file("opened")));

    const QString garden = collection("Garden", -2);
    const CliRun result = notify(garden);
    EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
    const QList<QJsonObject> all = calls();
    ASSERT_EQ(all.size(), 1);
    const auto text = [&all](const char* field) { return all[0][field].toString(); };
    EXPECT_EQ((QStringList{text("summary"), text("body"), text("icon"), text("app_name"), text("desktop_entry")}),
              (QStringList{"2 plants to water today", "Ball, Spike", "org.spinora.Spinora", "Spinora", "org.spinora.Spinora"}));
    EXPECT_EQ(all[0]["actions"].toArray(), QJsonArray({"default", "Open", "open", "Open"}));
    // The app is started detached: its note may come a moment after the tool exits.
    waitFor([this] { return !readFile(folder_.file("opened")).isEmpty(); }, 10000);
    EXPECT_EQ(readFile(folder_.file("opened")), ("--show watering " + garden + "\n").toUtf8());
}

TEST_F(Notify, WithoutASessionBusSaysSoWithStatusTwo)
{
    const QString garden = collection("NoBus", -1);
    const CliRun result = cli({"due", garden, "--notify"}, {},
                              {{"DBUS_SESSION_BUS_ADDRESS", "unix:path=" + folder_.file("no-such-bus")}});
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_TRUE(result.err.contains("no session bus")) << result.err.toStdString();
    EXPECT_TRUE(calls().isEmpty());
}

} // namespace
