// Photos as files and blobs, with real JPEGs: the size rules, the centred
// square, restoring missing files from the blobs, and unreadable input.
#include "Image.h"
#include "SpinoraDatabase.h"
#include "TestSupport.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QImageWriter>

#include <gtest/gtest.h>

using namespace spinora;
using namespace spinora::test;

namespace {

class ImageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        path = folder.file("I.sdb");
        document = newCollection(path, true);
        owner = document->addCactus(std::make_unique<Cactus>());
    }
    Image* addPhoto(const QImage& picture, int tag = 0)
    {
        auto image = std::make_unique<Image>();
        image->setLinkedType(Image::kCactusPhoto);
        image->setLinkedKey(owner->primaryKey());
        image->setTagValue(tag);
        image->setCaption("On the sill");
        image->setPhoto(picture);
        Image* added = document->addImage(std::move(image));
        owner->addImage(added);
        return added;
    }
    static QSize fileSize(const QString& file) { return QImageReader(file).size(); }

    TempFolder folder;
    QString path;
    std::unique_ptr<SpinoraDatabase> document;
    Cactus* owner = nullptr;
};

} // namespace

TEST_F(ImageTest, SizeRulesOfPhotoThumbnailAndSquare)
{
    Image image;
    image.setPhoto(gradientImage(1280, 1281));
    EXPECT_EQ(image.photo().size(), QSize(1279, 1280));
    EXPECT_EQ(image.thumbnail().size(), QSize(319, 320));
    image.setPhoto(gradientImage(1280, 1280));
    EXPECT_EQ(image.photo().size(), QSize(1280, 1280));
    image.setPhoto(gradientImage(400, 300));
    EXPECT_EQ(image.photo().size(), QSize(400, 300)); // small photos stay as they are
    EXPECT_EQ(image.thumbnail().size(), QSize(320, 240));
    EXPECT_EQ(image.croppedThumbnail().size(), QSize(240, 240));
    // The square is taken from the middle: x = 40 of the thumbnail.
    EXPECT_EQ(image.croppedThumbnail().pixel(0, 0), image.thumbnail().pixel(40, 0));
    image.setPhoto(gradientImage(1, 1));
    EXPECT_EQ(image.thumbnail().size(), QSize(320, 320)); // thumbnails are scaled up
}

TEST_F(ImageTest, InsertWritesThreeJpegFilesAndTheBlobsStayEmpty)
{
    Image* image = addPhoto(gradientImage(2000, 1000));
    const int64_t key = image->primaryKey();
    EXPECT_EQ(fileSize(path + QStringLiteral("/sp-%1.jpg").arg(key)), QSize(1280, 640));
    EXPECT_EQ(fileSize(path + QStringLiteral("/sp-%1t.jpg").arg(key)), QSize(320, 160));
    EXPECT_EQ(fileSize(path + QStringLiteral("/sp-%1ct.jpg").arg(key)), QSize(160, 160));
    EXPECT_EQ(QImageReader(path + QStringLiteral("/sp-%1.jpg").arg(key)).format(), QByteArray("jpeg"));
    EXPECT_EQ(queryInt(path + "/spinora.db", "SELECT count(*) FROM image WHERE photo IS NULL AND thumbnail IS NULL"), 1);
    EXPECT_EQ(queryInt(path + "/spinora.db", "SELECT count(*) FROM image WHERE caption='On the sill'"), 1);
}

TEST_F(ImageTest, JpegQualityIsSixtyPercent)
{
    // Same picture encoded at 60 by Qt gives the same bytes as the stored file.
    const QImage picture = gradientImage(300, 200);
    Image* image = addPhoto(picture);
    EXPECT_EQ(readFile(image->photoFile()), jpegBytes(picture, 60));
}

