#include "Timestamp.h"

#include <QFile>

#include <atomic>
#include <ctime>
#include <cmath>

namespace spinora {

namespace {
// NaN means "no fixed clock"; an atomic so that jobs on other threads read it safely.
std::atomic<double> fixedNow{std::nan("")};
} // namespace

void settleLocalTimeZone()
{
    if (qEnvironmentVariableIsEmpty("TZ") && QFile::exists(QStringLiteral("/etc/localtime"))) {
        qputenv("TZ", ":/etc/localtime");
        tzset();
    }
}

QDateTime toDateTime(const Timestamp& t)
{
    if (!t || !std::isfinite(*t))
        return {};
    return QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(std::llround(*t * 1000.0)));
}

Timestamp fromDateTime(const QDateTime& dt)
{
    if (!dt.isValid())
        return std::nullopt;
    return static_cast<double>(dt.toMSecsSinceEpoch()) / 1000.0;
}

Timestamp now()
{
    const double fixed = fixedNow.load();
    if (!std::isnan(fixed))
        return fixed;
    // Straight from the system clock: no conversion to local time.
    return static_cast<double>(QDateTime::currentMSecsSinceEpoch()) / 1000.0;
}

Timestamp roundDate(const Timestamp& t)
{
    const QDateTime dt = toDateTime(t);
    if (!dt.isValid())
        return std::nullopt;
    return fromDateTime(QDateTime(dt.date(), QTime(0, 0)));
}

void Clock::setFixedNow(const Timestamp& fixed)
{
    fixedNow.store(fixed ? *fixed : std::nan(""));
}

} // namespace spinora
