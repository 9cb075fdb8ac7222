#pragma once

#include <QString>

namespace spinora {

class Image;

// What the row delegate (SPTableCell) asks the list it draws, row by row. A
// null QString means "none": nothing is drawn for it. The list controllers
// answer from their records; the delegate keeps no data of its own.
class CellDataSource {
public:
    struct TextRange {
        int location = 0;
        int length = 0;
    };

    virtual ~CellDataSource() = default;

    virtual QString firstTextForCell(int row) const = 0;
    virtual QString secondTextForCell(int) const { return QString(); }
    // The part of the second line set in italics (length 0 for none).
    virtual TextRange italicTextRangeForCell(int) const { return {}; }
    virtual QString thirdTextForCell(int) const { return QString(); }
    virtual QString fourthTextForCell(int) const { return QString(); }
    virtual QString firstExtraColumnForCell(int) const { return QString(); }
    virtual QString secondExtraColumnForCell(int) const { return QString(); }
    // Beside the fourth line, under the other two.
    virtual QString thirdExtraColumnForCell(int) const { return QString(); }
    virtual Image* imageForCell(int) const { return nullptr; }
    virtual qreal imageDimension(int) const { return 0; }
    virtual qreal imageOffsetForCell(int) const { return 0; }
    virtual bool wateringIconForCell(int) const { return false; }
    // The name of a drawn background ("reminder_cell_background"), or null.
    virtual QString backgroundImageForCell(int) const { return QString(); }
    virtual bool isSectionHeadingCell(int) const { return false; }
    virtual QString sectionHeading(int) const { return QString(); }
    virtual qreal normalCellHeight() const = 0;
    virtual qreal firstColumnWidth() const = 0;
};

} // namespace spinora