TEST_F(ImageTest, FilesMissingInThePackageAreRestoredFromTheBlobs)
{
    Image* image = addPhoto(gradientImage(640, 480));
    const QString photoFile = image->photoFile();
    const QString thumbFile = image->thumbnailFile();
    const QString squareFile = image->croppedThumbnailFile();
    ASSERT_FALSE(image->addPhotosToDatabase()); // as the export does
    const QByteArray photoBytes = readFile(photoFile);
    image->dehydrate();
    QFile::remove(photoFile);
    QFile::remove(thumbFile);
    QFile::remove(squareFile);

    ASSERT_FALSE(image->hydrateThumbnail());
    EXPECT_EQ(image->thumbnail().size(), QSize(320, 240));
    EXPECT_TRUE(QFile::exists(thumbFile));
    EXPECT_EQ(fileSize(squareFile), QSize(240, 240));
    ASSERT_FALSE(image->hydrate());
    EXPECT_EQ(image->photo().size(), QSize(640, 480));
    EXPECT_EQ(readFile(photoFile), photoBytes);
    EXPECT_EQ(image->caption(), QString("On the sill"));
}

TEST_F(ImageTest, NoFilesAndNoBlobsHydrateToNoPictureWithoutError)
{
    Image* image = addPhoto(gradientImage(64, 64));
    image->dehydrate();
    for (const QString& file : {image->photoFile(), image->thumbnailFile(), image->croppedThumbnailFile()})
        QFile::remove(file);
    EXPECT_FALSE(image->hydrate());
    EXPECT_TRUE(image->photo().isNull());
    EXPECT_TRUE(image->thumbnail().isNull());
}

TEST_F(ImageTest, AddPhotosNeedsBothFiles)
{
    Image* image = addPhoto(gradientImage(64, 64));
    QFile::remove(image->thumbnailFile());
    EXPECT_TRUE(image->addPhotosToDatabase());
    EXPECT_EQ(queryInt(path + "/spinora.db", "SELECT count(*) FROM image WHERE photo IS NULL"), 1);
}

TEST_F(ImageTest, DeleteRemovesTheFilesEvenWhenTheRowCannotBeDeleted)
{
    Image* image = addPhoto(gradientImage(64, 64));
    const QString photoFile = image->photoFile();
    ASSERT_TRUE(document->database()->execute(
        "CREATE TRIGGER keep BEFORE DELETE ON image BEGIN SELECT RAISE(ABORT, 'kept'); END"));
    image->setAbortOnError(false);
    EXPECT_TRUE(image->deleteFromDatabase());
    EXPECT_FALSE(QFile::exists(photoFile));
    EXPECT_FALSE(QFile::exists(image->thumbnailFile()));
    EXPECT_FALSE(QFile::exists(image->croppedThumbnailFile()));
}

TEST_F(ImageTest, ExportCopiesInTheFourReportSizes)
{
    Image* image = addPhoto(gradientImage(1600, 1200));
    image->exportToPath(folder.file("1.jpg"), 1);
    image->exportToPath(folder.file("2.jpg"), 2);
    image->exportToPath(folder.file("3.jpg"), 3);
    image->exportToPath(folder.file("4.jpg"), 4);
    image->exportToPath(folder.file("9.jpg"), 9);
    EXPECT_EQ(fileSize(folder.file("1.jpg")), QSize(320, 240));
    EXPECT_EQ(fileSize(folder.file("2.jpg")), QSize(512, 384));
    EXPECT_EQ(fileSize(folder.file("3.jpg")), QSize(1024, 768));
    EXPECT_EQ(fileSize(folder.file("4.jpg")), QSize(1280, 960));
    EXPECT_FALSE(QFile::exists(folder.file("9.jpg")));
}

TEST(ImageFiles, RealJpegsOfOddShapesAndKinds)
{
    TempFolder folder;
    // Greyscale.
    QImage grey = gradientImage(500, 300).convertToFormat(QImage::Format_Grayscale8);
    writeFile(folder.file("grey.jpg"), jpegBytes(grey));
    QString error;
    QImage read = Image::readImageFile(folder.file("grey.jpg"), &error);
    ASSERT_FALSE(read.isNull()) << error.toStdString();
    Image image;
    image.setPhoto(read);
    EXPECT_EQ(image.thumbnail().size(), QSize(320, 192));
    EXPECT_FALSE(Image::encodeJpeg(image.thumbnail()).isEmpty());
    // Tiny.
    writeFile(folder.file("tiny.jpg"), jpegBytes(gradientImage(1, 1)));
    image.setPhoto(Image::readImageFile(folder.file("tiny.jpg"), &error));
    EXPECT_EQ(image.photo().size(), QSize(1, 1));
    EXPECT_EQ(image.croppedThumbnail().size(), QSize(320, 320));
    // Transparent pictures are put on white, not black.
    QImage clear(40, 40, QImage::Format_ARGB32);
    clear.fill(Qt::transparent);
    const QImage decoded = Image::decode(Image::encodeJpeg(clear));
    EXPECT_GT(qRed(decoded.pixel(20, 20)), 240);
}

