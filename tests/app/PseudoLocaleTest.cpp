// Under a made-up translation every text a person sees is translated and
// fits: a text left in English, or cut short, fails here. Its own program,
// so that no text is read before the translation is in place.
#include "ShellTestSupport.h"

#include "BackupsWindow.h"
#include "CactusViewController.h"
#include "CalendarStore.h"
#include "CsvMappingSheet.h"
#include "DeviceBrowser.h"
#include "EditorSupport.h"
#include "EditorTestSupport.h"
#include "EventViewController.h"
#include "ExportReportBrowser.h"
#include "FakeDiscovery.h"
#include "ImportExportBrowser.h"
#include "PhotoViewController.h"
#include "PlantTimelineWindow.h"
#include "PreferencesWindow.h"
#include "PseudoTranslation.h"
#include "RecordEditors.h"
#include "SampleCollection.h"
#include "SpinoraDatabase.h"
#include "ThumbnailCache.h"
#include "Translations.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QLocale>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QSet>
#include <QTabWidget>
#include <QTimer>

#include <functional>

namespace spinora::test {
namespace {

class PseudoLocale : public ShellTest {
protected:
    // The user's own names, which no translation touches.
    QStringList collectionTexts(SpinoraDatabase& document) const
    {
        QStringList names{QStringLiteral("Garden")};
        // Month names come from the locale, as dates and numbers do.
        for (int month = 1; month <= 12; ++month)
            names << QLocale().standaloneMonthName(month, QLocale::ShortFormat) << QLocale().standaloneMonthName(month);
        for (const auto& cactus : document.cacti())
            names << cactus->name() << cactus->scientificName() << cactus->commonName();
        for (const auto& water : document.watering())
            names << water->name();
        return names;
    }
    // A sample collection of `size`, opened in the app.
    SpinoraDatabase* openSample(const SampleSize& size)
    {
        const QString path = folder_.file(QStringLiteral("Garden.sdb"));
        {
            auto garden = newCollection(path);
            EXPECT_TRUE(SampleCollection::fill(*garden, size).ok());
            expectOk(garden->close());
        }
        makeApp();
        return app_->openDocumentWithContentsOfURL(QDir(path).canonicalPath());
    }
    void expectTranslated(QWidget* window, const QStringList& data)
    {
        window->show();
        settle();
        const char* name = window->metaObject()->className();
        EXPECT_TRUE(untranslatedTexts(window, data).isEmpty())
            << name << " shows in English:\n" << untranslatedTexts(window, data).join('\n').toStdString();
        EXPECT_TRUE(cutShortTexts(window).isEmpty()) << name << " cuts short:\n" << cutShortTexts(window).join('\n').toStdString();
    }
    // Checks the dialog that `open` runs modally, then closes it.
    void expectDialogTranslated(const char* what, const std::function<void()>& open, const QStringList& data)
    {
        bool seen = false;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            poll.stop();
            seen = true;
            expectTranslated(dialog, data);
            dialog->reject();
        });
        poll.start(10);
        open();
        EXPECT_TRUE(seen) << what << " showed no dialog";
    }
};

TEST_F(PseudoLocale, EveryListAndDialogOfTheCollectionWindowIsTranslatedAndNoneIsCutShort)
{
    PseudoTranslation pseudo;
    const QString garden = makeCollection(QStringLiteral("Garden"));
    makeApp();
    SpinoraDatabase* document = app_->openDocumentWithContentsOfURL(garden);
    ASSERT_TRUE(document);
    const QStringList data = collectionTexts(*document);
    DocumentWindow* window = windowOf(document);
    for (auto list : {SpinoraDatabase::kWaterList, SpinoraDatabase::kLogList, SpinoraDatabase::kCactusList}) {
        window->selectTab(list);
        expectTranslated(window, data);
    }
    expectTranslated(app_->preferencesWindow(), data);
    window->menuBar()->findChild<QAction*>(QStringLiteral("restoreFromBackupAction"))->trigger();
    expectTranslated(window->findChild<BackupsWindow*>(), data);

    window->cactusList()->tableView()->selectAll();
    const std::pair<const char*, std::function<void()>> dialogs[] = {
        {"Statistics", [&] { window->showStatistics(); }},
        {"Mark as Watered", [&] { window->markAsWateredAction()->trigger(); }},
        {"Page Setup", [&] { window->pageSetup(); }},
        {"Print Labels", [&] { window->printLabels(); }},
        {"Print Preview", [&] { window->printPreview(); }},
        {"About", [&] { app_->showAbout(); }},
        {"Flowering Calendar", [&] { window->showFloweringCalendar(); }},
    };
    for (const auto& [what, open] : dialogs)
        expectDialogTranslated(what, open, data);
}

