// The preferences window: its boxes show the stored values, each toggle is
// stored at once, and closing it after the sort changed re-sorts every open
// collection exactly once.
#include "ShellTestSupport.h"

#include "AppPreferences.h"
#include "AppSettings.h"
#include "DailyReminder.h"
#include "EditorTestSupport.h"
#include "ListController.h"
#include "PreferencesWindow.h"
#include "RecordBuilders.h"
#include "SpinoraDatabase.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimeEdit>

namespace spinora::test {
namespace {

using PreferencesTest = ShellTest;

// Counts the refreshes a document asks of its cactus list.
class CountingList : public ListController {
public:
    explicit CountingList(SpinoraDatabase& document) : document_(document) {}
    void rerunSearch() override
    {
        document_.displayedCacti().clear();
        for (auto& cactus : document_.cacti())
            document_.displayedCacti().push_back(cactus.get());
    }
    void refreshData() override { ++refreshes; }
    int refreshes = 0;

private:
    SpinoraDatabase& document_;
};

QStringList cactusNames(SpinoraDatabase& document)
{
    QStringList names;
    for (auto& cactus : document.cacti())
        names << cactus->name();
    return names;
}

// A collection whose name order and species order differ.
QString makeOrderedCollection(const QString& path)
{
    auto document = newCollection(path, true);
    const QPair<QString, QString> plants[] = {
        {"Alpha", "Mammillaria zeilmanniana"}, {"Bravo", "Gymnocalycium mihanovichii"}, {"Charlie", "Astrophytum asterias"}};
    for (const auto& [name, species] : plants)
        addPlant(*document, name)->setScientificName(species);
    document->close();
    return path;
}

// Shows the window, runs `act` while it is up, then presses its Close button.
void presentAndClose(PreferencesWindow* window, std::function<void()> act = {})
{
    whenModalOpens<PreferencesWindow>([act](PreferencesWindow* shown) {
        if (act)
            act();
        shown->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Close)->click();
    });
    window->presentPreferences();
}

TEST_F(PreferencesTest, ChangingTheSortReSortsEveryOpenCollectionOnceOnClose)
{
    makeApp();
    SpinoraDatabase* a = app_->openDocumentWithContentsOfURL(makeOrderedCollection(folder_.file("SortA.sdb")));
    SpinoraDatabase* b = app_->openDocumentWithContentsOfURL(makeOrderedCollection(folder_.file("SortB.sdb")));
    ASSERT_TRUE(a && b);
    CountingList listA(*a), listB(*b);
    a->setListController(SpinoraDatabase::kCactusList, &listA);
    b->setListController(SpinoraDatabase::kCactusList, &listB);
    EXPECT_EQ(cactusNames(*a), (QStringList{"Alpha", "Bravo", "Charlie"}));

    PreferencesWindow* window = app_->preferencesWindow();
    int refreshesWhileOpen = -1;
    presentAndClose(window, [&] {
        window->sortCactiCheckBox()->click();
        refreshesWhileOpen = listA.refreshes + listB.refreshes;
    });
    EXPECT_EQ(refreshesWhileOpen, 0) << "nothing is re-sorted before the window closes";
    EXPECT_EQ(std::make_pair(listA.refreshes, listB.refreshes), std::make_pair(1, 1));
    EXPECT_EQ(cactusNames(*a), (QStringList{"Charlie", "Bravo", "Alpha"})) << "by species: Astrophytum, Gymnocalycium, Mammillaria";
    EXPECT_EQ(cactusNames(*b), (QStringList{"Charlie", "Bravo", "Alpha"}));
    EXPECT_TRUE(appSettings()->value(QStringLiteral("sortBySpecies")).toBool());

    // Closing without a change re-sorts nothing; a value stored meanwhile shows.
    appSettings()->setValue(QStringLiteral("addNoDefaultsToDatabase"), true);
    app_->getPreferences().reload();
    presentAndClose(window);
    EXPECT_FALSE(window->defaultsAddedCheckBox()->isChecked());
    EXPECT_EQ(std::make_pair(listA.refreshes, listB.refreshes), std::make_pair(1, 1));
    a->setListController(SpinoraDatabase::kCactusList, nullptr);
    b->setListController(SpinoraDatabase::kCactusList, nullptr);
}

TEST_F(PreferencesTest, TheDefaultsBoxStoresTheInverseAndShapesTheNextNewCollection)
{
    makeApp();
    PreferencesWindow* window = app_->preferencesWindow();
    presentAndClose(window, [&] {
        window->defaultsAddedCheckBox()->click();
        EXPECT_TRUE(window->grab().save(screenshotPath(QStringLiteral("app-preferences.png"))));
    });
    EXPECT_TRUE(appSettings()->value(QStringLiteral("addNoDefaultsToDatabase")).toBool());

    nextNewPath_ = folder_.file(QStringLiteral("Bare.sdb"));
    app_->newDocument();
    ASSERT_EQ(app_->openDocuments().size(), 1u);
    EXPECT_TRUE(app_->openDocuments().front()->species().empty());
    EXPECT_TRUE(app_->openDocuments().front()->events().empty());
}

// A `systemctl` of the test's own, first on the PATH: it notes each call
// and answers with the status in $FAKE_SYSTEMCTL_STATUS.
class FakeSystemctl {
public:
    explicit FakeSystemctl(const TempFolder& folder) : log_(folder.file("systemctl.log")), path_(qgetenv("PATH"))
    {
        writeFile(folder.file("systemctl"), "#!/bin/sh\necho \"$@\" >> '" + log_.toUtf8() +
                                                 "'\n[ \"$FAKE_SYSTEMCTL_STATUS\" = 0 ] || "
                                                 "{ echo 'Failed to connect to bus: No medium found'; exit 1; }\n");
        QFile::setPermissions(folder.file("systemctl"), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        qputenv("PATH", folder.path().toUtf8() + ":" + path_);
    }
    ~FakeSystemctl()
    {
        qputenv("PATH", path_);
        qunsetenv("FAKE_SYSTEMCTL_STATUS");
    }
    QStringList calls() const { return QString::fromUtf8(readFile(log_)).split('\n', Qt::SkipEmptyParts); }
    void answer(int status) const { qputenv("FAKE_SYSTEMCTL_STATUS", QByteArray::number(status)); }

private:
    QString log_;
    QByteArray path_;
};

TEST_F(PreferencesTest, RemindersUseTheSystemdTimerOrElseALoginEntryAndSaySo)
{
    FakeSystemctl systemctl(folder_);
    makeApp();
    PreferencesWindow* window = app_->preferencesWindow();
    const struct {
        int systemctlStatus;
        QStringList calls;
        bool timeDropIn;
        bool loginEntry;
        const char* says;
    } cases[] = {
        {0, {"--user daemon-reload", "--user enable spinora-reminders.timer", "--user restart spinora-reminders.timer"},
         true, false, "every day at 07:45 (systemd user timer"},
        {1, {"--user daemon-reload"}, true, true, "once at each login instead of every day at 07:45"},
    };
    for (const auto& c : cases) {
        systemctl.answer(c.systemctlStatus);
        const int before = int(systemctl.calls().size());
        presentAndClose(window, [&] {
            EXPECT_FALSE(window->remindersCheckBox()->isChecked()) << "off by default, and after turning off";
            window->reminderTimeEdit()->setFocus();
            QTest::keyClicks(window->reminderTimeEdit(), "0745");
            window->remindersCheckBox()->setFocus();
            QTest::keyClick(window->remindersCheckBox(), Qt::Key_Space);
            EXPECT_TRUE(window->reminderStatus()->text().contains(c.says)) << window->reminderStatus()->text().toStdString();
            EXPECT_EQ(systemctl.calls().mid(before), c.calls);
            EXPECT_EQ(QFile::exists(DailyReminder::dropInPath()), c.timeDropIn);
            EXPECT_EQ(QFile::exists(DailyReminder::autostartPath()), c.loginEntry);
            if (c.timeDropIn) {
                EXPECT_TRUE(readFile(DailyReminder::dropInPath()).contains("\nOnCalendar=\nOnCalendar=*-*-* 07:45:00\n"));
            }
            if (c.loginEntry) {
                EXPECT_TRUE(readFile(DailyReminder::autostartPath()).contains("spinora-cli\" due --notify\n"));
            }
        });
        EXPECT_EQ(DailyReminder::time(), QTime(7, 45));

        // Off again: the timer is disabled and both files go.
        presentAndClose(window, [&] {
            EXPECT_TRUE(window->remindersCheckBox()->isChecked());
            window->remindersCheckBox()->click();
        });
        EXPECT_TRUE(systemctl.calls().contains("--user disable --now spinora-reminders.timer"));
        EXPECT_FALSE(QFile::exists(DailyReminder::dropInPath()));
        EXPECT_FALSE(QFile::exists(DailyReminder::autostartPath()));
    }
}

} // namespace
} // namespace spinora::test
