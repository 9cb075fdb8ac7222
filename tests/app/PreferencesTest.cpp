// The preferences window: each toggle is stored at once and shapes what the
// app does next (the next new collection, the daily reminder).
#include "ShellTestSupport.h"

#include "AppSettings.h"
#include "DailyReminder.h"
#include "EditorTestSupport.h"
#include "PreferencesWindow.h"
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

TEST_F(PreferencesTest, TheDefaultsBoxStoresTheInverseAndShapesTheNextNewCollection)
{
    makeApp();
    PreferencesWindow* window = app_->preferencesWindow();
    presentAndClose(window, [&] {
        window->defaultsAddedCheckBox()->click();
        EXPECT_TRUE(window->grab().save(screenshotFolder() + QStringLiteral("/app-preferences.png")));
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
        {1, {"--user daemon-reload"}, true, true, "each time you log in instead of every day at 07:45"},
    };
    for (const auto& c : cases) {
        systemctl.answer(c.systemctlStatus);
        const int before = int(systemctl.calls().size());
        presentAndClose(window, [&] {
            EXPECT_FALSE(window->remindersCheckBox()->isChecked()) << "off by default, and after turning off";
            // Typed keys land in the time's first field only once the
            // window is active: the focus comes with the activation.
            EXPECT_TRUE(QTest::qWaitForWindowActive(window));
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
