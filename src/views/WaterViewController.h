#pragma once

#include "ManagingViewController.h"

namespace spinora {

class Water;

// The list of watering schedules: two lines per schedule, the name and when
// it was last watered, on a warm background when watering is due. Deleting
// asks nothing (plants on a deleted schedule simply lose it).
class WaterViewController : public ManagingViewController {
    Q_OBJECT
public:
    WaterViewController(SpinoraDatabase& document, ThumbnailCache& thumbnails, QWidget* parent = nullptr);
    ~WaterViewController() override;

    Water* waterAt(int row) const;
    int numberOfRows() const override;
    const Record* recordAt(int row) const override;

    void handleAddButton() override;
    void handleDeleteButton() override;
    void handleDuplicate() override;
    void showInfo(int row) override { showWaterInfo(row); }
    void showWaterInfo(int row);

    QString firstTextForCell(int row) const override;
    QString secondTextForCell(int row) const override;
    QString backgroundImageForCell(int row) const override;
    qreal normalCellHeight() const override { return 60; }
    qreal firstColumnWidth() const override { return 1000; }

protected:
    RecordKinds shownKinds() const override { return RecordKind::Water | RecordKind::Cactus; }
    QString headerTitle() const override;
    bool sortAscending() const override;
    void flipSortDirection() override;
    std::vector<SortKey> sortKeys() const override { return {SortKey::Name, SortKey::NextWatering}; }
    void sortBy(SortKey key) override;

private:
    // Copies of the records, stored and added to the collection.
    Result<> duplicate(const std::vector<Water*>& sources);
};

} // namespace spinora
