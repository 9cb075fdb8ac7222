// The document window (tabs, title, closing, page setup), the statistics and
// the screenshots of the three lists of a sample collection.
#include "ViewsTestSupport.h"

#include "CactusInfoViewController.h"
#include "CactusViewController.h"
#include "CollectionCharts.h"
#include "DatabasePrintView.h"
#include "EditorTestSupport.h"
#include "FloweringCalendar.h"
#include "FloweringCalendarWindow.h"
#include "LogViewController.h"
#include "PageSetup.h"
#include "PlantTimelineWindow.h"
#include "RecordEditors.h"
#include "SampleCollection.h"
#include "Statistics.h"
#include "StatisticsViewController.h"
#include "ThumbnailCache.h"
#include "WaterViewController.h"

#include <QAccessible>
#include <QApplication>
#include <QBarSet>
#include <QChartView>
#include <QHorizontalBarSeries>
#include <QLineSeries>
#include <QLineEdit>
#include <QListWidget>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <QToolBar>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>

#include <algorithm>
#include <map>
#include <cmath>

using namespace spinora;
using namespace spinora::test;

namespace {

using Window = ViewsFixture;
using Statistics = ViewsFixture;

class Screenshots : public ViewsFixture {
protected:
    void SetUp() override
    {
        ViewsFixture::SetUp();
        EXPECT_TRUE(SampleCollection::fill(*document_, SampleSize{30, 5, 60, 30, 320}).ok());
    }

    // Selects `row` of the shown list, lets the thumbnails arrive and saves
    // the window. The selected row takes the selection colour, not the due
    // background (looked at near its foot: a section band may head the row).
    void save(DocumentWindow& w, int row, const QString& name)
    {
        ManagingViewController& list = *w.visibleList();
        selectRows(list, {row});
        list.tableView()->viewport()->grab();
        w.thumbnails().waitForPending();
        QApplication::processEvents();
        EXPECT_TRUE(w.grab().toImage().save(screenshotFolder() + "/" + name)) << name.toStdString();
        const QRect selected = list.tableView()->visualRect(list.tableView()->model()->index(row, 0));
        EXPECT_EQ(pixelAt(list.tableView()->viewport()->grab().toImage(), selected.right() - 5, selected.bottom() - 5),
                  list.tableView()->palette().color(QPalette::Active, QPalette::Highlight))
            << name.toStdString();
    }
};

} // namespace

TEST_F(Window, TitleTabsAndTheSearchTextCarryingOver)
{
    addWater(QStringLiteral("Weekly"), std::nullopt, std::nullopt);
    DocumentWindow& w = window();
    EXPECT_EQ(w.windowTitle(), "Garden[*]");
    QTest::mouseClick(w.tabButton(SpinoraDatabase::kLogList), Qt::LeftButton);
    EXPECT_EQ(w.selectedTab(), SpinoraDatabase::kLogList);
    EXPECT_FALSE(w.tabButton(SpinoraDatabase::kCactusList)->isChecked());
    EXPECT_EQ(w.visibleList(), w.logList());

    QTest::keyClicks(w.searchField(), "wee");
    QTest::keyClick(w.searchField(), Qt::Key_Return);
    w.selectTab(SpinoraDatabase::kWaterList);
    EXPECT_EQ(w.waterList()->numberOfRows(), 1);
    EXPECT_EQ(w.searchField()->text(), "wee");
    // A screen reader told of a row (the focus reaches a tab's list before
    // it refreshes) finds it still there when the tab is shown again.
    QApplication::processEvents();
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(w.waterList()->tableView());
    const QAccessible::Id heard = QAccessible::uniqueId(list->tableInterface()->cellAt(0, 0));
    for (auto tab : {SpinoraDatabase::kLogList, SpinoraDatabase::kWaterList})
        w.selectTab(tab);
    EXPECT_TRUE(QAccessible::accessibleInterface(heard)->isValid());

    // Delete in the search field edits the text, not the list.
    w.searchField()->setFocus();
    w.searchField()->setCursorPosition(0);
    QTest::keyClick(w.searchField(), Qt::Key_Delete);
    EXPECT_EQ(w.searchField()->text(), "ee");
    EXPECT_EQ(document_->watering().size(), 1u);
}

