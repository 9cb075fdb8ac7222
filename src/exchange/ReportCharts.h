#pragma once

#include <QString>

namespace spinora {

struct CollectionCharts;
class LocaleFormats;

// The statistics window's four charts as the report draws them: plain SVG
// inside the page, no script and no file of its own, so that the page still
// opens anywhere and prints as it shows.
class ReportCharts {
public:
    // A box of the page's width holding the four charts.
    static QString section(const CollectionCharts& charts, const LocaleFormats& formats, int width);

    static QString plantsOverTime(const CollectionCharts& charts, const LocaleFormats& formats);
    static QString valueOverTime(const CollectionCharts& charts, const LocaleFormats& formats);
    static QString plantsByGenus(const CollectionCharts& charts, const LocaleFormats& formats);
    static QString wateringsDue(const CollectionCharts& charts, const LocaleFormats& formats);
};

} // namespace spinora
