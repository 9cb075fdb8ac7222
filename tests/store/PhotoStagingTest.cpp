// Photos written into an import's staging folder: each file straight, the
// square thumbnail cut from the thumbnail's JPEG without losing what the
// package path makes, and nothing planted in the folder written through.
#include "Image.h"
#include "PhotoFileWriter.h"
#include "RecordBuilders.h"
#include "SpinoraDatabase.h"
#include "TestSupport.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace spinora;
using namespace spinora::test;

namespace {

class PhotoStagingTest : public CollectionTest {
protected:
    void SetUp() override { QDir().mkpath(staging); }
    // A photo record holding JPEG data, as the import hands it over.
    std::unique_ptr<Image> incoming(const QImage& thumbnail)
    {
        auto image = std::make_unique<Image>();
        image->setLinkedType(Image::kCactusPhoto);
        image->setLinkedKey(1);
        image->setDataForPhoto(jpegBytes(gradientImage(1280, 960), 60));
        image->setDataForThumbnail(jpegBytes(thumbnail, 60));
        return image;
    }

    QString staging = folder.file("staging");
};

// A square thumbnail is its own square, byte for byte.
TEST_F(PhotoStagingTest, WritesThreeFilesAndTheSameSquareAsThePackagePathForWideTallAndSquareThumbnails)
{
    for (const QSize size : {QSize(320, 240), QSize(240, 320), QSize(320, 77), QSize(240, 240)}) {
        SCOPED_TRACE(size.width());
        const QImage thumbnail = gradientImage(size.width(), size.height());
        auto staged = incoming(thumbnail);
        ASSERT_TRUE(staged->insertIntoStagingFolder(document->database(), staging).ok());
        auto packaged = incoming(thumbnail);
        ASSERT_TRUE(packaged->insertIntoDatabase(document->database(), document->packageFilename(), false).ok());

        EXPECT_EQ(readFile(staged->photoFile()), staged->dataForPhoto());
        EXPECT_EQ(readFile(staged->thumbnailFile()), staged->dataForThumbnail());
        const int side = std::min(size.width(), size.height());
        const QImage square(staged->croppedThumbnailFile());
        ASSERT_EQ(square.size(), QSize(side, side));
        const QImage reference(packaged->croppedThumbnailFile());
        EXPECT_LT(meanDifference(square.convertToFormat(QImage::Format_RGB32),
                                 reference.convertToFormat(QImage::Format_RGB32)),
                  2.0);
        if (size.width() == size.height()) {
            EXPECT_EQ(readFile(staged->croppedThumbnailFile()), staged->dataForThumbnail());
        }
        // No temporary files are left beside the photos.
        EXPECT_TRUE(QDir(staging).entryList({"*.part"}, QDir::Files).isEmpty());
    }
}

// Written at once, and by the import's writer thread.
TEST_F(PhotoStagingTest, ALinkPlantedAtAPhotosNameIsReplacedNeverWrittenThrough)
{
    const QString outside = folder.file("outside.txt");
    writeFile(outside, "keep me");
    for (const bool byWriter : {false, true}) {
        SCOPED_TRACE(byWriter);
        auto image = incoming(gradientImage(320, 240));
        // The next key of the collection names the files.
        const QString planted = staging + QStringLiteral("/sp-%1.jpg").arg(byWriter ? 2 : 1);
        ASSERT_TRUE(QFile::link(outside, planted));
        if (byWriter) {
            PhotoFileWriter writer;
            ASSERT_TRUE(image->insertIntoStagingFolder(document->database(), staging, writer).ok());
            ASSERT_TRUE(writer.finish().ok());
        } else {
            ASSERT_TRUE(image->insertIntoStagingFolder(document->database(), staging).ok());
        }
        ASSERT_EQ(image->photoFile(), planted);
        EXPECT_EQ(readFile(outside), QByteArray("keep me"));
        EXPECT_FALSE(QFileInfo(planted).isSymLink());
        EXPECT_EQ(readFile(planted), image->dataForPhoto());
    }
}

TEST_F(PhotoStagingTest, AnUnreadableThumbnailLeavesNoSquareFile)
{
    auto image = incoming(gradientImage(320, 240));
    image->setDataForThumbnail("not a picture at all");
    ASSERT_TRUE(image->insertIntoStagingFolder(document->database(), staging).ok());
    EXPECT_TRUE(QFile::exists(image->photoFile()));
    EXPECT_FALSE(QFile::exists(image->croppedThumbnailFile()));
}

} // namespace
