// The update checker against a real HTTP server on loopback (FaultPeer): a newer
// version, the same one, malformed feeds, errors and a server that never
// answers, each bounded in time.
#include "ShellTestSupport.h"

#include "AppSettings.h"
#include "EditorTestSupport.h"
#include "FaultPeer.h"
#include "UpdateChecker.h"

#include <QAction>
#include <QElapsedTimer>
#include <QMenuBar>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTest>

namespace spinora::test {
namespace {

using Behaviour = FaultPeer::Behaviour;

QString feedUrl(const FaultPeer& server)
{
    return server.address() + QStringLiteral("/feed.json");
}

class UpdateCheckerTest : public ShellTest {
protected:
    UpdateChecker::Result check(const QString& url, int timeoutMs = 3000)
    {
        appSettings()->setValue(QString::fromUtf8(settings::kUpdateFeedUrl), url);
        UpdateChecker checker(QStringLiteral("1.2"));
        checker.setTimeout(timeoutMs);
        QSignalSpy finished(&checker, &UpdateChecker::finished);
        QElapsedTimer clock;
        clock.start();
        checker.checkForUpdates(true);
        EXPECT_TRUE(finished.count() == 1 || finished.wait(timeoutMs + 2000));
        elapsedMs = clock.elapsed();
        if (finished.isEmpty())
            return {};
        return finished.first().first().value<UpdateChecker::Result>();
    }
    qint64 elapsedMs = 0;
};

// Only a well-formed feed naming a newer version is an update; an error
// status is unreachable.
TEST_F(UpdateCheckerTest, EachFeedHasItsOutcomeAndANewerVersionItsAddress)
{
    using Outcome = UpdateChecker::Outcome;
    const QByteArray site = R"(, "url": "https://spinora.org/"})";
    const struct {
        Behaviour answer;
        QByteArray body;
        Outcome outcome;
    } feeds[] = {
        {Behaviour::Serve, R"({"version": "1.2")" + site, Outcome::UpToDate},
        {Behaviour::Serve, R"({"version": "1.2.0")" + site, Outcome::UpToDate},
        {Behaviour::Serve, R"({"version": "1.1.9")" + site, Outcome::UpToDate},
        {Behaviour::Serve, R"({"version": "0.9")" + site, Outcome::UpToDate},
        {Behaviour::Serve, R"({"version": "1.2.1")" + site, Outcome::UpdateAvailable},
        {Behaviour::Serve, "<html>not json</html>", Outcome::Malformed},
        {Behaviour::Serve, R"(["1.3"])", Outcome::Malformed},
        {Behaviour::Serve, R"({"version": "soon")" + site, Outcome::Malformed},
        {Behaviour::Serve, R"({"version": "1.3"})", Outcome::Malformed},
        {Behaviour::Serve, R"x({"version": "1.3", "url": "javascript:alert(1)"})x", Outcome::Malformed},
        {Behaviour::Serve, R"({"version": 1.3)" + site, Outcome::Malformed},
        {Behaviour::Serve, "", Outcome::Malformed},
        {Behaviour::NotFound, {}, Outcome::Unreachable},
    };
    for (const auto& feed : feeds) {
        FaultPeer server(feed.answer, feed.body);
        EXPECT_EQ(check(feedUrl(server)).outcome, feed.outcome) << feed.body.constData();
    }
    // 1.10 is newer than 1.2: offered with its version and address; the request names the program.
    FaultPeer newer(Behaviour::Serve, R"({"version": "1.10", "url": "https://spinora.org/download/1.10"})");
    const UpdateChecker::Result result = check(feedUrl(newer));
    EXPECT_EQ(std::tuple(result.outcome, result.latestVersion, result.downloadUrl),
              std::tuple(Outcome::UpdateAvailable, QStringLiteral("1.10"), QUrl("https://spinora.org/download/1.10")));
    EXPECT_TRUE(newer.header("User-Agent").contains("Spinora/1.2"));
}

TEST_F(UpdateCheckerTest, DeadServersAreUnreachableWithinTheTimeout)
{
    // A port nobody listens on.
    QTcpServer closed;
    ASSERT_TRUE(closed.listen(QHostAddress::LocalHost, 0));
    const quint16 port = closed.serverPort();
    closed.close();
    const UpdateChecker::Result refused = check(QStringLiteral("http://127.0.0.1:%1/feed.json").arg(port));
    EXPECT_EQ(refused.outcome, UpdateChecker::Outcome::Unreachable);
    EXPECT_FALSE(refused.error.isEmpty());

    // A server that accepts and never answers.
    FaultPeer silent(Behaviour::Silent);
    EXPECT_EQ(check(feedUrl(silent), 400).outcome, UpdateChecker::Outcome::Unreachable);
    EXPECT_LT(elapsedMs, 3000);
    EXPECT_EQ(silent.requests, 1);
}

TEST_F(UpdateCheckerTest, StartUpChecksOnlyWhenTurnedOnAndNeverWaits)
{
    FaultPeer server(Behaviour::Serve, R"({"version": "1.2", "url": "https://spinora.org/"})");
    appSettings()->setValue(QString::fromUtf8(settings::kUpdateFeedUrl), feedUrl(server));
    UpdateChecker checker(QStringLiteral("1.2"));
    QSignalSpy finished(&checker, &UpdateChecker::finished);
    checker.checkInBackgroundIfEnabled();
    EXPECT_FALSE(checker.isChecking());
    EXPECT_FALSE(finished.wait(200));
    EXPECT_EQ(server.requests, 0) << "off by default";

    appSettings()->setValue(QString::fromUtf8(settings::kCheckUpdatesAtStart), true);
    QElapsedTimer clock;
    clock.start();
    checker.checkInBackgroundIfEnabled();
    EXPECT_LT(clock.elapsed(), 100) << "the request is only started";
    EXPECT_TRUE(checker.isChecking());
    ASSERT_TRUE(finished.wait(3000));
    EXPECT_FALSE(finished.first().at(1).toBool()) << "not asked for by the user";
}

TEST_F(UpdateCheckerTest, CheckForUpdatesInTheMenuReachesTheCheckerAndTellsTheUser)
{
    FaultPeer server(Behaviour::Serve, R"({"version": "1.2", "url": "https://spinora.org/"})");
    appSettings()->setValue(QString::fromUtf8(settings::kUpdateFeedUrl), feedUrl(server));
    makeApp();
    QMainWindow* window = app_->windowForDocument(app_->openDocumentWithContentsOfURL(makeCollection("Updates")));
    QSignalSpy finished(&app_->updater(), &UpdateChecker::finished);
    QString shown;
    whenModalOpens<QMessageBox>([&shown](QMessageBox* box) {
        shown = box->text() + "|" + box->informativeText();
        box->accept();
    });
    window->menuBar()->findChild<QAction*>("checkForUpdatesAction")->trigger();
    ASSERT_TRUE(finished.count() == 1 || finished.wait(3000));
    for (int i = 0; i < 100 && shown.isEmpty(); ++i)
        QTest::qWait(20);
    EXPECT_EQ(shown, QStringLiteral("You’re up-to-date!|Spinora 1.2 is currently the newest version available."));
    EXPECT_EQ(server.requests, 1);
}

} // namespace
} // namespace spinora::test
