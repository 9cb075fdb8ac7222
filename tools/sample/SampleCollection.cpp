#include "SampleCollection.h"

#include "Messages.h"
#include "SpinoraDatabase.h"
#include "SqlConnection.h"

#include <QColor>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <random>

namespace spinora {

namespace {

// The type is the index into the plant types ("Cactus", "Caudiciform",
// "Leaf Succulent", "Root Succulent", "Stem Succulent").
struct Plant {
    const char* common;
    const char* scientific;
    int type;
};

const Plant kPlants[] = {
    {"Golden Barrel Cactus", "Echinocactus grusonii", 0}, {"Bunny Ears Cactus", "Opuntia microdasys", 0},
    {"Old Man Cactus", "Cephalocereus senilis", 0},        {"Star Cactus", "Astrophytum asterias", 0},
    {"Bishop's Cap", "Astrophytum myriostigma", 0},        {"Feather Cactus", "Mammillaria plumosa", 0},
    {"Snowball Cactus", "Mammillaria candida", 0},         {"Silver Torch", "Cleistocactus strausii", 0},
    {"Lemon Ball", "Parodia leninghausii", 0},             {"Living Stones", "Lithops lesliei", 2},
    {"Jade Plant", "Crassula ovata", 2},                   {"Zebra Plant", "Haworthiopsis attenuata", 2},
    {"Desert Rose", "Adenium obesum", 1},                  {"Baseball Plant", "Euphorbia obesa", 4},
    {"Mexican Snowball", "Echeveria elegans", 2},          {"Peanut Cactus", "Echinopsis chamaecereus", 0},
};
const char* const kNicknames[] = {"Spike", "Prickles", "Goldie", "Fuzzy", "Old Tom", "Star", "Bishop", "Pearl",
                                  "Lemon", "Stony", "Jade", "Zebra", "Rosie", "Ball", "Snowy", "Peanut"};
const char* const kLocations[] = {"South window", "Greenhouse bench 2", "Kitchen sill", "Cold frame", "Patio"};
const char* const kEvents[] = {"Repotted", "Flowered", "Fertilized", "Purchased", "Planted"};
// What a grower notes of each event above, in the same order.
const char* const kEventNotes[] = {"Moved to a bigger pot.", "Three flowers, open at noon.", "Half-strength cactus feed.",
                                   "Bought at the spring show.", "Into mineral grit."};

} // namespace

QImage SampleCollection::drawPhoto(int number, int width)
{
    const int height = width * 3 / 4;
    QImage image(width, height, QImage::Format_RGB32);
    const int hue = (number * 47) % 360;
    image.fill(QColor::fromHsv(hue, 40, 235));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal w = width;
    const qreal h = height;
    // Pot.
    painter.setBrush(QColor(190, 100, 60));
    painter.setPen(Qt::NoPen);
    QPainterPath pot;
    pot.moveTo(w * 0.32, h * 0.70);
    pot.lineTo(w * 0.68, h * 0.70);
    pot.lineTo(w * 0.62, h * 0.95);
    pot.lineTo(w * 0.38, h * 0.95);
    pot.closeSubpath();
    painter.drawPath(pot);
    // Body, with a size and shade that vary by number.
    const qreal bodyWidth = w * (0.18 + 0.02 * (number % 5));
    painter.setBrush(QColor::fromHsv(100 + (number * 13) % 40, 160, 120 + (number * 7) % 60));
    painter.drawRoundedRect(QRectF(w * 0.5 - bodyWidth / 2, h * 0.20, bodyWidth, h * 0.52), bodyWidth / 2,
                            bodyWidth / 2);
    if (number % 2 == 0) {
        painter.drawRoundedRect(QRectF(w * 0.5 + bodyWidth / 2 - 4, h * 0.38, w * 0.12, h * 0.08), 12, 12);
        painter.drawRoundedRect(QRectF(w * 0.5 + bodyWidth / 2 + w * 0.08, h * 0.26, w * 0.05, h * 0.16), 10, 10);
    }
    // Flower.
    painter.setBrush(QColor::fromHsv((hue + 180) % 360, 200, 240));
    painter.drawEllipse(QPointF(w * 0.5, h * 0.19), w * 0.04, w * 0.04);
    return image;
}

QImage SampleCollection::drawCameraPhoto(int number, int width)
{
    QImage image = drawPhoto(number, width);
    // Fine grain in every channel, as a camera's sensor leaves it: a flat
    // drawing compresses to a few kilobytes, a real photo to a few hundred.
    std::mt19937 grain(static_cast<unsigned>(number) * 7919u + 1u);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const unsigned noise = grain();
            auto shade = [noise](int value, int shift) {
                return std::clamp(value + int((noise >> shift) & 63u) - 32, 0, 255);
            };
            const QRgb pixel = line[x];
            line[x] = qRgb(shade(qRed(pixel), 0), shade(qGreen(pixel), 8), shade(qBlue(pixel), 16));
        }
    }
    return image;
}

