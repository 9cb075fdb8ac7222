#pragma once

#include "Timestamp.h"

#include <QDate>
#include <QString>

#include <array>
#include <memory>
#include <vector>

namespace spinora {

class Cactus;

// What the statistics window and the HTML report draw as charts, computed
// from a collection's plants (and through them their schedules) without any
// window, so that the page and the window show the same numbers.
struct CollectionCharts {
    static constexpr int kLargestGenera = 10;
    static constexpr int kDaysAhead = 14;

    // The collection as it was at the end of a day on which plants were
    // acquired: plants and value so far.
    struct Acquired {
        QDate day;
        long plants = 0;
        double value = 0.0;
    };
    struct Genus {
        QString name;
        long plants = 0;
    };

    // Oldest first. Plants without a date acquired have no place in time:
    // they are only counted in `undated`.
    std::vector<Acquired> acquired;
    long undated = 0;
    // The largest genera, most plants first (a tie by name), then "Other"
    // for the rest and the plants without a scientific name, when there are any.
    std::vector<Genus> genera;
    // Waterings of plants due on each day from `today` on; one that is
    // overdue counts today, or on the first day after its schedule's rest.
    QDate today;
    std::array<long, kDaysAhead> wateringsDue{};

    static CollectionCharts compute(const std::vector<std::unique_ptr<Cactus>>& cacti, const Timestamp& at);
    // The first word of a scientific name, capitalised ("opuntia x" is Opuntia).
    static QString genusOf(const QString& scientificName);
    // The step of an amount scale from nought past `largest`: 1, 2 or 5 times
    // a power of ten, never below 1 (counts get no steps between whole
    // numbers), of which about five fit.
    static double scaleStep(double largest);
};

} // namespace spinora
