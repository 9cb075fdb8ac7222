// The update checker against a real HTTP server on loopback: a newer
// version, the same one, malformed feeds, errors and a server that never
// answers, each bounded in time.
#include "ShellTestSupport.h"

#include "AppSettings.h"
#include "EditorTestSupport.h"
#include "UpdateChecker.h"

#include <QAction>
#include <QElapsedTimer>
#include <QMenuBar>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

namespace spinora::test {
namespace {

// Answers every request with one fixed response (or never, when silent).
class FeedServer : public QObject {
public:
    explicit FeedServer(QByteArray answer = {}) : body(std::move(answer))
    {
        EXPECT_TRUE(server_.listen(QHostAddress::LocalHost, 0));
        connect(&server_, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = server_.nextPendingConnection()) {
                ++connections;
                connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                    request += socket->readAll();
                    if (!request.contains("\r\n\r\n") || silent)
                        return;
                    socket->write("HTTP/1.1 " + status + "\r\nContent-Type: application/json\r\nContent-Length: " +
                                  QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body);
                    socket->disconnectFromHost();
                });
            }
        });
    }
    QString url() const { return QStringLiteral("http://127.0.0.1:%1/feed.json").arg(server_.serverPort()); }

    QByteArray status = "200 OK";
    QByteArray body;
    bool silent = false;
    int connections = 0;
    QByteArray request;

private:
    QTcpServer server_;
};

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

TEST_F(UpdateCheckerTest, ANewerVersionIsOfferedWithItsAddress)
{
    FeedServer server(R"({"version": "1.10", "url": "https://spinora.org/download/1.10"})");
    const UpdateChecker::Result result = check(server.url());
    EXPECT_EQ(result.outcome, UpdateChecker::Outcome::UpdateAvailable);
    EXPECT_EQ(result.latestVersion, QStringLiteral("1.10"));
    EXPECT_EQ(result.downloadUrl, QUrl(QStringLiteral("https://spinora.org/download/1.10")));
    EXPECT_TRUE(server.request.contains("Spinora/1.2"));
}

// Only a well-formed feed naming a newer version is an update; an error
// status is unreachable, whatever the body says.
TEST_F(UpdateCheckerTest, EachFeedHasItsOutcome)
{
    using Outcome = UpdateChecker::Outcome;
    const QByteArray site = R"(, "url": "https://spinora.org/"})";
    const struct {
        QByteArray status;
        QByteArray body;
        Outcome outcome;
    } feeds[] = {
        {"200 OK", R"({"version": "1.2")" + site, Outcome::UpToDate},
        {"200 OK", R"({"version": "1.2.0")" + site, Outcome::UpToDate},
        {"200 OK", R"({"version": "1.1.9")" + site, Outcome::UpToDate},
        {"200 OK", R"({"version": "0.9")" + site, Outcome::UpToDate},
        {"200 OK", R"({"version": "1.2.1")" + site, Outcome::UpdateAvailable},
        {"200 OK", "<html>not json</html>", Outcome::Malformed},
        {"200 OK", R"(["1.3"])", Outcome::Malformed},
        {"200 OK", R"({"version": "soon")" + site, Outcome::Malformed},
        {"200 OK", R"({"version": "1.3"})", Outcome::Malformed},
        {"200 OK", R"x({"version": "1.3", "url": "javascript:alert(1)"})x", Outcome::Malformed},
        {"200 OK", R"({"version": 1.3)" + site, Outcome::Malformed},
        {"200 OK", "", Outcome::Malformed},
        {"404 Not Found", R"({"version": "9.9")" + site, Outcome::Unreachable},
    };
    FeedServer server;
    for (const auto& feed : feeds) {
        server.status = feed.status;
        server.body = feed.body;
        EXPECT_EQ(check(server.url()).outcome, feed.outcome) << feed.status.constData() << " " << feed.body.constData();
    }
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
    FeedServer silent;
    silent.silent = true;
    EXPECT_EQ(check(silent.url(), 400).outcome, UpdateChecker::Outcome::Unreachable);
    EXPECT_LT(elapsedMs, 3000);
    EXPECT_EQ(silent.connections, 1);
}

TEST_F(UpdateCheckerTest, StartUpChecksOnlyWhenTurnedOnAndNeverWaits)
{
    FeedServer server(R"({"version": "1.2", "url": "https://spinora.org/"})");
    appSettings()->setValue(QString::fromUtf8(settings::kUpdateFeedUrl), server.url());
    UpdateChecker checker(QStringLiteral("1.2"));
    QSignalSpy finished(&checker, &UpdateChecker::finished);
    checker.checkInBackgroundIfEnabled();
    EXPECT_FALSE(checker.isChecking());
    EXPECT_FALSE(finished.wait(200));
    EXPECT_EQ(server.connections, 0) << "off by default";

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
    FeedServer server(R"({"version": "1.2", "url": "https://spinora.org/"})");
    appSettings()->setValue(QString::fromUtf8(settings::kUpdateFeedUrl), server.url());
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
    EXPECT_EQ(server.connections, 1);
}

} // namespace
} // namespace spinora::test
