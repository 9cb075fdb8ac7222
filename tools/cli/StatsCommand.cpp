#include "StatsCommand.h"

#include "CollectionCommands.h"
#include "SpinoraDatabase.h"
#include "Statistics.h"

namespace spinora::cli {

int runStats(Arguments& arguments)
{
    const QString path = arguments.positional(1, QStringLiteral("spinora-cli stats PATH.sdb")).first();
    auto document = openCollection(path, true);
    const CollectionStatistics figures = CollectionStatistics::compute(*document);
    printLine(QStringLiteral("cacti: %1").arg(figures.cacti));
    printLine(QStringLiteral("watering: %1").arg(figures.watering));
    printLine(QStringLiteral("logs: %1").arg(figures.logs));
    printLine(QStringLiteral("photos: %1").arg(figures.photos));
    printLine(QStringLiteral("species: %1").arg(figures.species));
    printLine(QStringLiteral("watering_due: %1").arg(figures.wateringDue));
    printLine(QStringLiteral("reminders_due: %1").arg(figures.remindersDue));
    // Scripts read this line: always a point and two decimals, whatever the user's locale.
    printLine(QStringLiteral("total_value: %1").arg(QString::number(figures.totalValue, 'f', 2)));
    closeCollection(*document);
    return 0;
}

} // namespace spinora::cli
