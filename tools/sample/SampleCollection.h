#pragma once

#include "Result.h"

#include <QImage>

namespace spinora {

class SpinoraDatabase;

// Fills a collection with made-up plants, schedules, logs and photos: the
// sample that run.sh opens, and the large collections of the benchmarks.
struct SampleSize {
    int cacti = 12;
    int watering = 3;
    int logs = 24;
    int photos = 12; // one per plant: a plant without a photo leaves a gap in the lists
    int photoWidth = 640; // drawn photos are width x (width * 3 / 4)
    // 0: every photo drawn on its own. Above 0: that many camera-like
    // pictures (grainy, so they compress like real photos) are drawn and
    // encoded once, and the photos take turns with their JPEG data.
    int photoVariants = 0;
};

class SampleCollection {
public:
    // Adds the records to an open document inside one transaction.
    static Result<> fill(SpinoraDatabase& document, const SampleSize& size, unsigned seed = 42);
    // A drawn picture of a potted cactus, different for each number.
    static QImage drawPhoto(int number, int width);
    // drawPhoto with a camera's grain: its JPEG is as large as a real photo's.
    static QImage drawCameraPhoto(int number, int width);
};

} // namespace spinora
