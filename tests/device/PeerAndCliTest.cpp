// spinora-peer and the CLI's pull and push, talking HTTP on 127.0.0.1
// (no service discovery needed).
#include "CliRunner.h"
#include "ExchangeTestSupport.h"
#include "PeerProcess.h"
#include "SampleCollection.h"
#include "TestSupport.h"

#include <QDir>
#include <QTcpSocket>

#include <gtest/gtest.h>

using namespace spinora;
using namespace spinora::test;

namespace {

class PeerAndCli : public ::testing::Test {
protected:
    void SetUp() override
    {
        phoneDir = folder.file("phone");
        QDir().mkpath(phoneDir);
        auto phone = newCollection(folder.file("Phone.sdb"));
        EXPECT_TRUE(SampleCollection::fill(*phone, SampleSize{9, 2, 6, 3, 160}, 5).ok());
        ASSERT_EQ(exportTo(*phone, phoneDir + "/spinora.sdbi", 0), kJobFinished);
        ASSERT_EQ(exportTo(*phone, phoneDir + "/spinora_cactus.sdbi", 2), kJobFinished);
        expectOk(phone->close());
        mine = folder.file("Mine.sdb");
        auto document = newCollection(mine);
        EXPECT_TRUE(SampleCollection::fill(*document, SampleSize{2, 1, 2, 1, 100}, 9).ok());
        expectOk(document->close());
    }

    // A raw request to the peer; answers the whole response.
    static QByteArray rawRequest(quint16 port, const QByteArray& request)
    {
        QTcpSocket socket;
        socket.connectToHost(QHostAddress::LocalHost, port);
        if (!socket.waitForConnected(3000))
            return {};
        socket.write(request);
        QByteArray response;
        while (socket.waitForReadyRead(3000))
            response += socket.readAll();
        return response + socket.readAll();
    }

    TempFolder folder;
    QString phoneDir;
    QString mine;
};

} // namespace

TEST_F(PeerAndCli, PullImportsWhatThePeerServesAndAFailedPullChangesNothing)
{
    PeerProcess peer(phoneDir, {"--no-advertise"});
    ASSERT_NE(peer.port(), 0);
    const CliRun pulled = cliOk({"pull", mine, "--from", peer.address(), "--option", "2", "--mode", "2"});
    EXPECT_TRUE(pulled.out.contains("status: 0")) << pulled.out.toStdString();
    EXPECT_TRUE(pulled.err.contains("progress: 50%")) << pulled.err.toStdString();
    const CliRun info = cli({"info", mine});
    EXPECT_TRUE(info.out.contains("cacti: 11")) << info.out.toStdString();

    QDir(phoneDir).remove("spinora_cactus.sdbi");
    const TreeSnapshot before = snapshot(mine);
    const CliRun failed = cli({"pull", mine, "--from", peer.address(), "--option", "2", "--mode", "2"});
    EXPECT_EQ(failed.exitCode, 1);
    EXPECT_TRUE(failed.err.contains("HTTP error 404")) << failed.err.toStdString();
    EXPECT_EQ(snapshot(mine), before);
    // An option the device's mode cannot serve is a usage error.
    EXPECT_EQ(cli({"pull", mine, "--from", peer.address(), "--option", "0", "--mode", "2"}).exitCode, 2);
    EXPECT_EQ(cli({"pull", mine, "--from", "not a url"}).exitCode, 2);
    EXPECT_EQ(snapshot(mine), before);
}

TEST_F(PeerAndCli, PushDeliversTheExportCopyIntoReceived)
{
    PeerProcess peer(phoneDir, {"--no-advertise", "--mode", "1"});
    cliOk({"push", mine, "--to", peer.address()});
    const QString received = phoneDir + "/received/temp_spinora_export.db";
    ASSERT_TRUE(QFile::exists(received));
    EXPECT_EQ(queryInt(received, "SELECT COUNT(*) FROM cactus"), 2);
    EXPECT_EQ(QDir(phoneDir + "/received").entryList(QDir::Files | QDir::Hidden).size(), 1); // nothing half-written
}

TEST_F(PeerAndCli, ThePeerServesOnlyItsThreeFilesAndRefusesBadForms)
{
    PeerProcess peer(phoneDir, {"--no-advertise"});
    EXPECT_TRUE(rawRequest(peer.port(), "GET /spinora.sdbi HTTP/1.1\r\nHost: x\r\n\r\n").contains("SQLite format 3"));
    EXPECT_TRUE(rawRequest(peer.port(), "GET /../etc/passwd HTTP/1.1\r\n\r\n").startsWith("HTTP/1.1 404"));
    EXPECT_TRUE(rawRequest(peer.port(), "GET /spinora_watering.sdbi HTTP/1.1\r\n\r\n").startsWith("HTTP/1.1 404"));

    const QByteArray boundary = "Boundary-Spinora12345678-1234-1234-1234-123456789ABC";
    auto form = [&](const QByteArray& filename, const QByteArray& button) {
        return "--" + boundary + "\r\nContent-Disposition: form-data; name=\"file\"; filename=\"" + filename +
               "\"\r\nContent-Type: application/octet-stream\r\n\r\nDATA\r\n--" + boundary +
               "\r\nContent-Disposition: form-data; name=\"button\"\r\n\r\n" + button + "\r\n--" + boundary + "--\r\n";
    };
    auto post = [&](const QByteArray& contentType, const QByteArray& body) {
        return rawRequest(peer.port(), "POST / HTTP/1.1\r\nContent-Type: " + contentType +
                                           "\r\nContent-Length: " + QByteArray::number(body.size()) + "\r\n\r\n" + body);
    };
    const QByteArray type = "multipart/form-data; boundary=" + boundary;
    EXPECT_TRUE(post(type, form("../escape.db", "Restore/Import")).startsWith("HTTP/1.1 400"));
    EXPECT_TRUE(post(type, form("x.db", "Something")).startsWith("HTTP/1.1 400"));
    EXPECT_TRUE(post("multipart/form-data; boundary=other", form("x.db", "Restore/Import")).startsWith("HTTP/1.1 400"));
    EXPECT_TRUE(post(type, form("x.db", "Restore/Import").left(60)).startsWith("HTTP/1.1 400"));
    EXPECT_FALSE(QFile::exists(folder.file("escape.db")));
    EXPECT_TRUE(QDir(phoneDir + "/received").entryList(QDir::Files | QDir::Hidden).isEmpty());

    EXPECT_TRUE(post(type, form("x.db", "Restore/Import")).startsWith("HTTP/1.1 200"));
    EXPECT_EQ(readFile(phoneDir + "/received/x.db"), "DATA");
}
