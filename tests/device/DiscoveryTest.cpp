// Which services become devices, what the two dialogs say about them, and
// which file an import fetches: the rule tables without a window.
#include "DeviceList.h"
#include "DeviceRules.h"
#include "FakeDiscovery.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace spinora;
using namespace spinora::test;

namespace {

using Txt = QList<std::pair<QByteArray, QByteArray>>;

ResolvedService phone(const QString& name, const Txt& txt, const QString& host = "phone.local.")
{
    return fakeService(name, host, 8080, txt);
}

Txt spinoraTxt(const QByteArray& type, const QByteArray& version = "2.1", const QByteArray& name = "Spinora")
{
    return {{"name", name}, {"type", type}, {"version", version}};
}

Device device(long long mode)
{
    return Device{"Anna's iPhone", "Spinora", mode, "2.1"};
}

} // namespace

// --- Accepting a resolved service

TEST(Accepting, OnlyTheMobileAppByItsExactTxtName)
{
    EXPECT_TRUE(Device::fromService(phone("a", spinoraTxt("0"))));
    EXPECT_FALSE(Device::fromService(phone("a", spinoraTxt("0", "1", "spinora"))));
    EXPECT_FALSE(Device::fromService(phone("a", spinoraTxt("0", "1", "Spinora "))));
    EXPECT_FALSE(Device::fromService(phone("a", {{"type", "0"}, {"version", "1"}})));
    EXPECT_FALSE(Device::fromService(phone("a", {{"name", QByteArray()}})));  // key without a value
    EXPECT_FALSE(Device::fromService(phone("a", {{"name", "Spin\xff" "ora"}}))); // not UTF-8
    EXPECT_FALSE(Device::fromService(phone("a", {})));
    // TXT keys ignore case and the first entry counts.
    EXPECT_TRUE(Device::fromService(phone("a", {{"NAME", "Spinora"}})));
    EXPECT_FALSE(Device::fromService(phone("a", {{"name", "Other"}, {"name", "Spinora"}})));
}

TEST(Accepting, ReadsTheFieldsAndToleratesOddValues)
{
    const auto d = Device::fromService(phone("Anna's iPhone", spinoraTxt("2", "3.0.1", "Spinora Lite")));
    ASSERT_TRUE(d);
    EXPECT_EQ(std::tuple(d->deviceName, d->serviceName, d->serviceNumber, d->serviceVersion),
              std::tuple(QString("Anna's iPhone"), QString("Spinora Lite"), 2LL, QString("3.0.1")));

    // "abc" is Backup Database; text that starts with a number counts as it.
    EXPECT_EQ(Device::fromService(phone("a", spinoraTxt("abc")))->serviceNumber, 0);
    EXPECT_EQ(Device::fromService(phone("a", spinoraTxt(" 3x")))->serviceNumber, 3);
    EXPECT_EQ(Device::fromService(phone("a", spinoraTxt("99999999999999999999999")))->serviceNumber,
              std::numeric_limits<long long>::max());
    EXPECT_EQ(Device::fromService(phone("a", {{"name", "Spinora"}}))->serviceNumber, 0);
    // A value that is not UTF-8, or longer than one TXT entry can hold, counts as missing.
    EXPECT_EQ(Device::fromService(phone("a", spinoraTxt("1", "\xc3\x28")))->serviceVersion, "");
    EXPECT_EQ(Device::fromService(phone("a", spinoraTxt(QByteArray(5000, '1'))))->serviceNumber, 0);
    // A tab or a line break cannot split a listed line.
    EXPECT_EQ(Device::fromService(phone("Bad\tname\n", spinoraTxt("1", "1\t2")))->rowText(), "Bad name  (Spinora v1 2)");
}

// --- The rule tables

TEST(Rules, WordForWordForEveryModeAndOption)
{
    const struct {
        bool exporting;
        long long mode;
        int option; // the import option; the export dialog has none
        const char* message;
        bool enabled;
    } rows[] = {
        {false, 0, 0, "Click the Import button to restore the complete database from your device.", true},
        {false, 0, 1, "Click the Import button to restore only the cacti and watering schedules in the database from your device.", true},
        {false, 0, 2, "Click the Import button to import the cacti from your device.", true},
        {false, 0, 3, "Click the Import button to import the watering schedules from your device.", true},
        {false, 1, 0, "Restore Database is selected on your device. Select either Backup Database or Export Data instead.", false},
        {false, 2, 1, "Export Data is selected on your device. Select Backup Database instead to restore both cacti and watering schedules.", false},
        {false, 2, 0, "Export Data is selected on your device. Only cacti or watering schedules can be imported in this mode.", false},
        {false, 3, 0, "Import Data is selected on your device. Select either Backup Database or Export Data instead.", false},
        {false, -1, 2, "", false},
        {true, 0, 0, "Backup Database is selected on your device. Select either Restore Database or Import Data instead.", false},
        {true, 1, 0, "Click the Export button to send the database to your device.", true},
        {true, 2, 0, "Export Data is selected on your device. Select either Restore Database or Import Data instead.", false},
        {true, 3, 0, "Click the Export button to send the database to your device. The app will ask what you want to import.", true},
        {true, 4, 0, "", false},
    };
    for (const auto& row : rows) {
        const DisplayRule rule =
            row.exporting ? exportRule({device(row.mode)}, 0) : importRule({device(row.mode)}, 0, row.option);
        EXPECT_EQ(std::pair(rule.message, rule.buttonEnabled), std::pair(QString::fromUtf8(row.message), row.enabled))
            << row.exporting << " " << row.mode << " " << row.option;
    }
}

