#include "LabelSheet.h"

#include "AppInfo.h"
#include "Cactus.h"
#include "ListSearch.h"
#include "PagedPrint.h"
#include "PrintText.h"
#include "SpinoraDatabase.h"

#include <QFileInfo>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>

namespace spinora {

namespace {

constexpr double kPointsPerMm = 72 / 25.4;
constexpr double kPointsPerInch = 72;
// The code's side at most: about 21 mm, large enough for a phone held at
// arm's length, small enough to leave the text its room.
constexpr double kCodeSide = 60;
constexpr double kCodeGap = 6;
constexpr double kLineSpacing = 1.25;

struct TextLine {
    QString text;
    QFont (*font)(int size);
    int largest;
    int smallest;
};

QFont nameFont(int size)
{
    return PrintText::systemFont(size, true);
}

QFont plainFont(int size)
{
    return PrintText::systemFont(size);
}

// The largest size, from `largest` down to `smallest`, at which the text fits
// the width in one line; what does not fit at the smallest is elided when drawn.
int fittingSize(const TextLine& line, double width)
{
    for (int size = line.largest; size > line.smallest; --size) {
        if (PrintText::lineWidth(line.text, line.font(size)) <= width)
            return size;
    }
    return line.smallest;
}

// Labels hold single lines: breaks and runs of spaces in a stored name would
// only push the text out of its place.
QString oneLine(const QString& text)
{
    return text.simplified();
}

} // namespace

QRectF LabelLayout::labelRect(int index) const
{
    const int column = index % columns;
    const int row = index / columns;
    return QRectF(firstLabel + QPointF(column * pitch.width(), row * pitch.height()), labelSize);
}

QRectF LabelLayout::contentRect(int index) const
{
    return labelRect(index).adjusted(inset.width(), inset.height(), -inset.width(), -inset.height());
}

QPageLayout LabelLayout::pageLayout() const
{
    QPageLayout layout(QPageSize(paper), QPageLayout::Portrait, QMarginsF(), QPageLayout::Point);
    layout.setMode(QPageLayout::FullPageMode);
    return layout;
}

const std::vector<LabelLayout>& labelLayouts()
{
    static const std::vector<LabelLayout> layouts = {
        // 24 labels cover the A4 page edge to edge across, with half a
        // millimetre above and below.
        {"a4-3x8", QT_TRID_NOOP("A4, 3 × 8 labels of 70 × 37 mm"), QPageSize::A4, 3, 8, QSizeF(70, 37) * kPointsPerMm,
         QPointF(0, 0.5 * kPointsPerMm), QSizeF(70, 37) * kPointsPerMm, QSizeF(5, 3) * kPointsPerMm},
        // The common US address sheet: half an inch above and below, gaps of
        // an eighth of an inch between the columns.
        {"letter-3x10", QT_TRID_NOOP("US Letter, 3 × 10 labels of 2.625 × 1 in"), QPageSize::Letter, 3, 10,
         QSizeF(2.625, 1) * kPointsPerInch, QPointF(0.1875, 0.5) * kPointsPerInch, QSizeF(2.75, 1) * kPointsPerInch,
         QSizeF(0.1, 0.1) * kPointsPerInch},
    };
    return layouts;
}

const LabelLayout* findLabelLayout(const QString& id)
{
    for (const LabelLayout& layout : labelLayouts()) {
        if (id == QLatin1String(layout.id))
            return &layout;
    }
    return nullptr;
}

const LabelLayout& defaultLabelLayout(const QLocale& locale)
{
    const bool inches = locale.measurementSystem() == QLocale::ImperialUSSystem;
    return labelLayouts().at(inches ? 1 : 0);
}

QString PlantLabel::codeText(const QString& collectionName, const Cactus& cactus)
{
    return QStringLiteral("%1 #%2 %3").arg(oneLine(collectionName)).arg(cactus.primaryKey()).arg(oneLine(cactus.name()));
}

PlantLabel PlantLabel::forCactus(const Cactus& cactus, const QString& collectionName, const ListTexts& texts)
{
    return {oneLine(cactus.name()), oneLine(cactus.scientificName()), oneLine(cactus.commonName()),
            texts.cactusAcquiredText(cactus).value_or(QString()), codeText(collectionName, cactus)};
}

QString collectionName(const SpinoraDatabase& document)
{
    return QFileInfo(document.packageFilename()).completeBaseName();
}

LabelSheet::LabelSheet(const LabelLayout& layout, std::vector<PlantLabel> labels)
    : layout_(layout), labels_(std::move(labels))
{
}

LabelSheet::LabelSheet(const LabelLayout& layout, const SpinoraDatabase& document, const std::vector<Cactus*>& cacti)
    : layout_(layout)
{
    const ListTexts texts;
    const QString collection = collectionName(document);
    labels_.reserve(cacti.size());
    for (const Cactus* cactus : cacti)
        labels_.push_back(PlantLabel::forCactus(*cactus, collection, texts));
}

int LabelSheet::pageCount() const
{
    const int perPage = layout_.labelsPerPage();
    return (int(labels_.size()) + perPage - 1) / perPage;
}

void LabelSheet::drawPage(QPainter& painter, int page) const
{
    const int perPage = layout_.labelsPerPage();
    for (int i = 0; i < perPage; ++i) {
        const size_t number = size_t(page) * size_t(perPage) + size_t(i);
        if (number >= labels_.size())
            break;
        drawLabel(painter, labels_[number], layout_.contentRect(i));
    }
}

void LabelSheet::drawLabel(QPainter& painter, const PlantLabel& label, const QRectF& content) const
{
    const double side = std::min(content.height(), kCodeSide);
    const QRectF square(content.left(), content.top() + (content.height() - side) / 2, side, side);
    QrCode(label.code.toUtf8()).draw(painter, square);

    const double left = square.right() + kCodeGap;
    const double width = content.right() - left;
    std::vector<TextLine> lines = {{label.name, nameFont, 12, 7}};
    if (!label.scientificName.isEmpty())
        lines.push_back({label.scientificName, PrintText::helveticaItalic, 10, 6});
    if (!label.commonName.isEmpty())
        lines.push_back({label.commonName, plainFont, 10, 6});
    if (!label.acquired.isEmpty())
        lines.push_back({label.acquired, plainFont, 8, 6});

    std::vector<int> sizes;
    double height = 0;
    for (const TextLine& line : lines) {
        sizes.push_back(fittingSize(line, width));
        height += sizes.back() * kLineSpacing;
    }
    // The text block stands beside the middle of the code.
    double top = content.top() + std::max(0.0, (content.height() - height) / 2);
    painter.setPen(Qt::black);
    for (size_t i = 0; i < lines.size(); ++i) {
        const double lineHeight = sizes[i] * kLineSpacing;
        PrintText::drawLine(painter, QRectF(left, top, width, lineHeight), lines[i].text, lines[i].font(sizes[i]));
        top += lineHeight;
    }
}

bool LabelSheet::print(QPagedPaintDevice& device, int fromPage, int toPage) const
{
    if (labels_.empty() || !device.setPageLayout(layout_.pageLayout()))
        return false;
    return paintPages(device, pageCount(), fromPage, toPage,
                      [this](QPainter& painter, int page) { drawPage(painter, page - 1); });
}

bool LabelSheet::printToPdf(const QString& file, const QString& title) const
{
    QPdfWriter writer(file);
    writer.setCreator(QLatin1String(kApplicationName));
    writer.setTitle(title);
    return print(writer);
}

} // namespace spinora
