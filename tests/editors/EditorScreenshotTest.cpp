// Every editor and each of its tabs, filled with a record, grabbed offscreen.
// With SPINORA_SCREENSHOT_DIR set the pictures are written there to be looked at.
#include "CactusInfoViewController.h"
#include "CactusTable.h"
#include "EditorTestSupport.h"
#include "LogInfoViewController.h"
#include "WaterInfoViewController.h"

#include "SpinoraDatabase.h"
#include "TestSupport.h"
#include "ThumbnailCache.h"
#include "calendar/CalendarStore.h"

#include <QDir>
#include <QPainter>
#include <QTabWidget>

#include <gtest/gtest.h>

using namespace spinora;
using namespace spinora::test;

namespace {

QDateTime at(int y, int m, int d, int h = 0, int min = 0)
{
    return QDateTime(QDate(y, m, d), QTime(h, min));
}

Image* addPhoto(SpinoraDatabase& document, int64_t type, int64_t key, int tag, const QColor& tint, const QString& caption)
{
    QImage picture = gradientImage(800, 600);
    QPainter painter(&picture);
    painter.fillRect(QRect(200, 150, 400, 300), tint);
    painter.end();
    auto image = std::make_unique<Image>();
    image->setPhoto(picture);
    image->setLinkedType(type);
    image->setLinkedKey(key);
    image->setTagValue(tag);
    image->setCaption(caption);
    return document.addImage(std::move(image));
}

// Lets the plants' thumbnails arrive before a window is grabbed.
void settleThumbnails(QWidget& window)
{
    for (CactusTable* table : window.findChildren<CactusTable*>()) {
        table->viewport()->grab();
        table->thumbnails().waitForPending();
    }
    QApplication::processEvents();
}

// Grabs each tab; answers the first tab's picture.
QImage grabTabs(EditorSheet& editor, const QString& name)
{
    editor.resize(editor.sizeHint().expandedTo(editor.size()));
    editor.show();
    QImage first;
    const QString folder = qEnvironmentVariable("SPINORA_SCREENSHOT_DIR");
    for (int tab = 0; tab < editor.tabs()->count(); ++tab) {
        editor.tabs()->setCurrentIndex(tab);
        QApplication::processEvents();
        settleThumbnails(editor);
        const QImage picture = editor.grab().toImage();
        EXPECT_FALSE(picture.isNull());
        EXPECT_GT(picture.width(), 300);
        if (tab == 0)
            first = picture;
        if (!folder.isEmpty()) {
            QDir().mkpath(folder);
            picture.save(QStringLiteral("%1/%2-%3.png").arg(folder, name).arg(tab + 1));
        }
    }
    editor.tabs()->setCurrentIndex(0);
    return first;
}

} // namespace

