#include "WaterViewController.h"

#include "ActionEdge.h"
#include "Artwork.h"
#include "Localization.h"
#include "RecordEditors.h"
#include "SpinoraDatabase.h"
#include "UndoHistory.h"

namespace spinora {

WaterViewController::WaterViewController(SpinoraDatabase& document, ThumbnailCache& thumbnails, QWidget* parent)
    : ManagingViewController(document, SpinoraDatabase::kWaterList, thumbnails, parent)
{
    setObjectName(QStringLiteral("WaterList"));
    fillDocumentList();
}

WaterViewController::~WaterViewController() = default;

int WaterViewController::numberOfRows() const
{
    return static_cast<int>(document().displayedWatering().size());
}

Water* WaterViewController::waterAt(int row) const
{
    const auto& shown = document().displayedWatering();
    return row >= 0 && row < static_cast<int>(shown.size()) ? shown[static_cast<size_t>(row)] : nullptr;
}

const Record* WaterViewController::recordAt(int row) const
{
    return waterAt(row);
}

QString WaterViewController::firstTextForCell(int row) const
{
    const Water* water = waterAt(row);
    return water ? water->name() : QString();
}

QString WaterViewController::secondTextForCell(int row) const
{
    const Water* water = waterAt(row);
    if (!water)
        return QString();
    // The search reads only the "Last Watered" part (see nextWateringText).
    const QString next = texts().nextWateringText(water->waterNext(), water, now());
    return QStringLiteral("%1 · %2: %3").arg(texts().waterSecondText(*water), localized("Next Watering"), next);
}

QString WaterViewController::backgroundImageForCell(int row) const
{
    const Water* water = waterAt(row);
    return water && water->wateringDue() ? QString::fromLatin1(artwork::kReminderCellBackground) : QString();
}

QString WaterViewController::headerTitle() const
{
    return sortKeyTitle(sortKey());
}

void WaterViewController::sortBy(SortKey key)
{
    document().displayed().setSortKey(SpinoraDatabase::kWaterList, key);
    document().sortWater();
}

bool WaterViewController::sortAscending() const
{
    return document().sortWaterAscending();
}

void WaterViewController::flipSortDirection()
{
    document().setSortWaterAscending(!document().sortWaterAscending());
    document().sortWater();
}

void WaterViewController::showWaterInfo(int row)
{
    Water* water = waterAt(row);
    if (!water)
        return;
    clearSelection();
    editWater(window(), document(), water);
}

void WaterViewController::handleAddButton()
{
    editWater(window(), document(), nullptr);
}

void WaterViewController::handleDeleteButton()
{
    std::vector<Water*> doomed;
    for (int row : rowsToActOn())
        doomed.push_back(waterAt(row));
    if (doomed.empty())
        return;
    clearSelection();
    const QString title =
        doomed.size() == 1 ? localized("Delete Watering Schedule") : localized("Delete Watering Schedules");
    ActionEdge::run(this, title, [&] {
        return UndoHistory::run(document(), title, [&]() -> Result<> {
            for (Water* water : doomed) {
                if (Result<> removed = document().removeWater(water); !removed)
                    return removed;
            }
            return {};
        });
    });
}

void WaterViewController::handleDuplicate()
{
    std::vector<Water*> sources;
    for (int row : rowsToActOn())
        sources.push_back(waterAt(row));
    if (sources.empty())
        return;
    const QString title =
        sources.size() == 1 ? localized("Duplicate Watering Schedule") : localized("Duplicate Watering Schedules");
    ActionEdge::run(this, title, [&] { return UndoHistory::run(document(), title, [&] { return duplicate(sources); }); });
}

Result<> WaterViewController::duplicate(const std::vector<Water*>& sources)
{
    for (Water* source : sources) {
        auto copy = std::make_unique<Water>();
        if (Result<> read = source->hydrate(); !read)
            return read;
        copy->setName(source->name());
        copy->setFrequency(source->frequency());
        copy->setFrequencyUnits(source->frequencyUnits());
        copy->setQuantity(source->quantity());
        copy->setLastWatered(source->lastWatered());
        for (int which = 1; which <= 6; ++which)
            copy->setNoWaterDDMM(which, source->noWaterDDMM(which));
        copy->setWaterNext(source->waterNext());
        copy->setNotificationSet(source->notificationSet());
        copy->setNotes(source->notes());
        source->unload();
        // The copy waters no plant until the user assigns some.
        const Result<Water*> added = document().addWater(std::move(copy));
        if (!added)
            return added.failure();
        if (Result<> saved = (*added)->dehydrate(); !saved)
            return saved;
    }
    return {};
}

} // namespace spinora
