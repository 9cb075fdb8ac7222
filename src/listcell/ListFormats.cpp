#include "ListFormats.h"

#include "Cactus.h"
#include "DateStyles.h"

namespace spinora {

ListFormats::ListFormats(QLocale locale)
    // The C locale's formats are bare numbers; people reading a list expect words.
    : locale_(readableLocale(locale)), texts_(locale_)
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

QString ListFormats::eventText(const Cactus& cactus, size_t index) const
{
    return texts_.cactusLogText(cactus, index);
}

QString speciesText(const Cactus& cactus)
{
    // The lists' own text (which their search reads), never null.
    const QString text = ListTexts::cactusSecondText(cactus);
    return text.isNull() ? QStringLiteral("") : text;
}

QString ListFormats::money(double value) const
{
    return locale_.toString(value, 'f', 2);
}

} // namespace spinora