TEST(EditorScreenshots, EveryEditorAndTabFilled)
{
    Clock::setFixedNow(fromDateTime(at(2026, 6, 10, 8, 30)));
    TempFolder folder;
    auto document = newCollection(folder.file(QStringLiteral("shots.sdb")));
    QWidget window;

    auto water = std::make_unique<Water>();
    water->setName(QStringLiteral("Summer fortnight"));
    water->setFrequency(2);
    water->setFrequencyUnits(Water::kWeeks);
    water->setQuantity(1);
    water->setLastWatered(fromDateTime(at(2026, 6, 1, 9, 15)));
    water->setWaterNext(fromDateTime(at(2026, 6, 15, 9, 15)));
    water->setNoWaterDDMM(1, Water::dayMonthCode(1, 11));
    water->setNoWaterDDMM(2, Water::dayMonthCode(28, 2));
    Water* schedule = document->addWater(std::move(water));
    schedule->setNotes(QStringLiteral("Rain water only. Let the soil dry out completely between waterings."));
    schedule->save();

    auto cactus = std::make_unique<Cactus>();
    cactus->setName(QStringLiteral("Astro #3"));
    cactus->setCommonName(QStringLiteral("Bishop's Cap"));
    cactus->setScientificName(QStringLiteral("Astrophytum myriostigma"));
    cactus->setType(0);
    cactus->setLastWatered(fromDateTime(at(2026, 6, 1, 9, 15)));
    cactus->setWaterNext(fromDateTime(at(2026, 6, 15, 9, 15)));
    cactus->setPlantDate(fromDateTime(at(2019, 4, 2)));
    cactus->setDateAcquired(fromDateTime(at(2020, 5, 17)));
    cactus->setSource(2);
    cactus->setPurchasePrice(14.5);
    cactus->setValue(1234.75);
    cactus->setLocation(QStringLiteral("South window, second shelf"));
    cactus->setHeight(QStringLiteral("7 cm"));
    cactus->setWidth(QStringLiteral("9 cm"));
    cactus->setWeight(QStringLiteral("310 g"));
    cactus->setLight(QStringLiteral("Full sun"));
    cactus->setTemperature(QStringLiteral("5–35 °C"));
    cactus->setPotSize(QStringLiteral("10 cm"));
    cactus->setPotShape(1);
    cactus->setPotMaterial(2);
    cactus->setNotes(QStringLiteral("Flowered twice in 2025. Repot next spring into mineral mix."));
    Cactus* plant = document->addCactus(std::move(cactus));
    plant->setWater(schedule);
    plant->setWateringKey(schedule->primaryKey());
    plant->save();
    schedule->addCactus(plant);
    auto other = std::make_unique<Cactus>();
    other->setName(QStringLiteral("Mammillaria #1"));
    other->setScientificName(QStringLiteral("Mammillaria bocasana"));
    other->setCommonName(QStringLiteral("Powder Puff"));
    document->addCactus(std::move(other));
    const QColor tints[] = {Qt::darkGreen, Qt::darkYellow, Qt::darkRed, Qt::darkCyan, Qt::darkMagenta, Qt::gray, Qt::blue};
    for (int i = 0; i < 7; ++i)
        plant->addImage(addPhoto(*document, Image::kCactusPhoto, plant->primaryKey(), i, tints[i],
                                 QStringLiteral("Photo %1").arg(i + 1)));

    {
        CactusInfoViewController editor(*document, &window);
        editor.prepareView(plant);
        const QImage general = grabTabs(editor, QStringLiteral("cactus-editor"));
        EXPECT_EQ(editor.photos().updatedImageArray().size(), 7u);
        if (const QString docs = qEnvironmentVariable("SPINORA_SCREENSHOT_DIR"); !docs.isEmpty())
            general.save(docs + QStringLiteral("/cactus-editor.png"));
        editor.hideView(false);
    }
    {
        WaterInfoViewController editor(*document, &window);
        editor.prepareView(schedule);
        grabTabs(editor, QStringLiteral("water-editor"));
        editor.hideView(false);
    }
    {
        auto log = std::make_unique<Log>();
        log->setEventName(QStringLiteral("Flowered"));
        log->setCactus(plant);
        log->setCactusKey(plant->primaryKey());
        log->setLogDate(fromDateTime(at(2026, 6, 3)));
        log->setNotes(QStringLiteral("Three yellow flowers opened on the same morning."));
        Log* entry = document->addLog(std::move(log));
        for (int i = 0; i < 3; ++i)
            entry->addImage(addPhoto(*document, Image::kLogPhoto, entry->primaryKey(), i, tints[i + 2],
                                     QStringLiteral("Flower %1").arg(i + 1)));
        document->sortLogsByLogDateAndTitle();
        CalendarStore store(folder.file(QStringLiteral("calendars")));
        LogInfoViewController editor(*document, &window);
        editor.setCalendarStore(&store);
        editor.prepareView(entry);
        grabTabs(editor, QStringLiteral("log-editor"));
        editor.hideView(false);
    }
    {
        CactiToWaterViewController chooser(*document, &window);
        chooser.prepareView(schedule);
        chooser.show();
        QApplication::processEvents();
        settleThumbnails(chooser);
        const QImage picture = chooser.grab().toImage();
        EXPECT_FALSE(picture.isNull());
        if (const QString docs = qEnvironmentVariable("SPINORA_SCREENSHOT_DIR"); !docs.isEmpty())
            picture.save(docs + QStringLiteral("/cacti-to-water.png"));
        chooser.hideView();
    }
    Clock::clearFixedNow();
}
