#include "DatabasePrintView.h"

#include "AppInfo.h"
#include "Cactus.h"
#include "Image.h"
#include "Localization.h"
#include "Log.h"
#include "PagedPrint.h"
#include "PrintText.h"
#include "SpinoraDatabase.h"
#include "Water.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace spinora {

namespace {

constexpr double kListTop = 40;     // list items start below the page header
constexpr double kPhotoSpacing = 74; // between the photos of a sheet
constexpr double kPhotoSquare = 64;

double lineHeightFor(DatabasePrintView::Screen screen)
{
    switch (screen) {
    case DatabasePrintView::Screen::CactusList:
        return 130;
    case DatabasePrintView::Screen::WaterList:
    case DatabasePrintView::Screen::LogList:
        return 60;
    default:
        return 1.7 * QFontMetricsF(PrintText::systemFont(11)).capHeight();
    }
}

int ceilDiv(int a, int b)
{
    return b > 0 ? (a + b - 1) / b : 0;
}

// A photo for a list or a sheet, its thumbnail read first.
Image* withThumbnail(Image* image)
{
    if (image && !image->isThumbnailHydrated())
        image->hydrateThumbnailForDisplay();
    return image;
}

} // namespace

DatabasePrintView::DatabasePrintView(SpinoraDatabase& database, Screen screen, Record* object)
    : database_(database), screen_(screen), object_(isSheet(screen) ? object : nullptr),
      lineHeight_(lineHeightFor(screen))
{
    if (object_ && !object_->isHydrated()) {
        object_->hydrateForDisplay();
        hydratedHere_ = true;
    }
    exportedLine_ = localized("Exported from %1 v%2 on %3")
                        .arg(QLatin1String(kApplicationName), QLatin1String(kFormatVersion),
                             sheetFormats_.mediumDateMediumTime(now()));
}

DatabasePrintView::~DatabasePrintView()
{
    // A record loaded in full only for printing gives its detail back.
    // A change it holds that cannot be written now stays for the next save.
    if (hydratedHere_ && object_ && !object_->isEditing()) {
        if (Result<> released = object_->dehydrate(); !released)
            logFailure(released.failure());
    }
}

QPageLayout DatabasePrintView::defaultPageLayout(const QPageSize& pageSize)
{
    return QPageLayout(pageSize, QPageLayout::Portrait, QMarginsF(72, 90, 72, 90), QPageLayout::Point);
}

int DatabasePrintView::knowsPageRange(const QPageLayout& layout)
{
    QPageLayout points(layout);
    points.setUnits(QPageLayout::Point);
    const QMarginsF margins = points.margins();
    // The imageable bounds: the paper without what the printer cannot reach.
    const QRectF imageable = points.fullRectPoints().toRectF().marginsRemoved(points.minimumMargins());
    const double left = margins.left() * 0.5;
    const double right = margins.right() * 0.5;
    const double top = margins.top() / 3.5;
    const double bottom = margins.bottom() / 3.5;
    printRect_ = QRectF(imageable.x() + left, imageable.y() + top, imageable.width() - left - right,
                        imageable.height() - top - bottom);
    linesPerPage_ = std::max(0, int(std::floor(printRect_.height() / lineHeight_)));
    buildSheet();
    pageCount_ = calculateTotalPages();
    return pageCount_;
}

void DatabasePrintView::buildSheet()
{
    sheet_.reset();
    const double valueWidth = printRect_.width() - RecordSheet::kValueOffset;
    if (!object_)
        return;
    if (screen_ == Screen::CactusSheet) {
        const auto& cactus = static_cast<const Cactus&>(*object_);
        for (Image* image : cactus.images())
            withThumbnail(image);
        sheet_ = RecordSheet::forCactus(cactus, valueWidth, sheetFormats_);
    } else if (screen_ == Screen::WaterSheet) {
        sheet_ = RecordSheet::forWater(static_cast<const Water&>(*object_), valueWidth, sheetFormats_);
    } else if (screen_ == Screen::LogSheet) {
        const auto& log = static_cast<const Log&>(*object_);
        for (Image* image : log.images())
            withThumbnail(image);
        sheet_ = RecordSheet::forLog(log, valueWidth, sheetFormats_);
    }
}

