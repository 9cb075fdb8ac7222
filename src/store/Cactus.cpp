#include "Cactus.h"

#include "DueRules.h"
#include "Image.h"
#include "Localization.h"
#include "Log.h"
#include "Messages.h"
#include "SortOrder.h"
#include "TextCompare.h"
#include "Water.h"

#include <algorithm>
#include <tuple>

namespace spinora {

namespace {

const char* const kCactusLoad =
    "SELECT name, common_name, scientific_name, type, watering_key, last_watered, water_next, plant_date, "
    "date_acquired, purchase_price, value, location FROM cactus WHERE pk=?";
const char* const kCactusLoadAll =
    "SELECT name, common_name, scientific_name, type, watering_key, last_watered, water_next, plant_date, "
    "date_acquired, purchase_price, value, location, pk FROM cactus";
const char* const kCactusHydrate =
    "SELECT source, height, width, weight, light, temperature, pot_size, pot_shape, pot_material, "
    "notes FROM cactus WHERE pk=?";
const char* const kCactusInsert = "INSERT INTO cactus (name) VALUES(?)";
const char* const kCactusUpdate =
    "UPDATE cactus SET name=?, common_name=?, scientific_name=?, type=?, watering_key=?, last_watered=?, "
    "water_next=?, plant_date=?, source=?, date_acquired=?, purchase_price=?, value=?, location=?, height=?, "
    "width=?, weight=?, light=?, temperature=?, pot_size=?, pot_shape=?, pot_material=?, notes=? WHERE pk=?";
// Every column at once, bound as the UPDATE is (the key last: none gives a new one).
const char* const kCactusInsertWhole =
    "INSERT INTO cactus (name, common_name, scientific_name, type, watering_key, last_watered, water_next, "
    "plant_date, source, date_acquired, purchase_price, value, location, height, width, weight, light, "
    "temperature, pot_size, pot_shape, pot_material, notes, pk) "
    "VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, nullif(?, -1))";
const char* const kCactusDelete = "DELETE FROM cactus WHERE pk=?";

const QString kEmpty = QString(QLatin1String(""));

} // namespace

Cactus::Cactus() = default;


const Record::Sql& Cactus::sql() const
{
    static const Sql statements{"Cactus",      kCactusLoad,   kCactusLoadAll,   kCactusHydrate,    kCactusInsert,
                                kCactusUpdate, kCactusDelete, msg::kSaveFailed, kCactusInsertWhole};
    return statements;
}

void Cactus::readSummary(const Statement& row)
{
    name_ = row.text(0);
    commonName_ = row.repeatedText(1);
    scientificName_ = row.repeatedText(2);
    type_ = row.integer(3);
    wateringKey_ = row.integer(4);
    lastWatered_ = row.date(5);
    waterNext_ = row.date(6);
    plantDate_ = row.date(7);
    dateAcquired_ = row.date(8);
    purchasePrice_ = row.real(9);
    value_ = row.real(10);
    location_ = row.text(11);
}

void Cactus::setPlaceholders()
{
    name_ = localized("No title");
    commonName_ = kEmpty;
    scientificName_ = kEmpty;
    type_ = 0;
    wateringKey_ = -1;
    lastWatered_ = waterNext_ = plantDate_ = dateAcquired_ = std::nullopt;
    purchasePrice_ = value_ = 0;
    location_ = kEmpty;
}

void Cactus::readDetail(const Statement& row)
{
    source_ = row.integer(0);
    height_ = row.text(1);
    width_ = row.text(2);
    weight_ = row.text(3);
    light_ = row.text(4);
    temperature_ = row.text(5);
    potSize_ = row.text(6);
    potShape_ = row.integer(7);
    potMaterial_ = row.integer(8);
    notes_ = row.text(9);
}

void Cactus::setDetailDefaults()
{
    source_ = 7;
    height_ = width_ = weight_ = light_ = temperature_ = potSize_ = notes_ = kEmpty;
    potShape_ = 0;
    potMaterial_ = 4;
}

void Cactus::bindInsert(Statement& st) const
{
    st.bind(name_);
}

void Cactus::bindUpdate(Statement& st) const
{
    st.bind(name_, commonName_, scientificName_, type_, wateringKey_, lastWatered_, waterNext_, plantDate_, source_,
            dateAcquired_, purchasePrice_, value_, location_, height_, width_, weight_, light_, temperature_,
            potSize_, potShape_, potMaterial_, notes_);
}

void Cactus::releaseDetail()
{
    // source, potShape and potMaterial are plain numbers and stay, and the
    // location stays for the list to sort by.
    height_ = width_ = weight_ = light_ = temperature_ = potSize_ = notes_ = QString();
}

void Cactus::addLog(Log* log, bool newestFirst)
{
    if (std::find(logs_.begin(), logs_.end(), log) == logs_.end())
        logs_.push_back(log);
    sortLogs(newestFirst);
}

void Cactus::removeLog(Log* log)
{
    std::erase(logs_, log);
}

void Cactus::sortLogs(bool newestFirst)
{
    if (logs_.size() < 2)
        return;
    std::stable_sort(logs_.begin(), logs_.end(),
                     [newestFirst](const Log* a, const Log* b) { return a->compareLog(b, newestFirst) < 0; });
}

void Cactus::removeImage(Image* image)
{
    std::erase(images_, image);
}

void Cactus::sortImages()
{
    // Most records have one photo or none; a stable sort would still
    // allocate its buffer.
    if (images_.size() < 2)
        return;
    std::stable_sort(images_.begin(), images_.end(),
                     [](const Image* a, const Image* b) { return a->compareOrder(b) < 0; });
}

std::optional<QString> Cactus::eventString(size_t index) const
{
    if (index >= logs_.size() || logs_[index]->eventName().isEmpty())
        return std::nullopt;
    return logs_[index]->eventName();
}

Timestamp Cactus::eventDate(size_t index) const
{
    if (index >= logs_.size())
        return std::nullopt;
    return logs_[index]->logDate();
}

QString Cactus::groupSpecies() const
{
    return scientificName_.isEmpty() ? QStringLiteral("#") : scientificName_;
}

std::pair<int, int> Cactus::textItalicRange() const
{
    return {0, static_cast<int>(scientificName_.size())};
}

int wholeYearsUntilToday(const Timestamp& date)
{
    // The real moments are compared, not their days: a plant set at 23:59 a
    // year ago is one year old only from 23:59 today. A day-only date is the
    // start of its day, so it still counts from midnight of the anniversary.
    const QDateTime from = toDateTime(date);
    const QDateTime current = toDateTime(now());
    if (!from.isValid() || !current.isValid())
        return 0;
    const QDate a = from.date();
    const QDate b = current.date();
    int years = b.year() - a.year();
    if (std::tuple(b.month(), b.day(), current.time()) < std::tuple(a.month(), a.day(), from.time()))
        --years;
    return years;
}

int Cactus::age() const
{
    return plantDate_ ? std::max(0, wholeYearsUntilToday(plantDate_)) : 0;
}

QString Cactus::ageString(const Timestamp& date)
{
    if (!date)
        return localized("Unknown");
    return ageStringForYears(wholeYearsUntilToday(date));
}

QString Cactus::ageStringForYears(int years)
{
    if (years < 1)
        return localized("< 1 year");
    return localized("%n years", years);
}

bool Cactus::wateringDue() const
{
    // Without a next date the plant is not due; callers only ask when one is set.
    return due::wateringDue(waterNext_, now());
}

int Cactus::compareInOrder(const Cactus* other, const SortOrder& order) const
{
    const bool up = order.cactiAscending;
    // Equal values are ordered by name, A to Z, whichever the direction.
    auto byName = [&] { return compareNameThenSpecies(other, true); };
    switch (order.cactiKey) {
    case SortKey::Name: break;
    case SortKey::NextWatering: return orderDatesWithMissingLast(waterNext_, other->waterNext_, up, byName);
    case SortKey::DateAcquired: return orderDatesWithMissingLast(dateAcquired_, other->dateAcquired_, up, byName);
    case SortKey::ScientificName:
        return orderWithMissingLast(!scientificName_.isEmpty(), !other->scientificName_.isEmpty(),
                                    text::plainCompare(scientificName_, other->scientificName_), up, byName);
    case SortKey::Location:
        return orderWithMissingLast(!location_.isEmpty(), !other->location_.isEmpty(),
                                    text::plainCompare(location_, other->location_), up, byName);
    }
    return order.cactiBySpecies ? compareSpeciesThenName(other, up) : compareNameThenSpecies(other, up);
}

int Cactus::compareNameThenSpecies(const Cactus* other, bool ascending) const
{
    int order = text::plainCompare(name_, other->name_);
    if (order == 0)
        order = text::emptyFirstStandardCompare(scientificName_, other->scientificName_);
    return ascending ? order : -order;
}

int Cactus::compareSpeciesThenName(const Cactus* other, bool ascending) const
{
    int order = text::plainCompare(scientificName_, other->scientificName_);
    if (order == 0)
        order = text::emptyFirstStandardCompare(name_, other->name_);
    return ascending ? order : -order;
}

} // namespace spinora