// A window too narrow for the labelled buttons (a small screen, a scale of
// 2) keeps Add Item on the toolbar, not behind its overflow button.
TEST_F(Window, TheToolbarDropsItsLabelsBeforeAddItemHides)
{
    DocumentWindow& w = window();
    w.show();
    QToolBar* toolbar = w.documentToolbar();
    QWidget* add = toolbar->widgetForAction(w.findChild<QAction*>(QStringLiteral("AddItem")));
    ASSERT_NE(add, nullptr);
    for (const auto& [width, labelled] : {std::pair{600, false}, std::pair{1000, true}}) {
        w.resize(width, 600);
        QApplication::processEvents();
        EXPECT_EQ(toolbar->toolButtonStyle() == Qt::ToolButtonTextUnderIcon, labelled) << width;
        EXPECT_TRUE(add->isVisible()) << width;
    }
}

// Contrast of two colours as WCAG measures it (1 to 21).
double contrast(const QColor& a, const QColor& b)
{
    const auto luminance = [](const QColor& c) {
        const auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
    };
    const double x = luminance(a) + 0.05, y = luminance(b) + 0.05;
    return std::max(x, y) / std::min(x, y);
}

// The text of `area` against the background at `blank`: the strongest contrast found.
double textContrast(const QImage& picture, const QRect& area, const QPoint& blank)
{
    const QColor background = picture.pixelColor(blank);
    double best = 1;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            best = std::max(best, contrast(picture.pixelColor(x, y), background));
    return best;
}

// The share of what a toolbar picture draws (apart from the bar's own colour)
// that stands out from the bar as a control should (3:1).
double strongShare(QToolButton& button)
{
    const QImage icon = button.icon().pixmap(button.iconSize()).toImage().convertToFormat(QImage::Format_ARGB32);
    const QColor bar = button.grab().toImage().pixelColor(1, 1);
    int drawn = 0, strong = 0;
    for (int y = 0; y < icon.height(); ++y)
        for (int x = 0; x < icon.width(); ++x)
            if (const QColor c = icon.pixelColor(x, y); c.alphaF() >= 0.5 && contrast(c, bar) > 1.1) {
                ++drawn;
                strong += contrast(c, bar) >= 3;
            }
    return drawn ? double(strong) / drawn : 1;
}

QPalette darkPalette()
{
    QPalette dark = QApplication::palette();
    for (auto [role, colour] : {std::pair{QPalette::Window, 0x353535}, {QPalette::WindowText, 0xffffff},
                                {QPalette::Base, 0x2a2a2a}, {QPalette::Text, 0xffffff}, {QPalette::Button, 0x353535},
                                {QPalette::ButtonText, 0xffffff}})
        dark.setColor(role, QColor::fromRgb(QRgb(colour)));
    return dark;
}

