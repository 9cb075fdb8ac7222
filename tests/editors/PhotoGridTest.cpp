// The photo grid and viewer on a real collection with real picture files:
// the background import, bad files, a full disk, drops, reordering,
// stepping and captions in the viewer.
#include "PhotoGridViewController.h"
#include "PhotoViewController.h"

#include "CollectionDump.h"
#include "EditorTestSupport.h"
#include "Image.h"
#include "SmallDisk.h"
#include "SpinoraDatabase.h"
#include "TestSupport.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QListView>
#include <QMimeData>
#include <QPainter>
#include <QTest>
#include <QTextEdit>
#include <QToolBar>
#include <QUrl>

#include <gtest/gtest.h>

namespace spinora {
namespace {

using test::TempFolder;

struct RecordingDelegate : PhotoGridViewControllerDelegate {
    std::vector<Image*> saved;
    std::vector<Image*> order;
    int captionUpdates = 0;
    QString imageTitle() override { return QStringLiteral("Astrophytum asterias"); }
    Image* imageInSlot(int slot) override { return slot < int(saved.size()) ? saved[size_t(slot)] : nullptr; }
    void updateImageArray(const std::vector<Image*>& images) override { order = images; }
    void saveImage(Image* image, int) override
    {
        // As an editor does: link to its record and keep it.
        image->setLinkedType(Image::kCactusPhoto);
        image->setLinkedKey(1);
        image->setTagValue(int(saved.size()) + 1);
        test::expectOk(image->save());
        saved.push_back(image);
    }
    void removeImages(const std::vector<Image*>&) override {}
    void updateCaptions() override { ++captionUpdates; }
};

QImage colouredPicture(int width, int height, int hue)
{
    QImage picture(width, height, QImage::Format_RGB32);
    QPainter painter(&picture);
    QLinearGradient gradient(0, 0, width, height);
    gradient.setColorAt(0, QColor::fromHsv(hue % 360, 160, 230));
    gradient.setColorAt(1, QColor::fromHsv((hue + 60) % 360, 200, 120));
    painter.fillRect(picture.rect(), gradient);
    painter.setBrush(QColor::fromHsv((hue + 180) % 360, 120, 250));
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QPointF(width / 2.0, height / 2.0), width / 5.0, height / 4.0);
    return picture;
}

// The colour of the ellipse in the middle of colouredPicture(..., hue).
QColor middleColour(int hue)
{
    return QColor::fromHsv((hue + 180) % 360, 120, 250);
}

void expectColourNear(const QColor& seen, const QColor& expected)
{
    EXPECT_LT(std::abs(seen.red() - expected.red()) + std::abs(seen.green() - expected.green()) +
                  std::abs(seen.blue() - expected.blue()),
              60)
        << seen.name().toStdString() << " instead of " << expected.name().toStdString();
}

class PhotoGridTest : public ::testing::Test {
protected:
    TempFolder folder;
    TempFolder pictures;
    std::unique_ptr<SpinoraDatabase> document;
    RecordingDelegate delegate;
    std::unique_ptr<PhotoGridViewController> grid;

    void SetUp() override
    {
        document = test::newCollection(folder.file(QStringLiteral("garden.sdb")));
        grid = std::make_unique<PhotoGridViewController>();
        grid->setShowsAlerts(false);
        grid->setDelegate(&delegate);
        grid->resize(640, 420);
        grid->updatePhotoGrid(document.get(), nullptr);
    }

    void TearDown() override
    {
        grid.reset();
        if (document)
            test::expectOk(document->close());
    }

    QString dbPath() const { return document->dbFilename(); }
    long long imageRows(const QString& where = QStringLiteral("1")) const
    {
        return test::queryInt(dbPath(), QStringLiteral("SELECT COUNT(*) FROM image WHERE ") + where);
    }

    QString writePicture(const QString& name, int width, int height, int hue = 0)
    {
        const QString path = pictures.file(name);
        const QImage picture = colouredPicture(width, height, hue);
        test::writeFile(path, name.endsWith(".png")
                                  ? test::encoded(picture, "PNG")
                                  : test::withExifDate(test::jpegBytes(picture, 85), "2021:06:14 10:32:05"));
        return path;
    }

