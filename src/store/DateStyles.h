#pragma once

#include <QLocale>
#include <QString>

namespace spinora {

// Qt has no medium date style: it is the locale's long date without the
// weekday, with abbreviated month names and a four-digit year ("Dec 6, 2026",
// "6. Dez. 2026"). The lists, the printed pages and the exchange files all
// show dates this way.
QString mediumDateFormat(const QLocale& locale);
// A date pattern with the whole year: a two-digit one is read, and seen, in
// the wrong century.
QString withFourDigitYear(QString pattern);
// The same without the year, for a date near today ("Dec 2", "2 Dec", "2. Dez.").
QString dayMonthFormat(const QLocale& locale);

// The C locale has no month names worth showing: people read it as US English.
QLocale readableLocale(const QLocale& locale);

} // namespace spinora
