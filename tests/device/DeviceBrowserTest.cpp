// The import and export dialogs driven offscreen with clicks, a fake
// network of devices and real HTTP peers on 127.0.0.1.
#include "CollectionDump.h"
#include "DeviceBrowser.h"
#include "ExchangeTestSupport.h"
#include "FakeDiscovery.h"
#include "FaultPeer.h"
#include "ProgressWindow.h"
#include "SampleCollection.h"
#include "SpinoraUtility.h"
#include "TestSupport.h"

#include <QApplication>
#include <QButtonGroup>
#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace spinora;
using namespace spinora::test;
using Behaviour = FaultPeer::Behaviour;
using enum DeviceDirection;

namespace {

using Txt = QList<std::pair<QByteArray, QByteArray>>;

ResolvedService device(const QString& name, long long mode, quint16 port = 8080, const QByteArray& app = "Spinora")
{
    return fakeService(name, "127.0.0.1", port,
                       Txt{{"name", app}, {"type", QByteArray::number(mode)}, {"version", "2.4"}});
}

class Dialogs : public ::testing::Test {
protected:
    Dialogs() : browser([this] { return std::make_unique<FakeDiscovery>(script); })
    {
        QObject::connect(&browser, &DeviceBrowser::alertShown, [this](const QString& title, const QString& text) {
            alerts << title + "|" + text;
        });
    }
    ~Dialogs() override
    {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (qobject_cast<QMessageBox*>(w))
                w->close();
        }
    }

    FakeDiscovery& network() { return *script.current; }
    // What the import dialog says, and whether its button can be clicked.
    auto importShown() { return std::pair(browser.importMessages()->text(), browser.importButton()->isEnabled()); }
    void settle(int ms = 50) { waitFor([] { return false; }, ms); }
    void clickRow(QListWidget* table, int row)
    {
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualItemRect(table->item(row)).center());
    }
    static void clickButton(QWidget* window, const QString& text)
    {
        for (QPushButton* button : window->findChildren<QPushButton*>()) {
            if (button->text() == text && window->isVisible())
                QTest::mouseClick(button, Qt::LeftButton);
        }
    }
    // Opens the import or export dialog with one device, served by `peer` in
    // `mode`, and selects it.
    void selectPhone(DeviceDirection dialog, const FaultPeer& peer, long long mode, const QString& name = "Phone")
    {
        const ResolvedService phone = device(name, mode, QUrl(peer.address()).port());
        script.resolvable = {phone};
        browser.presentDeviceBrowser(dialog);
        network().announce(phone.service);
        settle();
        clickRow(dialog == ImportFromDevice ? browser.importDeviceTable() : browser.exportDeviceTable(), 0);
    }
    void openCollection()
    {
        document = newCollection(folder.file("Precious.sdb"));
        EXPECT_TRUE(SampleCollection::fill(*document, SampleSize{5, 2, 5, 2, 120}, 7).ok());
        SpinoraUtility::sharedManager().documents().registerAsMainDocument(document.get());
        dumpBefore = dumpCollection(*document);
    }
    QByteArray phoneDatabase()
    {
        auto phone = newCollection(folder.file("Phone.sdb"));
        EXPECT_TRUE(SampleCollection::fill(*phone, SampleSize{40, 3, 40, 6, 240}, 3).ok());
        const QString file = folder.file("phone.sdbi");
        EXPECT_EQ(exportTo(*phone, file, 0), kJobFinished);
        expectOk(phone->close());
        return readFile(file);
    }

    TempFolder folder;
    FakeDiscovery::Script script;
    DeviceBrowser browser;
    QStringList alerts;
    std::unique_ptr<SpinoraDatabase> document;
    QStringList dumpBefore;
};

} // namespace

TEST_F(Dialogs, ImportDialogFollowsTheDevicesTheSelectionAndTheOption)
{
    browser.presentDeviceBrowser(ImportFromDevice);
    QDialog* dialog = browser.importWindow();
    ASSERT_TRUE(dialog->isVisible());
    EXPECT_EQ(importShown(), std::pair(DeviceTexts::noImportDevices(), false));

    const ResolvedService anna = device("Anna's iPhone", 0);
    const ResolvedService ben = device("Ben's iPad", 2, 8081, "Spinora Lite");
    script.resolvable = {anna, ben};
    network().announce(anna.service);
    network().announce(ben.service);
    settle();
    ASSERT_EQ(browser.importDeviceTable()->count(), 2);

    clickRow(browser.importDeviceTable(), 0);
    EXPECT_EQ(importShown(), std::pair(importRuleForMode(kBackupDatabase, kRestoreComplete).message, true));

    clickRow(browser.importDeviceTable(), 1); // Export Data, then an option it can serve
    browser.importOptions()->button(2)->click();
    EXPECT_EQ(importShown(), std::pair(QString("Click the Import button to import the cacti from your device."), true));
    dialog->grab().save(screenshotFolder() + "/device-import.png");

    // The device goes away while the dialog is open.
    network().withdraw(ben.service);
    EXPECT_EQ(importShown(), std::pair(QString("Select a device from the list."), false));

    // Cancel ends browsing.
    clickButton(dialog, "Cancel");
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_FALSE(browser.devices().isBrowsing());
}