// An empty export list is DeviceBrowserTest's (the dialog's message); Export
// Data's two files are fetched there and in PeerAndCliTest.
TEST(Rules, ASelectionBeyondTheListIsClearedAndBackupDatabaseSendsEverything)
{
    EXPECT_TRUE(exportRule({device(1)}, 1).clearSelection);
    for (int option : {0, 3})
        EXPECT_EQ(importFileName(0, option), "spinora.sdbi") << "whatever the option";
}

// The alerts of a finished import and export and of a refused push are
// checked word for word where the dialogs show them (DeviceBrowserTest).
TEST(Alerts, AFailedImportIsNotShownAsComplete)
{
    EXPECT_EQ(importFinishedAlert(2).title, "Import Error");
}

// --- Browsing with the fake discovery

namespace {

class Browsing : public ::testing::Test {
protected:
    Browsing() : list([this] { return std::make_unique<FakeDiscovery>(script); }) {}

    FakeDiscovery& network() { return *script.current; }
    void settle() { waitFor([] { return false; }, 50); }

    FakeDiscovery::Script script;
    DeviceList list;
};

} // namespace

TEST_F(Browsing, ListsResolvedSpinoraServicesOnlyAndKeepsTheListsInStep)
{
    const ResolvedService anna = phone("Anna", spinoraTxt("0"));
    const ResolvedService printer = phone("Printer", {{"name", "HP"}});
    const ResolvedService lite = phone("Ben", spinoraTxt("3", "1.0", "Spinora Lite"), "ben.local.");
    script.resolvable = {anna, printer, lite};
    list.startBrowsing();
    ASSERT_NE(script.current, nullptr);
    EXPECT_EQ(network().browsedType(), "_http._tcp.");
    network().announce(anna.service);
    network().announce(printer.service);
    EXPECT_TRUE(list.deviceArray().isEmpty()); // nothing before resolution
    network().announce(lite.service);
    settle();
    ASSERT_EQ(list.deviceArray().size(), 2);
    EXPECT_EQ(list.deviceArray()[0].deviceName, "Anna");
    EXPECT_EQ(list.deviceArray()[1].deviceName, "Ben");
    EXPECT_EQ(list.serverAddress(1), "http://ben.local:8080");

    // Found again: not resolved again.
    const int resolutions = script.resolutions;
    network().announce(anna.service);
    settle();
    EXPECT_EQ(script.resolutions, resolutions);

    network().withdraw(anna.service);
    ASSERT_EQ(list.deviceArray().size(), 1);
    EXPECT_EQ(list.deviceArray()[0].deviceName, "Ben");
    EXPECT_EQ(list.serviceArray()[0].service.name, "Ben");
    network().withdraw(printer.service); // never listed: nothing happens
    EXPECT_EQ(list.deviceArray().size(), 1);
}

TEST_F(Browsing, FailedSilentAndWithdrawnResolutionsAreNotListed)
{
    const ResolvedService a = phone("A", spinoraTxt("0"));
    const ResolvedService b = phone("B", spinoraTxt("0"));
    const ResolvedService c = phone("C", spinoraTxt("0"));
    script.resolvable = {a, b, c};
    script.failing = {a.service};
    list.startBrowsing();
    network().announce(a.service);
    network().announce(b.service);
    network().withdraw(b.service); // gone before its resolution arrives
    network().announce(c.service);
    settle();
    ASSERT_EQ(list.deviceArray().size(), 1);
    EXPECT_EQ(list.deviceArray()[0].deviceName, "C");
}

TEST_F(Browsing, AStoppedOrFailedSearchEndsBrowsingAndEmptiesTheList)
{
    const ResolvedService a = phone("A", spinoraTxt("0"));
    script.resolvable = {a};
    QString reason = "none";
    QObject::connect(&list, &DeviceList::browsingEnded, [&](const QString& r) { reason = r; });
    list.startBrowsing();
    network().announce(a.service);
    settle();
    ASSERT_EQ(list.deviceArray().size(), 1);
    network().failSearch("daemon gone");
    EXPECT_EQ(reason, "daemon gone");
    EXPECT_FALSE(list.isBrowsing());
    EXPECT_TRUE(list.deviceArray().isEmpty());
    EXPECT_TRUE(list.serviceArray().isEmpty());
    // A search that cannot start: Dialogs.ExportDialogSaysWhatToDoAndStaysWhenTheSearchFails.
}
