// HTTPDownload and HTTPUpload against real HTTP peers on 127.0.0.1, the
// well-behaved and the faulty ones. Every wait is bounded.
#include "FaultPeer.h"
#include "FileHelpers.h"
#include "HTTPDownload.h"
#include "DeviceRules.h"
#include "HTTPUpload.h"
#include "SpinoraDatabase.h"
#include "SpinoraUtility.h"
#include "TestSupport.h"
#include "WorkFiles.h"

#include <QElapsedTimer>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <optional>
#include <set>

using namespace spinora;
using namespace spinora::test;
using Behaviour = FaultPeer::Behaviour;

namespace {

// Something that looks like an interchange file: SQLite's header, then bytes.
QByteArray databaseBytes(int size)
{
    QByteArray bytes("SQLite format 3\0", 16);
    bytes.reserve(size);
    for (int i = 0; bytes.size() < size; ++i)
        bytes.append(char(i * 7 % 251));
    return bytes.left(size);
}

struct Recorder : HTTPDownloadDelegate, HTTPUploadDelegate {
    int finishes = 0;
    std::optional<TransferError> error;
    int failures = 0;
    std::vector<double> progress;

    void downloadDidFinish() override { ++finishes; }
    void downloadDidFailWithError(const TransferError* e) override { ++failures, error = *e; }
    void downloadProgressUpdate(double p) override { progress.push_back(p); }
    void uploadDidFinish() override { ++finishes; }
    void uploadDidFailWithError(const TransferError* e) override { ++failures, error = *e; }
    void uploadProgressUpdate(double p) override { progress.push_back(p); }

    bool ended() const { return finishes + failures > 0; }
};

class Download : public ::testing::Test {
protected:
    void SetUp() override { downloader.setDelegate(&recorder); }
    Recorder recorder;
    HTTPDownload downloader;
};

} // namespace

// With and without a Content-Length.
class DownloadServed : public Download, public ::testing::WithParamInterface<Behaviour> {};

TEST_P(DownloadServed, StoresTheBodyAtTheImportPathOverAnEarlierFile)
{
    writeFile(FileHelpers::workFolder() + "/temp_spinora_import.db", "stale");
    const QByteArray payload = databaseBytes(700 * 1024);
    FaultPeer peer(GetParam(), payload);
    downloader.downloadURL(peer.address() + "/spinora.sdbi");
    ASSERT_TRUE(waitFor([&] { return recorder.ended(); }));
    ASSERT_EQ(recorder.finishes, 1) << recorder.error->description.toStdString();
    EXPECT_EQ(readFile(WorkFiles::importDatabase()), payload);
    EXPECT_FALSE(QFile::exists(WorkFiles::importDatabase() + ".part"));
    QFile::remove(WorkFiles::importDatabase());
}

INSTANTIATE_TEST_SUITE_P(Peers, DownloadServed, ::testing::Values(Behaviour::Serve, Behaviour::ServeNoLength));

struct FaultCase {
    const char* name;
    Behaviour behaviour;
    int timeoutMs;
    const char* expected; // part of the error's description
    qint64 maximumSize = 0; // the download's cap, if it has one
    const char* payload = nullptr; // what the peer serves, if not a database
};

class DownloadFault : public Download, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(DownloadFault, FailsClearlyAndLeavesNoFile)
{
    const FaultCase& fault = GetParam();
    FaultPeer peer(fault.behaviour, fault.payload ? QByteArray(fault.payload) : databaseBytes(300 * 1024));
    downloader.setTimeout(fault.timeoutMs);
    if (fault.maximumSize > 0)
        downloader.setMaximumSize(fault.maximumSize);
    QElapsedTimer clock;
    clock.start();
    downloader.downloadURL(peer.address() + "/spinora.sdbi");
    ASSERT_TRUE(waitFor([&] { return recorder.ended(); }, 15000));
    ASSERT_EQ(std::pair(recorder.finishes, recorder.failures), std::pair(0, 1));
    EXPECT_TRUE(recorder.error->description.contains(QString::fromUtf8(fault.expected)))
        << recorder.error->description.toStdString();
    EXPECT_LT(clock.elapsed(), fault.timeoutMs + 5000);
    if (fault.maximumSize > 0) {
        EXPECT_LE(downloader.bytesReceived(), fault.maximumSize + 512 * 1024);
    }
    EXPECT_EQ(workFilesLeft(), QStringList());
}

INSTANTIATE_TEST_SUITE_P(
    Peers, DownloadFault,
    ::testing::Values(FaultCase{"ClosesHalfWay", Behaviour::CloseHalfWay, 5000, ""},
                      FaultCase{"NotFound", Behaviour::NotFound, 5000, "HTTP error 404"},
                      FaultCase{"SlowerThanTheTimeOut", Behaviour::Silent, 400, "timed out"},
                      FaultCase{"StallsHalfWay", Behaviour::StallHalfWay, 400, "timed out"},
                      FaultCase{"AnnouncesMoreThanTheCap", Behaviour::Serve, 5000, "larger than", 256 * 1024},
                      FaultCase{"SendsMoreThanTheCap", Behaviour::Endless, 5000, "larger than", 256 * 1024},
                      FaultCase{"AnHtmlPageIsNotADatabase", Behaviour::Serve, 5000,
                                "The device did not send a Spinora database.", 0,
                                "<!DOCTYPE html><html><body>Welcome to the router</body></html>"}),
    [](const auto& info) { return std::string(info.param.name); });

// An aborted download calls nothing back and leaves no file:
// Dialogs.CancelInTheProgressWindowStopsTheDownloadSilently.

// --- Upload

