#include "ReportCharts.h"

#include "CollectionCharts.h"
#include "DateStyles.h"
#include "LocaleFormats.h"
#include "Localization.h"
#include "ReportExport.h"

#include <QList>

#include <algorithm>
#include <cmath>
#include <functional>

namespace spinora {

namespace {

// Every chart is this size; the plot leaves room for the labels around it.
constexpr double kChartWidth = 330, kChartHeight = 240;
constexpr double kPlotLeft = 48, kPlotRight = 318, kPlotTop = 34, kPlotBottom = 196;
const QString kChartInk = QStringLiteral("#333333");
const QString kChartGrid = QStringLiteral("#dddddd");
const QString kChartSeries = QStringLiteral("#209fdf");

// SVG wants numbers with a point, whatever the locale.
QString svgNumber(double value)
{
    return QString::number(value, 'f', 1);
}

QString svgText(double x, double y, const QString& words, const char* anchor = "middle", const QString& extra = {})
{
    return QStringLiteral("<text x=\"%1\" y=\"%2\" text-anchor=\"%3\"%4>%5</text>\n")
        .arg(svgNumber(x), svgNumber(y), QLatin1String(anchor), extra, ReportExport::encodeStringToHTML(words));
}

QString svgLine(double x1, double y1, double x2, double y2, const QString& colour)
{
    return QStringLiteral("<line x1=\"%1\" y1=\"%2\" x2=\"%3\" y2=\"%4\" stroke=\"%5\"/>\n")
        .arg(svgNumber(x1), svgNumber(y1), svgNumber(x2), svgNumber(y2), colour);
}

QString svgBar(double x, double y, double width, double height)
{
    return QStringLiteral("<rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" fill=\"%5\"/>\n")
        .arg(svgNumber(x), svgNumber(y), svgNumber(width), svgNumber(height), kChartSeries);
}

QString svgOpening(const QString& title)
{
    return QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%2\" viewBox=\"0 0 %1 %2\" "
                          "role=\"img\" font-family=\"Tahoma,Arial,Helvetica,sans-serif\" font-size=\"11\" "
                          "fill=\"%3\" style=\"display:inline-block; margin:6px;\">\n<title>%4</title>\n")
               .arg(svgNumber(kChartWidth), svgNumber(kChartHeight), kChartInk,
                    ReportExport::encodeStringToHTML(title)) +
           svgText(kChartWidth / 2, 18, title, "middle", QStringLiteral(" font-weight=\"bold\""));
}

const QString kSvgClosing = QStringLiteral("</svg>\n");

// The amount axis from nought up the left side, a labelled line at each
// round step; answers the top of the scale.
double svgAmountScale(double largest, const LocaleFormats& formats, QString& svg)
{
    const double step = CollectionCharts::scaleStep(largest);
    const double top = step * std::ceil(std::max(largest, 1.0) / step);
    for (double amount = 0; amount <= top + step / 2; amount += step) {
        const double y = kPlotBottom - amount / top * (kPlotBottom - kPlotTop);
        svg += svgLine(kPlotLeft, y, kPlotRight, y, kChartGrid);
        svg += svgText(kPlotLeft - 4, y + 4, formats.locale().toString(qRound64(amount)), "end");
    }
    return top;
}

QString svgOverTime(const QString& title, const CollectionCharts& charts, const LocaleFormats& formats,
                    const std::function<double(const CollectionCharts::Acquired&)>& amount)
{
    QString svg = svgOpening(title);
    if (charts.acquired.empty())
        return svg + svgText(kChartWidth / 2, kChartHeight / 2, localized("No plant has a date acquired.")) +
               kSvgClosing;
    const QDate first = charts.acquired.front().day;
    const QDate last = std::max(charts.today, charts.acquired.back().day);
    const double days = std::max<qint64>(1, first.daysTo(last));
    const double top = svgAmountScale(amount(charts.acquired.back()), formats, svg);
    const auto x = [&](const QDate& day) { return kPlotLeft + first.daysTo(day) / days * (kPlotRight - kPlotLeft); };
    const auto y = [&](double value) { return kPlotBottom - value / top * (kPlotBottom - kPlotTop); };
    QString points;
    double held = 0;
    for (const CollectionCharts::Acquired& point : charts.acquired) {
        points += QStringLiteral("%1,%2 ").arg(svgNumber(x(point.day)), svgNumber(y(held)));
        held = amount(point);
        points += QStringLiteral("%1,%2 ").arg(svgNumber(x(point.day)), svgNumber(y(held)));
    }
    points += QStringLiteral("%1,%2").arg(svgNumber(x(last)), svgNumber(y(held)));
    svg += QStringLiteral("<polyline fill=\"none\" stroke=\"%1\" stroke-width=\"2\" points=\"%2\"/>\n")
               .arg(kChartSeries, points);
    svg += svgText(kPlotLeft, kPlotBottom + 16, formats.date(fromDateTime(first.startOfDay())), "start");
    svg += svgText(kPlotRight, kPlotBottom + 16, formats.date(fromDateTime(last.startOfDay())), "end");
    if (charts.undated > 0)
        svg += svgText(kChartWidth / 2, kPlotBottom + 30, localized("%1 without a date").arg(charts.undated));
    return svg + kSvgClosing;
}

} // namespace