    void importAndWait(const QStringList& paths)
    {
        grid->addPhotosWithPaths(paths);
        ASSERT_TRUE(grid->waitForImageSave(60000));
    }
};

TEST_F(PhotoGridTest, ReorderingFollowsTheGridsAlgorithm)
{
    std::vector<Image*> photos;
    std::vector<std::unique_ptr<Image>> owned;
    for (int i = 0; i < 7; ++i)
        photos.push_back(owned.emplace_back(std::make_unique<Image>()).get());
    auto indexes = [&](const std::vector<Image*>& list) {
        std::vector<int> result;
        for (Image* p : list)
            result.push_back(int(std::find(photos.begin(), photos.end(), p) - photos.begin()));
        return result;
    };
    // The cells dragged, where they are dropped, and the order that gives.
    const std::tuple<std::vector<int>, int, std::vector<int>> moves[] = {
        {{4, 2}, 5, {0, 1, 3, 2, 4, 5, 6}}, {{5}, 0, {5, 0, 1, 2, 3, 4, 6}}, {{0, 6}, 7, {1, 2, 3, 4, 5, 0, 6}},
        {{1}, 2, {0, 1, 2, 3, 4, 5, 6}}}; // dropped right after itself: no change
    for (const auto& [dragged, destination, order] : moves)
        EXPECT_EQ(indexes(PhotoGridViewController::reorderedPhotos(photos, dragged, destination)), order) << destination;
}

// A photo whose files cannot be written is refused with the reason and
// leaves no row and no file, also after reopening: the name its file is
// moved to taken by a folder with a file in it (moving fails as on a full
// disk, after the row was inserted), and a real full disk, the collection on
// a small tmpfs (which needs the right to mount).
class PhotoWriteFailure : public PhotoGridTest, public ::testing::WithParamInterface<bool> {};

TEST_P(PhotoWriteFailure, RefusesThePhotoAndTheCollectionStaysWhole)
{
    const bool realDisk = GetParam();
    TempFolder mounted;
    std::optional<test::SmallDisk> disk;
    if (realDisk && !disk.emplace(mounted.path(), "size=2m").mounted())
        GTEST_SKIP() << "no permission to mount a small file system";
    if (realDisk) {
        grid->updatePhotoGrid(nullptr, nullptr);
        test::expectOk(document->close());
        document = test::newCollection(mounted.file(QStringLiteral("small.sdb")));
        grid->updatePhotoGrid(document.get(), nullptr);
        test::SmallDisk::fill(mounted.file(QStringLiteral("filler")), 40 * 1024); // room for the row, not the photo
    } else {
        const long long next = test::queryInt(dbPath(), QStringLiteral("SELECT IFNULL(MAX(pk), 0) + 1 FROM image"));
        const QString blocker = QStringLiteral("%1/sp-%2.jpg").arg(document->packageFilename()).arg(next);
        ASSERT_TRUE(QDir().mkpath(blocker));
        test::writeFile(blocker + QStringLiteral("/keep"), "x");
    }
    const long long before = imageRows();

    importAndWait({writePicture(QStringLiteral("a.jpg"), 3000, 2000, 0)});
    EXPECT_TRUE(delegate.saved.empty());
    EXPECT_TRUE(grid->imageArray().empty());
    ASSERT_EQ(grid->lastRefusals().size(), 1);
    // The reason in words: the full disk (found while the photo and its
    // original are prepared, or when the row is written), or the file that
    // could not be written.
    EXPECT_TRUE(grid->lastRefusals()[0].contains(
        QRegularExpression(realDisk ? QStringLiteral("no space left|disk full") : QStringLiteral("photo file"))))
        << grid->lastRefusals()[0].toStdString();
    EXPECT_EQ(imageRows(), before);
    EXPECT_EQ(test::photoFiles(document->packageFilename()).keys(), QStringList());
    const QString package = document->packageFilename();
    grid->updatePhotoGrid(nullptr, nullptr);
    test::expectOk(document->close());
    document.reset();
    auto reopened = test::openCollection(package);
    EXPECT_EQ(reopened->images().size(), size_t(before));
    test::expectOk(reopened->close());
}

INSTANTIATE_TEST_SUITE_P(PhotoGridTest, PhotoWriteFailure, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "FullTmpfs" : "FileNameTaken"; });

