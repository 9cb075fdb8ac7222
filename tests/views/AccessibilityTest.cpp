// Every button, field and list of the window and of the editors has a name
// a screen reader can say. The test walks the accessibility interfaces Qt
// hands to the desktop's bridge (AT-SPI on Linux), as a screen reader walks
// the tree: each shown control, tab by tab.
#include "ViewsTestSupport.h"

#include "CactusInfoViewController.h"
#include "EventViewController.h"
#include "ExportReportBrowser.h"
#include "ImportExportBrowser.h"
#include "LogHistoryWindow.h"
#include "LogInfoViewController.h"
#include "PageSetup.h"
#include "PhotoViewController.h"
#include "WaterInfoViewController.h"
#include "CalendarStore.h"
#include "ViewportAccessibility.h"

#include <QAccessible>
#include <QApplication>
#include <QRegularExpression>
#include <QSet>
#include <QTabWidget>

using namespace spinora;
using namespace spinora::test;

namespace {

using Accessibility = ViewsFixture;

// Controls a screen reader user operates: each needs a name.
const QSet<QAccessible::Role> kControls = {
    QAccessible::PushButton, QAccessible::CheckBox, QAccessible::RadioButton, QAccessible::ComboBox,
    QAccessible::EditableText, QAccessible::SpinBox, QAccessible::Slider, QAccessible::ButtonMenu,
    QAccessible::ButtonDropDown, QAccessible::List, QAccessible::Table, QAccessible::Tree};

QString describe(QAccessibleInterface* node)
{
    QObject* object = node->object();
    QString path = object ? object->objectName() : QString();
    for (QObject* up = object ? object->parent() : nullptr; up && path.count('/') < 2; up = up->parent())
        path = up->objectName() + '/' + path;
    return QStringLiteral("%1 (%2, role %3)").arg(path, object ? object->metaObject()->className() : "?").arg(int(node->role()));
}

void walk(QAccessibleInterface* node, QStringList& unnamed)
{
    if (!node || node->state().invisible)
        return;
    if (kControls.contains(node->role()) && node->text(QAccessible::Name).trimmed().isEmpty())
        unnamed << describe(node);
    // Qt on Linux calls a combo box by its value ("Cactus"): a screen reader
    // takes its name from the label its "labelled by" relation names. (A
    // label has one buddy: the second box of a row has only its own name.)
    static const QRegularExpression secondOfRow(
        QStringLiteral("^(scientificSpeciesComboBox|waterEveryButton|fromDay1Button|(from|to)(Month|Day)[2-6].*)$"));
    const QString object = node->object() ? node->object()->objectName() : QString();
    if (node->role() == QAccessible::ComboBox && node->relations(QAccessible::Label).isEmpty() &&
        !secondOfRow.match(object).hasMatch())
        unnamed << describe(node) + QStringLiteral(" without a label");
    for (int i = 0; i < node->childCount(); ++i)
        walk(node->child(i), unnamed);
}

// The unnamed controls of a window, on each page of its tabs (only the
// shown page is in the tree at a time).
QStringList unnamedControls(QWidget* window)
{
    window->show();
    QApplication::processEvents();
    QStringList unnamed;
    walk(QAccessible::queryAccessibleInterface(window), unnamed);
    for (QTabWidget* tabs : window->findChildren<QTabWidget*>()) {
        for (int page = 1; page < tabs->count(); ++page) {
            tabs->setCurrentIndex(page);
            walk(QAccessible::queryAccessibleInterface(window), unnamed);
        }
        tabs->setCurrentIndex(0);
    }
    unnamed.removeDuplicates();
    return unnamed;
}

} // namespace

TEST_F(Accessibility, EveryButtonFieldAndListOfTheWindowAndTheEditorsHasAName)
{
    Water* weekly = addWater(QStringLiteral("Weekly"), day(2026, 6, 1), day(2026, 6, 8));
    Cactus* plant = addCactus(QStringLiteral("Astro"), QStringLiteral("Astrophytum asterias"), QStringLiteral("Star"), weekly);
    addPhoto(plant, gradientImage(320, 240), QStringLiteral("In flower"));
    Log* log = addLog(plant, QStringLiteral("Flowered"), day(2026, 5, 2));
    installViewportAccessibility(); // as the app does at start
    auto check = [](QWidget& window, const QString& what) {
        EXPECT_EQ(unnamedControls(&window), QStringList()) << what.toStdString();
        // A screen reader told that a widget was shown asks where it stands:
        // Qt's tables and trees warn for the parts of a view they do not list.
        for (QWidget* widget : window.findChildren<QWidget*>()) {
            if (QAccessibleInterface* node = QAccessible::queryAccessibleInterface(widget); node && node->parent())
                node->parent()->indexOfChild(node);
        }
    };
    DocumentWindow& w = window();
    for (auto tab : {SpinoraDatabase::kCactusList, SpinoraDatabase::kWaterList, SpinoraDatabase::kLogList}) {
        w.selectTab(tab);
        check(w, QStringLiteral("window, tab %1").arg(tab));
    }
    CalendarStore store(folder_.file(QStringLiteral("calendars")));
    {
        CactusInfoViewController editor(*document_, &w);
        editor.setLinks({.logHistory = presentLogHistory});
        editor.prepareView(plant);
        check(editor, "cactus editor");
        LogHistoryWindow history(*document_, plant, &editor);
        check(history, "log history");
        PhotoViewController viewer(document_.get(), &editor);
        viewer.showPhoto(plant->name(), plant->images().front());
        check(viewer, "photo viewer");
        editor.hideView(false);
    }
    {
        WaterInfoViewController editor(*document_, &w);
        editor.prepareView(weekly);
        check(editor, "schedule editor");
        editor.cactiToWaterViewController()->prepareView(weekly);
        check(*editor.cactiToWaterViewController(), "cacti to water");
        editor.hideView(false);
    }
    {
        LogInfoViewController editor(*document_, &w);
        editor.setCalendarStore(&store);
        editor.prepareView(log);
        check(editor, "log editor");
        EventViewController events(store, &editor);
        events.prepareEventWindow(std::nullopt, QStringLiteral("Flowered Astro (Cactus)"), QDateTime::currentDateTime());
        check(events, "event editor");
        events.cancelEvent();
        editor.hideView(false);
    }
    PageSetupDialog pageSetup(PageSetup::effectiveLayout(*document_, QPageSize(QPageSize::A4)), &w);
    check(pageSetup, "page setup");
    ImportExportBrowser csvSheet(*document_, &w);
    csvSheet.prepareImportExportBrowser(ExchangeFunction::ImportFromCsv);
    check(csvSheet, "import sheet");
    ExportReportBrowser reportSheet(*document_, &w);
    check(reportSheet, "report sheet");
}