QString ReportCharts::plantsOverTime(const CollectionCharts& charts, const LocaleFormats& formats)
{
    return svgOverTime(localized("Plants by Date Acquired"), charts, formats,
                    [](const auto& point) { return double(point.plants); });
}

QString ReportCharts::valueOverTime(const CollectionCharts& charts, const LocaleFormats& formats)
{
    return svgOverTime(localized("Value by Date Acquired"), charts, formats,
                       [](const auto& point) { return point.value; });
}

QString ReportCharts::plantsByGenus(const CollectionCharts& charts, const LocaleFormats& formats)
{
    QString svg = svgOpening(localized("Plants by Genus"));
    long largest = 0;
    for (const CollectionCharts::Genus& genus : charts.genera)
        largest = std::max(largest, genus.plants);
    // Names take the left third; each bar its share of the rest, the count after it.
    const double nameEnd = 110, barStart = nameEnd + 6, barRoom = kPlotRight - barStart - 24;
    const double pitch = (kPlotBottom - kPlotTop) / (CollectionCharts::kLargestGenera + 1);
    double y = kPlotTop;
    for (const CollectionCharts::Genus& genus : charts.genera) {
        const double length = barRoom * double(genus.plants) / double(std::max(1L, largest));
        svg += svgText(nameEnd, y + pitch * 0.7, genus.name, "end");
        svg += svgBar(barStart, y + pitch * 0.15, length, pitch * 0.7);
        const QString count = formats.locale().toString(qint64(genus.plants));
        svg += svgText(barStart + length + 4, y + pitch * 0.7, count, "start");
        y += pitch;
    }
    return svg + kSvgClosing;
}

QString ReportCharts::wateringsDue(const CollectionCharts& charts, const LocaleFormats& formats)
{
    QString svg = svgOpening(localized("Waterings Due in the Next %1 Days").arg(CollectionCharts::kDaysAhead));
    const double top =
        svgAmountScale(double(*std::max_element(charts.wateringsDue.begin(), charts.wateringsDue.end())), formats, svg);
    const double pitch = (kPlotRight - kPlotLeft) / CollectionCharts::kDaysAhead;
    const QString dayMonth = dayMonthFormat(formats.locale());
    for (int i = 0; i < CollectionCharts::kDaysAhead; ++i) {
        const long due = charts.wateringsDue[size_t(i)];
        const double x = kPlotLeft + i * pitch, height = double(due) / top * (kPlotBottom - kPlotTop);
        if (due > 0) {
            svg += svgBar(x + pitch * 0.15, kPlotBottom - height, pitch * 0.7, height);
            svg += svgText(x + pitch / 2, kPlotBottom - height - 3, formats.locale().toString(qint64(due)));
        }
        // Every other day named, standing up under its bar.
        if (i % 2 == 0) {
            const double labelX = x + pitch / 2 + 4, labelY = kPlotBottom + 6;
            svg += svgText(labelX, labelY, formats.locale().toString(charts.today.addDays(i), dayMonth), "end",
                        QStringLiteral(" transform=\"rotate(-90 %1 %2)\"").arg(svgNumber(labelX), svgNumber(labelY)));
        }
    }
    return svg + kSvgClosing;
}

QString ReportCharts::section(const CollectionCharts& charts, const LocaleFormats& formats, int width)
{
    return QStringLiteral("<div style=\"background-color:#FFFFFF; font-family:Tahoma,Arial,Helvetica,sans-serif; "
                          "width:%1px; margin-left:15%; margin-right:15%; border:3px groove #f5bd68; padding:15px; "
                          "text-align:center;\">\n<h2 align=center>%2</h2>\n")
               .arg(width)
               .arg(localized("Charts")) +
           plantsOverTime(charts, formats) + valueOverTime(charts, formats) + plantsByGenus(charts, formats) +
           wateringsDue(charts, formats) + QStringLiteral("</div>\n");
}

} // namespace spinora