TEST_F(PhotoGridTest, DroppedFilesAreAddedAndDraggedCellsReordered)
{
    const QString a = writePicture(QStringLiteral("a.jpg"), 300, 200, 0);
    const QString b = writePicture(QStringLiteral("b.png"), 300, 200, 120);
    const QString text = pictures.file(QStringLiteral("readme.txt"));
    test::writeFile(text, "not a picture");
    grid->show();
    QListView* view = grid->imageBrowser();

    QMimeData files;
    files.setUrls({QUrl::fromLocalFile(a), QUrl::fromLocalFile(text), QUrl::fromLocalFile(b)});
    QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(view->viewport(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(20, 20), Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(view->viewport(), &drop);
    ASSERT_TRUE(grid->waitForImageSave());
    ASSERT_EQ(grid->imageArray().size(), 2u) << "the text file is left out";

    importAndWait({writePicture(QStringLiteral("c.jpg"), 300, 200, 240)});
    const std::vector<Image*> original = grid->imageArray();
    ASSERT_EQ(original.size(), 3u);
    // A drag of the first cell dropped on the right half of the last.
    QMimeData* rows = view->model()->mimeData({view->model()->index(0, 0)});
    const QRect last = view->visualRect(view->model()->index(2, 0));
    QDropEvent move(QPointF(last.right() - 4, last.center().y()), Qt::MoveAction, rows, Qt::LeftButton,
                    Qt::NoModifier);
    QCoreApplication::sendEvent(view->viewport(), &move);
    // An event built in a test has no drag source: a drop of rows from
    // elsewhere changes nothing.
    EXPECT_EQ(grid->imageArray(), original);
    delete rows;
    grid->moveImages({0}, 3);
    EXPECT_EQ(grid->imageArray(), (std::vector<Image*>{original[1], original[2], original[0]}));
    EXPECT_EQ(delegate.order, grid->imageArray()) << "the editor gets the whole new order";

    // Something that is neither files nor cells is accepted and ignored.
    QMimeData plain;
    plain.setText(QStringLiteral("hello"));
    QDropEvent other(QPointF(20, 20), Qt::CopyAction, &plain, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(view->viewport(), &other);
    EXPECT_FALSE(grid->imageSaveInProgress());
    EXPECT_EQ(grid->imageArray().size(), 3u);
}

TEST_F(PhotoGridTest, ViewerStepsAroundAndStoresTheEditedCaption)
{
    importAndWait({writePicture(QStringLiteral("a.jpg"), 800, 600, 0), writePicture(QStringLiteral("b.jpg"), 600, 800, 120),
                   writePicture(QStringLiteral("c.jpg"), 800, 800, 240)});
    const std::vector<Image*> photos = grid->imageArray();

    PhotoViewController viewer(document.get());
    viewer.setDelegate(grid.get());
    viewer.showPhoto(QStringLiteral("Astro"), photos[0]);
    QToolBar* toolbar = viewer.findChild<QToolBar*>();
    ASSERT_NE(toolbar, nullptr);
    auto press = [&](const char* name) {
        QAction* action = viewer.findChild<QAction*>(QLatin1String(name));
        QTest::mouseClick(toolbar->widgetForAction(action), Qt::LeftButton);
    };
    press("captionAction");
    QTest::keyClicks(viewer.findChild<QTextEdit*>(QStringLiteral("captionView")), QStringLiteral("First flower"));
    press("nextAction");
    EXPECT_EQ(viewer.image(), photos[1]);
    EXPECT_EQ(imageRows(QStringLiteral("pk=%1 AND caption='First flower'").arg(photos[0]->primaryKey())), 1)
        << "stored before the next photo was shown";
    press("previousAction");
    EXPECT_EQ(viewer.captionText(), QStringLiteral("First flower"));
    EXPECT_TRUE(viewer.dateTakenText().contains("2021")) << "from the kept original's EXIF";

    // The photo itself is drawn: its middle has the colour of the picture's middle.
    viewer.resize(640, 540);
    const QImage shown = viewer.grab().toImage();
    SPImageView* image = viewer.findChild<SPImageView*>();
    expectColourNear(shown.pixelColor(image->mapTo(&viewer, image->rect().center())),
                     middleColour(0));
    EXPECT_TRUE(shown.save(test::screenshotFolder() + "/photo-viewer.png"));

    // Closing stores the caption and tells the editor.
    press("captionAction");
    QTest::keyClicks(viewer.findChild<QTextEdit*>(QStringLiteral("captionView")), QStringLiteral(" in May"));
    viewer.close();
    EXPECT_EQ(delegate.captionUpdates, 1);
    EXPECT_TRUE(viewer.imagesPendingDehydration().empty());
    EXPECT_EQ(imageRows(QStringLiteral("caption='First flower in May'")), 1);
}

TEST_F(PhotoGridTest, AFullSlotOpensItsPhotoInTheViewer)
{
    importAndWait({writePicture(QStringLiteral("a.jpg"), 640, 480, 0)});
    grid->show();
    QString shown; // the viewer's title, read while it is open
    test::whenModalOpens<PhotoViewController>([&shown](PhotoViewController* viewer) {
        shown = viewer->windowTitle();
        viewer->close();
    });
    grid->handleMainImageSelect(0);
    EXPECT_EQ(shown, QStringLiteral("Astrophytum asterias"));
}

// Each cell shows its own photo's thumbnail: the middle of a cell has the
// colour of the middle of its picture.
TEST_F(PhotoGridTest, CellsShowTheirThumbnails)
{
    QStringList paths;
    for (int i = 0; i < 7; ++i)
        paths << writePicture(QStringLiteral("p%1.jpg").arg(i), i % 2 ? 600 : 800, i % 2 ? 800 : 600, i * 50);
    importAndWait(paths);
    grid->imageBrowser()->selectionModel()->select(grid->imageBrowser()->model()->index(1, 0),
                                                   QItemSelectionModel::Select);
    grid->show();
    QApplication::processEvents();
    const QImage shown = grid->grab().toImage();
    for (int i : {0, 2, 5}) {
        SCOPED_TRACE(i);
        const QRect cell = grid->imageBrowser()->visualRect(grid->imageBrowser()->model()->index(i, 0));
        const QPoint middle = grid->imageBrowser()->viewport()->mapTo(grid.get(), cell.center());
        expectColourNear(shown.pixelColor(middle), middleColour(i * 50));
    }
    EXPECT_TRUE(shown.save(test::screenshotFolder() + "/photo-grid.png"));
}

} // namespace
} // namespace spinora
