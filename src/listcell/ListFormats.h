#pragma once

#include "ListSearch.h"
#include "Timestamp.h"

#include <QLocale>
#include <QString>

namespace spinora {

class Cactus;

// The species of a plant as a row shows it: "<scientific> (<common>)".
QString speciesText(const Cactus& cactus);

// The date styles of the three lists: the locale's medium date ("Dec 6,
// 2026", "6. Dez. 2026") for days, with the short time for watering moments.
// One instance per list, made once: the formats are derived from the locale
// when the list is made, not on every row.
class ListFormats {
public:
    explicit ListFormats(QLocale locale = QLocale());

    QString date(const Timestamp& t) const;
    QString dateAndTime(const Timestamp& t) const;
    // "<event> <date>" of a plant's log at `index` (0 the latest).
    QString eventText(const Cactus& cactus, size_t index) const;
    // The total value of the statistics: two decimals, the locale's decimal
    // separator, no grouping.
    QString money(double value) const;
    const QLocale& locale() const { return locale_; }

private:
    QLocale locale_;
    QString dateFormat_;
    QString timeFormat_;
    ListTexts texts_;
};

} // namespace spinora
