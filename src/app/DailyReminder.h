#pragma once

#include <QString>
#include <QTime>

namespace spinora {

// The daily reminder of plants due for watering. Turned on, it enables the
// systemd user timer `spinora-reminders.timer` (installed with the program)
// with the chosen time written as a drop-in; where there is no systemd user
// instance (or the timer is not installed) it falls back to an XDG autostart
// entry that checks once at each login. Either way the check is
// `spinora-cli due --notify`.
class DailyReminder {
public:
    struct Result {
        bool on = false;
        // What happened, in words for the Preferences window.
        QString message;
    };

    static Result turnOn(const QTime& at);
    static Result turnOff();

    // The stored choice (off and 08:00 until changed).
    static bool isOn();
    static QTime time();

    static QString dropInPath();
    static QString autostartPath();
};

} // namespace spinora
