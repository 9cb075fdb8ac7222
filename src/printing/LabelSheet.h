#pragma once

#include "QrCode.h"

#include <QLocale>
#include <QPageLayout>
#include <QRectF>
#include <QString>

#include <vector>

class QPagedPaintDevice;
class QPainter;

namespace spinora {

class Cactus;
class ListTexts;
class SpinoraDatabase;

// A sheet of sticky labels as sold for office printers. Sizes in points
// (1/72 inch) from the paper's top-left corner.
struct LabelLayout {
    const char* id;    // the name scripts and settings use: "a4-3x8"
    const char* title; // what the print sheet offers
    QPageSize::PageSizeId paper;
    int columns;
    int rows;
    QSizeF labelSize;
    QPointF firstLabel; // top-left corner of the first label
    QSizeF pitch;       // from one label's corner to the next one's
    QSizeF inset;       // kept free inside each label: printers do not reach the paper's edge

    int labelsPerPage() const { return columns * rows; }
    // Label `index` of a page (0 is top-left, then along the row).
    QRectF labelRect(int index) const;
    // Where a label's ink may go.
    QRectF contentRect(int index) const;
    // The paper without margins: positions are the sheet's, not the printer's.
    QPageLayout pageLayout() const;
};

// A4 with 3 x 8 labels of 70 x 37 mm, and US Letter with 3 x 10 labels of
// 2.625 x 1 inch.
const std::vector<LabelLayout>& labelLayouts();
// Null for an unknown id.
const LabelLayout* findLabelLayout(const QString& id);
// US Letter where people measure in inches, A4 elsewhere.
const LabelLayout& defaultLabelLayout(const QLocale& locale = QLocale());

// The texts of one plant's label.
struct PlantLabel {
    QString name;
    QString scientificName;
    QString commonName;
    QString acquired; // "Date Acquired: <date>", empty without a date
    QString code;     // what the QR code holds

    static PlantLabel forCactus(const Cactus& cactus, const QString& collectionName, const ListTexts& texts);
    // One line that tells which plant a scan is about: the collection's name,
    // the plant's key and its name ("Garden #42 Golden Barrel").
    static QString codeText(const QString& collectionName, const Cactus& cactus);
};

// The name people know a collection by: its package's name without ".sdb".
QString collectionName(const SpinoraDatabase& document);

// Pages of plant labels: the plant's name, its scientific and common name
// and the date acquired beside a QR code. Texts too wide for the label are
// set smaller, down to a floor, and only then cut short with an ellipsis.
class LabelSheet {
public:
    LabelSheet(const LabelLayout& layout, std::vector<PlantLabel> labels);
    LabelSheet(const LabelLayout& layout, const SpinoraDatabase& document, const std::vector<Cactus*>& cacti);

    const LabelLayout& layout() const { return layout_; }
    const std::vector<PlantLabel>& labels() const { return labels_; }
    int pageCount() const;

    // Draws page `page` (from 0) with the painter measuring in points.
    void drawPage(QPainter& painter, int page) const;
    // Sets the device to the sheet's paper and prints pages `fromPage` to
    // `toPage` (from 1; 0 for the last). False when it cannot be painted.
    bool print(QPagedPaintDevice& device, int fromPage = 1, int toPage = 0) const;
    // Writes the pages as a PDF file; false when it cannot be written.
    bool printToPdf(const QString& file, const QString& title) const;

private:
    void drawLabel(QPainter& painter, const PlantLabel& label, const QRectF& content) const;

    const LabelLayout& layout_;
    std::vector<PlantLabel> labels_;
};

} // namespace spinora
