#pragma once

#include <QImage>

namespace spinora {

class SpinoraDatabase;

// Fills a collection with made-up plants, schedules, logs and photos: the
// sample that run.sh opens, and the large collections of the benchmarks.
struct SampleSize {
    int cacti = 12;
    int watering = 3;
    int logs = 24;
    int photos = 6;
    int photoWidth = 640; // drawn photos are width x (width * 3 / 4)
};

class SampleCollection {
public:
    // Adds the records to an open document inside one transaction.
    static void fill(SpinoraDatabase& document, const SampleSize& size, unsigned seed = 42);
    // A drawn picture of a potted cactus, different for each number.
    static QImage drawPhoto(int number, int width);
};

} // namespace spinora
