#include "LocaleFormats.h"

#include "DateStyles.h"

#include <QRegularExpression>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>

namespace spinora {

namespace {

// When the first comma is not followed by a space (nor ends the text),
// every comma gets one.
void spaceAfterCommas(QString& text)
{
    const qsizetype comma = text.indexOf(QLatin1Char(','));
    if (comma >= 0 && comma < text.size() - 1 && text.at(comma + 1) != QLatin1Char(' '))
        text.replace(QLatin1String(","), QLatin1String(", "));
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
    dateFormat_ = spinora::mediumDateFormat(locale_);
    shortTimeFormat_ = locale_.timeFormat(QLocale::ShortFormat);
    mediumTimeFormat_ = shortTimeFormat_;
    // The medium time adds the seconds after the minutes.
    mediumTimeFormat_.replace(QLatin1String("mm"), QLatin1String("mm:ss"));
    dateTimeReader_ = FormatReader(dateTimeFormat(), locale_);
    dateReader_ = FormatReader(dateFormat_, locale_);
}

LocaleFormats::FormatReader::FormatReader(const QString& format, const QLocale& locale)
{
    for (int month = 1; month <= 12; ++month) {
        monthNames_.insert(locale.monthName(month, QLocale::ShortFormat).toLower(), month);
        monthNames_.insert(locale.monthName(month, QLocale::LongFormat).toLower(), month);
        monthNames_.insert(locale.standaloneMonthName(month, QLocale::ShortFormat).toLower(), month);
    }
    am_ = locale.amText().toLower();
    pm_ = locale.pmText().toLower();
    QString regex = QStringLiteral("^\\s*");
    for (qsizetype i = 0; i < format.size();) {
        const QChar c = format.at(i);
        if (c == QLatin1Char('\'')) {
            // Quoted text stands for itself.
            const qsizetype close = format.indexOf(QLatin1Char('\''), i + 1);
            const qsizetype end = close < 0 ? format.size() : close;
            regex += QRegularExpression::escape(format.mid(i + 1, end - i - 1));
            i = end + 1;
            continue;
        }
        qsizetype run = 1;
        while (i + run < format.size() && format.at(i + run) == c)
            ++run;
        auto field = [&](Field f, const char* expression) {
            fields_.push_back(f);
            regex += QLatin1Char('(') + QLatin1String(expression) + QLatin1Char(')');
        };
        if (c == QLatin1Char('d') && run <= 2)
            field(kDay, "\\d{1,2}");
        else if (c == QLatin1Char('M') && run <= 2)
            field(kMonthNumber, "\\d{1,2}");
        else if (c == QLatin1Char('M'))
            field(kMonthName, "[^\\s\\d,]+");
        else if (c == QLatin1Char('y') && run == 2)
            field(kYear2, "\\d{2}");
        else if (c == QLatin1Char('y'))
            field(kYear4, "\\d{4}");
        else if (c == QLatin1Char('h') && run <= 2)
            field(kHour12, "\\d{1,2}");
        else if (c == QLatin1Char('H') && run <= 2)
            field(kHour24, "\\d{1,2}");
        else if (c == QLatin1Char('m') && run <= 2)
            field(kMinute, "\\d{2}");
        else if (c == QLatin1Char('s') && run <= 2)
            field(kSecond, "\\d{2}");
        else if (c == QLatin1Char('A') || c == QLatin1Char('a'))
            field(kAmPm, "[^\\s\\d]+");
        else if (c == QLatin1Char('P') || c == QLatin1Char('p'))
            ; // the second letter of AP
        else if (c.isSpace())
            regex += QStringLiteral("\\s+");
        else
            regex += QRegularExpression::escape(QString(run, c));
        i += run;
        if (c == QLatin1Char('d') && run > 2)
            fields_.clear(); // a weekday: no fast reading
    }
    regex += QStringLiteral("\\s*$");
    pattern_ = QRegularExpression(regex, QRegularExpression::CaseInsensitiveOption);
}

Timestamp LocaleFormats::FormatReader::read(const QString& text, bool withTime) const
{
    if (fields_.empty() || !pattern_.isValid())
        return std::nullopt;
    const QRegularExpressionMatch match = pattern_.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    int day = 0, month = 0, year = 0, hour = 0, minute = 0, second = 0;
    int pm = -1;
    for (size_t i = 0; i < fields_.size(); ++i) {
        const QString part = match.captured(int(i) + 1);
        switch (fields_[i]) {
        case kDay: day = part.toInt(); break;
        case kMonthNumber: month = part.toInt(); break;
        case kMonthName: month = monthNames_.value(part.toLower(), 0); break;
        case kYear2: year = 2000 + part.toInt(); break;
        case kYear4: year = part.toInt(); break;
        case kHour12:
        case kHour24: hour = part.toInt(); break;
        case kMinute: minute = part.toInt(); break;
        case kSecond: second = part.toInt(); break;
        case kAmPm:
            pm = part.toLower() == pm_ ? 1 : (part.toLower() == am_ ? 0 : -2);
            break;
        }
    }
    if (pm == -2)
        return std::nullopt;
    if (pm == 1 && hour < 12)
        hour += 12;
    else if (pm == 0 && hour == 12)
        hour = 0;
    const QDate date(year, month, day);
    const QTime time(hour, minute, second);
    if (!date.isValid() || !time.isValid())
        return std::nullopt;
    return fromDateTime(QDateTime(date, withTime ? time : QTime(0, 0)));
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
    // printf's "%.2f" rounds the exact binary value (0.125 gives "0.12");
    // QLocale rounds its shortest decimal form, so ties would go up. The
    // digits come from C's formatting, the separators from the locale.
    char digits[400];
    std::snprintf(digits, sizeof digits, "%.2f", value);
    QString text;
    for (const char* c = digits; *c; ++c) {
        if (*c >= '0' && *c <= '9')
            text += locale_.zeroDigit().size() == 1 ? QChar(locale_.zeroDigit().at(0).unicode() + (*c - '0'))
                                                     : QChar(QLatin1Char(*c));
        else if (*c == '-')
            text += locale_.negativeSign();
        else if (std::isalpha(static_cast<unsigned char>(*c)))
            text += QLatin1Char(*c); // "inf", "nan"
        else
            text += locale_.decimalPoint(); // whatever C's own locale put there
    }
    return text;
}

std::optional<double> LocaleFormats::readMoney(const QString& text) const
{
    const QString trimmed = text.trimmed();
    bool ok = false;
    double value = locale_.toDouble(trimmed, &ok);
    if (!ok) {
        // Grouped numbers ("1,234.50") are read as well.
        QLocale grouped = locale_;
        grouped.setNumberOptions(QLocale::DefaultNumberOptions);
        value = grouped.toDouble(trimmed, &ok);
    }
    if (!ok) {
        // A file from another locale: a point or comma followed by one or two
        // digits at the end can only be the decimal separator, as groups have
        // three digits ("6,90", "1.234,50" and "1 234,50" where the locale
        // writes "6.90"). Earlier separators must all be one group separator.
        static const QRegularExpression decimal(QStringLiteral(
            "^([+-]?)(\\d{1,3}(?:([.,' \\x{a0}\\x{202f}\\x{2019}])\\d{3}(?:\\3\\d{3})*)?|\\d+)([.,])(\\d{1,2})$"));
        const QRegularExpressionMatch match = decimal.match(trimmed);
        if (match.hasMatch() && match.captured(3) != match.captured(4)) {
            QString digits = match.captured(2);
            if (!match.captured(3).isEmpty())
                digits.remove(match.captured(3));
            value = (match.captured(1) + digits + QLatin1Char('.') + match.captured(5)).toDouble(&ok);
        }
    }
    if (!ok) {
        // "€ 6,90", "6,90 €", "CHF 12.50", "12,50 zł": the currency goes,
        // a sign or code before or after the amount; any other letter
        // ("6,9x") leaves the text unreadable.
        static const QRegularExpression currency(QStringLiteral(
            "^(?:\\p{Sc}|[A-Z]{3}|R\\$|kr\\.?|zł|Kč|Ft|lei|руб\\.?|р\\.)\\s*|"
            "\\s*(?:\\p{Sc}|[A-Z]{3}|kr\\.?|zł|Kč|Ft|lei|руб\\.?|р\\.)$"));
        QString amount = trimmed;
        amount.remove(currency);
        if (!amount.isEmpty() && amount != trimmed)
            return readMoney(amount);
    }
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return locale_.toDouble(money(value));
}

Timestamp LocaleFormats::read(const QString& text, bool withTime) const
{
    // Every date names its day with digits: "Never" and the like are no date.
    if (std::none_of(text.begin(), text.end(), [](QChar c) { return c.isDigit(); }))
        return std::nullopt;
    if (Timestamp fast = (withTime ? dateTimeReader_ : dateReader_).read(text, withTime))
        return fast;
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
    spaceAfterCommas(text);
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
    spaceAfterCommas(text);
    if (Timestamp t = read(text, false))
        return t;
    text.replace(QLatin1Char('/'), QLatin1Char(' '));
    if (Timestamp t = read(text, false))
        return t;
    return readDayFirstForms(text.split(QLatin1Char(' '), Qt::SkipEmptyParts), false);
}

} // namespace spinora
