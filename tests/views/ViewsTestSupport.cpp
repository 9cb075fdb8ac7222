#include "ViewsTestSupport.h"

#include "ManagingViewController.h"
#include "RecordBuilders.h"

#include <QTest>

namespace spinora::test {

void ViewsFixture::SetUp()
{
    // Mid-June 2026, a Monday noon: due dates and ages are fixed.
    Clock::setFixedNow(localSeconds(2026, 6, 15, 12, 0));
    document_ = newCollection(packagePath(), true);
}

void ViewsFixture::TearDown()
{
    window_.reset();
    if (document_)
        expectOk(document_->close());
    document_.reset();
    Clock::clearFixedNow();
}

Water* ViewsFixture::addWater(const QString& name, Timestamp lastWatered, Timestamp waterNext)
{
    Water* water = addSchedule(*document_, name);
    water->setLastWatered(lastWatered);
    water->setWaterNext(waterNext);
    expectOk(water->save());
    return water;
}

Cactus* ViewsFixture::addCactus(const QString& name, const QString& scientific, const QString& common, Water* water)
{
    Cactus* cactus = addPlant(*document_, name, water);
    cactus->setScientificName(scientific);
    cactus->setCommonName(common);
    if (water) {
        cactus->setLastWatered(water->lastWatered());
        cactus->setWaterNext(water->waterNext());
    }
    expectOk(cactus->save());
    return cactus;
}

Log* ViewsFixture::addLog(Cactus* cactus, const QString& event, Timestamp date, bool reminder)
{
    // The reminder is set before the log is added: the lists count due reminders as logs arrive.
    auto log = std::make_unique<Log>();
    log->setEventName(event);
    log->setLogDate(date);
    log->setReminder(reminder);
    log->setNotes(QStringLiteral("Notes of %1").arg(event));
    log->setCactus(cactus);
    log->setCactusKey(cactus ? cactus->primaryKey() : -1);
    return expectOk(document_->addLog(std::move(log)));
}

Log* ViewsFixture::addNote(const QString& summary, const QString& event, Timestamp date)
{
    Log* log = test::addLog(*document_, nullptr, event, date);
    log->setLogType(Log::kNoteLog);
    log->setNotes(summary);
    return log;
}

Image* ViewsFixture::addPhoto(Cactus* cactus, const QImage& picture, const QString& caption)
{
    Image* image = test::addPhoto(*document_, cactus, picture);
    image->setCaption(caption);
    expectOk(image->save());
    return image;
}

Image* ViewsFixture::addPhoto(Log* log, const QImage& picture)
{
    Image* image = test::addPhoto(*document_, Image::kLogPhoto, log->primaryKey(), int64_t(log->images().size()), picture);
    log->addImage(image);
    return image;
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

SpinoraDatabase* ViewsFixture::reopen()
{
    window_.reset();
    expectOk(document_->close());
    document_.reset();
    document_ = openCollection(packagePath());
    return document_.get();
}

QStringList firstTexts(const ManagingViewController& list)
{
    return columnTexts(list, &CellDataSource::firstTextForCell);
}

QStringList columnTexts(const ManagingViewController& list, QString (CellDataSource::*text)(int) const)
{
    QStringList texts;
    for (int row = 0; row < list.numberOfRows(); ++row)
        texts << (list.*text)(row);
    return texts;
}

void selectRows(const ManagingViewController& list, std::initializer_list<int> rows)
{
    QItemSelectionModel* selection = list.tableView()->selectionModel();
    selection->clearSelection();
    for (int row : rows)
        selection->select(list.tableView()->model()->index(row, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

double day(int year, int month, int dayOfMonth)
{
    return *roundDate(localSeconds(year, month, dayOfMonth, 12, 0));
}

QColor pixelAt(const QImage& image, int x, int y)
{
    const qreal ratio = image.devicePixelRatio();
    return image.pixelColor(static_cast<int>(x * ratio), static_cast<int>(y * ratio));
}

} // namespace spinora::test