TEST(ImageFiles, HugeJpegIsScaledToThePhotoSize)
{
    TempFolder folder;
    writeFile(folder.file("huge.jpg"), jpegBytes(gradientImage(8000, 6000), 50));
    QString error;
    const QImage read = Image::readImageFile(folder.file("huge.jpg"), &error);
    ASSERT_FALSE(read.isNull()) << error.toStdString();
    Image image;
    image.setPhoto(read);
    EXPECT_EQ(image.photo().size(), QSize(1280, 960));
}

TEST(ImageFiles, LargeRotatedJpegIsDecodedUprightAtThePhotoSize)
{
    TempFolder folder;
    QImageWriter writer(folder.file("big-rotated.jpg"), "jpeg");
    writer.setTransformation(QImageIOHandler::TransformationRotate90);
    ASSERT_TRUE(writer.write(gradientImage(4000, 3000)));
    QString error;
    const QImage read = Image::readImageFile(folder.file("big-rotated.jpg"), &error);
    ASSERT_FALSE(read.isNull()) << error.toStdString();
    EXPECT_EQ(read.size(), QSize(960, 1280));
}

TEST(ImageFiles, ExifOrientationIsApplied)
{
    TempFolder folder;
    // A landscape picture whose EXIF says "rotate 90 degrees clockwise".
    QImageWriter writer(folder.file("rotated.jpg"), "jpeg");
    writer.setTransformation(QImageIOHandler::TransformationRotate90);
    ASSERT_TRUE(writer.write(gradientImage(400, 200)));
    QString error;
    const QImage read = Image::readImageFile(folder.file("rotated.jpg"), &error);
    ASSERT_FALSE(read.isNull()) << error.toStdString();
    EXPECT_EQ(read.size(), QSize(200, 400));
}

TEST(ImageFiles, CorruptAndTruncatedFilesAreRefusedWithAMessage)
{
    TempFolder folder;
    writeFile(folder.file("text.jpg"), "this is not a picture");
    const QByteArray good = jpegBytes(gradientImage(300, 300));
    writeFile(folder.file("cut.jpg"), good.left(200));
    writeFile(folder.file("empty.jpg"), QByteArray());
    for (const char* name : {"text.jpg", "cut.jpg", "empty.jpg", "missing.jpg"}) {
        QString error;
        EXPECT_TRUE(Image::readImageFile(folder.file(name), &error).isNull()) << name;
        EXPECT_TRUE(error.contains(name)) << error.toStdString();
    }
    EXPECT_TRUE(Image::decode("not a jpeg").isNull());
}

TEST_F(ImageTest, ACorruptFileIsRefusedAndNothingIsStored)
{
    writeFile(folder.file("broken.jpg"), QByteArray("\xFF\xD8\xFF\xE0 broken", 14));
    const TreeSnapshot before = snapshot(path);
    QString error;
    EXPECT_EQ(Image::createFromFile(folder.file("broken.jpg"), &error), nullptr);
    EXPECT_TRUE(error.contains("broken.jpg"));
    EXPECT_EQ(snapshot(path), before);
    EXPECT_TRUE(document->images().empty());

    writeFile(folder.file("good.jpg"), jpegBytes(gradientImage(2400, 1800)));
    auto image = Image::createFromFile(folder.file("good.jpg"), &error);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->photo().size(), QSize(1280, 960));
    EXPECT_LT(meanDifference(image->photo(), gradientImage(1280, 960)), 4.0);
}
