#include "FloweringCalendar.h"

#include "Cactus.h"
#include "Localization.h"
#include "Log.h"
#include "TextCompare.h"

#include <algorithm>
#include <numeric>
#include <unordered_map>

namespace spinora {

int FloweringCalendar::Row::total() const
{
    return std::accumulate(flowerings.begin(), flowerings.end(), 0);
}

bool FloweringCalendar::isFlowering(const Log& log)
{
    const QString event = log.eventName().simplified();
    return event.compare(QLatin1String("Flowered"), Qt::CaseInsensitive) == 0 ||
           event.compare(localized("Flowered"), Qt::CaseInsensitive) == 0;
}

FloweringCalendar FloweringCalendar::compute(const std::vector<std::unique_ptr<Log>>& logs, int nextMonth)
{
    FloweringCalendar calendar;
    calendar.nextMonth = nextMonth;
    std::unordered_map<Cactus*, size_t> rowOf;
    for (const auto& log : logs) {
        const QDate day = toDateTime(log->logDate()).date();
        if (!log->cactus() || !day.isValid() || !isFlowering(*log))
            continue;
        const auto [at, added] = rowOf.try_emplace(log->cactus(), calendar.rows.size());
        if (added)
            calendar.rows.push_back({log->cactus(), {}});
        ++calendar.rows[at->second].flowerings[size_t(day.month() - 1)];
    }
    const size_t next = size_t(std::clamp(nextMonth, 1, 12) - 1);
    std::sort(calendar.rows.begin(), calendar.rows.end(), [next](const Row& a, const Row& b) {
        if (a.flowerings[next] != b.flowerings[next])
            return a.flowerings[next] > b.flowerings[next];
        if (a.total() != b.total())
            return a.total() > b.total();
        return text::plainCompare(a.plant->name(), b.plant->name()) < 0;
    });
    return calendar;
}

} // namespace spinora
