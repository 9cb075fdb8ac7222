// The whole exchange through a real Avahi daemon: spinora-peer advertises
// itself, discovery finds it and reads its mode, a pull imports its
// database, a push sends one back. Runs only where ./test.sh started a
// private avahi-daemon on the loopback interface (so that nothing is
// announced beyond this machine); skipped with the reason otherwise.
#include "CliRunner.h"
#include "DeviceList.h"
#include "DeviceTransfer.h"
#include "ExchangeTestSupport.h"
#include "JobRunner.h"
#include "FaultPeer.h"
#include "PeerProcess.h"
#include "SampleCollection.h"
#include "SpinoraUtility.h"
#include "TestSupport.h"
#include "WorkFiles.h"

#include <QDir>
#include <QHostInfo>

#include <gtest/gtest.h>

using namespace spinora;
using namespace spinora::test;

TEST(EndToEnd, DiscoverPullAndPushThroughAvahi)
{
    if (qgetenv("SPINORA_TEST_AVAHI") != "1")
        GTEST_SKIP() << "no private loopback-only avahi-daemon (run through ./test.sh as root)";

    TempFolder folder;
    const QString phoneDir = folder.file("phone");
    QDir().mkpath(phoneDir);
    auto phone = newCollection(folder.file("Phone.sdb"));
    SampleCollection::fill(*phone, SampleSize{7, 2, 4, 2, 160}, 11);
    ASSERT_EQ(exportTo(*phone, phoneDir + "/spinora_cactus.sdbi", 2), kJobFinished);
    phone->close();

    PeerProcess peer(phoneDir, {"--mode", "2", "--version", "9.9"});
    ASSERT_NE(peer.port(), 0);
    ASSERT_TRUE(peer.waitForLine("advertised as")) << "the peer was not published";

    DeviceList devices(makeAvahiDiscovery);
    devices.startBrowsing();
    const QString suffix = QStringLiteral(":%1").arg(peer.port());
    int row = -1;
    ASSERT_TRUE(waitFor([&] {
        for (int i = 0; i < devices.deviceArray().size(); ++i) {
            if (devices.serverAddress(i).endsWith(suffix))
                row = i;
        }
        return row >= 0;
    }, 15000)) << "discovery did not find the peer";
    const Device found = devices.deviceArray().at(row);
    EXPECT_EQ(found.deviceName, QStringLiteral("spinora-peer %1").arg(peer.port()));
    EXPECT_EQ(found.serviceName, "Spinora");
    EXPECT_EQ(found.serviceNumber, kExportData);
    EXPECT_EQ(found.serviceVersion, "9.9");
    const QString server = devices.serverAddress(row);
    // The address names the host, which must resolve to this machine.
    const QString host = QUrl(server).host();
    EXPECT_TRUE(host.endsWith(".local")) << host.toStdString();
    const QHostInfo resolved = QHostInfo::fromName(host);
    ASSERT_FALSE(resolved.addresses().isEmpty()) << "the host name does not resolve: " << host.toStdString();

    // The CLI sees it too.
    const Result listed = cli({"devices", "--timeout", "3"});
    EXPECT_EQ(listed.exitCode, 0);
    EXPECT_TRUE(listed.out.contains(QStringLiteral("spinora-peer %1\tSpinora\t2\t9.9\t%2").arg(peer.port()).arg(server)))
        << listed.out.toStdString();
    devices.stopBrowsing();

    auto document = newCollection(folder.file("Mine.sdb"));
    SampleCollection::fill(*document, SampleSize{3, 1, 2, 1, 100}, 2);
    SpinoraUtility::sharedManager().documents().registerAsMainDocument(document.get());
    DeviceTransfer transfer;
    std::optional<DeviceTransfer::Outcome> outcome;
    QObject::connect(&transfer, &DeviceTransfer::finished,
                     [&](DeviceTransfer::Outcome o, const std::optional<TransferError>&) { outcome = o; });
    transfer.startImport(document.get(), server, found.serviceNumber, 2);
    ASSERT_TRUE(waitFor([&] { return outcome.has_value(); }, 30000));
    JobRunner::waitForAll();
    ASSERT_EQ(outcome, DeviceTransfer::Outcome::ImportComplete);
    EXPECT_EQ(document->cacti().size(), 10u);

    outcome.reset();
    QByteArray sent;
    QObject::connect(&transfer, &DeviceTransfer::progressChanged, [&](double) {
        if (sent.isEmpty() && QFile::exists(WorkFiles::exportDatabase()))
            sent = readFile(WorkFiles::exportDatabase());
    });
    transfer.startExport(document.get(), server);
    ASSERT_TRUE(waitFor([&] { return outcome.has_value(); }, 30000));
    ASSERT_EQ(outcome, DeviceTransfer::Outcome::UploadFinished);
    ASSERT_FALSE(sent.isEmpty());
    EXPECT_TRUE(readFile(phoneDir + "/received/temp_spinora_export.db") == sent);
    EXPECT_FALSE(QFile::exists(WorkFiles::exportDatabase()));
    document->close();
}
