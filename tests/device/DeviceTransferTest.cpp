// The Import button's work without a window: a download handed to the
// interchange import. Whatever fails or is cancelled, the collection stays
// byte for byte as it was and no work file is left behind. Failed downloads
// and the export are checked where they show (DeviceBrowserTest, PeerAndCliTest).
#include "CollectionDump.h"
#include "DeviceRules.h"
#include "DeviceTransfer.h"
#include "ExchangeTestSupport.h"
#include "JobRunner.h"
#include "FaultPeer.h"
#include "SampleCollection.h"
#include "SpinoraUtility.h"
#include "SqlConnection.h"
#include "TestSupport.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

using namespace spinora;
using namespace spinora::test;
using Behaviour = FaultPeer::Behaviour;
using Outcome = DeviceTransfer::Outcome;

namespace {

class Exchange : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto source = newCollection(folder.file("Phone.sdb"));
        EXPECT_TRUE(SampleCollection::fill(*source, SampleSize{60, 4, 80, 12, 320}, 3).ok());
        sdbi = folder.file("phone.sdbi");
        ASSERT_EQ(exportTo(*source, sdbi, 0), kJobFinished);
        sourceCacti = int(source->cacti().size());
        expectOk(source->close());

        auto target = newCollection(folder.file("Precious.sdb"));
        EXPECT_TRUE(SampleCollection::fill(*target, SampleSize{5, 2, 5, 3, 120}, 7).ok());
        expectOk(target->close());
        document = openCollection(folder.file("Precious.sdb"));
        dumpBefore = dumpCollection(*document);
        before = snapshot(document->packageFilename());
        SpinoraUtility::sharedManager().documents().registerAsMainDocument(document.get());

        QObject::connect(&transfer, &DeviceTransfer::finished, [this](Outcome o, const std::optional<TransferError>&) {
            ++endings;
            outcome = o;
        });
    }

    bool waitForEnd(int ms = 30000)
    {
        const bool ended = waitFor([this] { return endings > 0; }, ms);
        JobRunner::waitForAll();
        QCoreApplication::processEvents();
        return ended;
    }

    void expectUnchanged()
    {
        EXPECT_TRUE(dumpCollection(*document) == dumpBefore) << dumpDifference(dumpBefore, dumpCollection(*document));
        const QString path = document->packageFilename();
        expectOk(document->close());
        EXPECT_EQ(snapshot(path), before);
        document = openCollection(path);
        EXPECT_EQ(workFilesLeft(), QStringList());
    }

    TempFolder folder;
    QString sdbi;
    int sourceCacti = 0;
    std::unique_ptr<SpinoraDatabase> document;
    QStringList dumpBefore;
    TreeSnapshot before;
    DeviceTransfer transfer;
    int endings = 0;
    std::optional<Outcome> outcome;
};

} // namespace

TEST_F(Exchange, PullFetchesTheFileTheModeAsksForAndImportsIt)
{
    FaultPeer peer(Behaviour::Serve, readFile(sdbi));
    transfer.startImport(document.get(), peer.address(), kExportData, 2);
    ASSERT_TRUE(waitForEnd());
    ASSERT_EQ(outcome, Outcome::ImportComplete) << transfer.jobError().toStdString();
    EXPECT_EQ(endings, 1);
    EXPECT_EQ(peer.requestLine(), "GET /spinora_cactus.sdbi HTTP/1.1");
    EXPECT_EQ(int(document->cacti().size()), 5 + sourceCacti);
    EXPECT_EQ(workFilesLeft(), QStringList());
}

TEST_F(Exchange, AFileThatIsNotAnInterchangeDatabaseFailsTheImportAndChangesNothing)
{
    // SQLite, but not a collection: the import refuses it with status 2.
    const QString other = folder.file("other.db");
    execSql(other, "CREATE TABLE t(x); INSERT INTO t VALUES (1);");
    FaultPeer peer(Behaviour::Serve, readFile(other));
    transfer.startImport(document.get(), peer.address(), kBackupDatabase, 0);
    ASSERT_TRUE(waitForEnd());
    EXPECT_EQ(outcome, Outcome::ImportFailed);
    expectUnchanged();
}

TEST_F(Exchange, CancelDuringTheImportReportsCancelledAndChangesNothing)
{
    FaultPeer peer(Behaviour::Serve, readFile(sdbi));
    // Another program holds the collection's write lock: the import waits
    // for it, so the cancel surely comes while it runs.
    QString error;
    auto holder = Connection::open(document->dbFilename(), Connection::Mode::ReadWrite, &error);
    ASSERT_TRUE(holder && holder->execute("BEGIN IMMEDIATE")) << error.toStdString();
    transfer.startImport(document.get(), peer.address(), kBackupDatabase, 0);
    ASSERT_TRUE(waitFor([this] { return transfer.phase() == DeviceTransfer::Phase::Importing; }));
    transfer.cancel();
    holder->execute("ROLLBACK");
    ASSERT_TRUE(waitForEnd());
    EXPECT_EQ(outcome, Outcome::ImportCancelled);
    EXPECT_EQ(endings, 1);
    holder->close();
    expectUnchanged();
}