TEST_F(PseudoLocale, EditorsSheetsAndTheDeviceDialogAreTranslatedAndNothingIsCutShort)
{
    PseudoTranslation pseudo;
    SpinoraDatabase* document = openSample(SampleSize{3, 2, 4, 2, 120});
    ASSERT_TRUE(document);
    QStringList data = collectionTexts(*document);
    // Names, captions, dates and file names are the user's, or no text of the program.
    for (const auto& log : document->logs())
        data << log->eventName();
    for (const auto& image : document->images()) {
        expectOk(image->hydrate());
        data << image->caption();
    }
    for (const auto& water : document->watering())
        data << formatNextWatering(water->waterNext());
    data << QStringLiteral("spinora_report.html");
    QWidget* window = windowOf(document);
    // Every page of an editor, looked at while it runs; then it is cancelled.
    const auto everyPage = [&](QDialog* editor) {
        auto* tabs = editor->findChild<QTabWidget*>();
        for (int i = 0; tabs && i < tabs->count(); ++i) {
            tabs->setCurrentIndex(i);
            expectTranslated(editor, data);
        }
        editor->reject();
    };
    const auto withPhotos = std::find_if(document->cacti().begin(), document->cacti().end(),
                                         [](const auto& cactus) { return !cactus->images().empty(); });
    ASSERT_NE(withPhotos, document->cacti().end());
    whenModalOpens<QDialog>(everyPage);
    editCactus(window, *document, withPhotos->get());
    whenModalOpens<PlantTimelineWindow>([&](PlantTimelineWindow* timeline) {
        expectTranslated(timeline, data);
        timeline->reject();
    });
    PlantTimelineWindow(*document, **withPhotos, window).exec();
    whenModalOpens<QDialog>(everyPage);
    editWater(window, *document, document->watering().front().get());
    whenModalOpens<QDialog>(everyPage);
    editLog(window, *document, document->logs().front().get());

    PhotoViewController viewer(document, window);
    viewer.showPhoto((*withPhotos)->name(), (*withPhotos)->images().front());
    expectTranslated(&viewer, data);
    viewer.close();
    CalendarStore calendars(folder_.file(QStringLiteral("calendars")));
    EventViewController event(calendars, window);
    event.prepareEventWindow(std::nullopt, document->logs().front()->eventName(), QDateTime::currentDateTime());
    expectTranslated(&event, data);
    event.cancelEvent();

    for (int function = 0; function <= int(ExchangeFunction::ExportToCsv); ++function) {
        ImportExportBrowser sheet(*document, window);
        sheet.presentImportExportBrowser(ExchangeFunction(function));
        expectTranslated(&sheet, data);
        sheet.dismissImportExportBrowser();
    }
    const CsvImport::TablePreview table{{QStringLiteral("Plant"), QStringLiteral("Genus")},
                                        {{QStringLiteral("Old Tom"), QStringLiteral("Cephalocereus")}}};
    CsvMappingSheet columns(QStringLiteral("mine.csv"), table, window);
    expectTranslated(&columns, data + table.headers + table.rows.front());
    columns.reject();
    ExportReportBrowser report(*document, window);
    report.presentBrowser();
    expectTranslated(&report, data);
    report.reject();

    FakeDiscovery::Script network;
    DeviceBrowser devices([&network] { return std::make_unique<FakeDiscovery>(network); });
    for (const DeviceDirection direction : {DeviceDirection::ImportFromDevice, DeviceDirection::ExportToDevice}) {
        devices.presentDeviceBrowser(direction, window);
        expectTranslated(direction == DeviceDirection::ImportFromDevice ? devices.importWindow() : devices.exportWindow(),
                         data);
        devices.dismissDeviceBrowser();
    }
}

} // namespace
} // namespace spinora::test

namespace spinora::test {
namespace {

// A character drawn in `font` on white: a font that lacks it draws the same
// box for every such character.
QImage drawn(QChar c, const QFont& font)
{
    QImage image(32, 32, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(image.rect(), Qt::AlignCenter, QString(c));
    return image;
}

using TranslatedWindows = PseudoLocale;

// The real translation of SPINORA_TEST_LANGUAGE (one language per process:
// texts read once stay in the first language): the window and a plant's
// editor are translated, saved as pictures, and every letter of the menus is
// drawn with a glyph of its own.
TEST_F(TranslatedWindows, TheWindowAndAPlantsEditorSpeakTheLanguageInGlyphsOfTheirOwn)
{
    const QString language = qEnvironmentVariable("SPINORA_TEST_LANGUAGE", QStringLiteral("de"));
    Translations::chooseLanguage(language);
    ASSERT_EQ(Translations::install(), language);
    // Dates and numbers as a grower of that language reads them.
    QLocale::setDefault(QLocale(language));
    SpinoraDatabase* document = openSample(SampleSize{12, 3, 24, 12, 320});
    ASSERT_TRUE(document);
    DocumentWindow* window = windowOf(document);
    window->resize(880, 640);
    window->show();
    settle();
    window->thumbnails().waitForPending();
    settle();
    QString letters;
    for (QAction* menu : window->menuBar()->actions())
        letters += menu->text().remove(QLatin1Char('&'));
    EXPECT_FALSE(letters.contains(QStringLiteral("File"))) << letters.toStdString();
    QSet<QChar> characters(letters.begin(), letters.end());
    characters.remove(QLatin1Char(' '));
    QSet<QByteArray> glyphs;
    for (QChar c : characters) {
        const QImage image = drawn(c, window->menuBar()->font());
        glyphs.insert(QByteArray(reinterpret_cast<const char*>(image.constBits()), int(image.sizeInBytes())));
    }
    EXPECT_EQ(glyphs.size(), characters.size()) << "characters drawn as boxes in " << letters.toStdString();
    EXPECT_TRUE(window->grab().save(screenshotFolder() + QStringLiteral("/%1-window.png").arg(language)));

    whenModalOpens<QDialog>([&](QDialog* editor) {
        editor->show();
        settle();
        EXPECT_TRUE(editor->grab().save(screenshotFolder() + QStringLiteral("/%1-cactus-editor.png").arg(language)));
        editor->reject();
    });
    editCactus(window, *document, document->cacti().front().get());
}

} // namespace
} // namespace spinora::test
