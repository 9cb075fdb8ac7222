// Adding photos in the cactus and log editors with real JPEGs: the pictures
// are prepared beside the window in the package's adding folder, OK waits
// for them with visible progress, Cancel leaves the collection on disk as it
// was, a crash leaves nothing behind, and the size limits hold.
#include "CactusInfoViewController.h"
#include "CollectionDump.h"
#include "EditorFixture.h"
#include "EditorTestSupport.h"
#include "PhotoAddingJob.h"
#include "PhotoGridViewController.h"

#include <QDir>
#include <QFileInfo>
#include <QProgressDialog>
#include <QPushButton>

#include <gtest/gtest.h>

using namespace spinora;
using namespace spinora::test;

namespace {

// An open editor of either kind, and the photos its record owns.
struct OpenEditor {
    std::unique_ptr<EditorSheet> sheet;
    std::function<std::vector<Image*>()> ownerPhotos;
    EditorPhotos& photos() const { return sheet->photos(); }
};

struct PhotoAdding : LogFixture {
    Cactus* plant = addPlant(QStringLiteral("Photogenic"));

    // `count` copies of one camera-like JPEG, named IMG_1000.jpg ...
    QStringList cameraFiles(int count, int width, int height)
    {
        QStringList files;
        const QByteArray jpeg = withExifDate(jpegBytes(gradientImage(width, height)), "2021:06:14 10:32:05");
        for (int i = 0; i < count; ++i) {
            files << folder.file(QStringLiteral("IMG_%1.jpg").arg(1000 + i));
            writeFile(files.back(), jpeg);
        }
        return files;
    }

    OpenEditor openEditor(bool logEditor)
    {
        OpenEditor open;
        if (logEditor) {
            Log* entry = addLog(plant, QStringLiteral("Flowered"), 0);
            open = {LogFixture::open(entry), [entry] { return entry->images(); }};
        } else {
            open = {EditorFixture::open<CactusInfoViewController>(plant), [this] { return plant->images(); }};
        }
        open.photos().grid()->setShowsAlerts(false);
        return open;
    }

    bool addingFolderExists() const { return QFileInfo::exists(Image::addingFolder(path)); }
    // The package on disk but its database file, whose pages may move
    // while rows come and go (the rows are compared by dumpCollection).
    TreeSnapshot packageFiles() const
    {
        TreeSnapshot files = snapshot(path);
        files.remove(QStringLiteral("spinora.db"));
        return files;
    }
};

class PhotoAddingInEditor : public ::testing::TestWithParam<bool> {};

TEST_P(PhotoAddingInEditor, OkWhilePhotosArePreparedWaitsWithProgressAndStoresThemAll)
{
    PhotoAdding f;
    OpenEditor editor = f.openEditor(GetParam());
    QStringList files = f.cameraFiles(6, 2400, 1800);
    const QString text = f.folder.file(QStringLiteral("notes.jpg"));
    writeFile(text, "Watering notes, not a picture\n");
    files.insert(3, text);

    PhotoGridViewController* grid = editor.photos().grid();
    grid->addPhotosWithPaths(files); // what the open panel hands over
    EXPECT_TRUE(grid->imageSaveInProgress());
    EXPECT_TRUE(f.addingFolderExists()) << "prepared inside the package";
    QString progressShown; // its name and maximum
    whenModalOpens<QProgressDialog>([&](QProgressDialog* progress) {
        progressShown = progress->objectName() + QLatin1Char('/') + QString::number(progress->maximum());
    });
    click(control<QPushButton>(editor.sheet.get(), "okButton"));

    EXPECT_EQ(progressShown, QStringLiteral("addingPhotosProgress/7")) << "OK waited with visible progress";
    EXPECT_EQ(editor.sheet->result(), QDialog::Accepted);
    EXPECT_EQ(grid->lastRefusals(), QStringList{QStringLiteral("notes.jpg: the file is not a picture")});
    const std::vector<Image*> photos = editor.ownerPhotos();
    ASSERT_EQ(photos.size(), 6u);
    for (size_t i = 0; i < photos.size(); ++i)
        EXPECT_EQ(photos[i]->tagValue(), int64_t(i));
    EXPECT_EQ(QImage(photos[0]->photoFile()).size(), QSize(1280, 960));
    EXPECT_EQ(QDir(f.path).entryList({QStringLiteral("sp-*.jpg")}, QDir::Files).size(), 24) << "with the originals";
    EXPECT_EQ(readFile(photos[0]->originalFile()), readFile(files[0])) << "the camera's file, EXIF and all";
    EXPECT_FALSE(f.addingFolderExists()) << "nothing is left in the adding folder";
    editor.sheet.reset();
    auto reopened = f.reopen();
    EXPECT_EQ(reopened->images().size(), 6u);
}

INSTANTIATE_TEST_SUITE_P(CactusAndLog, PhotoAddingInEditor, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "LogEditor" : "CactusEditor"; });