// Under a dark desktop palette the rows, their due colour and the tab strip
// follow it, and every text keeps 4.5:1 against what it is drawn on.
TEST_F(Window, ADarkPaletteIsFollowedWithReadableText)
{
    const QPalette light = QApplication::palette();
    QApplication::setPalette(darkPalette());
    Water* due = addWater(QStringLiteral("Due"), day(2026, 6, 1), day(2026, 6, 8));
    addCactus(QStringLiteral("Astro"), QStringLiteral("Astrophytum asterias"), QStringLiteral("Star"));
    addCactus(QStringLiteral("Thirsty"), QStringLiteral("Mammillaria plumosa"), QStringLiteral("Feather"), due);
    DocumentWindow& w = window();
    w.show();
    QTreeView* list = w.cactusList()->tableView();
    list->clearSelection();
    list->setCurrentIndex({});
    const QImage rows = list->viewport()->grab().toImage();
    for (int row : {0, 1}) {
        const QRect cell = list->visualRect(list->model()->index(row, 0));
        const QPoint blank(cell.right() - 10, cell.center().y());
        EXPECT_LT(rows.pixelColor(blank).lightnessF(), 0.5) << row;
        EXPECT_GE(textContrast(rows, QRect(cell.left() + 120, cell.top() + 12, 60, 12), blank), 4.5) << "name " << row;
        EXPECT_GE(textContrast(rows, QRect(cell.left() + 120, cell.top() + 32, 60, 12), blank), 4.5) << "species " << row;
    }
    QToolButton* tab = w.tabButton(SpinoraDatabase::kWaterList);
    const QImage strip = tab->grab().toImage();
    EXPECT_GE(textContrast(strip, strip.rect().adjusted(10, 4, -10, -4), QPoint(4, strip.height() / 2)), 4.5);
    EXPECT_TRUE(w.grab().save(screenshotFolder() + "/dark-palette.png"));
    // A plant's editor: its empty photo slots stand out from the dark window
    // as a control should (3:1).
    whenModalOpens<CactusInfoViewController>([&](CactusInfoViewController* editor) {
        const QImage empty = control<QToolButton>(editor, "photo2View")->grab().toImage();
        EXPECT_GE(textContrast(empty, empty.rect().adjusted(20, 20, -20, -20), QPoint(2, 2)), 3.0);
        EXPECT_TRUE(editor->grab().save(screenshotFolder() + "/dark-editor.png"));
        click(control<QPushButton>(editor, "cancelButton"));
    });
    editCactus(&w, *document_, document_->cacti().front().get());
    // The toolbar's pictures (the search field's too) stand out from the bar,
    // dark and after a switch to a light palette.
    for (const QPalette& palette : {darkPalette(), light}) {
        QApplication::setPalette(palette);
        QApplication::processEvents();
        for (QToolButton* button : w.documentToolbar()->findChildren<QToolButton*>())
            EXPECT_GE(button->isVisible() ? strongShare(*button) : 1, 0.75) << button->text().toStdString();
    }
}

// File › Page Setup... keeps a page layout for the collection, and every
// print and preview of it uses that layout.
TEST_F(Window, PageSetupIsKeptPerCollectionAndUsedByEveryPrint)
{
    for (int i = 0; i < 12; ++i)
        addCactus(QStringLiteral("Plant %1").arg(i), QString(), QString());
    DocumentWindow& w = window();
    EXPECT_FALSE(PageSetup::layoutFor(*document_)) << "none chosen yet";
    auto choose = [](const char* orientation) {
        whenModalOpens<PageSetupDialog>([orientation](PageSetupDialog* dialog) {
            chooseItem(control<QComboBox>(dialog, "paperSize"), 1); // Letter
            click(control<QRadioButton>(dialog, orientation));
            dialog->grab().save(screenshotFolder() + "/page-setup.png");
            click(dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok));
        });
    };
    choose("landscape");
    w.pageSetup();
    ASSERT_TRUE(PageSetup::layoutFor(*document_));
    const QPageLayout chosen = *PageSetup::layoutFor(*document_);
    EXPECT_EQ(chosen.pageSize().id(), QPageSize::Letter);
    EXPECT_EQ(chosen.orientation(), QPageLayout::Landscape);

    QPageLayout printed, previewed, changedInPreview;
    int previewPages = 0;
    whenModalOpens<QPrintDialog>([&](QPrintDialog* dialog) {
        printed = dialog->printer()->pageLayout();
        dialog->reject();
    });
    w.printDocument();
    whenModalOpens<QPrintPreviewDialog>([&](QPrintPreviewDialog* preview) {
        previewed = preview->printer()->pageLayout();
        previewPages = preview->findChild<QPrintPreviewWidget*>()->pageCount();
        // The preview's own page setup button opens the same dialog.
        choose("portrait");
        for (QAction* action : preview->findChildren<QAction*>()) {
            if (action->text() == QStringLiteral("Page setup"))
                action->trigger();
        }
        changedInPreview = preview->printer()->pageLayout();
        preview->reject();
    });
    w.printPreview();
    EXPECT_TRUE(printed.isEquivalentTo(chosen));
    EXPECT_TRUE(previewed.isEquivalentTo(chosen));
    DatabasePrintView pagination(*document_, DatabasePrintView::Screen::CactusList);
    EXPECT_EQ(previewPages, pagination.knowsPageRange(chosen));
    EXPECT_EQ(changedInPreview.orientation(), QPageLayout::Portrait);

    // Kept for the collection after reopening; another one has its own.
    SpinoraDatabase* reopened = reopen();
    EXPECT_EQ(PageSetup::layoutFor(*reopened).value_or(chosen).orientation(), QPageLayout::Portrait);
    auto second = newCollection(folder_.file("Other.sdb"), true);
    EXPECT_FALSE(PageSetup::layoutFor(*second));
    expectOk(second->close());
}

