#include "CactusViewController.h"

#include "ActionEdge.h"
#include "Artwork.h"
#include "FloweringCalendarWindow.h"
#include "PlantTimelineWindow.h"
#include "LogHistoryWindow.h"
#include "Localization.h"
#include "RecordCopies.h"
#include "UndoHistory.h"
#include "RecordEditors.h"
#include "SpinoraDatabase.h"
#include "SpinoraUtility.h"

#include <QAction>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>

namespace spinora {

CactusViewController::CactusViewController(SpinoraDatabase& document, ThumbnailCache& thumbnails, QWidget* parent)
    : ManagingViewController(document, SpinoraDatabase::kCactusList, thumbnails, parent)
{
    setObjectName(QStringLiteral("CactusList"));
    fillDocumentList();
    QAction* labels = contextMenu()->addAction(localized("Print Labels..."), this, [this] { emit printLabelsRequested(); });
    labels->setObjectName(QStringLiteral("printLabelsAction"));
}

CactusViewController::~CactusViewController() = default;

int CactusViewController::numberOfRows() const
{
    return static_cast<int>(document().displayedCacti().size());
}

Cactus* CactusViewController::cactusAt(int row) const
{
    const auto& shown = document().displayedCacti();
    return row >= 0 && row < static_cast<int>(shown.size()) ? shown[static_cast<size_t>(row)] : nullptr;
}

const Record* CactusViewController::recordAt(int row) const
{
    return cactusAt(row);
}

std::vector<Cactus*> CactusViewController::cactiToActOn() const
{
    std::vector<Cactus*> cacti;
    for (int row : rowsToActOn())
        cacti.push_back(cactusAt(row));
    return cacti;
}

// --- Texts (those of ListTexts, which the search reads too)

QString CactusViewController::firstTextForCell(int row) const
{
    const Cactus* cactus = cactusAt(row);
    return cactus ? cactus->name() : QString();
}

QString CactusViewController::secondTextForCell(int row) const
{
    const Cactus* cactus = cactusAt(row);
    return cactus ? ListTexts::cactusSecondText(*cactus) : QString();
}

CellDataSource::TextRange CactusViewController::italicTextRangeForCell(int row) const
{
    const Cactus* cactus = cactusAt(row);
    if (!cactus)
        return {};
    const auto [location, length] = cactus->textItalicRange();
    return {location, length};
}

QString CactusViewController::thirdTextForCell(int row) const
{
    const Cactus* cactus = cactusAt(row);
    return cactus ? texts().cactusLogText(*cactus, 0) : QString();
}

QString CactusViewController::fourthTextForCell(int row) const
{
    const Cactus* cactus = cactusAt(row);
    return cactus ? texts().cactusLogText(*cactus, 1) : QString();
}

QString CactusViewController::firstExtraColumnForCell(int row) const
{
    const Cactus* cactus = cactusAt(row);
    return cactus ? texts().cactusAgeText(*cactus).value_or(QString()) : QString();
}

QString CactusViewController::secondExtraColumnForCell(int row) const
{
    const Cactus* cactus = cactusAt(row);
    return cactus ? texts().cactusAcquiredText(*cactus).value_or(QString()) : QString();
}

// Not a ListTexts line the search reads: see nextWateringText.
QString CactusViewController::thirdExtraColumnForCell(int row) const
{
    const Cactus* cactus = cactusAt(row);
    // A plant that is not watered by a schedule or a date says nothing of it.
    if (!cactus || (!cactus->water() && !cactus->waterNext()))
        return QString();
    return QStringLiteral("%1: %2").arg(localized("Next Watering"),
                                        texts().nextWateringText(cactus->waterNext(), cactus->water(), now()));
}

Image* CactusViewController::imageForCell(int row) const
{
    const Cactus* cactus = cactusAt(row);
    return cactus ? cactus->cellImage() : nullptr;
}

QString CactusViewController::backgroundImageForCell(int row) const
{
    const Cactus* cactus = cactusAt(row);
    return cactus && cactus->wateringDue() ? QString::fromLatin1(artwork::kReminderCellBackground) : QString();
}

bool CactusViewController::isSectionHeadingCell(int row) const
{
    const Cactus* cactus = cactusAt(row);
    return cactus && cactus->sectionHeading();
}

QString CactusViewController::sectionHeading(int row) const
{
    const Cactus* cactus = cactusAt(row);
    return cactus ? cactus->groupSpecies() : QString();
}

QString CactusViewController::bandTitle(int row) const
{
    return sectionHeading(row);
}

QString CactusViewController::toolTipForRow(int row, const QPointF& point) const
{
    Cactus* cactus = cactusAt(row);
    Image* photo = cactus ? cactus->cellImage() : nullptr;
    if (!photo || point.x() < 10 || point.x() > 110 || point.y() < 10 || point.y() > 110)
        return QString();
    return photo->captionForDisplay();
}

// --- Sorting and sections

QString CactusViewController::headerTitle() const
{
    return sortKeyTitle(sortKey());
}

std::vector<SortKey> CactusViewController::sortKeys() const
{
    return {SortKey::Name, SortKey::NextWatering, SortKey::DateAcquired, SortKey::ScientificName, SortKey::Location};
}

void CactusViewController::sortBy(SortKey key)
{
    document().displayed().setSortKey(SpinoraDatabase::kCactusList, key);
    document().sortCacti();
}

bool CactusViewController::sortAscending() const
{
    return document().sortCactiAscending();
}

void CactusViewController::flipSortDirection()
{
    document().setSortCactiAscending(!document().sortCactiAscending());
    document().sortCacti();
}

bool CactusViewController::computeSectionFlags()
{
    // Species sections where the order keeps each species together: by
    // name with the preference (species first), or by scientific name.
    const bool bySpecies = SpinoraUtility::sharedManager().getPreferences().sortCactiBySpecies() &&
                           (sortKey() == SortKey::Name || sortKey() == SortKey::ScientificName);
    QString group;
    bool first = true;
    for (Cactus* cactus : document().displayedCacti()) {
        if (!bySpecies) {
            cactus->setSectionHeading(false);
            continue;
        }
        const QString species = cactus->groupSpecies();
        cactus->setSectionHeading(first || species != group);
        group = species;
        first = false;
    }
    return bySpecies;
}

// --- Commands

void CactusViewController::showCactusInfo(int row)
{
    Cactus* cactus = cactusAt(row);
    if (!cactus)
        return;
    clearSelection();
    editCactus(window(), document(), cactus, {presentLogHistory, presentFloweringCalendar, presentPlantTimeline});
}

void CactusViewController::handleAddButton()
{
    editCactus(window(), document(), nullptr);
}

void CactusViewController::handleDeleteButton()
{
    if (confirmation_)
        return; // one question at a time
    selectedRows_.clear();
    for (int row : rowsToActOn())
        selectedRows_.push_back(cactusAt(row));
    if (selectedRows_.empty())
        return;
    confirmation_ = new QMessageBox(QMessageBox::Warning, localized("WARNING"), localized("WARNING"),
                                    QMessageBox::NoButton, window());
    confirmation_->setObjectName(QStringLiteral("DeleteConfirmation"));
    confirmation_->setInformativeText(selectedRows_.size() == 1
                                          ? localized("Deleting this cactus will also delete all of its logs")
                                          : localized("Deleting these cacti will also delete all their associated logs"));
    QPushButton* cancel = confirmation_->addButton(localized("Cancel"), QMessageBox::RejectRole);
    QPushButton* remove = confirmation_->addButton(localized("Delete"), QMessageBox::DestructiveRole);
    remove->setObjectName(QStringLiteral("Delete"));
    cancel->setObjectName(QStringLiteral("Cancel"));
    confirmation_->setDefaultButton(cancel);
    confirmation_->setEscapeButton(cancel);
    confirmation_->setWindowModality(Qt::WindowModal);
    confirmation_->setAttribute(Qt::WA_DeleteOnClose);
    connect(confirmation_, &QMessageBox::finished, this, [this, remove] {
        const bool chosen = confirmation_ && confirmation_->clickedButton() == remove;
        confirmation_ = nullptr;
        alertEnded(chosen);
    });
    confirmation_->open();
}

void CactusViewController::alertEnded(bool deleteChosen)
{
    std::vector<Cactus*> doomed;
    doomed.swap(selectedRows_);
    if (!deleteChosen)
        return;
    clearSelection();
    const QString title = doomed.size() == 1 ? localized("Delete Cactus") : localized("Delete Cacti");
    ActionEdge::run(this, title, [&] {
        return UndoHistory::run(document(), title, [&]() -> Result<> {
            for (Cactus* cactus : doomed) {
                // The plant may have gone while the question was open (an import).
                const bool present = std::any_of(document().cacti().begin(), document().cacti().end(),
                                                 [cactus](const auto& c) { return c.get() == cactus; });
                if (!present)
                    continue;
                if (Result<> removed = document().removeCactus(cactus); !removed)
                    return removed;
            }
            return {};
        });
    });
}

Result<Cactus*> CactusViewController::duplicate(Cactus& source)
{
    SpinoraDatabase& doc = document();
    auto copy = std::make_unique<Cactus>();
    if (Result<> read = source.hydrate(); !read)
        return read.failure();
    copy->setName(source.name());
    copy->setScientificName(source.scientificName());
    copy->setCommonName(source.commonName());
    copy->setType(source.type());
    copy->setWater(source.water());
    copy->setWateringKey(source.wateringKey());
    copy->setLastWatered(source.lastWatered());
    copy->setWaterNext(source.waterNext());
    copy->setPlantDate(source.plantDate());
    copy->setSource(source.source());
    copy->setDateAcquired(source.dateAcquired());
    copy->setPurchasePrice(source.purchasePrice());
    copy->setValue(source.value());
    copy->setLocation(source.location());
    copy->setHeight(source.height());
    copy->setWidth(source.width());
    copy->setWeight(source.weight());
    copy->setLight(source.light());
    copy->setTemperature(source.temperature());
    copy->setPotSize(source.potSize());
    copy->setPotShape(source.potShape());
    copy->setPotMaterial(source.potMaterial());
    copy->setNotes(source.notes());
    source.unload();

    const Result<Cactus*> stored = doc.addCactus(std::move(copy));
    if (!stored)
        return stored;
    Cactus* added = *stored;
    if (Water* schedule = added->water())
        schedule->addCactus(added, doc.sortOrder());

    if (Result<> copied = copyPhotosTo(doc, source.images(), *added); !copied)
        return copied.failure();
    const std::vector<Log*> logs = source.logs();
    for (Log* log : logs) {
        if (Result<Log*> copied = copyLog(doc, *log, added); !copied)
            return copied.failure();
    }
    if (Result<> saved = added->dehydrate(); !saved)
        return saved.failure();
    return added;
}

void CactusViewController::handleDuplicate()
{
    std::vector<Cactus*> sources;
    for (int row : rowsToActOn())
        sources.push_back(cactusAt(row));
    if (sources.empty())
        return;
    const QString title = sources.size() == 1 ? localized("Duplicate Cactus") : localized("Duplicate Cacti");
    ActionEdge::run(this, title, [&] {
        return UndoHistory::run(document(), title, [&]() -> Result<> {
            for (Cactus* source : sources) {
                if (Result<Cactus*> copied = duplicate(*source); !copied)
                    return copied.failure();
            }
            return {};
        });
    });
}

} // namespace spinora
