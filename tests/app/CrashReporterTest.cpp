// The crash reporter with a real spinora process that dies on purpose, and
// the offer to show the report at the next start.
#include "ShellTestSupport.h"

#include "CrashReporter.h"
#include "EditorTestSupport.h"

#include <QDialog>
#include <QDir>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProcess>
#include <QProcessEnvironment>
#include <QPushButton>

#include <csignal>

namespace spinora::test {
namespace {

class CrashReporterTest : public ShellTest {
protected:
    // Runs spinora with the test switch; answers its exit status.
    QProcess::ExitStatus crash(const QString& kind, int* exitCode)
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_DATA_HOME"), folder_.file(QStringLiteral("data")));
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), folder_.file(QStringLiteral("config")));
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(SPINORA_APP), {QStringLiteral("--crash-for-testing"), kind});
        EXPECT_TRUE(process.waitForFinished(20000));
        *exitCode = process.exitCode();
        return process.exitStatus();
    }
    QString reportFolder() const { return folder_.file(QStringLiteral("data/Spinora/Crash Reports")); }
    static QString read(const QString& path)
    {
        return QString::fromUtf8(readFile(path));
    }
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

    QString offered;
    QString shownText;
    whenModalOpens<QMessageBox>([&](QMessageBox* ask) {
        offered = ask->text();
        // The report viewer follows once the question is answered.
        whenModalOpens<QDialog>([&](QDialog* viewer) {
            if (auto* text = viewer->findChild<QPlainTextEdit*>())
                shownText = text->toPlainText();
            EXPECT_TRUE(viewer->grab().save(screenshotPath(QStringLiteral("app-crash-report.png"))));
            viewer->reject();
        });
        for (QAbstractButton* button : ask->buttons()) {
            if (button->text() == QStringLiteral("Show Report"))
                button->click();
        }
    });
    EXPECT_TRUE(CrashReporter::offerPendingReport(nullptr, reportFolder()));
    EXPECT_EQ(offered, QStringLiteral("Spinora quit unexpectedly the last time it was used."));
    EXPECT_TRUE(shownText.contains(QStringLiteral("SIGSEGV"))) << shownText.toStdString();
    // Offered once: the report stays on disk, marked.
    EXPECT_TRUE(CrashReporter::pendingReports(reportFolder()).isEmpty());
    EXPECT_FALSE(CrashReporter::offerPendingReport(nullptr, reportFolder()));
    EXPECT_EQ(QDir(reportFolder()).entryList(QDir::Files).size(), 1);
}

} // namespace
} // namespace spinora::test
