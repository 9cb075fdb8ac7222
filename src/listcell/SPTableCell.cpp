#include "SPTableCell.h"

#include "Artwork.h"
#include "CellDataSource.h"
#include "Image.h"
#include "ThumbnailCache.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace spinora {

namespace {

QFont systemFont(qreal pixels, bool bold = false)
{
    QFont font = QApplication::font();
    font.setPixelSize(static_cast<int>(pixels));
    font.setBold(bold);
    return font;
}

} // namespace

SPTableCell::SPTableCell(CellDataSource& dataDelegate, ThumbnailCache& thumbnails, QObject* parent)
    : QStyledItemDelegate(parent), dataDelegate_(dataDelegate), thumbnails_(thumbnails),
      primary_(primaryFont()), secondary_(secondaryFont()), italic_(italicFont())
{
}

QFont SPTableCell::primaryFont() { return systemFont(16); }
QFont SPTableCell::secondaryFont() { return systemFont(12); }
QFont SPTableCell::headingFont() { return systemFont(13, true); }

QFont SPTableCell::italicFont()
{
    // Helvetica by name: fontconfig maps it to the desktop's metric twin.
    QFont font(QStringLiteral("Helvetica"));
    font.setPixelSize(12);
    font.setItalic(true);
    font.setWeight(QFont::Normal);
    return font;
}

QColor SPTableCell::separatorColor() { return QColor::fromRgbF(0.845f, 0.865f, 0.895f); }
QColor SPTableCell::plainBackground() { return QColor::fromRgbF(0.99f, 0.99f, 0.99f); }
QColor SPTableCell::secondaryColor() { return QColor::fromRgbF(1.0f / 3, 1.0f / 3, 1.0f / 3); }

bool SPTableCell::isDarkPalette(const QPalette& palette)
{
    return palette.color(QPalette::Base).lightnessF() < 0.5;
}

void SPTableCell::useListBackground(QWidget* list)
{
    if (isDarkPalette(list->palette()))
        return;
    // Device white 0.94.
    QPalette palette = list->palette();
    palette.setColor(QPalette::Base, QColor::fromRgbF(0.94f, 0.94f, 0.94f));
    list->setPalette(palette);
}

QColor SPTableCell::mixed(const QColor& first, const QColor& second, qreal share)
{
    return QColor::fromRgbF(float(first.redF() * share + second.redF() * (1 - share)),
                            float(first.greenF() * share + second.greenF() * (1 - share)),
                            float(first.blueF() * share + second.blueF() * (1 - share)));
}

QSize SPTableCell::sizeHint(const QStyleOptionViewItem&, const QModelIndex& index) const
{
    const int row = index.row();
    qreal height = dataDelegate_.normalCellHeight();
    if (dataDelegate_.isSectionHeadingCell(row))
        height += kSectionBandHeight;
    return QSize(static_cast<int>(dataDelegate_.firstColumnWidth()), static_cast<int>(height));
}

void SPTableCell::drawText(QPainter& painter, const QString& text, const QRectF& box, const QFont& font,
                           const QColor& colour) const
{
    if (text.isEmpty() || box.width() <= 0 || box.height() <= 0)
        return;
    painter.setFont(font);
    painter.setPen(colour);
    const QString shown = QFontMetricsF(font).elidedText(text, Qt::ElideRight, box.width());
    // Descenders may pass the 17-point box: the frame clip bounds the row.
    painter.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip, shown);
}

// The second line in up to three runs (upright, italic, upright), truncated
// at its tail like a single text.
void SPTableCell::drawSecondLine(QPainter& painter, const QString& text, int italicStart, int italicLength,
                                 const QRectF& box, const QColor& colour) const
{
    if (italicLength <= 0 || italicStart < 0 || italicStart >= text.size()) {
        drawText(painter, text, box, secondary_, colour);
        return;
    }
    const int italicEnd = std::min<int>(static_cast<int>(text.size()), italicStart + italicLength);
    const struct Run {
        QString text;
        const QFont* font;
    } runs[] = {{text.left(italicStart), &secondary_},
                {text.mid(italicStart, italicEnd - italicStart), &italic_},
                {text.mid(italicEnd), &secondary_}};
    qreal x = box.left();
    for (const Run& run : runs) {
        if (run.text.isEmpty())
            continue;
        const qreal room = box.right() - x;
        if (room <= 0)
            break;
        const QFontMetricsF metrics(*run.font);
        const qreal width = metrics.horizontalAdvance(run.text);
        drawText(painter, run.text, QRectF(x, box.top(), room, box.height()), *run.font, colour);
        if (width > room)
            break;
        x += width;
    }
}

void SPTableCell::drawSectionBand(QPainter& painter, const QRectF& band, const QString& title)
{
    painter.save();
    painter.setOpacity(0.9);
    artwork::draw(painter, QLatin1String(artwork::kSectionBackground), band);
    painter.setOpacity(1.0);
    if (!title.isEmpty()) {
        const QFont font = headingFont();
        const QRectF box(band.left() + 10, band.top() + 2, band.width() - 20, 21);
        const QString shown = QFontMetricsF(font).elidedText(title, Qt::ElideRight, box.width());
        painter.setFont(font);
        const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine;
        // The shadow falls one point below the text, softened by a second,
        // fainter copy (a blur radius of one).
        painter.setPen(QColor(0, 0, 0, 70));
        painter.drawText(box.translated(0.5, 1.5), flags, shown);
        painter.setPen(QColor(0, 0, 0, 170));
        painter.drawText(box.translated(0, 1), flags, shown);
        painter.setPen(Qt::white);
        painter.drawText(box, flags, shown);
    }
    painter.restore();
}

