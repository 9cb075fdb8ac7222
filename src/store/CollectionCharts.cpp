#include "CollectionCharts.h"

#include "Cactus.h"
#include "DueRules.h"
#include "Localization.h"
#include "Statistics.h"
#include "TextCompare.h"
#include "Water.h"

#include <QHash>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace spinora {

namespace {

// An hourly schedule waters a few hundred times in two weeks; a schedule
// whose next date never moves on must not hang the window.
constexpr int kMostWaterings = 2000;

void countAcquisitions(const std::vector<std::unique_ptr<Cactus>>& cacti, CollectionCharts& charts)
{
    std::vector<std::pair<QDate, double>> dated;
    for (const auto& cactus : cacti) {
        const QDate day = toDateTime(cactus->dateAcquired()).date();
        if (day.isValid())
            dated.emplace_back(day, CollectionStatistics::valueOfPlant(*cactus));
        else
            ++charts.undated;
    }
    std::sort(dated.begin(), dated.end());
    CollectionCharts::Acquired sum;
    for (const auto& [day, value] : dated) {
        if (!charts.acquired.empty() && charts.acquired.back().day == day)
            charts.acquired.pop_back();
        sum = {day, sum.plants + 1, sum.value + value};
        charts.acquired.push_back(sum);
    }
}

void countGenera(const std::vector<std::unique_ptr<Cactus>>& cacti, CollectionCharts& charts)
{
    QHash<QString, long> counts;
    long unnamed = 0;
    for (const auto& cactus : cacti) {
        const QString genus = CollectionCharts::genusOf(cactus->scientificName());
        if (genus.isEmpty())
            ++unnamed;
        else
            ++counts[genus];
    }
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        charts.genera.push_back({it.key(), it.value()});
    std::sort(charts.genera.begin(), charts.genera.end(), [](const auto& a, const auto& b) {
        return a.plants != b.plants ? a.plants > b.plants : text::plainCompare(a.name, b.name) < 0;
    });
    long other = unnamed;
    while (charts.genera.size() > size_t(CollectionCharts::kLargestGenera)) {
        other += charts.genera.back().plants;
        charts.genera.pop_back();
    }
    if (other > 0)
        charts.genera.push_back({localized("Other"), other});
}

// Follows one plant's waterings through the days shown: its next date (now
// when overdue), then its schedule's dates after each, none in a rest.
void countWaterings(const Cactus& plant, const Timestamp& at, CollectionCharts& charts)
{
    const Water* schedule = plant.water();
    Timestamp next = due::wateringDue(plant.waterNext(), at) ? at : plant.waterNext();
    for (int step = 0; next && step < kMostWaterings; ++step) {
        const QDate day = toDateTime(next).date();
        const qint64 offset = charts.today.daysTo(day);
        if (offset >= CollectionCharts::kDaysAhead)
            return;
        if (schedule && schedule->restsOn(next)) {
            next = fromDateTime(day.addDays(1).startOfDay());
            continue;
        }
        if (offset >= 0)
            ++charts.wateringsDue[size_t(offset)];
        const Timestamp following = schedule ? schedule->calculateNextWatering(next) : Timestamp();
        next = following && *following > *next ? following : Timestamp();
    }
}

} // namespace

CollectionCharts CollectionCharts::compute(const std::vector<std::unique_ptr<Cactus>>& cacti, const Timestamp& at)
{
    CollectionCharts charts;
    charts.today = toDateTime(at).date();
    countAcquisitions(cacti, charts);
    countGenera(cacti, charts);
    if (charts.today.isValid()) {
        for (const auto& cactus : cacti)
            countWaterings(*cactus, at, charts);
    }
    return charts;
}

QString CollectionCharts::genusOf(const QString& scientificName)
{
    static const QRegularExpression space(QStringLiteral("\\s"));
    const QString name = scientificName.trimmed();
    return text::capitalized(name.left(name.indexOf(space)));
}

double CollectionCharts::scaleStep(double largest)
{
    const double rough = std::max(largest, 1.0) / 5;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    return std::max(1.0, power * (rough <= power ? 1 : rough <= 2 * power ? 2 : rough <= 5 * power ? 5 : 10));
}

} // namespace spinora
