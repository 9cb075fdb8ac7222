// A real spinora process told to stop by SIGTERM, SIGINT or SIGHUP writes the
// change it holds in memory before it exits.
#include "ShellTestSupport.h"

#include <QDir>
#include <QProcess>
#include <QProcessEnvironment>

#include <csignal>

namespace spinora::test {
namespace {

using TerminationTest = ShellTest;

TEST_F(TerminationTest, ATerminationSignalWritesEveryChangeBeforeExit)
{
    const QString path = makeCollection(QStringLiteral("Signals"), 4);
    const QString db = path + QStringLiteral("/spinora.db");
    for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
        const QString name = QStringLiteral("Kept through signal %1").arg(signal);
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_DATA_HOME"), folder_.file(QStringLiteral("data")));
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), folder_.file(QStringLiteral("config")));
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(SPINORA_APP), {path, QStringLiteral("--change-in-memory-for-testing"), name});
        ASSERT_TRUE(process.waitForStarted(10000));
        QByteArray output;
        while (!output.contains("ready\n") && process.waitForReadyRead(20000))
            output += process.readAllStandardOutput();
        ASSERT_TRUE(output.contains("ready")) << process.readAllStandardError().constData();
        // The change lives in memory only so far.
        EXPECT_EQ(queryInt(db, QStringLiteral("SELECT count(*) FROM cactus WHERE name='%1'").arg(name)), 0);

        ::kill(static_cast<pid_t>(process.processId()), signal);
        ASSERT_TRUE(process.waitForFinished(20000));
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit) << signal;
        EXPECT_EQ(process.exitCode(), 0) << signal;
        EXPECT_EQ(queryInt(db, QStringLiteral("SELECT count(*) FROM cactus WHERE name='%1'").arg(name)), 1) << signal;
    }
}

} // namespace
} // namespace spinora::test
