#pragma once

#include <QDateTime>

#include <optional>

namespace spinora {

// A stored moment: seconds since 1970-01-01 00:00 UTC. Empty means "no date";
// in the database that is written as 0.0.
using Timestamp = std::optional<double>;

// 0.0 read from a column means that there is no date.
inline Timestamp timestampFromColumn(double seconds)
{
    return seconds == 0.0 ? Timestamp() : Timestamp(seconds);
}
inline double timestampToColumn(const Timestamp& t) { return t.value_or(0.0); }

// Local date and time of a moment (the user's time zone); invalid for none.
QDateTime toDateTime(const Timestamp& t);
// Empty for an invalid date time.
Timestamp fromDateTime(const QDateTime& dt);

// The current moment. Tests fix it with Clock::setFixedNow.
Timestamp now();

// The same calendar day at 00:00:00 local time (Gregorian calendar).
Timestamp roundDate(const Timestamp& t);

// Without TZ in the environment the C library checks /etc/localtime on every
// local-time conversion (a file-system call per date read or written). Naming
// the same zone file in TZ once at start-up spares that; the zone is unchanged.
void settleLocalTimeZone();

class Clock {
public:
    static void setFixedNow(const Timestamp& fixed);
    static void clearFixedNow() { setFixedNow(std::nullopt); }
};

} // namespace spinora
