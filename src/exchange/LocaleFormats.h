#pragma once

#include "Timestamp.h"

#include <QHash>
#include <QLocale>
#include <QRegularExpression>

#include <QString>

#include <optional>
#include <vector>

namespace spinora {

// The value formats of the CSV file and the HTML report, in the user's
// locale: dates in the medium style (abbreviated month, four-digit year),
// times in the short or medium style, money with exactly two decimals.
class LocaleFormats {
public:
    explicit LocaleFormats(QLocale locale = QLocale());

    QString mediumDateFormat() const { return dateFormat_; }
    QString dateTimeFormat() const { return dateFormat_ + QLatin1Char(' ') + shortTimeFormat_; }

    QString date(const Timestamp& t) const;             // medium date, no time
    QString dateAndTime(const Timestamp& t) const;      // medium date, short time
    QString dateAndMediumTime(const Timestamp& t) const; // medium date, medium time
    // "%.2f" with the locale's decimal separator and no grouping.
    QString money(double value) const;

    // The number reader of the CSV import: the locale's decimal style, or a
    // form no locale reads otherwise ("6,90" where the locale writes "6.90");
    // nothing for text that is no number. The value is rounded to two decimals.
    std::optional<double> readMoney(const QString& text) const;
    // The date reader with its fallback chain; empty when nothing reads it.
    Timestamp readDateAndTime(const QString& text) const;
    Timestamp readDate(const QString& text) const;

    const QLocale& locale() const { return locale_; }

    // Reads text in exactly one Qt date/time format, without QDateTimeParser
    // (which costs tens of microseconds a call: too slow for a file of
    // thousands of dates). Handles d, dd, M, MM, MMM, MMMM, yy, yyyy, h, hh,
    // H, HH, m, mm, s, ss, AP/ap and literal text.
    class FormatReader {
    public:
        FormatReader() = default;
        FormatReader(const QString& format, const QLocale& locale);
        // Empty when the text does not have the format or names no real day.
        Timestamp read(const QString& text, bool withTime) const;

    private:
        enum Field { kDay, kMonthNumber, kMonthName, kYear2, kYear4, kHour12, kHour24, kMinute, kSecond, kAmPm };
        QRegularExpression pattern_;
        std::vector<Field> fields_;
        QHash<QString, int> monthNames_; // lower case, short and long
        QString am_, pm_;
    };

private:
    Timestamp read(const QString& text, bool withTime) const;
    Timestamp readDayFirstForms(const QStringList& parts, bool withTime) const;

    QLocale locale_;
    QString dateFormat_;
    QString shortTimeFormat_;
    QString mediumTimeFormat_;
    FormatReader dateTimeReader_;
    FormatReader dateReader_;
};

} // namespace spinora