TEST(PhotoAddingTest, CancelWhilePhotosArePreparedAndACrashLeaveTheCollectionOnDiskAsItWas)
{
    PhotoAdding f;
    const QStringList files = f.cameraFiles(12, 2400, 1800);
    const QStringList dumpBefore = dumpCollection(*f.document);
    const TreeSnapshot packageBefore = f.packageFiles();
    {
        OpenEditor editor = f.openEditor(false);
        editor.photos().grid()->addPhotosWithPaths(files);
        QTRY_VERIFY_WITH_TIMEOUT(editor.photos().updatedImageArray().size() >= 2, 30000);
        click(control<QPushButton>(editor.sheet.get(), "cancelButton"));
        EXPECT_FALSE(editor.photos().grid()->imageSaveInProgress()) << "Cancel stops the job";
        QTest::qWait(50); // results still queued are dropped
    }
    EXPECT_EQ(dumpCollection(*f.document), dumpBefore);
    EXPECT_EQ(f.packageFiles(), packageBefore);
    EXPECT_FALSE(f.addingFolderExists());

    // The program died while photos were being prepared: what it left in
    // the adding folder is no part of the collection and goes at the next open.
    const QString left = Image::addingFolder(f.path) + QStringLiteral("/photos-Xy12Ab");
    ASSERT_TRUE(QDir().mkpath(left));
    writeFile(left + QStringLiteral("/1.jpg"), jpegBytes(gradientImage(64, 48)));
    f.reload();
    EXPECT_FALSE(f.addingFolderExists());
    EXPECT_EQ(f.packageFiles(), packageBefore);
    EXPECT_EQ(dumpCollection(*f.document), dumpBefore);
}

// The job alone, with the limits of its request.
TEST(PhotoAddingTest, PreparingKeepsToTheLimitsAndWritesOnlyWhatItAccepts)
{
    TempFolder folder;
    const QString picture = folder.file(QStringLiteral("big.jpg"));
    writeFile(picture, jpegBytes(gradientImage(1200, 900)));
    // Still a JPEG that decodes, but more than a megabyte on disk.
    const QString padded = folder.file(QStringLiteral("padded.jpg"));
    writeFile(padded, jpegBytes(gradientImage(1200, 900)) + QByteArray(1100 * 1024, '\0'));
    struct Row {
        const char* name;
        QString source;
        Image::PhotoLimits limits;
        QString reason; // empty: accepted
        QSize photo, thumbnail, square;
    };
    const Row rows[] = {
        {"scaled to the photo and thumbnail sizes", picture, {.photoSize = 640, .thumbnailSize = 100}, {}, {640, 480},
         {100, 75}, {75, 75}},
        {"more pixels than allowed", picture, {.maxPixels = 1000 * 1000}, "the picture is too large (1200 × 900 pixels)",
         {}, {}, {}},
        {"a larger file than allowed", padded, {.maxFileBytes = 1 << 20}, "the file is larger than 1 MB", {}, {}, {}},
        {"a missing file", folder.file(QStringLiteral("gone.jpg")), {}, "the file cannot be read", {}, {}, {}},
    };
    int number = 0;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const QString staging = folder.file(QStringLiteral("staging-%1").arg(++number));
        ASSERT_TRUE(QDir().mkpath(staging));
        const PreparedPhoto prepared = PhotoAddingJob::prepare(row.source, staging, 7, row.limits);
        EXPECT_EQ(prepared.reason, row.reason);
        const QStringList written = QDir(staging).entryList(QDir::Files, QDir::Name);
        if (!row.reason.isEmpty()) {
            EXPECT_FALSE(prepared.ok());
            EXPECT_TRUE(written.isEmpty()) << written.join(' ').toStdString();
            continue;
        }
        EXPECT_EQ(written, (QStringList{"7.jpg", "7ct.jpg", "7t.jpg"}));
        ASSERT_EQ(prepared.files.size(), 3);
        EXPECT_EQ(QImage(prepared.files[0]).size(), row.photo);
        EXPECT_EQ(QImage(prepared.files[1]).size(), row.thumbnail);
        EXPECT_EQ(QImage(prepared.files[2]).size(), row.square);
    }
}

} // namespace