Result<> SampleCollection::fill(SpinoraDatabase& document, const SampleSize& size, unsigned seed)
{
    std::mt19937 random(seed);
    auto pick = [&random](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    const double day = 86400.0;
    const double base = *now();

    // Records are inserted and appended directly and sorted once at the end:
    // the document's add operations re-sort on every add, which is right for
    // one edit and quadratic for a benchmark collection.
    // A write that fails ends the filling; the transaction rolls back what
    // was written, and the caller drops the document.
    Connection* db = document.database();
    Result<> written;
    auto store = [db, &written](auto record, auto& array) {
        auto* stored = record.get();
        if (written)
            written = record->insertIntoDatabase(db);
        array.push_back(std::move(record));
        return stored;
    };
    Transaction transaction(db);
    std::vector<Water*> schedules;
    for (int i = 0; i < size.watering; ++i) {
        auto water = std::make_unique<Water>();
        water->setName(i == 0 ? QStringLiteral("Summer weekly") : QStringLiteral("Schedule %1").arg(i + 1));
        water->setFrequency(1 + pick(3));
        water->setFrequencyUnits(Water::kWeeks);
        water->setQuantity(pick(4));
        // The cacti's schedule rests in winter; the others water all year.
        if (i == 0) {
            water->setNoWaterDDMM(1, Water::dayMonthCode(1, 11));
            water->setNoWaterDDMM(2, Water::dayMonthCode(28, 2));
        }
        water->setLastWatered(base - day * pick(20));
        water->setWaterNext(water->calculateNextWatering(water->lastWatered()));
        water->setNotes(QStringLiteral("Water in the morning."));
        schedules.push_back(store(std::move(water), document.watering()));
    }
    std::vector<Cactus*> plants;
    for (int i = 0; i < size.cacti; ++i) {
        const Plant& plant = kPlants[i % std::size(kPlants)];
        auto cactus = std::make_unique<Cactus>();
        cactus->setName(i < int(std::size(kNicknames)) ? QString::fromUtf8(kNicknames[i])
                                                       : QStringLiteral("Plant %1").arg(i + 1));
        cactus->setCommonName(QString::fromUtf8(plant.common));
        cactus->setScientificName(QString::fromUtf8(plant.scientific));
        cactus->setType(plant.type);
        // Sown or rooted before it came to the collection, never after.
        const double acquired = base - day * pick(900);
        cactus->setDateAcquired(acquired);
        cactus->setPlantDate(acquired - day * (100 + pick(3000)));
        cactus->setPurchasePrice(5.0 + pick(4000) / 100.0);
        cactus->setValue(pick(2) ? 10.0 + pick(6000) / 100.0 : 0.0);
        cactus->setLocation(QString::fromUtf8(kLocations[pick(int(std::size(kLocations)))]));
        cactus->setHeight(QStringLiteral("%1 cm").arg(3 + pick(40)));
        cactus->setPotShape(pick(11));
        cactus->setPotMaterial(pick(8));
        cactus->setNotes(QStringLiteral("Bought at the spring show.\nLikes full sun."));
        if (!schedules.empty()) {
            Water* schedule = schedules[static_cast<size_t>(pick(int(schedules.size())))];
            cactus->setWateringKey(schedule->primaryKey());
            cactus->setLastWatered(schedule->lastWatered());
            cactus->setWaterNext(schedule->waterNext());
        }
        plants.push_back(store(std::move(cactus), document.cacti()));
    }
    for (int i = 0; i < size.logs; ++i) {
        auto log = std::make_unique<Log>();
        const bool aboutPlant = !plants.empty() && i % 5 != 4;
        log->setLogType(aboutPlant ? Log::kCactusLog : Log::kNoteLog);
        const int eventIndex = pick(int(std::size(kEvents)));
        const QString event = QString::fromUtf8(kEvents[eventIndex]);
        log->setEventName(event);
        double date = base - day * pick(700);
        if (aboutPlant) {
            const Cactus* cactus = plants[static_cast<size_t>(pick(int(plants.size())))];
            log->setCactusKey(cactus->primaryKey());
            // A plant's story starts when it came: bought on that day, the
            // rest since.
            const double acquired = *cactus->dateAcquired();
            date = event == QLatin1String("Purchased") ? acquired
                                                       : acquired + (base - acquired) * pick(1000) / 1000.0;
        }
        log->setLogDate(*roundDate(date));
        log->setNotes(aboutPlant ? QString::fromUtf8(kEventNotes[eventIndex]) : QStringLiteral("Ordered new grit."));
        store(std::move(log), document.logs());
    }
    // Camera-like pictures are drawn and encoded once each, then shared:
    // drawing and encoding thousands of 1280 x 960 pictures takes minutes.
    struct EncodedPicture {
        QByteArray photo;
        QByteArray thumbnail;
    };
    std::vector<EncodedPicture> variants;
    for (int v = 0; v < size.photoVariants && v < size.photos; ++v) {
        const QImage drawn = drawCameraPhoto(v, size.photoWidth);
        const QImage photo = drawn.width() > Image::kPhotoSize || drawn.height() > Image::kPhotoSize
                                 ? Image::scaledToLongerSide(drawn, Image::kPhotoSize)
                                 : drawn;
        variants.push_back({Image::encodeJpeg(photo),
                            Image::encodeJpeg(Image::scaledToLongerSide(photo, Image::kThumbnailSize))});
    }
    for (int i = 0; i < size.photos && !plants.empty(); ++i) {
        Cactus* owner = plants[static_cast<size_t>(i) % plants.size()];
        auto image = std::make_unique<Image>();
        image->setLinkedType(Image::kCactusPhoto);
        image->setLinkedKey(owner->primaryKey());
        image->setTagValue(static_cast<int64_t>(owner->images().size()));
        image->setCaption(QStringLiteral("Photo %1").arg(i + 1));
        if (variants.empty()) {
            image->setPhoto(drawPhoto(i, size.photoWidth));
            written = image->insertIntoDatabase(db, document.packageFilename(), true);
        } else {
            const EncodedPicture& picture = variants[static_cast<size_t>(i) % variants.size()];
            image->setDataForPhoto(picture.photo);
            image->setDataForThumbnail(picture.thumbnail);
            written = image->insertIntoDatabase(db, document.packageFilename(), false);
        }
        if (!written)
            return written;
        // The pictures are in the package's files now: keeping them decoded
        // would grow memory with every photo (gigabytes for a large sample).
        image->unload();
        owner->addImage(image.get());
        document.images().push_back(std::move(image));
    }
    if (!written)
        return written;
    if (!transaction.commit())
        return Failure::sql(msg::kCommitFailed, db);
    document.sortCacti();
    document.sortWater();
    document.mapLogsAndImages();
    return {};
}

} // namespace spinora