// Printing into a file that could not be written said nothing at all.
TEST_F(Window, APrintThatCannotBeWrittenSaysSo)
{
    addCactus(QStringLiteral("Plant"), QString(), QString());
    const QString unwritable = folder_.file("no such folder/list.pdf");
    whenModalOpens<QPrintDialog>([&](QPrintDialog* dialog) {
        control<QLineEdit>(dialog, "filename")->setText(unwritable);
        dialog->accept();
    });
    QString message;
    answerAlert("OK", &message);
    window().printDocument();
    EXPECT_EQ(message, QStringLiteral("Nothing was printed: the file “%1” could not be written.").arg(unwritable));
}

TEST_F(Window, BecomingActiveNamesTheDocument)
{
    DocumentWindow w(*document_);
    SpinoraDatabase* named = nullptr;
    QObject::connect(&w, &DocumentWindow::becameMain, [&named](SpinoraDatabase* d) { named = d; });
    w.show();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    EXPECT_EQ(named, document_.get());
}

TEST_F(Statistics, FiguresOfTheWholeCollection)
{
    Water* dry = addWater(QStringLiteral("Dry"), day(2026, 5, 1), day(2026, 6, 1));
    // Common names differing only in case are one species...
    addCactus(QStringLiteral("A"), QString(), QStringLiteral("golden barrel"), dry);
    addCactus(QStringLiteral("B"), QString(), QStringLiteral("Golden Barrel"), dry);
    // ...and three common names of one scientific name are three.
    Cactus* c = addCactus(QStringLiteral("C"), QStringLiteral("Opuntia"), QStringLiteral("One"));
    Cactus* d = addCactus(QStringLiteral("D"), QStringLiteral("Opuntia"), QStringLiteral("Two"));
    addCactus(QStringLiteral("E"), QStringLiteral("opuntia"), QStringLiteral("Three"));
    c->setPurchasePrice(12.5); // no value: the price counts
    expectOk(c->save());
    d->setPurchasePrice(99);
    d->setValue(20.25); // a value wins over the price
    expectOk(d->save());
    addLog(c, QStringLiteral("Fertilize"), day(2026, 6, 1), true);
    addPhoto(c, gradientImage(64, 48));

    DocumentWindow& w = window();
    const CollectionStatistics figures = CollectionStatistics::compute(*document_);
    // Cacti, schedules, logs, photos, species (Golden Barrel, One, Two,
    // Three), plants due for water, total value.
    EXPECT_EQ(std::make_tuple(figures.cacti, figures.watering, figures.logs, figures.photos, figures.species,
                              figures.wateringDue, figures.totalValue),
              std::make_tuple(5L, 1L, 1L, 1L, 4L, 2L, 32.75));

    // The window shows the same, computed when it is presented.
    bool shown = false;
    QTimer::singleShot(0, [&] {
        StatisticsViewController* stats = w.statisticsWindow();
        shown = stats->isVisible();
        EXPECT_EQ((QStringList{stats->amountText("Cacti"), stats->amountText("Unique Species"),
                               stats->amountText("Reminders Due"), stats->amountText("Total Value")}),
                  (QStringList{"5", "4", "1", "32.75"}));
        stats->reject();
    });
    w.showStatistics();
    EXPECT_TRUE(shown);
}

