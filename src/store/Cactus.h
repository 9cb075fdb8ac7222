#pragma once

#include "Record.h"

#include <optional>
#include <utility>
#include <vector>

namespace spinora {

class Image;
class Log;
class Water;
struct SortOrder;

// One plant of the collection (table `cactus`), with in-memory links to its
// watering schedule, its logs and its photos. The links refer; the document's
// arrays own the records.
class Cactus : public Record {
public:
    Cactus();

    // Summary fields.
    const QString& name() const { return name_; }
    void setName(const QString& v) { change(name_, v); }
    const QString& commonName() const { return commonName_; }
    void setCommonName(const QString& v) { change(commonName_, v); }
    const QString& scientificName() const { return scientificName_; }
    void setScientificName(const QString& v) { change(scientificName_, v); }
    int64_t type() const { return type_; }
    void setType(int64_t v) { change(type_, v); }
    int64_t wateringKey() const { return wateringKey_; }
    void setWateringKey(int64_t v) { change(wateringKey_, v); }
    const Timestamp& lastWatered() const { return lastWatered_; }
    void setLastWatered(const Timestamp& v) { change(lastWatered_, v); }
    const Timestamp& waterNext() const { return waterNext_; }
    void setWaterNext(const Timestamp& v) { change(waterNext_, v); }
    const Timestamp& plantDate() const { return plantDate_; }
    void setPlantDate(const Timestamp& v) { change(plantDate_, v); }
    const Timestamp& dateAcquired() const { return dateAcquired_; }
    void setDateAcquired(const Timestamp& v) { change(dateAcquired_, v); }
    double purchasePrice() const { return purchasePrice_; }
    void setPurchasePrice(double v) { change(purchasePrice_, v); }
    double value() const { return value_; }
    void setValue(double v) { change(value_, v); }

    // Detail fields (valid while hydrated).
    int64_t source() const { return source_; }
    void setSource(int64_t v) { change(source_, v); }
    const QString& location() const { return location_; }
    void setLocation(const QString& v) { change(location_, v); }
    const QString& height() const { return height_; }
    void setHeight(const QString& v) { change(height_, v); }
    const QString& width() const { return width_; }
    void setWidth(const QString& v) { change(width_, v); }
    const QString& weight() const { return weight_; }
    void setWeight(const QString& v) { change(weight_, v); }
    const QString& light() const { return light_; }
    void setLight(const QString& v) { change(light_, v); }
    const QString& temperature() const { return temperature_; }
    void setTemperature(const QString& v) { change(temperature_, v); }
    const QString& potSize() const { return potSize_; }
    void setPotSize(const QString& v) { change(potSize_, v); }
    int64_t potShape() const { return potShape_; }
    void setPotShape(int64_t v) { change(potShape_, v); }
    int64_t potMaterial() const { return potMaterial_; }
    void setPotMaterial(int64_t v) { change(potMaterial_, v); }
    const QString& notes() const { return notes_; }
    void setNotes(const QString& v) { change(notes_, v); }

    // Links.
    Water* water() const { return water_; }
    void setWater(Water* water) { water_ = water; }
    const std::vector<Log*>& logs() const { return logs_; }
    // The plant's logs follow its collection's log order (`newestFirst`:
    // SortOrder::logsAscending).
    void addLog(Log* log, bool newestFirst);
    void removeLog(Log* log);
    void clearLogs() { logs_.clear(); }
    // Appends without sorting, for linking many logs at once (sortLogs after).
    void linkLog(Log* log) { logs_.push_back(log); }
    // Takes all its logs at once, already in their order.
    void setLinkedLogs(std::vector<Log*> logs) { logs_ = std::move(logs); }
    void sortLogs(bool newestFirst);
    const std::vector<Image*>& images() const { return images_; }
    void addImage(Image* image) { images_.push_back(image); }
    void removeImage(Image* image);
    void clearImages() { images_.clear(); }
    void sortImages();

    bool sectionHeading() const { return sectionHeading_; }
    void setSectionHeading(bool heading) { sectionHeading_ = heading; }

    // Derived values shown by the lists and editors.
    Image* cellImage() const { return images_.empty() ? nullptr : images_.front(); }
    std::optional<QString> eventString(size_t index) const;
    Timestamp eventDate(size_t index) const;
    QString groupSpecies() const;
    std::pair<int, int> textItalicRange() const; // location, length
    int age() const;
    static QString ageString(const Timestamp& date);
    // The age text of a whole number of years ("< 1 year", "1 year", "3 years").
    static QString ageStringForYears(int years);
    bool wateringDue() const;

    // The comparisons of the cactus list, in the direction of the caller's
    // collection; the first is the one its order asks for.
    int compareInOrder(const Cactus* other, const SortOrder& order) const;
    int compareNameThenSpecies(const Cactus* other, bool ascending) const;
    int compareSpeciesThenName(const Cactus* other, bool ascending) const;

protected:
    const Sql& sql() const override;
    void readSummary(const Statement& row) override;
    void setPlaceholders() override;
    void readDetail(const Statement& row) override;
    void setDetailDefaults() override;
    void bindInsert(Statement& st) const override;
    void bindUpdate(Statement& st) const override;
    void releaseDetail() override;

private:
    QString name_;
    QString commonName_;
    QString scientificName_;
    int64_t type_ = 0;
    int64_t wateringKey_ = -1;
    Timestamp lastWatered_;
    Timestamp waterNext_;
    Timestamp plantDate_;
    int64_t source_ = 7;
    Timestamp dateAcquired_;
    double purchasePrice_ = 0;
    double value_ = 0;
    QString location_, height_, width_, weight_, light_, temperature_, potSize_;
    int64_t potShape_ = 0;
    int64_t potMaterial_ = 4;
    QString notes_;

    Water* water_ = nullptr;
    std::vector<Log*> logs_;
    std::vector<Image*> images_;
    bool sectionHeading_ = false;
};

// Whole Gregorian years from a moment to now: the anniversary counts once
// its time of day has come.
int wholeYearsUntilToday(const Timestamp& date);

} // namespace spinora