void SPTableCell::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const int row = index.row();
    const CellDataSource& source = dataDelegate_;
    const QRectF frame = option.rect;
    const qreal X = frame.x(), Y = frame.y(), W = frame.width(), H = frame.height();
    const qreal N = source.normalCellHeight();
    const qreal top = H > N ? Y + (H - N) : Y;
    const qreal M = std::min(N, H);
    const qreal D = source.imageDimension(row);
    const qreal O = source.imageOffsetForCell(row);
    const qreal T = D + 20;
    const qreal C = source.firstColumnWidth();
    const bool highlighted = option.state & QStyle::State_Selected;

    painter->save();
    painter->setClipRect(frame);

    // 1. Background: the delegate's picture or a plain light grey; a selected
    // row shows the selection colour instead.
    // Under a dark palette: its base and text, the secondary text between
    // them (well over 4.5:1), and the due colour as a tint of the base.
    const bool dark = isDarkPalette(option.palette);
    const QColor base = option.palette.color(QPalette::Base);
    const QColor text = option.palette.color(QPalette::Text);
    const QString background = highlighted ? QString() : source.backgroundImageForCell(row);
    if (highlighted) {
        const QPalette::ColorGroup group = option.state & QStyle::State_Active ? QPalette::Active : QPalette::Inactive;
        painter->fillRect(frame, option.palette.brush(group, QPalette::Highlight));
    } else if (!background.isNull()) {
        if (dark) {
            painter->fillRect(frame, base);
            painter->setOpacity(0.2);
        }
        artwork::draw(*painter, background, frame);
        painter->setOpacity(1.0);
    } else {
        painter->fillRect(frame, dark ? base : plainBackground());
    }

    // 2. Separator along the bottom edge.
    painter->setPen(QPen(dark ? mixed(text, base, 0.2) : separatorColor(), 1.5));
    painter->drawLine(QPointF(X, Y + H - 0.5), QPointF(X + W, Y + H - 0.5));

    // 3. Section band.
    if (source.isSectionHeadingCell(row) && H > N)
        drawSectionBand(*painter, QRectF(X, Y, W, H - N), source.sectionHeading(row));

    QColor primaryColour = dark ? text : QColor(Qt::black);
    QColor secondaryColour = dark ? (background.isNull() ? mixed(text, base, 0.75) : text) : secondaryColor();
    if (highlighted)
        primaryColour = secondaryColour = option.palette.color(QPalette::Active, QPalette::HighlightedText);
    const qreal narrowWidth = C - 2 * T - 30;

    // 4-7. The four lines.
    drawText(*painter, source.firstTextForCell(row), QRectF(X + T, top + 10, W - 2 * T, 17), primary_, primaryColour);
    const CellDataSource::TextRange italic = source.italicTextRangeForCell(row);
    const QString second = source.secondTextForCell(row);
    if (!second.isNull())
        drawSecondLine(*painter, second, italic.location, italic.length, QRectF(X + T, top + 30, W - 2 * T, 17),
                       secondaryColour);
    drawText(*painter, source.thirdTextForCell(row), QRectF(X + T, top + 50, narrowWidth, M - 53), secondary_,
             secondaryColour);
    drawText(*painter, source.fourthTextForCell(row), QRectF(X + T, top + 70, narrowWidth, M - 73), secondary_,
             secondaryColour);

    // 8-9. The texts on the right (the third, beside the fourth line, is our own).
    const qreal extraWidth = W - 180 - narrowWidth;
    drawText(*painter, source.firstExtraColumnForCell(row), QRectF(X + 420, top + 30, extraWidth, 17), secondary_,
             secondaryColour);
    drawText(*painter, source.secondExtraColumnForCell(row), QRectF(X + 420, top + 50, extraWidth, 17), secondary_,
             secondaryColour);
    drawText(*painter, source.thirdExtraColumnForCell(row), QRectF(X + 420, top + 70, extraWidth, 17), secondary_,
             secondaryColour);

    // 10. Thumbnail: the cached square, or nothing until the worker made it.
    if (const Image* image = source.imageForCell(row); image && D > 0) {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        const int side = static_cast<int>(std::ceil(D * ratio));
        const QPixmap picture = thumbnails_.thumbnail(*image, side);
        if (!picture.isNull()) {
            painter->setRenderHint(QPainter::SmoothPixmapTransform, true);
            painter->drawPixmap(QRectF(X + 10, top + O, D, D), picture, QRectF(picture.rect()));
        }
    }

    // 11. Marker icon.
    if (source.wateringIconForCell(row)) {
        painter->setRenderHint(QPainter::SmoothPixmapTransform, true);
        artwork::draw(*painter, QLatin1String(artwork::kWateringGlowIcon), QRectF(X + 560, top + O + D - 108, 28, 28));
    }
    painter->restore();
}

} // namespace spinora