// Each chart of the statistics window holds the collection's series and
// draws it (its colour shows) on the palette's own background, light or dark.
TEST_F(Screenshots, TheStatisticsChartsDrawTheSeriesInThePalette)
{
    const QPalette light = QApplication::palette();
    const CollectionCharts expected = CollectionCharts::compute(document_->cacti(), now());
    ASSERT_EQ(expected.genera.size(), size_t(CollectionCharts::kLargestGenera + 1)) << "ten genera and Other";
    const std::map<QString, int> points = {{"plantsChart", int(expected.acquired.size()) * 2 + 1},
                                           {"valueChart", int(expected.acquired.size()) * 2 + 1},
                                           {"generaChart", CollectionCharts::kLargestGenera + 1},
                                           {"wateringChart", CollectionCharts::kDaysAhead}};
    DocumentWindow& w = window();
    for (const QString name : {"statistics", "statistics-dark"}) {
        QApplication::setPalette(name.endsWith("dark") ? darkPalette() : light);
        QTimer::singleShot(0, [&] {
            StatisticsViewController* stats = w.statisticsWindow();
            QApplication::processEvents();
            for (const auto& [chart, count] : points) {
                QChartView* view = stats->findChild<QChartView*>(chart);
                ASSERT_TRUE(view && view->chart()->series().size() == 1) << chart.toStdString();
                QAbstractSeries* series = view->chart()->series()[0];
                auto* line = qobject_cast<QLineSeries*>(series);
                auto* bars = qobject_cast<QAbstractBarSeries*>(series);
                EXPECT_EQ(line ? line->count() : bars->barSets()[0]->count(), count) << chart.toStdString();
                const QColor colour = line ? line->color() : bars->barSets()[0]->color();
                const QImage picture = view->grab().toImage().convertToFormat(QImage::Format_RGB32);
                const auto* pixels = reinterpret_cast<const QRgb*>(picture.constBits());
                EXPECT_GE(std::count(pixels, pixels + picture.width() * picture.height(), colour.rgb()), 40)
                    << chart.toStdString();
                EXPECT_EQ(pixelAt(picture, 2, 2), stats->palette().color(QPalette::Base)) << chart.toStdString();
            }
            EXPECT_TRUE(stats->grab().save(screenshotFolder() + "/" + name + ".png"));
            stats->reject();
        });
        w.showStatistics();
    }
    QApplication::setPalette(light);
}

// View › Flowering Calendar... and a plant's editor open the calendar: July's
// likely bloomers first, each count on a tint of the palette's background,
// the editor's plant in bold.
TEST_F(Screenshots, TheFloweringCalendarFromTheWindowAndFromAPlantsEditor)
{
    DocumentWindow& w = window();
    std::vector<Cactus*> plants;
    for (int i = 0; i < 12; ++i) {
        plants.push_back(document_->cacti()[size_t(i)].get());
        for (int year = 2022; year <= 2022 + i % 4; ++year)
            addLog(plants.back(), "Flowered", day(year, 3 + (i + year) % 7, 12));
    }
    const auto nameBold = [](QTableWidget* table, const QString& name) {
        for (int r = 0; r < table->rowCount(); ++r)
            if (table->verticalHeaderItem(r)->text() == name)
                return table->verticalHeaderItem(r)->font().bold();
        return false;
    };
    whenModalOpens<FloweringCalendarWindow>([&](FloweringCalendarWindow* calendar) {
        QTableWidget* table = calendar->table();
        EXPECT_EQ(size_t(table->rowCount()), FloweringCalendar::compute(document_->logs(), 7).rows.size());
        for (int r = 1; r < table->rowCount(); ++r)
            EXPECT_GE(table->item(r - 1, 6)->text().toInt(), table->item(r, 6)->text().toInt()) << r;
        EXPECT_FALSE(table->item(0, 6)->text().isEmpty());
        EXPECT_FALSE(nameBold(table, plants[0]->name()));
        const QImage cells = table->viewport()->grab().toImage();
        const auto cellColour = [&](int r, int c) {
            return cells.pixelColor(table->visualItemRect(table->item(r, c)).topLeft() + QPoint(3, 3));
        };
        EXPECT_NE(cellColour(0, 6), table->palette().color(QPalette::Base));
        int unflowered = 0; // the first row with no July: on screen, below the July bloomers
        while (unflowered < table->rowCount() && !table->item(unflowered, 6)->text().isEmpty())
            ++unflowered;
        EXPECT_EQ(cellColour(unflowered, 6), table->palette().color(QPalette::Base));
        EXPECT_TRUE(calendar->grab().save(screenshotFolder() + "/flowering-calendar.png"));
        calendar->accept();
    });
    w.showFloweringCalendar();
    whenModalOpens<CactusInfoViewController>([&](CactusInfoViewController* editor) {
        whenModalOpens<FloweringCalendarWindow>([&](FloweringCalendarWindow* calendar) {
            EXPECT_TRUE(nameBold(calendar->table(), plants[5]->name()));
            calendar->accept();
        });
        click(control<QPushButton>(editor, "floweringCalendarButton"));
        click(control<QPushButton>(editor, "cancelButton"));
    });
    editCactus(&w, *document_, plants[5], {.floweringCalendar = presentFloweringCalendar});
}

