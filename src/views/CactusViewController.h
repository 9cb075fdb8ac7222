#pragma once

#include "ManagingViewController.h"

#include <vector>

class QMessageBox;

namespace spinora {

class Cactus;

// The list of the collection's cacti: tall rows with a thumbnail, species
// sections when the user sorts by species, a search over the shown texts,
// deleting with a confirmation (a plant's logs go with it) and duplicating
// plants with their photos and logs.
class CactusViewController : public ManagingViewController {
    Q_OBJECT
public:
    CactusViewController(SpinoraDatabase& document, ThumbnailCache& thumbnails, QWidget* parent = nullptr);
    ~CactusViewController() override;

    Cactus* cactusAt(int row) const;
    int numberOfRows() const override;
    const Record* recordAt(int row) const override;

    void handleAddButton() override;
    void handleDeleteButton() override;
    void handleDuplicate() override;
    void showInfo(int row) override { showCactusInfo(row); }
    void showCactusInfo(int row);

    // The delete confirmation while it is open (tests answer it), else null.
    QMessageBox* deleteConfirmation() const { return confirmation_; }
    // The plants waiting for the confirmation.
    const std::vector<Cactus*>& selectedRows() const { return selectedRows_; }
    // The selected plants in row order or, with no selection, the one the
    // context menu was opened on.
    std::vector<Cactus*> cactiToActOn() const;

    // Cell answers.
    QString firstTextForCell(int row) const override;
    QString secondTextForCell(int row) const override;
    TextRange italicTextRangeForCell(int row) const override;
    QString thirdTextForCell(int row) const override;
    QString fourthTextForCell(int row) const override;
    QString firstExtraColumnForCell(int row) const override;
    QString secondExtraColumnForCell(int row) const override;
    QString thirdExtraColumnForCell(int row) const override;
    Image* imageForCell(int row) const override;
    qreal imageDimension(int) const override { return 100; }
    qreal imageOffsetForCell(int) const override { return 10; }
    QString backgroundImageForCell(int row) const override;
    bool isSectionHeadingCell(int row) const override;
    QString sectionHeading(int row) const override;
    qreal normalCellHeight() const override { return 120; }
    qreal firstColumnWidth() const override { return 520; }

    QString toolTipForRow(int row, const QPointF& point) const override;

signals:
    // The context menu's "Print Labels...".
    void printLabelsRequested();

protected:
    RecordKinds shownKinds() const override { return RecordKind::Cactus | RecordKind::Water | RecordKind::Log | RecordKind::Species | RecordKind::Image; }
    QString headerTitle() const override;
    bool sortAscending() const override;
    void flipSortDirection() override;
    std::vector<SortKey> sortKeys() const override;
    void sortBy(SortKey key) override;
    bool computeSectionFlags() override;
    QString bandTitle(int row) const override;

private:
    void alertEnded(bool deleteChosen);
    Result<Cactus*> duplicate(Cactus& source);

    std::vector<Cactus*> selectedRows_;
    QMessageBox* confirmation_ = nullptr;
};

} // namespace spinora
