#include "DueRules.h"

#include "SpinoraDatabase.h"

#include <algorithm>

namespace spinora {

namespace due {

namespace {

// roundDate of a moment, remembering the last day asked for: a collection's
// hundreds of thousands of logs ask about the same day at load, and each
// conversion to local time costs more than the whole comparison.
Timestamp startOfDay(const Timestamp& at)
{
    thread_local double dayStart = 0;
    thread_local double nextDayStart = 0;
    if (!at)
        return std::nullopt;
    if (*at >= dayStart && *at < nextDayStart)
        return dayStart;
    const Timestamp start = roundDate(at);
    const Timestamp next = start ? fromDateTime(toDateTime(start).date().addDays(1).startOfDay()) : std::nullopt;
    if (!start || !next)
        return start;
    dayStart = *start;
    nextDayStart = *next;
    return start;
}

} // namespace

bool wateringDue(const Timestamp& waterNext, const Timestamp& at)
{
    return waterNext && at && *at - *waterNext >= 0;
}

bool reminderDue(bool reminder, const Timestamp& logDate, const Timestamp& at)
{
    if (!reminder || !logDate)
        return false;
    const Timestamp dayStart = startOfDay(at);
    return dayStart && *dayStart - *logDate >= 0;
}

Timestamp endOfDay(const QDate& day)
{
    const Timestamp next = fromDateTime(day.addDays(1).startOfDay());
    return next ? Timestamp(*next - 0.001) : next;
}

} // namespace due

namespace {

void keepEarliest(Timestamp& earliest, const Timestamp& candidate)
{
    if (candidate && (!earliest || *candidate < *earliest))
        earliest = candidate;
}

} // namespace

long DueItems::dueCacti() const
{
    long count = 0;
    for (const DueWatering& group : watering)
        count += static_cast<long>(group.cacti.size());
    return count;
}

DueItems dueBy(SpinoraDatabase& document, const Timestamp& at)
{
    DueItems items;
    for (const auto& water : document.watering()) {
        DueWatering group;
        group.schedule = water.get();
        if (due::wateringDue(water->waterNext(), at))
            group.next = water->waterNext();
        for (Cactus* cactus : water->cacti()) {
            if (due::wateringDue(cactus->waterNext(), at)) {
                group.cacti.push_back(cactus);
                keepEarliest(group.next, cactus->waterNext());
            }
        }
        if (group.next)
            items.watering.push_back(std::move(group));
    }
    DueWatering unscheduled;
    for (const auto& cactus : document.cacti()) {
        if (!cactus->water() && due::wateringDue(cactus->waterNext(), at)) {
            unscheduled.cacti.push_back(cactus.get());
            keepEarliest(unscheduled.next, cactus->waterNext());
        }
    }
    if (!unscheduled.cacti.empty())
        items.watering.push_back(std::move(unscheduled));

    for (const auto& log : document.logs()) {
        if (due::reminderDue(log->reminder(), log->logDate(), at))
            items.reminders.push_back(log.get());
    }
    std::stable_sort(items.reminders.begin(), items.reminders.end(),
                     [](const Log* a, const Log* b) { return *a->logDate() < *b->logDate(); });
    return items;
}

} // namespace spinora
