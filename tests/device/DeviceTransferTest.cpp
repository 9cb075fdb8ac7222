// The Import button's work without a window: a download handed to the
// interchange import. Whatever fails or is cancelled, the collection stays
// byte for byte as it was and no work file is left behind. Failed downloads
// and the export are checked where they show (DeviceBrowserTest, PeerAndCliTest),
// and so is a pull of the file the device's mode asks for (PeerAndCliTest).
#include "DeviceRules.h"
#include "DeviceTransfer.h"
#include "ExchangeTestSupport.h"
#include "JobRunner.h"
#include "FaultPeer.h"
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

// The device's file is the kept collection's "good.sdbi".
class Exchange : public ImportIntoKeptCollection {
protected:
    void SetUp() override
    {
        ImportIntoKeptCollection::SetUp();
        SpinoraUtility::sharedManager().documents().registerAsMainDocument(target.get());
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

    DeviceTransfer transfer;
    int endings = 0;
    std::optional<Outcome> outcome;
};

} // namespace

TEST_F(Exchange, AFileThatIsNotAnInterchangeDatabaseFailsTheImportAndChangesNothing)
{
    // SQLite, but not a collection: the import refuses it with status 2.
    const QString other = folder.file("other.db");
    execSql(other, "CREATE TABLE t(x); INSERT INTO t VALUES (1);");
    FaultPeer peer(Behaviour::Serve, readFile(other));
    transfer.startImport(target.get(), peer.address(), kBackupDatabase, 0);
    ASSERT_TRUE(waitForEnd());
    EXPECT_EQ(outcome, Outcome::ImportFailed);
    expectKept();
    EXPECT_EQ(workFilesLeft(), QStringList());
}

TEST_F(Exchange, CancelDuringTheImportReportsCancelledAndChangesNothing)
{
    FaultPeer peer(Behaviour::Serve, readFile(file));
    // Another program holds the collection's write lock: the import waits
    // for it, so the cancel surely comes while it runs.
    QString error;
    auto holder = Connection::open(target->dbFilename(), Connection::Mode::ReadWrite, &error);
    ASSERT_TRUE(holder && holder->execute("BEGIN IMMEDIATE")) << error.toStdString();
    transfer.startImport(target.get(), peer.address(), kBackupDatabase, 0);
    ASSERT_TRUE(waitFor([this] { return transfer.phase() == DeviceTransfer::Phase::Importing; }));
    transfer.cancel();
    holder->execute("ROLLBACK");
    ASSERT_TRUE(waitForEnd());
    EXPECT_EQ(outcome, Outcome::ImportCancelled);
    EXPECT_EQ(endings, 1);
    holder->close();
    expectKept();
    EXPECT_EQ(workFilesLeft(), QStringList());
}
