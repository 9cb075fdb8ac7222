#include "SheetFormats.h"

#include "DateStyles.h"
#include "ListSearch.h"

namespace spinora {

SheetFormats::SheetFormats(const QLocale& locale)
{
    const ListTexts texts(locale); // the lists' medium date, and their reading of the C locale
    locale_ = texts.locale();
    shortDate_ = withFourDigitYear(locale_.dateFormat(QLocale::ShortFormat));
    mediumDate_ = withFourDigitYear(texts.mediumDateFormat());
    shortTime_ = locale_.timeFormat(QLocale::ShortFormat);
    mediumTime_ = shortTime_;
    // The medium time adds the seconds after the minutes.
    if (!mediumTime_.contains(QLatin1String("ss")))
        mediumTime_.replace(QLatin1String("mm"), QLatin1String("mm:ss"));
}

QString SheetFormats::format(const Timestamp& t, const QString& pattern) const
{
    return t ? locale_.toString(toDateTime(t), pattern) : QString();
}

QString SheetFormats::shortDate(const Timestamp& t) const
{
    return format(t, shortDate_);
}

QString SheetFormats::mediumDate(const Timestamp& t) const
{
    return format(t, mediumDate_);
}

QString SheetFormats::mediumDateShortTime(const Timestamp& t) const
{
    return format(t, mediumDate_ + QLatin1Char(' ') + shortTime_);
}

QString SheetFormats::mediumDateMediumTime(const Timestamp& t) const
{
    return format(t, mediumDate_ + QLatin1Char(' ') + mediumTime_);
}

QString SheetFormats::money(double value) const
{
    return locale_.toString(value, 'f', 2);
}

QString SheetFormats::count(qlonglong value) const
{
    return locale_.toString(value);
}

} // namespace spinora