int DatabasePrintView::itemCount() const
{
    switch (screen_) {
    case Screen::CactusList:
        return int(database_.displayedCacti().size());
    case Screen::WaterList:
        return int(database_.displayedWatering().size());
    case Screen::LogList:
        return int(database_.displayedLogs().size());
    default:
        return 0;
    }
}

int DatabasePrintView::calculateTotalPages() const
{
    // Every print has at least one page, so an empty list still prints its
    // header rather than nothing at all.
    if (!isSheet(screen_))
        return std::max(1, linesPerPage_ > 0 ? ceilDiv(itemCount(), linesPerPage_) : 1);
    // Lines 0 and 1 of every page stay free: a page holds linesPerPage - 2
    // sheet lines. A page too small for any line prints one empty page.
    if (linesPerPage_ < 3)
        return 1;
    return std::max(1, ceilDiv(totalLines(), linesPerPage_ - 2));
}

QRectF DatabasePrintView::rectForPage(int page)
{
    printPage_ = page - 1;
    return printRect_;
}

QString DatabasePrintView::pageHeader(int page, int pageCount) const
{
    return QStringLiteral("%1 - (%2/%3)").arg(exportedLine_).arg(page).arg(pageCount);
}

void DatabasePrintView::drawRect(QPainter& painter)
{
    const QRectF& r = printRect_;
    PrintText::drawLine(painter, QRectF(r.x(), r.y(), r.width(), 15), pageHeader(printPage_ + 1, pageCount_),
                        PrintText::systemFont(10));
    if (!isSheet(screen_)) {
        const int count = itemCount();
        for (int i = 0; i < linesPerPage_; ++i) {
            const int item = linesPerPage_ * printPage_ + i;
            if (item >= count)
                break;
            drawCell(painter, item, QRectF(r.x(), r.y() + i * lineHeight_ + kListTop, r.width(), lineHeight_));
        }
        return;
    }
    if (!sheet_ || linesPerPage_ < 3)
        return;
    for (int j = 2; j < linesPerPage_; ++j) {
        const int number = j + (linesPerPage_ - 2) * printPage_ - 2;
        if (number >= sheet_->totalLines())
            break;
        drawSheetLine(painter, sheet_->line(number), QRectF(r.x(), r.y() + j * lineHeight_, r.width(), lineHeight_));
    }
}

void DatabasePrintView::drawCell(QPainter& painter, int item, const QRectF& frame)
{
    const double x = frame.x();
    const double y = frame.y();
    const double w = frame.width();
    const double h = frame.height();
    const double d = screen_ == Screen::LogList ? 40 : 100;
    const double t = 70 + d;
    const QFont primary = PrintText::systemFont(10);
    const QFont secondary = PrintText::systemFont(8);
    const QFont italic = PrintText::helveticaItalic(8);

    QString first, second, third, fourth, rightFirst, rightSecond;
    std::pair<int, int> italicRange{0, 0};
    Image* photo = nullptr;
    switch (screen_) {
    case Screen::CactusList: {
        const Cactus& cactus = *database_.displayedCacti()[size_t(item)];
        first = cactus.name();
        second = ListTexts::cactusSecondText(cactus);
        italicRange = cactus.textItalicRange();
        third = listTexts_.cactusLogText(cactus, 0);
        fourth = listTexts_.cactusLogText(cactus, 1);
        rightFirst = listTexts_.cactusAgeText(cactus).value_or(QString());
        rightSecond = listTexts_.cactusAcquiredText(cactus).value_or(QString());
        photo = cactus.cellImage();
        break;
    }
    case Screen::WaterList: {
        const Water& water = *database_.displayedWatering()[size_t(item)];
        first = water.name();
        second = listTexts_.waterSecondText(water);
        break;
    }
    case Screen::LogList: {
        const Log& log = *database_.displayedLogs()[size_t(item)];
        first = ListTexts::logFirstText(log).value_or(QString());
        second = listTexts_.logSecondText(log).value_or(QString());
        photo = log.cellImage();
        break;
    }
    default:
        return;
    }

    PrintText::drawLine(painter, QRectF(x, y + 10, 48, 15), QString::number(item + 1), primary);
    PrintText::drawLine(painter, QRectF(x + t, y + 10, w - t, 15), first, primary);
    PrintText::drawLine(painter, QRectF(x + t, y + 30, 350 - t, 15), second, secondary, italicRange, italic);
    PrintText::drawLine(painter, QRectF(x + t, y + 50, 305 - t, h - 55), third, secondary);
    PrintText::drawLine(painter, QRectF(x + t, y + 70, 305 - t, h - 75), fourth, secondary);
    PrintText::drawLine(painter, QRectF(x + 365, y + 30, w - 525 + t, 15), rightFirst, secondary);
    PrintText::drawLine(painter, QRectF(x + 365, y + 50, w - 525 + t, h - 55), rightSecond, secondary);
    if (withThumbnail(photo)) {
        QImage square = photo->croppedThumbnail();
        if (square.isNull())
            square = Image::centredSquare(photo->thumbnail());
        drawImage(painter, square, QRectF(x + 50, y + 10, d, d));
    }
}

