#pragma once

#include "Timestamp.h"

#include <QLocale>
#include <QString>

namespace spinora {

// The value formats of printed record sheets. A sheet is kept on paper for
// years, so every date on it shows a four-digit year even where the locale's
// own short pattern has two digits; money always shows two decimals.
class SheetFormats {
public:
    explicit SheetFormats(const QLocale& locale = QLocale());

    QString shortDate(const Timestamp& t) const;
    QString mediumDate(const Timestamp& t) const;         // the list cell's date (no time)
    QString mediumDateShortTime(const Timestamp& t) const;
    QString mediumDateMediumTime(const Timestamp& t) const; // the page header's moment
    // Grouping separators, always a decimal separator, exactly two decimals.
    QString money(double value) const;
    // A whole number with grouping separators.
    QString count(qlonglong value) const;

    const QString& shortDateFormat() const { return shortDate_; }
    const QString& mediumDateFormat() const { return mediumDate_; }

private:
    QString format(const Timestamp& t, const QString& pattern) const;

    QLocale locale_;
    QString shortDate_;
    QString mediumDate_;
    QString shortTime_;
    QString mediumTime_;
};

} // namespace spinora
