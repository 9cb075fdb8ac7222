// A real spinora process, offscreen, with this test's own data and settings
// folders: the crash reporter with a process that dies on purpose and the
// offer to show the report at the next start; a second `spinora` handing its
// paths and its --show to the running one and exiting quietly; SIGTERM,
// SIGINT or SIGHUP writing the change held in memory before exit.
#include "ShellTestSupport.h"

#include "CrashReporter.h"
#include "EditorTestSupport.h"
#include "PackageLock.h"

#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProcess>
#include <QProcessEnvironment>
#include <QThread>

#include <csignal>

namespace spinora::test {
namespace {

class SpinoraProcessTest : public ShellTest {
protected:
    void start(QProcess& process, const QStringList& arguments) const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_DATA_HOME"), folder_.file(QStringLiteral("data")));
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), folder_.file(QStringLiteral("config")));
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(SPINORA_APP), arguments);
    }
};

class CrashReporterTest : public SpinoraProcessTest {
protected:
    // Runs spinora with the test switch; answers its exit status.
    QProcess::ExitStatus crash(const QString& kind, int* exitCode)
    {
        QProcess process;
        start(process, {QStringLiteral("--crash-for-testing"), kind});
        EXPECT_TRUE(process.waitForFinished(20000));
        *exitCode = process.exitCode();
        return process.exitStatus();
    }
    QString reportFolder() const { return folder_.file(QStringLiteral("data/Spinora/Crash Reports")); }
    static QString read(const QString& path) { return QString::fromUtf8(readFile(path)); }
};

TEST_F(CrashReporterTest, AFatalSignalLeavesAReportWithSignalVersionAndBacktrace)
{
    int code = 0;
    EXPECT_EQ(crash(QStringLiteral("segv"), &code), QProcess::CrashExit);
    EXPECT_EQ(code, SIGSEGV) << "the process still dies of its signal";
    QStringList reports = CrashReporter::pendingReports(reportFolder());
    ASSERT_EQ(reports.size(), 1);
    const QString report = read(reports.first());
    EXPECT_TRUE(report.startsWith(QStringLiteral("Spinora crash report\nVersion: 1.2\nSignal: 11 SIGSEGV")))
        << report.toStdString();
    const QString backtrace = report.section(QStringLiteral("Backtrace:\n"), 1);
    EXPECT_GE(backtrace.count(QLatin1Char('\n')), 3) << report.toStdString();
    EXPECT_TRUE(backtrace.contains(QStringLiteral("spinora"))) << "frames of the program itself";

    EXPECT_EQ(crash(QStringLiteral("abort"), &code), QProcess::CrashExit);
    EXPECT_EQ(code, SIGABRT);
    reports = CrashReporter::pendingReports(reportFolder());
    ASSERT_EQ(reports.size(), 2);
    EXPECT_TRUE(read(reports.first()).contains(QStringLiteral("Signal: 6 SIGABRT")) ||
                read(reports.last()).contains(QStringLiteral("Signal: 6 SIGABRT")));
}

TEST_F(CrashReporterTest, TheNextStartOffersTheReportOnce)
{
    int code = 0;
    crash(QStringLiteral("segv"), &code);
    ASSERT_EQ(CrashReporter::pendingReports(reportFolder()).size(), 1);

    QString shownText;
    whenModalOpens<QMessageBox>([&](QMessageBox* ask) {
        // The report viewer follows once the question is answered.
        whenModalOpens<QDialog>([&](QDialog* viewer) {
            if (auto* text = viewer->findChild<QPlainTextEdit*>())
                shownText = text->toPlainText();
            viewer->reject();
        });
        for (QAbstractButton* button : ask->buttons()) {
            if (button->text() == QStringLiteral("Show Report"))
                button->click();
        }
    });
    EXPECT_TRUE(CrashReporter::offerPendingReport(nullptr, reportFolder()));
    EXPECT_TRUE(shownText.contains(QStringLiteral("SIGSEGV"))) << shownText.toStdString();
    // Offered once: the report stays on disk, marked.
    EXPECT_TRUE(CrashReporter::pendingReports(reportFolder()).isEmpty());
    EXPECT_FALSE(CrashReporter::offerPendingReport(nullptr, reportFolder()));
    EXPECT_EQ(QDir(reportFolder()).entryList(QDir::Files).size(), 1);
}

using SingleInstanceTest = SpinoraProcessTest;

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
    start(running, {first});
    ASSERT_TRUE(running.waitForStarted(10000));
    ASSERT_TRUE(lockedBy(first, running.processId())) << running.readAllStandardError().constData();

    for (const QStringList& arguments : {QStringList{second, "--show", "watering"}, QStringList{}}) {
        QProcess later;
        QElapsedTimer clock;
        clock.start();
        start(later, arguments);
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

using TerminationTest = SpinoraProcessTest;

TEST_F(TerminationTest, ATerminationSignalWritesEveryChangeBeforeExit)
{
    const QString path = makeCollection(QStringLiteral("Signals"), 4);
    const QString db = path + QStringLiteral("/spinora.db");
    for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
        const QString name = QStringLiteral("Kept through signal %1").arg(signal);
        QProcess process;
        start(process, {path, QStringLiteral("--change-in-memory-for-testing"), name});
        ASSERT_TRUE(process.waitForStarted(10000));
        QByteArray output;
        while (!output.contains("ready\n") && process.waitForReadyRead(20000))
            output += process.readAllStandardOutput();
        ASSERT_TRUE(output.contains("ready")) << process.readAllStandardError().constData();
        // The change lives in memory only so far.
        EXPECT_EQ(queryInt(db, QStringLiteral("SELECT count(*) FROM cactus WHERE name='%1'").arg(name)), 0);

        ::kill(static_cast<pid_t>(process.processId()), signal);
        ASSERT_TRUE(process.waitForFinished(20000));
        EXPECT_EQ(std::make_pair(process.exitStatus(), process.exitCode()), std::make_pair(QProcess::NormalExit, 0)) << signal;
        EXPECT_EQ(queryInt(db, QStringLiteral("SELECT count(*) FROM cactus WHERE name='%1'").arg(name)), 1) << signal;
    }
}

} // namespace
} // namespace spinora::test
