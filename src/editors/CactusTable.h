#pragma once

#include "CellDataSource.h"
#include "ListFormats.h"

#include <QTreeView>

#include <functional>
#include <memory>
#include <vector>

namespace spinora {

class Cactus;
class ThumbnailCache;
class Water;

// The plants of the watering schedule editor, drawn by the list cell as the
// lists draw theirs: photo, name, species, the two latest events, and the
// background of a plant due for watering. In the chooser the plants that
// follow the schedule carry the watering mark. One column headed "Name":
// a click on the header asks for the other order (headerClicked). Return
// and Space choose the selected rows (rowsChosen), as a click does in the
// chooser.
class CactusTable : public QTreeView, public CellDataSource {
    Q_OBJECT
public:
    using Rows = std::function<const std::vector<Cactus*>&()>;

    CactusTable(Rows rows, QWidget* parent);
    ~CactusTable() override;

    // Plants that follow this schedule are marked (none: no marks).
    void setMarkedSchedule(const Water* water) { marked_ = water; }
    // The rows changed: asks for them again; the header shows the order.
    void reload(bool ascending);
    Cactus* cactusAt(int row) const;
    // The selected rows in order, or the current row when none is selected.
    std::vector<int> chosenRows() const;
    ThumbnailCache& thumbnails() { return *thumbnails_; }

    // CellDataSource
    QString firstTextForCell(int row) const override;
    QString secondTextForCell(int row) const override;
    TextRange italicTextRangeForCell(int row) const override;
    QString thirdTextForCell(int row) const override { return eventText(row, 0); }
    QString fourthTextForCell(int row) const override { return eventText(row, 1); }
    Image* imageForCell(int row) const override;
    qreal imageDimension(int) const override { return 100; }
    qreal imageOffsetForCell(int) const override { return 20; }
    bool wateringIconForCell(int row) const override;
    QString backgroundImageForCell(int row) const override;
    qreal normalCellHeight() const override { return 140; }
    qreal firstColumnWidth() const override { return 1000; }

signals:
    void headerClicked();
    void rowsChosen(const std::vector<int>& rows);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool viewportEvent(QEvent* event) override;

private:
    QString eventText(int row, size_t index) const;
    void restoreMissingThumbnail(const QString& croppedThumbnailFile);

    Rows rows_;
    std::vector<Cactus*> shown_;
    const Water* marked_ = nullptr;
    ListFormats formats_;
    std::unique_ptr<ThumbnailCache> thumbnails_;
    class Model;
    Model* model_;
    QStringList restoredThumbnails_;
};

} // namespace spinora
