// Discovery through a real Avahi daemon: spinora-peer advertises itself,
// the device list and the CLI find it, read its mode and an address that
// resolves to this machine. Pull and push over HTTP need no Avahi and are
// checked in PeerAndCliTest and DeviceTransferTest. Runs only where
// ./test.sh started a private avahi-daemon on the loopback interface (so
// that nothing is announced beyond this machine); skipped otherwise.
#include "CliRunner.h"
#include "DeviceList.h"
#include "PeerProcess.h"
#include "TestSupport.h"

#include <QDir>
#include <QHostInfo>
#include <QUrl>

#include <gtest/gtest.h>

using namespace spinora;
using namespace spinora::test;

TEST(EndToEnd, DiscoveryFindsTheAdvertisedPeerThroughAvahi)
{
    if (qgetenv("SPINORA_TEST_AVAHI") != "1")
        GTEST_SKIP() << "no private loopback-only avahi-daemon (run through ./test.sh as root)";

    TempFolder folder;
    const QString phoneDir = folder.file("phone");
    QDir().mkpath(phoneDir);

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
    EXPECT_EQ(std::tuple(found.deviceName, found.serviceName, found.serviceNumber, found.serviceVersion),
              std::tuple(QStringLiteral("spinora-peer %1").arg(peer.port()), QString("Spinora"), kExportData, QString("9.9")));
    const QString server = devices.serverAddress(row);
    // The address names the host, which must resolve to this machine.
    const QString host = QUrl(server).host();
    EXPECT_TRUE(host.endsWith(".local")) << host.toStdString();
    const QHostInfo resolved = QHostInfo::fromName(host);
    ASSERT_FALSE(resolved.addresses().isEmpty()) << "the host name does not resolve: " << host.toStdString();

    // The CLI sees it too.
    const CliRun listed = cli({"devices", "--timeout", "3"});
    EXPECT_EQ(listed.exitCode, 0);
    EXPECT_TRUE(listed.out.contains(QStringLiteral("spinora-peer %1\tSpinora\t2\t9.9\t%2").arg(peer.port()).arg(server)))
        << listed.out.toStdString();
    devices.stopBrowsing();
}
