// A second `spinora` hands its paths and its --show to the running one and
// exits quietly; the running one opens them. Real processes, offscreen, in
// this test's own runtime folder.
#include "ShellTestSupport.h"

#include "PackageLock.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QThread>

#include <csignal>

namespace spinora::test {
namespace {

using SingleInstanceTest = ShellTest;

QProcessEnvironment appEnvironment(const TempFolder& folder)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_DATA_HOME", folder.file("data"));
    environment.insert("XDG_CONFIG_HOME", folder.file("config"));
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    return environment;
}

// Until `path` is locked by the process `pid` (or 20 s pass).
bool lockedBy(const QString& path, qint64 pid)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 20000) {
        if (PackageLock::holder(path).contains(QString::number(pid)))
            return true;
        QThread::msleep(50);
    }
    return false;
}

TEST_F(SingleInstanceTest, ASecondLaunchHandsItsPathsToTheRunningOneAndExitsQuietly)
{
    const QString first = makeCollection("First");
    const QString second = makeCollection("Second");
    QProcess running;
    running.setProcessEnvironment(appEnvironment(folder_));
    running.start(SPINORA_APP, {first});
    ASSERT_TRUE(running.waitForStarted(10000));
    ASSERT_TRUE(lockedBy(first, running.processId())) << running.readAllStandardError().constData();

    for (const QStringList& arguments : {QStringList{second, "--show", "watering"}, QStringList{}}) {
        QProcess later;
        later.setProcessEnvironment(appEnvironment(folder_));
        QElapsedTimer clock;
        clock.start();
        later.start(SPINORA_APP, arguments);
        ASSERT_TRUE(later.waitForFinished(20000));
        EXPECT_EQ(later.exitCode(), 0);
        EXPECT_LT(clock.elapsed(), 10000);
        EXPECT_EQ(later.readAllStandardError(), QByteArray()) << arguments.join(' ').toStdString();
        EXPECT_EQ(later.readAllStandardOutput(), QByteArray());
    }
    EXPECT_TRUE(lockedBy(second, running.processId())) << "the running instance opened the second collection";
    EXPECT_EQ(running.state(), QProcess::Running);

    ::kill(static_cast<pid_t>(running.processId()), SIGTERM);
    ASSERT_TRUE(running.waitForFinished(20000));
    EXPECT_EQ(running.exitCode(), 0);
    EXPECT_TRUE(PackageLock::holder(second).isEmpty());
}

} // namespace
} // namespace spinora::test
