#pragma once

#include <QString>

namespace spinora {

class Cactus;
class SpinoraDatabase;

// The eight figures of the statistics window, computed without any window so
// that the command-line tool prints exactly what the window shows.
struct CollectionStatistics {
    long cacti = 0;
    long watering = 0;
    long logs = 0;
    long photos = 0;
    long species = 0;
    long wateringDue = 0;
    long remindersDue = 0;
    double totalValue = 0.0;

    // Counts over the whole collection, not the displayed (searched) lists.
    static CollectionStatistics compute(SpinoraDatabase& document);

    // Distinct non-empty common names or scientific names, whichever count is
    // larger, names compared with every word capitalised.
    static long uniqueSpecies(SpinoraDatabase& document);
    // Each plant counts with its value, or its purchase price when it has no value.
    static double valueOfCollection(SpinoraDatabase& document);
    static double valueOfPlant(const Cactus& cactus);
    static long dueReminders(SpinoraDatabase& document);
};

} // namespace spinora
