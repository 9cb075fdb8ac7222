#pragma once

#include "CellDataSource.h"
#include "DocumentWindow.h"
#include "SpinoraDatabase.h"
#include "TestSupport.h"

#include <QImage>

#include <gtest/gtest.h>

#include <memory>

namespace spinora {
class ManagingViewController;
}

namespace spinora::test {

// A collection on disk with records made for one test, and its window.
class ViewsFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Each stores the record in the collection as the editors would.
    Water* addWater(const QString& name, Timestamp lastWatered, Timestamp waterNext);
    Cactus* addCactus(const QString& name, const QString& scientific, const QString& common, Water* water = nullptr);
    Log* addLog(Cactus* cactus, const QString& event, Timestamp date, bool reminder = false);
    Log* addNote(const QString& summary, const QString& event, Timestamp date);
    Image* addPhoto(Cactus* cactus, const QImage& picture, const QString& caption = QString());
    Image* addPhoto(Log* log, const QImage& picture);

    // Opens (once) and shows the window, active, at a known size.
    DocumentWindow& window();
    // Closes the window and the collection, then opens the package again as
    // this test's collection (closed at the end like the first one).
    SpinoraDatabase* reopen();

    QString packagePath() const { return folder_.file("Garden.sdb"); }

    TempFolder folder_;
    std::unique_ptr<SpinoraDatabase> document_;
    std::unique_ptr<DocumentWindow> window_;
};

// The first texts of a list's rows, one text of every row (such as
// `&CellDataSource::secondTextForCell`), and a selection of rows.
QStringList firstTexts(const ManagingViewController& list);
QStringList columnTexts(const ManagingViewController& list, QString (CellDataSource::*text)(int) const);
void selectRows(const ManagingViewController& list, std::initializer_list<int> rows);

// Seconds of a local day at noon (dates in the lists are days).
double day(int year, int month, int dayOfMonth);
// The colour at a point of a grabbed widget.
QColor pixelAt(const QImage& image, int x, int y);

} // namespace spinora::test