namespace {

class Upload : public ::testing::Test {
protected:
    void SetUp() override
    {
        uploader.setDelegate(&recorder);
        // The export copy lives in the work folder; every ending removes it,
        // which goes through the main document.
        document = newCollection(folder.file("Mine.sdb"));
        SpinoraUtility::sharedManager().documents().registerAsMainDocument(document.get());
        copy = WorkFiles::exportDatabase();
    }
    void TearDown() override
    {
        expectOk(document->close());
        SpinoraUtility::sharedManager().documents().deregisterDatabase(document.get());
    }

    // The body the peer received, split into prefix, file and suffix.
    void expectWireFormat(const FaultPeer& peer, const QByteArray& file)
    {
        const QByteArray contentType = peer.header("Content-Type");
        const QRegularExpression form(
            "^multipart/form-data; boundary=(Boundary-Spinora[0-9A-F]{8}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{12})$");
        const auto match = form.match(QString::fromLatin1(contentType));
        ASSERT_TRUE(match.hasMatch()) << contentType.toStdString();
        const QByteArray boundary = match.captured(1).toLatin1();
        const QByteArray expected = "--" + boundary +
                                    "\r\nContent-Disposition: form-data; name=\"file\"; filename=\"temp_spinora_export.db\"\r\n"
                                    "Content-Type: application/octet-stream\r\n\r\n" +
                                    file + "\r\n--" + boundary +
                                    "\r\nContent-Disposition: form-data; name=\"button\"\r\n\r\nRestore/Import\r\n--" +
                                    boundary + "--\r\n";
        EXPECT_EQ(peer.header("Content-Length").toLongLong(), expected.size());
        EXPECT_TRUE(peer.lastBody == expected) << "body of " << peer.lastBody.size() << " bytes, expected " << expected.size();
    }

    TempFolder folder;
    std::unique_ptr<SpinoraDatabase> document;
    QString copy;
    Recorder recorder;
    HTTPUpload uploader;
};

} // namespace

TEST_F(Upload, TheBodyIsExactlyPrefixFileSuffixUnderANewBoundaryAndTheCopyIsRemoved)
{
    std::set<QByteArray> contentTypes;
    for (int size : {0, 32768, 32769, 300 * 1024 + 5}) {
        SCOPED_TRACE(size);
        recorder = Recorder();
        const QByteArray file = databaseBytes(size);
        writeFile(copy, file);
        FaultPeer peer(Behaviour::Serve, "OK");
        uploader.uploadToURL(peer.address(), copy);
        ASSERT_TRUE(waitFor([&] { return recorder.ended(); }));
        ASSERT_EQ(recorder.finishes, 1) << recorder.error->description.toStdString();
        expectWireFormat(peer, file);
        contentTypes.insert(peer.header("Content-Type"));
        EXPECT_EQ(std::pair(QFile::exists(copy), uploader.isSending()), std::pair(false, false));
    }
    EXPECT_EQ(contentTypes.size(), 4u) << "every upload has a boundary of its own";
}

struct UploadFaultCase {
    const char* name;
    Behaviour behaviour;
    int timeoutMs;
    long long shownNumber; // as the alert shows it
    const char* expected;
};

class UploadFault : public Upload, public ::testing::WithParamInterface<UploadFaultCase> {};

TEST_P(UploadFault, FailsWithItsCodeAndRemovesTheCopy)
{
    const UploadFaultCase& fault = GetParam();
    writeFile(copy, databaseBytes(2 << 20));
    FaultPeer peer(fault.behaviour);
    uploader.setTimeout(fault.timeoutMs);
    QElapsedTimer clock;
    clock.start();
    uploader.uploadToURL(peer.address(), copy);
    ASSERT_TRUE(waitFor([&] { return recorder.ended(); }, 15000));
    ASSERT_EQ(std::pair(recorder.finishes, recorder.failures), std::pair(0, 1));
    EXPECT_TRUE(recorder.error->description.contains(QString::fromUtf8(fault.expected)))
        << recorder.error->description.toStdString();
    EXPECT_EQ(uploadFailureNumber(&*recorder.error), fault.shownNumber);
    EXPECT_LT(clock.elapsed(), fault.timeoutMs + 5000);
    EXPECT_EQ(std::pair(QFile::exists(copy), uploader.isSending()), std::pair(false, false));
}

INSTANTIATE_TEST_SUITE_P(
    Peers, UploadFault,
    ::testing::Values(UploadFaultCase{"NotFound", Behaviour::NotFound, 3000, 103, "HTTP error 404"},
                      UploadFaultCase{"ClosesDuringTheBody", Behaviour::CloseOnBody, 3000, 104, ""},
                      UploadFaultCase{"NeverAnswers", Behaviour::Silent, 400, 104, "timed out"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Upload, AMissingFileIsAFileReadError)
{
    FaultPeer peer(Behaviour::Serve, "OK");
    uploader.uploadToURL(peer.address(), folder.file("gone.db"));
    ASSERT_TRUE(waitFor([&] { return recorder.ended(); }));
    ASSERT_EQ(recorder.failures, 1);
    EXPECT_EQ(std::pair(recorder.error->code, recorder.error->description), std::pair(100LL, QString("File read error")));
    EXPECT_EQ(peer.requests, 0);
}

TEST_F(Upload, AbortingCallsNothingButStillRemovesTheCopy)
{
    writeFile(copy, databaseBytes(4 << 20));
    FaultPeer peer(Behaviour::Silent);
    uploader.uploadToURL(peer.address(), copy);
    ASSERT_TRUE(waitFor([&] { return peer.bodyBytes > 0; }));
    uploader.abortUpload();
    waitFor([] { return false; }, 200);
    EXPECT_FALSE(recorder.ended());
    EXPECT_FALSE(QFile::exists(copy));
}
