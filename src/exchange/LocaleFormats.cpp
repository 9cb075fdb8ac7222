#include "LocaleFormats.h"

#include <QRegularExpression>

namespace spinora {

namespace {

// Qt has no medium date style: it is the locale's long date without the
// weekday and with abbreviated month names ("Dec 6, 2026", "6. Dez. 2026").
QString mediumFrom(const QLocale& locale)
{
    QString format = locale.dateFormat(QLocale::LongFormat);
    static const QRegularExpression weekday(QStringLiteral("d{4}[,.]?\\s*"));
    format.remove(weekday);
    format.replace(QLatin1String("MMMM"), QLatin1String("MMM"));
    if (!format.contains(QLatin1String("yyyy")))
        format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return format.trimmed();
}

QString withoutCommas(QString text)
{
    return text.remove(QLatin1Char(','));
}

} // namespace

LocaleFormats::LocaleFormats(QLocale locale)
    : locale_(locale.language() == QLocale::C ? QLocale(QLocale::English, QLocale::UnitedStates) : locale)
{
    locale_.setNumberOptions(QLocale::OmitGroupSeparator);
    dateFormat_ = mediumFrom(locale_);
    shortTimeFormat_ = locale_.timeFormat(QLocale::ShortFormat);
    mediumTimeFormat_ = shortTimeFormat_;
    // The medium time adds the seconds after the minutes.
    mediumTimeFormat_.replace(QLatin1String("mm"), QLatin1String("mm:ss"));
}

QString LocaleFormats::date(const Timestamp& t) const
{
    return t ? locale_.toString(toDateTime(t).date(), dateFormat_) : QString();
}

QString LocaleFormats::dateAndTime(const Timestamp& t) const
{
    return t ? locale_.toString(toDateTime(t), dateTimeFormat()) : QString();
}

QString LocaleFormats::dateAndMediumTime(const Timestamp& t) const
{
    return t ? locale_.toString(toDateTime(t), dateFormat_ + QLatin1Char(' ') + mediumTimeFormat_) : QString();
}

QString LocaleFormats::money(double value) const
{
    return locale_.toString(value, 'f', 2);
}

double LocaleFormats::readMoney(const QString& text) const
{
    bool ok = false;
    double value = locale_.toDouble(text.trimmed(), &ok);
    if (!ok) {
        // Grouped numbers ("1,234.50") are read as well.
        QLocale grouped = locale_;
        grouped.setNumberOptions(QLocale::DefaultNumberOptions);
        value = grouped.toDouble(text.trimmed(), &ok);
    }
    if (!ok)
        return 0;
    return locale_.toDouble(money(value));
}

Timestamp LocaleFormats::read(const QString& text, bool withTime) const
{
    const QString trimmed = text.trimmed();
    const QStringList formats =
        withTime ? QStringList{dateTimeFormat(), withoutCommas(dateTimeFormat()), dateFormat_ + QStringLiteral(", ") + shortTimeFormat_,
                               QStringLiteral("yyyy-MM-dd HH:mm"), QStringLiteral("yyyy-MM-ddTHH:mm:ss")}
                 : QStringList{dateFormat_, withoutCommas(dateFormat_), QStringLiteral("yyyy-MM-dd")};
    for (const QString& format : formats) {
        if (withTime) {
            const QDateTime dt = locale_.toDateTime(trimmed, format);
            if (dt.isValid())
                return fromDateTime(dt);
        } else {
            const QDate d = locale_.toDate(trimmed, format);
            if (d.isValid())
                return fromDateTime(QDateTime(d, QTime(0, 0)));
        }
    }
    return std::nullopt;
}

Timestamp LocaleFormats::readDayFirstForms(const QStringList& parts, bool withTime) const
{
    const int needed = withTime ? 4 : 3;
    if (parts.size() < needed)
        return std::nullopt;
    bool isNumber = false;
    const int month = parts[1].toInt(&isNumber);
    const QString language = locale_.uiLanguages().value(0);
    auto readForms = [&](const QString& day, const QString& monthText, const QString& year, const QString& time) {
        const QString plain = withTime ? QStringLiteral("%1 %2 %3 %4").arg(day, monthText, year, time)
                                       : QStringLiteral("%1 %2 %3").arg(day, monthText, year);
        const QString format = withTime ? QStringLiteral("d MMM yyyy ") + shortTimeFormat_ : QStringLiteral("d MMM yyyy");
        Timestamp t = read(withoutCommas(plain), withTime);
        if (!t) {
            const QDateTime dt = locale_.toDateTime(withoutCommas(plain), format);
            if (dt.isValid())
                t = fromDateTime(dt);
        }
        if (!t && language.startsWith(QLatin1String("pt"))) {
            const QString pt = withTime ? QStringLiteral("%1 de %2 de %3 %4").arg(day, monthText, year, time)
                                        : QStringLiteral("%1 de %2 de %3").arg(day, monthText, year);
            t = read(withoutCommas(pt), withTime);
        }
        return t;
    };
    if (isNumber && month >= 1 && month <= 12) {
        const QString shortMonth = locale_.monthName(month, QLocale::ShortFormat);
        return readForms(parts[0], shortMonth, parts[2], withTime ? parts[3] : QString());
    }
    if (withTime && language.startsWith(QLatin1String("fr")))
        return read(withoutCommas(QStringLiteral("%1 %2 %3 à %4").arg(parts[0], parts[1], parts[2], parts[3])), true);
    return std::nullopt;
}

Timestamp LocaleFormats::readDateAndTime(const QString& original) const
{
    QString text = original;
    // 1. "Dec 6,2026" gets the space after its commas.
    const qsizetype comma = text.indexOf(QLatin1Char(','));
    if (comma >= 0 && comma < text.size() - 1 && text.at(comma + 1) != QLatin1Char(' '))
        text.replace(QLatin1String(","), QLatin1String(", "));
    // 2. As it stands.
    if (Timestamp t = read(text, true))
        return t;
    // 3. Slashes as spaces.
    text.replace(QLatin1Char('/'), QLatin1Char(' '));
    if (Timestamp t = read(text, true))
        return t;
    // 4. A comma before the time.
    const qsizetype lastSpace = text.lastIndexOf(QLatin1Char(' '));
    if (lastSpace > 0) {
        text.replace(lastSpace, 1, QStringLiteral(", "));
        if (Timestamp t = read(text, true))
            return t;
    }
    // 5. Day, month number and year in other orders and languages.
    return readDayFirstForms(text.split(QLatin1Char(' '), Qt::SkipEmptyParts), true);
}

Timestamp LocaleFormats::readDate(const QString& original) const
{
    QString text = original;
    const qsizetype comma = text.indexOf(QLatin1Char(','));
    if (comma >= 0 && comma < text.size() - 1 && text.at(comma + 1) != QLatin1Char(' '))
        text.replace(QLatin1String(","), QLatin1String(", "));
    if (Timestamp t = read(text, false))
        return t;
    text.replace(QLatin1Char('/'), QLatin1Char(' '));
    if (Timestamp t = read(text, false))
        return t;
    return readDayFirstForms(text.split(QLatin1Char(' '), Qt::SkipEmptyParts), false);
}

} // namespace spinora