void DatabasePrintView::drawSheetLine(QPainter& painter, const SheetLine& line, const QRectF& frame)
{
    const double x = frame.x();
    const double y = frame.y();
    const double w = frame.width();
    const double h = frame.height() + 2;
    const int size = line.logEntry ? 9 : 11;
    const QFont labelFont = PrintText::systemFont(size, !line.logEntry && !line.plainLabel);
    const QFont valueFont = PrintText::systemFont(size);
    const double valueX = x + RecordSheet::kValueOffset;
    PrintText::drawLine(painter, QRectF(x, y, w, h), line.label, labelFont);
    if (line.text)
        line.text->drawLine(painter, line.textLine, QPointF(valueX, y));
    else
        PrintText::drawLine(painter, QRectF(valueX, y, w - RecordSheet::kValueOffset, h), line.value, valueFont,
                            line.italicRange, PrintText::helveticaItalic(size));
    for (size_t i = 0; i < line.photos.size(); ++i)
        drawInfoImage(painter, line.photos[i], QPointF(valueX + kPhotoSpacing * double(i), y));
}

void DatabasePrintView::drawInfoImage(QPainter& painter, Image* image, const QPointF& point)
{
    if (!withThumbnail(image))
        return;
    const QImage& thumbnail = image->thumbnail();
    if (thumbnail.isNull() || thumbnail.width() <= 0 || thumbnail.height() <= 0)
        return;
    const QSizeF fitted = QSizeF(thumbnail.size()).scaled(kPhotoSquare, kPhotoSquare, Qt::KeepAspectRatio);
    const QPointF corner(point.x() + (kPhotoSquare - fitted.width()) / 2, point.y() + (kPhotoSquare - fitted.height()) / 2);
    drawImage(painter, thumbnail, QRectF(corner, fitted));
}

void DatabasePrintView::drawImage(QPainter& painter, const QImage& image, const QRectF& rect)
{
    if (image.isNull())
        return;
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setOpacity(1.0);
    painter.drawImage(rect, image);
    painter.restore();
}

bool DatabasePrintView::print(QPagedPaintDevice& device, int fromPage, int toPage)
{
    // Positions are measured from the paper's corner, not from the margins.
    QPageLayout layout = device.pageLayout();
    layout.setMode(QPageLayout::FullPageMode);
    device.setPageLayout(layout);
    const int pages = knowsPageRange(device.pageLayout());
    return paintPages(device, pages, fromPage, toPage, [this](QPainter& painter, int page) {
        rectForPage(page);
        drawRect(painter);
    });
}

} // namespace spinora