// Without avahi-daemon both dialogs flashed and closed without a word.
TEST_F(Dialogs, ExportDialogSaysWhatToDoAndStaysWhenTheSearchFails)
{
    browser.presentDeviceBrowser(ExportToDevice);
    QDialog* dialog = browser.exportWindow();
    ASSERT_TRUE(dialog->isVisible());
    EXPECT_EQ(browser.exportMessages()->text(), DeviceTexts::noExportDevices());
    const ResolvedService backup = device("Backup phone", 0);
    const ResolvedService importing = device("Importing phone", 3, 8082);
    script.resolvable = {backup, importing};
    network().announce(backup.service);
    network().announce(importing.service);
    settle();
    clickRow(browser.exportDeviceTable(), 1);
    dialog->grab().save(screenshotFolder() + "/device-export.png");

    // The daemon goes away, or is not running when a dialog opens.
    const QString told = DeviceTexts::searchFailed("Daemon not running");
    EXPECT_TRUE(told.startsWith("No devices found") && told.contains("(Daemon not running)") &&
                told.contains("systemctl start avahi-daemon")) << told.toStdString();
    network().failSearch("Daemon not running");
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(std::pair(browser.exportMessages()->text(), browser.exportButton()->isEnabled()), std::pair(told, false));
    script.startError = "Daemon not running";
    browser.presentDeviceBrowser(ImportFromDevice);
    settle();
    EXPECT_TRUE(browser.importWindow()->isVisible());
    EXPECT_EQ(importShown(), std::pair(told, false));
}

TEST_F(Dialogs, ImportFromADeviceShowsProgressThenTheAlert)
{
    const QByteArray phoneFile = phoneDatabase();
    openCollection();
    FaultPeer peer(Behaviour::Serve, phoneFile);
    selectPhone(ImportFromDevice, peer, 0);
    browser.importOptions()->button(0)->click();
    bool sawProgress = false;
    QObject::connect(&browser.transfer(), &DeviceTransfer::progressChanged, [&](double p) {
        if (p > 50 && !sawProgress && browser.progressWindow()->isVisible()) {
            sawProgress = true;
            browser.progressWindow()->grab().save(screenshotFolder() + "/device-progress.png");
        }
    });
    QTest::mouseClick(browser.importButton(), Qt::LeftButton);
    ASSERT_TRUE(browser.progressWindow()->isVisible());
    ASSERT_TRUE(waitFor([&] { return !alerts.isEmpty(); }, 30000));
    EXPECT_EQ(alerts, QStringList{"Import Complete|Database import complete!\n\nCacti imported: 40\n"
                                  "Watering schedules imported: 3\nLogs imported: 40"});
    EXPECT_FALSE(browser.progressWindow()->isVisible());
    EXPECT_EQ(document->cacti().size(), 40u); // a complete restore replaces the collection
}

TEST_F(Dialogs, AFailedDownloadWarnsAndChangesNothing)
{
    openCollection();
    FaultPeer peer(Behaviour::NotFound);
    selectPhone(ImportFromDevice, peer, 2);
    browser.importOptions()->button(3)->click();
    QTest::mouseClick(browser.importButton(), Qt::LeftButton);
    ASSERT_TRUE(waitFor([&] { return !alerts.isEmpty(); }));
    EXPECT_EQ(peer.requestLine(), "GET /spinora_watering.sdbi HTTP/1.1");
    EXPECT_EQ(alerts, QStringList{"WARNING|Error transferring database!\n\n(HTTP error 404)"});
    EXPECT_TRUE(dumpCollection(*document) == dumpBefore);
}

TEST_F(Dialogs, CancelInTheProgressWindowStopsTheDownloadSilently)
{
    const QByteArray phoneFile = phoneDatabase();
    openCollection();
    FaultPeer peer(Behaviour::StallHalfWay, phoneFile);
    selectPhone(ImportFromDevice, peer, 0);
    QTest::mouseClick(browser.importButton(), Qt::LeftButton);
    ASSERT_TRUE(waitFor([&] { return peer.requests > 0; }));
    settle(100);
    ASSERT_TRUE(browser.progressWindow()->isVisible());
    clickButton(browser.progressWindow(), "Cancel");
    EXPECT_FALSE(browser.progressWindow()->isVisible());
    EXPECT_EQ(browser.transfer().phase(), DeviceTransfer::Phase::Idle);
    settle(300);
    EXPECT_TRUE(alerts.isEmpty());
    EXPECT_TRUE(dumpCollection(*document) == dumpBefore);
    EXPECT_EQ(workFilesLeft(), QStringList());
}

TEST_F(Dialogs, ExportToADeviceEndsWithCheckDeviceOrTheNumberedWarning)
{
    openCollection();
    // Exports to a new device served by `peer` in `mode`; the alerts it ended with.
    auto exportVia = [this](const FaultPeer& peer, long long mode, const QString& name) {
        alerts.clear();
        selectPhone(ExportToDevice, peer, mode, name);
        QTest::mouseClick(browser.exportButton(), Qt::LeftButton);
        EXPECT_TRUE(waitFor([&] { return !alerts.isEmpty(); }));
        return alerts;
    };
    const QStringList checkDevice{"Check Device|Database transferred! Check your device for further instructions."};
    {
        FaultPeer peer(Behaviour::Serve, "OK");
        EXPECT_EQ(exportVia(peer, 1, "Phone"), checkDevice);
    }
    FaultPeer refusing(Behaviour::NotFound);
    EXPECT_EQ(exportVia(refusing, 3, "Phone 2"), QStringList{"WARNING|Error transferring database!\n\n(103 - HTTP error 404)"});

    // The failure let go of the work folder: the next export goes through.
    FaultPeer again(Behaviour::Serve, "OK");
    EXPECT_EQ(exportVia(again, 1, "Phone 3"), checkDevice);
}
