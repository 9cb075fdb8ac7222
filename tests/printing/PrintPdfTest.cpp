// Printed pages of a 120-plant collection: PDF files read back with
// poppler's pdfinfo, pdftotext and pdftoppm.
#include "DatabasePrintView.h"
#include "PrintCommand.h"
#include "PrintSubject.h"
#include "PrintTestSupport.h"

#include "Cactus.h"
#include "Log.h"
#include "TestSupport.h"
#include "Water.h"

#include <QDir>
#include <QImage>
#include <QPrinter>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace spinora;
using namespace spinora::test;

namespace {

class PrintPdf : public PrintableSuite<120> {};

// The printed rectangle's height with the default margins (90 points top and
// bottom, a 3.5th of each kept) on paper of the given height.
double printHeight(double paperHeight)
{
    return paperHeight - 2 * 90 / 3.5;
}

int ceilDiv(int a, int b)
{
    return (a + b - 1) / b;
}

// How many pages the pagination must give, worked out from the page size.
int expectedPages(int screen, int items, double sheetLineHeight, int sheetLines, double paperHeight)
{
    if (screen < 3) { // the lists
        const int perPage = int(std::floor(printHeight(paperHeight) / (screen == 0 ? 130.0 : 60.0)));
        return std::max(1, ceilDiv(items, perPage));
    }
    const int perPage = int(std::floor(printHeight(paperHeight) / sheetLineHeight));
    return ceilDiv(sheetLines, perPage - 2);
}

// Share of pixels that are not white: zero for a blank page.
double inkShare(const QImage& page)
{
    int inked = 0;
    for (int y = 0; y < page.height(); y += 2) {
        for (int x = 0; x < page.width(); x += 2) {
            if (qGray(page.pixel(x, y)) < 200)
                ++inked;
        }
    }
    return double(inked) / ((page.width() / 2) * (page.height() / 2));
}

} // namespace

TEST_F(PrintPdf, EveryScreenPaginatesAsPredictedForA4AndLetter)
{
    ASSERT_FALSE(document_->displayedCacti().empty() || document_->displayedWatering().empty() ||
                 document_->displayedLogs().empty());
    // The first plant with the most logs and the first schedule with the most plants.
    Cactus* longest = *std::ranges::max_element(document_->displayedCacti(), {}, [](Cactus* c) { return c->logs().size(); });
    Water* busiest = *std::ranges::max_element(document_->displayedWatering(), {}, [](Water* w) { return w->cacti().size(); });
    Log* log = document_->displayedLogs().front();
    ASSERT_GE(busiest->cacti().size(), 20u) << "the schedule sheet should run over a page";

    struct Paper {
        const char* name;
        QPageSize size;
        double height;
    };
    const Paper papers[] = {{"A4", QPageSize(QPageSize::A4), 842}, {"Letter", QPageSize(QPageSize::Letter), 792}};
    for (const Paper& paper : papers) {
        for (int screen = 0; screen <= 5; ++screen) {
            const PrintSubject subject{.screen = DatabasePrintView::Screen(screen), .cactus = longest, .water = busiest, .log = log};
            const QString pdf = folder_->file(QStringLiteral("screen%1-%2.pdf").arg(screen).arg(paper.name));
            const int pages = printToPdf(*document_, subject, pdf, paper.size);

            // The sheet's line count and line height, as the view has them.
            DatabasePrintView view(*document_, subject.printScreen(), subject.record());
            view.knowsPageRange(DatabasePrintView::defaultPageLayout(paper.size));
            const int items = screen == 0   ? int(document_->displayedCacti().size())
                              : screen == 1 ? int(document_->displayedWatering().size())
                                            : int(document_->displayedLogs().size());
            const int expected = expectedPages(screen, items, view.lineHeight(), view.totalLines(), paper.height);
            SCOPED_TRACE(QStringLiteral("screen %1 on %2").arg(screen).arg(paper.name).toStdString());
            EXPECT_EQ(pages, expected);
            EXPECT_EQ(pdfPageCount(pdf), expected);
            if (screen == 0) {
                EXPECT_EQ(expected, std::string(paper.name) == "A4" ? 20 : 24) << "120 plants, 6 or 5 to a page";
            }
            if (screen == 4) {
                EXPECT_GE(expected, 2) << "60 plants on one schedule";
            }

            // The header numbers of the last page.
            const QString last = pdfPageText(pdf, expected);
            EXPECT_TRUE(last.contains(QStringLiteral("(%1/%1)").arg(expected))) << last.left(300).toStdString();
            EXPECT_TRUE(last.contains("Exported from Spinora v1.2 on"));
        }
    }
    // The list's items are numbered across pages: the second A4 page starts at 7.
    const QString second = pdfPageText(folder_->file("screen0-A4.pdf"), 2);
    EXPECT_TRUE(second.contains("(2/20)"));
    EXPECT_TRUE(second.contains(QRegularExpression("(^|\\n)\\s*7\\s")));
    EXPECT_TRUE(second.contains(document_->displayedCacti()[6]->name()));
}

