#include "DailyReminder.h"

#include "AppSettings.h"
#include "Localization.h"
#include "Result.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>

namespace spinora {

namespace {

const QString kTimer = QStringLiteral("spinora-reminders.timer");
constexpr int kSystemctlMs = 15000;

struct Run {
    bool ok = false;
    QString output;
};

Run systemctl(const QStringList& arguments)
{
    const QString program = QStandardPaths::findExecutable(QStringLiteral("systemctl"));
    if (program.isEmpty())
        return {false, QStringLiteral("systemctl is not installed")};
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, QStringList{QStringLiteral("--user")} + arguments);
    if (!process.waitForFinished(kSystemctlMs)) {
        process.kill();
        process.waitForFinished();
        return {false, QStringLiteral("systemctl did not answer")};
    }
    const QString output = QString::fromLocal8Bit(process.readAll()).trimmed();
    return {process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0,
            output.isEmpty() ? QStringLiteral("systemctl failed") : output.section(QLatin1Char('\n'), 0, 0)};
}

bool writeWhole(const QString& path, const QByteArray& contents)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size() && file.commit();
}

QString configFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

// The command-line tool: beside the app when installed, else on the PATH,
// else in the build folder's layout.
QString cliProgram()
{
    const QString here = QCoreApplication::applicationDirPath();
    for (const QString& candidate : {here + QStringLiteral("/spinora-cli"),
                                     QStandardPaths::findExecutable(QStringLiteral("spinora-cli")),
                                     QDir::cleanPath(here + QStringLiteral("/../../tools/cli/spinora-cli"))}) {
        if (!candidate.isEmpty() && QFileInfo(candidate).isExecutable())
            return candidate;
    }
    return QStringLiteral("spinora-cli");
}

QString timeText(const QTime& at)
{
    return at.toString(QStringLiteral("HH:mm"));
}

void remember(bool on, const QTime& at)
{
    const auto settings = appSettings();
    settings->setValue(QString::fromUtf8(settings::kRemindersEnabled), on);
    settings->setValue(QString::fromUtf8(settings::kReminderTime), timeText(at));
}

} // namespace

QString DailyReminder::dropInPath()
{
    return configFolder() + QStringLiteral("/systemd/user/") + kTimer + QStringLiteral(".d/time.conf");
}

QString DailyReminder::autostartPath()
{
    return configFolder() + QStringLiteral("/autostart/spinora-reminders.desktop");
}

bool DailyReminder::isOn()
{
    return appSettings()->value(QString::fromUtf8(settings::kRemindersEnabled), false).toBool();
}

QTime DailyReminder::time()
{
    const QTime stored =
        QTime::fromString(appSettings()->value(QString::fromUtf8(settings::kReminderTime)).toString(), QStringLiteral("HH:mm"));
    return stored.isValid() ? stored : QTime(8, 0);
}

DailyReminder::Result DailyReminder::turnOn(const QTime& at)
{
    const QByteArray dropIn = "# Written by Spinora's Preferences: the time of the daily reminder.\n"
                              "[Timer]\n"
                              "OnCalendar=\n"
                              "OnCalendar=*-*-* " + timeText(at).toLatin1() + ":00\n";
    if (!writeWhole(dropInPath(), dropIn))
        return {false, localized("The reminder time could not be written to %1.")
                           .arg(QDir::toNativeSeparators(dropInPath()))};

    QString why;
    Run run = systemctl({QStringLiteral("daemon-reload")});
    if (run.ok)
        run = systemctl({QStringLiteral("enable"), kTimer});
    // A timer that already runs reads its new time only when restarted.
    if (run.ok)
        run = systemctl({QStringLiteral("restart"), kTimer});
    if (run.ok) {
        QFile::remove(autostartPath());
        remember(true, at);
        return {true,
                localized("Spinora will remind you every day at %1 (systemd user timer %2).").arg(timeText(at), kTimer)};
    }

    // No systemd user instance here: a check at each login instead.
    const QString program = cliProgram();
    const QByteArray entry = "[Desktop Entry]\n"
                             "Type=Application\n"
                             "Name=Spinora reminders\n"
                             "Comment=Notifies of plants due for watering\n"
                             "Exec=\"" + program.toUtf8() + "\" due --notify\n"
                             "Icon=org.spinora.Spinora\n"
                             "NoDisplay=true\n"
                             "X-GNOME-Autostart-enabled=true\n";
    // What systemd said is for whoever reads the log, not for a grower.
    qCInfo(lcSpinora).noquote() << "systemd user timer unusable, using a login entry:" << run.output;
    if (!writeWhole(autostartPath(), entry))
        return {false, localized("Spinora cannot set a daily reminder on this desktop: its login entry %1 could not be "
                                 "written.")
                           .arg(QDir::toNativeSeparators(autostartPath()))};
    remember(true, at);
    return {true, localized("This desktop cannot wake Spinora at a set time, so it will look for plants to water "
                            "each time you log in instead of every day at %1.")
                      .arg(timeText(at))};
}

DailyReminder::Result DailyReminder::turnOff()
{
    // Whatever of the two was in use; a missing systemd instance is no error here.
    systemctl({QStringLiteral("disable"), QStringLiteral("--now"), kTimer});
    QFile::remove(dropInPath());
    QDir().rmdir(QFileInfo(dropInPath()).absolutePath());
    systemctl({QStringLiteral("daemon-reload")});
    QFile::remove(autostartPath());
    remember(false, time());
    return {false, localized("Reminders are off.")};
}

} // namespace spinora
