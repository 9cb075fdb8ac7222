#include "Statistics.h"

#include "DueRules.h"
#include "SpinoraDatabase.h"
#include "TextCompare.h"

#include <QSet>

namespace spinora {

CollectionStatistics CollectionStatistics::compute(SpinoraDatabase& document)
{
    CollectionStatistics figures;
    figures.cacti = static_cast<long>(document.cacti().size());
    figures.watering = static_cast<long>(document.watering().size());
    figures.logs = static_cast<long>(document.logs().size());
    figures.photos = static_cast<long>(document.images().size());
    figures.species = uniqueSpecies(document);
    figures.wateringDue = dueBy(document, now()).dueCacti();
    figures.remindersDue = dueReminders(document);
    figures.totalValue = valueOfCollection(document);
    return figures;
}

long CollectionStatistics::uniqueSpecies(SpinoraDatabase& document)
{
    QSet<QString> commonNames;
    QSet<QString> scientificNames;
    for (const auto& cactus : document.cacti()) {
        if (!cactus->commonName().isEmpty())
            commonNames.insert(text::capitalized(cactus->commonName()));
        if (!cactus->scientificName().isEmpty())
            scientificNames.insert(text::capitalized(cactus->scientificName()));
    }
    return static_cast<long>(std::max(commonNames.size(), scientificNames.size()));
}

double CollectionStatistics::valueOfCollection(SpinoraDatabase& document)
{
    double total = 0.0;
    for (const auto& cactus : document.cacti())
        total += valueOfPlant(*cactus);
    return total;
}

double CollectionStatistics::valueOfPlant(const Cactus& cactus)
{
    return cactus.value() > 0.0001 ? cactus.value() : cactus.purchasePrice();
}

long CollectionStatistics::dueReminders(SpinoraDatabase& document)
{
    return static_cast<long>(dueBy(document, now()).reminders.size());
}

} // namespace spinora