TEST_F(PrintPdf, PagesHaveInkAndTheSheetShowsItsPhotos)
{
    const auto& cacti = document_->displayedCacti();
    const auto withPhotos = std::ranges::find_if(cacti, [](Cactus* c) { return c->images().size() >= 2; });
    ASSERT_NE(withPhotos, cacti.end());
    PrintSubject subject{.screen = DatabasePrintView::Screen::CactusSheet, .cactus = *withPhotos};
    const QString pdf = folder_->file("sheet.pdf");
    ASSERT_GT(printToPdf(*document_, subject, pdf, QPageSize(QPageSize::A4)), 0);
    subject.screen = DatabasePrintView::Screen::CactusList;
    const QString list = folder_->file("list.pdf");
    ASSERT_GT(printToPdf(*document_, subject, list, QPageSize(QPageSize::A4)), 0);
    // A sheet without its record prints nothing.
    subject.screen = DatabasePrintView::Screen::CactusSheet;
    subject.cactus = nullptr;
    EXPECT_EQ(printToPdf(*document_, subject, folder_->file("none.pdf"), QPageSize(QPageSize::A4)), 0);

    const QString prefix = folder_->file("page");
    runTool("pdftoppm", {"-r", "50", "-f", "1", "-l", "1", "-png", pdf, prefix + "-sheet"});
    runTool("pdftoppm", {"-r", "50", "-f", "1", "-l", "1", "-png", list, prefix + "-list"});
    const QStringList pngs = QDir(folder_->path()).entryList({"page-*.png"});
    ASSERT_EQ(pngs.size(), 2) << pngs.join(' ').toStdString();
    for (const QString& png : pngs) {
        const QImage page(folder_->file(png));
        ASSERT_FALSE(page.isNull());
        EXPECT_GT(inkShare(page), 0.01) << png.toStdString();
        // Nothing is drawn outside the printed rectangle's sides.
        const int left = int(36 * 50 / 72.0) - 2;
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < left; ++x)
                ASSERT_GT(qGray(page.pixel(x, y)), 200) << png.toStdString() << " at " << x << "," << y;
    }
    // The photos of the sheet's line 2 are pictures, not text: the area right
    // of the "Photos" label holds colour.
    const QImage sheet(folder_->file(pngs.filter("sheet").first()));
    int coloured = 0;
    for (int y = 0; y < sheet.height() / 3; ++y)
        for (int x = int(166 * 50 / 72.0); x < sheet.width(); ++x) {
            const QColor c = sheet.pixelColor(x, y);
            if (std::abs(c.red() - c.blue()) > 40 || std::abs(c.green() - c.blue()) > 40)
                ++coloured;
        }
    EXPECT_GT(coloured, 200);
}

// The photo viewer's print: one page holding every pixel of the picture it
// was given (the original's, not the 1280-pixel photo's), and the caption.
TEST(PrintPhoto, OnePageWithTheWholePictureAndItsCaption)
{
    TempFolder folder;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(folder.file("photo.pdf"));
    ASSERT_TRUE(printPhoto(printer, gradientImage(2400, 1600), "On the sill"));
    EXPECT_EQ(pdfPageCount(folder.file("photo.pdf")), 1);
    EXPECT_TRUE(pdfPageText(folder.file("photo.pdf"), 1).contains("On the sill"));
    EXPECT_TRUE(runTool("pdfimages", {"-list", folder.file("photo.pdf")}).contains(QRegularExpression(" 2400 +1600 ")));
}
