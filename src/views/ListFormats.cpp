#include "ListFormats.h"

#include <QRegularExpression>

namespace spinora {

namespace {

// Qt has no medium date style: it is the locale's long date without the
// weekday and with abbreviated month names.
QString mediumDateFormat(const QLocale& locale)
{
    QString format = locale.dateFormat(QLocale::LongFormat);
    static const QRegularExpression weekday(QStringLiteral("d{4}[,.]?\\s*"));
    format.remove(weekday);
    format.replace(QLatin1String("MMMM"), QLatin1String("MMM"));
    if (!format.contains(QLatin1String("yyyy")))
        format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return format.trimmed();
}

} // namespace

ListFormats::ListFormats(QLocale locale)
    // The C locale's formats are bare numbers; people reading a list expect words.
    : locale_(locale.language() == QLocale::C ? QLocale(QLocale::English, QLocale::UnitedStates) : locale)
{
    locale_.setNumberOptions(QLocale::OmitGroupSeparator);
    dateFormat_ = mediumDateFormat(locale_);
    timeFormat_ = locale_.timeFormat(QLocale::ShortFormat);
}

QString ListFormats::date(const Timestamp& t) const
{
    return t ? locale_.toString(toDateTime(t).date(), dateFormat_) : QString();
}

QString ListFormats::dateAndTime(const Timestamp& t) const
{
    if (!t)
        return QString();
    const QDateTime moment = toDateTime(t);
    return locale_.toString(moment.date(), dateFormat_) + QLatin1Char(' ') + locale_.toString(moment.time(), timeFormat_);
}

QString ListFormats::money(double value) const
{
    return locale_.toString(value, 'f', 2);
}

} // namespace spinora