TEST_F(Screenshots, APlantsPhotoTimelineRunsOldestFirstAndShowsTwoChosenSideBySide)
{
    DocumentWindow& w = window();
    Cactus* plant = document_->cacti()[3].get();
    addPhoto(addLog(plant, QStringLiteral("Flowered"), day(2024, 6, 9)), gradientImage(300, 400));
    addPhoto(addLog(plant, QStringLiteral("Repotted"), day(2021, 4, 2)), gradientImage(400, 300));
    const auto entries = PlantTimelineWindow::entriesOf(*plant);
    ASSERT_EQ(entries.size(), plant->images().size() + 2); // the plant's own photo was added today
    EXPECT_TRUE(std::is_sorted(entries.begin(), entries.end(), [](const auto& a, const auto& b) { return a.when < b.when; }));
    whenModalOpens<PlantTimelineWindow>([&](PlantTimelineWindow* timeline) {
        QListWidget* photos = timeline->photos();
        ASSERT_EQ(photos->count(), int(entries.size()));
        EXPECT_TRUE(photos->item(0)->text().endsWith(QStringLiteral("Repotted"))) << photos->item(0)->text().toStdString();
        photos->item(1)->setSelected(true); // 2024, then 2021: shown in time order all the same
        EXPECT_TRUE(timeline->comparedPhoto(1)->pixmap().isNull()); // one chosen is not a comparison
        photos->item(0)->setSelected(true);
        for (int side = 0; side < 2; ++side) {
            const QImage shown = timeline->comparedPhoto(side)->pixmap().toImage();
            ASSERT_FALSE(shown.isNull()) << side;
            EXPECT_NE(shown.pixelColor(shown.rect().center()), timeline->palette().color(QPalette::Window)) << side;
        }
        // The older photo on the left: the 2021 one is the wider.
        EXPECT_GT(timeline->comparedPhoto(0)->pixmap().width(), timeline->comparedPhoto(1)->pixmap().width());
        EXPECT_TRUE(timeline->grab().save(screenshotFolder() + "/plant-timeline.png"));
        timeline->accept();
    });
    whenModalOpens<CactusInfoViewController>([&](CactusInfoViewController* editor) {
        click(control<QPushButton>(editor, "photoTimelineButton"));
        click(control<QPushButton>(editor, "cancelButton"));
    });
    editCactus(&w, *document_, plant, {.photoTimeline = presentPlantTimeline});
}

TEST_F(Screenshots, TheThreeListsOfASampleCollection)
{
    DocumentWindow& w = window();
    ASSERT_EQ(w.cactusList()->numberOfRows(), 30);
    save(w, 1, "cactus-list.png");
    w.selectTab(SpinoraDatabase::kWaterList);
    save(w, 2, "watering-list.png");
    w.selectTab(SpinoraDatabase::kLogList);
    save(w, 2, "log-list.png");
}
