#pragma once

#include "ListSearch.h"
#include "RecordSheet.h"
#include "SheetFormats.h"

#include <QPageLayout>
#include <QRectF>

#include <memory>

class QPagedPaintDevice;
class QPainter;

namespace spinora {

class Record;
class SpinoraDatabase;

// Lays a list or one record's sheet out in fixed-height lines on pages and
// draws it: one of the three lists (the displayed records, in their order
// and filter) or the sheet of one record. Coordinates are points from the paper's
// top-left corner, y downwards.
class DatabasePrintView {
public:
    // What is printed: a list as it is displayed, or the sheet of one record
    // (in this order, the print screens 0 to 5 of the command line).
    enum class Screen { CactusList, WaterList, LogList, CactusSheet, WaterSheet, LogSheet };
    static bool isSheet(Screen screen) { return screen >= Screen::CactusSheet; }

    // `object` is the record of a sheet (a Cactus, Water or Log). A record that is not loaded in full is loaded for the sheet
    // and released again afterwards.
    DatabasePrintView(SpinoraDatabase& database, Screen screen, Record* object = nullptr);
    ~DatabasePrintView();
    DatabasePrintView(const DatabasePrintView&) = delete;
    DatabasePrintView& operator=(const DatabasePrintView&) = delete;

    // Paginates for the paper, margins and printer margins of a page layout;
    // answers the number of pages.
    int knowsPageRange(const QPageLayout& layout);
    // The printable rectangle of every page; makes `page` (from 1) the one drawn next.
    QRectF rectForPage(int page);
    // Draws the page chosen by rectForPage.
    void drawRect(QPainter& painter);

    // Paginates for the device's page layout and draws pages `fromPage` to
    // `toPage` (from 1; 0 for the last) on it. False when it cannot be painted.
    bool print(QPagedPaintDevice& device, int fromPage = 1, int toPage = 0);

    double lineHeight() const { return lineHeight_; }
    int linesPerPage() const { return linesPerPage_; }
    QRectF printRect() const { return printRect_; }
    int totalLines() const { return sheet_ ? sheet_->totalLines() : 0; }
    int calculateTotalPages() const;
    // The sheet as laid out by the last knowsPageRange (the sheet screens).
    const RecordSheet* sheet() const { return sheet_.get(); }
    // The text of the page header.
    QString pageHeader(int page, int pageCount) const;

    // The print settings the view starts from: the platform's default paper
    // with the classic margins of 1 inch left and right and 1.25 inch top and bottom.
    static QPageLayout defaultPageLayout(const QPageSize& pageSize);

private:
    int itemCount() const;
    void drawCell(QPainter& painter, int item, const QRectF& frame);
    void drawSheetLine(QPainter& painter, const SheetLine& line, const QRectF& frame);
    void drawInfoImage(QPainter& painter, Image* image, const QPointF& point);
    static void drawImage(QPainter& painter, const QImage& image, const QRectF& rect);
    void buildSheet();

    SpinoraDatabase& database_;
    Screen screen_;
    Record* object_;
    bool hydratedHere_ = false;
    double lineHeight_ = 0;
    int linesPerPage_ = 0;
    int printPage_ = 0;
    int pageCount_ = 0;
    QRectF printRect_;
    ListTexts listTexts_;
    SheetFormats sheetFormats_;
    QString exportedLine_;
    std::unique_ptr<RecordSheet> sheet_;
};

} // namespace spinora
