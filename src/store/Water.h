#pragma once

#include "Record.h"

#include <array>
#include <vector>

namespace spinora {

class Cactus;
struct SortOrder;

// A watering schedule (table `watering`): water every so many units, with up
// to three yearly no-water periods in which no watering may fall.
class Water : public Record {
public:
    enum Unit : int64_t { kHours = 1, kDays = 2, kWeeks = 3, kMonths = 4, kYears = 5 };

    Water();

    const QString& name() const { return name_; }
    void setName(const QString& v) { change(name_, v); }
    int64_t frequency() const { return frequency_; }
    void setFrequency(int64_t v) { change(frequency_, v); }
    int64_t frequencyUnits() const { return frequencyUnits_; }
    void setFrequencyUnits(int64_t v) { change(frequencyUnits_, v); }
    int64_t quantity() const { return quantity_; }
    void setQuantity(int64_t v) { change(quantity_, v); }
    const Timestamp& lastWatered() const { return lastWatered_; }
    void setLastWatered(const Timestamp& v) { change(lastWatered_, v); }
    const Timestamp& waterNext() const { return waterNext_; }
    void setWaterNext(const Timestamp& v) { change(waterNext_, v); }
    bool notificationSet() const { return notificationSet_; }
    void setNotificationSet(bool v) { change(notificationSet_, v); }
    // Day-and-month codes 1 to 6 (day * 256 + month, 0 = unset).
    int64_t noWaterDDMM(int which) const { return noWater_.at(static_cast<size_t>(which - 1)); }
    void setNoWaterDDMM(int which, int64_t v) { change(noWater_.at(static_cast<size_t>(which - 1)), v); }
    const QString& notes() const { return notes_; }
    void setNotes(const QString& v) { change(notes_, v); }

    // The next watering after a last-watered date, pushed past the set
    // no-water periods; none when no date outside them can be found.
    Timestamp calculateNextWatering(const Timestamp& lastWatered) const;
    // The next watering of a plant that joins this schedule: from the plant's
    // own last watering when it has one, else the schedule's next date.
    Timestamp nextWateringOfJoiningPlant(const Timestamp& plantLastWatered) const
    {
        return plantLastWatered ? calculateNextWatering(plantLastWatered) : waterNext_;
    }
    // Moves a candidate date past one no-water period (from/to codes); with
    // abortInRange it only checks and answers none for a date inside it.
    static Timestamp calculateNewDate(const Timestamp& candidate, int64_t fromCode, int64_t toCode,
                                      double intervalSeconds, const Timestamp& lastWatered, bool abortInRange);
    static int64_t dayMonthCode(int day, int month) { return (int64_t(day & 0xFF) << 8) | (month & 0xFF); }

    // The plants that follow this schedule, kept sorted in the order of the
    // collection's cactus list.
    const std::vector<Cactus*>& cacti() const { return cacti_; }
    void addCactus(Cactus* cactus, const SortOrder& order);
    void removeCactus(Cactus* cactus);
    void clearCacti() { cacti_.clear(); }
    // Appends without sorting, for linking many plants at once (sortCacti after).
    void linkCactus(Cactus* cactus) { cacti_.push_back(cactus); }
    void sortCacti(const SortOrder& order);

    bool wateringDue() const;
    int noWaterLines() const;
    QString waterLine(int index) const;
    bool isPeriodSet(int period) const; // period 1 to 3
    // Whether the moment's day lies in one of the set no-water periods.
    bool restsOn(const Timestamp& moment) const;

    int compareName(const Water* other, bool ascending) const;
    // The watering list's order: by name, or by next date (schedules without
    // one last, equal dates by name).
    int compareInOrder(const Water* other, const SortOrder& order) const;

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
    int64_t frequency_ = 1;
    int64_t frequencyUnits_ = kMonths;
    int64_t quantity_ = 2;
    Timestamp lastWatered_;
    Timestamp waterNext_;
    bool notificationSet_ = false;
    std::array<int64_t, 6> noWater_{};
    QString notes_;

    std::vector<Cactus*> cacti_;
};

} // namespace spinora
