#include "StatisticsCharts.h"

#include "CollectionCharts.h"
#include "DateStyles.h"
#include "Localization.h"
#include "SPTableCell.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QDateTimeAxis>
#include <QEvent>
#include <QGraphicsLayout>
#include <QGridLayout>
#include <QHorizontalBarSeries>
#include <QLineSeries>
#include <QValueAxis>

#include <functional>

namespace spinora {

namespace {

const char* const kChartNames[] = {"plantsChart", "valueChart", "generaChart", "wateringChart"};

double msecs(const QDate& day)
{
    return double(day.startOfDay().toMSecsSinceEpoch());
}

QChart* newChart(const QString& title)
{
    auto* chart = new QChart;
    chart->setTitle(title);
    chart->legend()->hide();
    chart->setLocalizeNumbers(true);
    chart->setLocale(QLocale());
    chart->setMargins(QMargins(6, 6, 6, 6));
    // The chart's background fills its view: no frame of another colour.
    chart->layout()->setContentsMargins(0, 0, 0, 0);
    return chart;
}

// Ticks at a round step from nought. (Qt 6.4 writes no label at all for
// "%d" when numbers are localised: "%.0f".)
QValueAxis* amountAxis(double largest)
{
    const double step = CollectionCharts::scaleStep(largest);
    auto* axis = new QValueAxis;
    axis->setRange(0, step * std::ceil(std::max(largest, 1.0) / step));
    axis->setTickType(QValueAxis::TicksDynamic);
    axis->setTickAnchor(0);
    axis->setTickInterval(step);
    axis->setLabelFormat(QStringLiteral("%.0f"));
    return axis;
}

// A cumulative amount drawn as steps, held until today.
QChart* overTime(const QString& title, const CollectionCharts& charts,
                 const std::function<double(const CollectionCharts::Acquired&)>& amount)
{
    QChart* chart = newChart(title);
    auto* series = new QLineSeries;
    double held = 0;
    for (const CollectionCharts::Acquired& point : charts.acquired) {
        series->append(msecs(point.day), held);
        held = amount(point);
        series->append(msecs(point.day), held);
    }
    const QDate last = charts.acquired.empty() ? charts.today : std::max(charts.today, charts.acquired.back().day);
    QDate first = charts.acquired.empty() ? last : charts.acquired.front().day;
    if (first >= last) // an axis needs some time to span
        first = last.addMonths(-1);
    series->append(msecs(last), held);
    chart->addSeries(series);
    auto* days = new QDateTimeAxis;
    days->setFormat(withFourDigitYear(QLocale().dateFormat(QLocale::ShortFormat)));
    days->setRange(first.startOfDay(), last.startOfDay());
    days->setTickCount(4);
    chart->addAxis(days, Qt::AlignBottom);
    chart->addAxis(amountAxis(held), Qt::AlignLeft);
    for (QAbstractAxis* axis : chart->axes())
        series->attachAxis(axis);
    return chart;
}

QChart* bars(const QString& title, QAbstractBarSeries* series, const QStringList& categories,
             const QList<qreal>& amounts)
{
    QChart* chart = newChart(title);
    auto* set = new QBarSet(title);
    set->append(amounts);
    series->append(set);
    series->setLabelsVisible(true);
    series->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
    chart->addSeries(series);
    auto* names = new QBarCategoryAxis;
    names->append(categories);
    names->setTruncateLabels(false);
    const bool across = qobject_cast<QHorizontalBarSeries*>(series) != nullptr;
    chart->addAxis(names, across ? Qt::AlignLeft : Qt::AlignBottom);
    const double largest = amounts.isEmpty() ? 0 : *std::max_element(amounts.begin(), amounts.end());
    // Room above the largest bar for its label.
    chart->addAxis(amountAxis(largest * 1.15), across ? Qt::AlignBottom : Qt::AlignLeft);
    for (QAbstractAxis* axis : chart->axes())
        series->attachAxis(axis);
    return chart;
}

QString withUndated(const QString& title, long undated)
{
    return undated == 0 ? title : localized("%1 (%2 without a date)").arg(title).arg(undated);
}

} // namespace

StatisticsCharts::StatisticsCharts(QWidget* parent) : QWidget(parent)
{
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    for (size_t i = 0; i < views_.size(); ++i) {
        views_[i] = new QChartView(this);
        views_[i]->setObjectName(QString::fromLatin1(kChartNames[i]));
        views_[i]->setRenderHint(QPainter::Antialiasing);
        views_[i]->setMinimumSize(400, 260);
        grid->addWidget(views_[i], int(i / 2), int(i % 2));
    }
}

void StatisticsCharts::showCharts(const CollectionCharts& charts)
{
    replace(0, overTime(withUndated(localized("Plants by Date Acquired"), charts.undated), charts,
                        [](const auto& point) { return double(point.plants); }));
    replace(1, overTime(withUndated(localized("Value by Date Acquired"), charts.undated), charts,
                        [](const auto& point) { return point.value; }));

    QStringList genera;
    QList<qreal> genusPlants;
    // Bars across are drawn from the foot up: the largest genus last, at the top.
    for (auto it = charts.genera.rbegin(); it != charts.genera.rend(); ++it) {
        genera << it->name;
        genusPlants << qreal(it->plants);
    }
    replace(2, bars(localized("Plants by Genus"), new QHorizontalBarSeries, genera, genusPlants));

    QStringList days;
    QList<qreal> due;
    const QString dayMonth = dayMonthFormat(QLocale());
    for (int i = 0; i < CollectionCharts::kDaysAhead; ++i) {
        days << QLocale().toString(charts.today.addDays(i), dayMonth);
        due << qreal(charts.wateringsDue[size_t(i)]);
    }
    QChart* watering = bars(localized("Waterings Due in the Next %1 Days").arg(CollectionCharts::kDaysAhead),
                            new QBarSeries, days, due);
    // Fourteen dates side by side fit only standing up.
    watering->axes(Qt::Horizontal).constFirst()->setLabelsAngle(-90);
    replace(3, watering);
}

void StatisticsCharts::replace(int which, QChart* chart)
{
    QChartView* view = views_[size_t(which)];
    followPalette(chart);
    QChart* old = view->chart();
    view->setChart(chart);
    view->setAccessibleName(chart->title());
    delete old;
}

void StatisticsCharts::followPalette(QChart* chart) const
{
    const QPalette& colours = palette();
    chart->setBackgroundBrush(colours.color(QPalette::Base));
    chart->setBackgroundRoundness(0);
    chart->setTitleBrush(colours.color(QPalette::Text));
    for (QAbstractAxis* axis : chart->axes()) {
        axis->setLabelsBrush(colours.color(QPalette::Text));
        axis->setGridLineColor(colours.color(QPalette::Mid));
        axis->setLinePenColor(colours.color(QPalette::Mid));
    }
    for (QAbstractSeries* series : chart->series()) {
        if (auto* barSeries = qobject_cast<QAbstractBarSeries*>(series)) {
            for (QBarSet* set : barSeries->barSets()) {
                set->setLabelColor(colours.color(QPalette::Text));
                set->setBorderColor(set->color());
            }
        }
    }
}

void StatisticsCharts::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) {
        for (QChartView* view : views_)
            followPalette(view->chart());
    }
}

} // namespace spinora
