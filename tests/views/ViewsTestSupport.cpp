#include "ViewsTestSupport.h"

#include "SpinoraUtility.h"

#include <QApplication>
#include <QDir>
#include <QTest>

namespace spinora::test {

void ViewsFixture::SetUp()
{
    // Mid-June 2026, a Monday noon: due dates and ages are fixed.
    Clock::setFixedNow(localSeconds(2026, 6, 15, 12, 0));
    setSortBySpecies(false);
    document_ = newCollection(packagePath(), true);
}

void ViewsFixture::TearDown()
{
    window_.reset();
    if (document_)
        document_->close();
    document_.reset();
    setSortBySpecies(false);
    Clock::clearFixedNow();
}

void ViewsFixture::setSortBySpecies(bool on)
{
    SpinoraUtility::sharedManager().getPreferences().setSortCactiBySpecies(on);
}

Water* ViewsFixture::addWater(const QString& name, Timestamp lastWatered, Timestamp waterNext)
{
    auto water = std::make_unique<Water>();
    water->setName(name);
    water->setFrequency(1);
    water->setFrequencyUnits(Water::kWeeks);
    water->setLastWatered(lastWatered);
    water->setWaterNext(waterNext);
    return document_->addWater(std::move(water));
}

Cactus* ViewsFixture::addCactus(const QString& name, const QString& scientific, const QString& common, Water* water)
{
    auto cactus = std::make_unique<Cactus>();
    cactus->setName(name);
    cactus->setScientificName(scientific);
    cactus->setCommonName(common);
    if (water) {
        cactus->setWater(water);
        cactus->setWateringKey(water->primaryKey());
        cactus->setLastWatered(water->lastWatered());
        cactus->setWaterNext(water->waterNext());
    }
    Cactus* added = document_->addCactus(std::move(cactus));
    if (water)
        water->addCactus(added);
    return added;
}

Log* ViewsFixture::addLog(Cactus* cactus, const QString& event, Timestamp date, bool reminder)
{
    auto log = std::make_unique<Log>();
    log->setLogType(Log::kCactusLog);
    log->setEventName(event);
    log->setLogDate(date);
    log->setReminder(reminder);
    log->setNotes(QStringLiteral("Notes of %1").arg(event));
    log->setCactus(cactus);
    log->setCactusKey(cactus ? cactus->primaryKey() : -1);
    return document_->addLog(std::move(log));
}

Log* ViewsFixture::addNote(const QString& summary, const QString& event, Timestamp date)
{
    auto log = std::make_unique<Log>();
    log->setLogType(Log::kNoteLog);
    log->setEventName(event);
    log->setLogDate(date);
    log->setNotes(summary);
    return document_->addLog(std::move(log));
}

Image* ViewsFixture::addPhoto(Cactus* cactus, const QImage& picture, const QString& caption)
{
    auto image = std::make_unique<Image>();
    image->setLinkedType(Image::kCactusPhoto);
    image->setLinkedKey(cactus->primaryKey());
    image->setTagValue(static_cast<int64_t>(cactus->images().size()));
    image->setCaption(caption);
    image->setPhoto(picture);
    Image* added = document_->addImage(std::move(image));
    cactus->addImage(added);
    return added;
}

Image* ViewsFixture::addPhoto(Log* log, const QImage& picture)
{
    auto image = std::make_unique<Image>();
    image->setLinkedType(Image::kLogPhoto);
    image->setLinkedKey(log->primaryKey());
    image->setTagValue(static_cast<int64_t>(log->images().size()));
    image->setPhoto(picture);
    Image* added = document_->addImage(std::move(image));
    log->addImage(added);
    return added;
}

DocumentWindow& ViewsFixture::window()
{
    if (!window_) {
        window_ = std::make_unique<DocumentWindow>(*document_);
        window_->resize(820, 760);
        window_->show();
        window_->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
        EXPECT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    }
    return *window_;
}

std::unique_ptr<SpinoraDatabase> ViewsFixture::reopen()
{
    window_.reset();
    document_->close();
    document_.reset();
    return openCollection(packagePath());
}

double day(int year, int month, int dayOfMonth)
{
    return *roundDate(localSeconds(year, month, dayOfMonth, 12, 0));
}

QString screenshotFolder()
{
    const QString folder = QDir::currentPath() + QStringLiteral("/screenshots");
    QDir().mkpath(folder);
    return folder;
}

QColor pixelAt(const QImage& image, int x, int y)
{
    const qreal ratio = image.devicePixelRatio();
    return image.pixelColor(static_cast<int>(x * ratio), static_cast<int>(y * ratio));
}

} // namespace spinora::test
