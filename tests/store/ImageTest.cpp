// Photos as files and blobs, with real JPEGs: the size rules, the centred
// square, restoring missing files from the blobs, and unreadable input.
#include "CollectionDump.h"
#include "Image.h"
#include "PhotoOriginals.h"
#include "RecordBuilders.h"
#include "SpinoraDatabase.h"
#include "TestSupport.h"

#include <QFile>
#include <QImageReader>
#include <QImageWriter>

#include <gtest/gtest.h>

#include <functional>

using namespace spinora;
using namespace spinora::test;

namespace {

// Photos of one plant, each with the caption "On the sill".
class ImageTest : public CollectionTest {
protected:
    Image* addPhoto(const QImage& picture)
    {
        Image* added = test::addPhoto(*document, owner, picture);
        added->setCaption("On the sill");
        expectOk(added->save());
        return added;
    }
    static QSize fileSize(const QString& file) { return QImageReader(file).size(); }

    Cactus* owner = expectOk(document->addCactus(std::make_unique<Cactus>()));
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
    EXPECT_EQ(image.croppedThumbnail().size(), QSize(240, 240));
    image.setPhoto(gradientImage(1, 1));
    EXPECT_EQ(image.thumbnail().size(), QSize(320, 320)); // thumbnails are scaled up
}

TEST_F(ImageTest, InsertWritesThreeJpegFilesAtQualitySixtyAndTheBlobsStayEmpty)
{
    Image* image = addPhoto(gradientImage(2000, 1000));
    const int64_t key = image->primaryKey();
    EXPECT_EQ(fileSize(path + QStringLiteral("/sp-%1.jpg").arg(key)), QSize(1280, 640));
    EXPECT_EQ(fileSize(path + QStringLiteral("/sp-%1t.jpg").arg(key)), QSize(320, 160));
    EXPECT_EQ(fileSize(path + QStringLiteral("/sp-%1ct.jpg").arg(key)), QSize(160, 160));
    EXPECT_EQ(QImageReader(path + QStringLiteral("/sp-%1.jpg").arg(key)).format(), QByteArray("jpeg"));
    EXPECT_EQ(queryRows(db(), "SELECT photo IS NULL, thumbnail IS NULL, caption FROM image"),
              QStringList{"1|1|On the sill"});
    // Same picture (small enough to be kept as it is) encoded at 60 by Qt
    // gives the same bytes as the stored file.
    const QImage picture = gradientImage(300, 200);
    EXPECT_EQ(readFile(addPhoto(picture)->photoFile()), jpegBytes(picture, 60));
}

TEST_F(ImageTest, FilesMissingInThePackageAreRestoredFromTheBlobs)
{
    Image* image = addPhoto(gradientImage(640, 480));
    const QString photoFile = image->photoFile();
    const QString thumbFile = image->thumbnailFile();
    const QString squareFile = image->croppedThumbnailFile();
    {
        // The blobs an interchange file carries.
        Statement blobs(document->database(), "UPDATE image SET photo=?, thumbnail=? WHERE pk=?");
        blobs.bind(readFile(photoFile), readFile(thumbFile), image->primaryKey());
        ASSERT_TRUE(blobs.stepDone());
    }
    const QByteArray photoBytes = readFile(photoFile);
    expectOk(image->dehydrate());
    for (const QString& file : {photoFile, thumbFile, squareFile})
        QFile::remove(file);

    ASSERT_TRUE(image->hydrateThumbnail().ok());
    EXPECT_EQ(image->thumbnail().size(), QSize(320, 240));
    EXPECT_TRUE(QFile::exists(thumbFile));
    EXPECT_EQ(fileSize(squareFile), QSize(240, 240));
    ASSERT_TRUE(image->hydrate().ok());
    EXPECT_EQ(image->photo().size(), QSize(640, 480));
    EXPECT_EQ(readFile(photoFile), photoBytes);
    EXPECT_EQ(image->caption(), QString("On the sill"));
}

TEST_F(ImageTest, NoFilesAndNoBlobsHydrateToNoPictureWithoutError)
{
    Image* image = addPhoto(gradientImage(64, 64));
    expectOk(image->dehydrate());
    for (const QString& file : {image->photoFile(), image->thumbnailFile(), image->croppedThumbnailFile()})
        QFile::remove(file);
    EXPECT_TRUE(image->hydrate().ok());
    EXPECT_EQ(std::pair(image->photo().isNull(), image->thumbnail().isNull()), std::pair(true, true));
}

// The report's four photo sizes; no report test asks for the two largest.
// The largest is made from the kept original (here all blue) when there is one.
TEST_F(ImageTest, ExportCopiesInTheFourReportSizes)
{
    Image* image = addPhoto(gradientImage(1600, 1200));
    QImage original(3200, 2400, QImage::Format_RGB32);
    original.fill(Qt::blue);
    writeFile(image->originalFile(), jpegBytes(original));
    // Size 9 is no report size: nothing is written.
    const std::pair<int, QSize> sizes[] = {{1, {320, 240}}, {2, {512, 384}}, {3, {1024, 768}}, {4, {1280, 960}}, {9, {}}};
    for (const auto& [kind, size] : sizes) {
        const QString file = folder.file(QStringLiteral("%1.jpg").arg(kind));
        expectOk(image->exportToPath(file, kind));
        EXPECT_EQ(QFile::exists(file) ? fileSize(file) : QSize(), size) << kind;
        if (kind == 3 || kind == 4) {
            EXPECT_EQ(QImage(file).pixelColor(640, 480).blue() > 200, kind == 4) << kind;
        }
    }
    // An original that cannot be read leaves the photo.
    writeFile(image->originalFile(), "not a picture");
    expectOk(image->exportToPath(folder.file("damaged.jpg"), 4));
    EXPECT_EQ(fileSize(folder.file("damaged.jpg")), QSize(1280, 960));
}

// A link planted in a package from elsewhere is not followed out of it.
TEST_F(ImageTest, RegressionReportCopiesReadOnlyThePackagesOwnPhotoFile)
{
    Image* image = addPhoto(gradientImage(640, 480));
    writeFile(folder.file("private.jpg"), jpegBytes(gradientImage(900, 600)));
    replaceWithLink(image->photoFile(), folder.file("private.jpg"));
    expectOk(image->exportToPath(folder.file("2.jpg"), 2));
    EXPECT_FALSE(QFile::exists(folder.file("2.jpg")));
}

namespace {

quint32 crc32(const QByteArray& data)
{
    quint32 crc = 0xffffffffu;
    for (char c : data) {
        crc ^= quint8(c);
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

QByteArray bigEndian(quint32 v)
{
    const char bytes[] = {char(v >> 24), char(v >> 16), char(v >> 8), char(v)};
    return QByteArray(bytes, 4);
}

// A PNG whose header announces width × height pixels; its data is one
// empty chunk, so nothing may decode it before looking at the size.
QByteArray pngAnnouncing(quint32 width, quint32 height)
{
    QByteArray ihdr = "IHDR" + bigEndian(width) + bigEndian(height) + QByteArray("\x08\x02\x00\x00\x00", 5);
    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    png += bigEndian(13) + ihdr + bigEndian(crc32(ihdr));
    const QByteArray idat = "IDAT" + QByteArray(64, '\0');
    png += bigEndian(64) + idat + bigEndian(crc32(idat));
    return png;
}

void writeRotated(const QString& file, const QImage& picture)
{
    QImageWriter writer(file, "jpeg");
    writer.setTransformation(QImageIOHandler::TransformationRotate90); // "turn 90 degrees clockwise"
    ASSERT_TRUE(writer.write(picture));
}

// A picture file as a user may choose it, and what reading it as a photo
// gives: the photo's size, or the start of the reason it is refused.
struct PictureCase {
    const char* name;
    std::function<void(const QString& file)> make;
    QSize size;
    const char* reason = "";
    friend void PrintTo(const PictureCase& row, std::ostream* out) { *out << row.name; }
};

class PictureFiles : public ::testing::TestWithParam<PictureCase> {};

} // namespace

TEST_P(PictureFiles, AreReadAsPhotosOrRefusedWithTheReason)
{
    TempFolder folder;
    const QString file = folder.file("chosen");
    GetParam().make(file);
    QString reason;
    const QImage photo = Image::readImageFile(file, &reason);
    EXPECT_EQ(photo.isNull() ? QSize() : photo.size(), GetParam().size);
    const QString expected = QString::fromUtf8(GetParam().reason);
    EXPECT_EQ(reason.left(expected.size()), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Image, PictureFiles,
    ::testing::Values(
        PictureCase{"Greyscale",
                    [](const QString& f) {
                        writeFile(f, jpegBytes(gradientImage(500, 300).convertToFormat(QImage::Format_Grayscale8)));
                    },
                    QSize(500, 300)},
        PictureCase{"OnePixel", [](const QString& f) { writeFile(f, jpegBytes(gradientImage(1, 1))); }, QSize(1, 1)},
        PictureCase{"HugeIsDecodedAtThePhotoSize",
                    [](const QString& f) { writeFile(f, jpegBytes(gradientImage(8000, 6000), 50)); }, QSize(1280, 960)},
        PictureCase{"ExifOrientationApplied", [](const QString& f) { writeRotated(f, gradientImage(400, 200)); },
                    QSize(200, 400)},
        PictureCase{"LargeAndTurnedIsUprightAtThePhotoSize",
                    [](const QString& f) { writeRotated(f, gradientImage(4000, 3000)); }, QSize(960, 1280)},
        PictureCase{"Text", [](const QString& f) { writeFile(f, "this is not a picture"); }, QSize(),
                    "the file is not a picture"},
        PictureCase{"Empty", [](const QString& f) { writeFile(f, QByteArray()); }, QSize(), "the file is not a picture"},
        PictureCase{"Truncated", [](const QString& f) { writeFile(f, jpegBytes(gradientImage(300, 300)).left(200)); },
                    QSize(), "the picture cannot be decoded"},
        PictureCase{"Missing", [](const QString&) {}, QSize(), "the file cannot be read"},
        PictureCase{"LinkToADevice", [](const QString& f) { QFile::link("/dev/zero", f); }, QSize(),
                    "the file cannot be read"},
        PictureCase{"AnnouncesTooManyPixels", [](const QString& f) { writeFile(f, pngAnnouncing(20000, 20000)); },
                    QSize(), "the picture is too large (20000 × 20000 pixels)"},
        PictureCase{"LargerThan64MB",
                    [](const QString& f) {
                        writeFile(f, jpegBytes(gradientImage(40, 30)));
                        ASSERT_TRUE(QFile::resize(f, Image::kMaxPictureFileBytes + 1)); // sparse
                    },
                    QSize(), "the file is larger than 64 MB"}),
    [](const ::testing::TestParamInfo<PictureCase>& info) { return std::string(info.param.name); });

// When a photo was taken, read from its original's EXIF as the camera's
// clock showed it.
TEST(PhotoOriginal, DateTakenIsReadFromExifOrNotAtAll)
{
    const QByteArray jpeg = jpegBytes(gradientImage(64, 48));
    const QByteArray phone = withExifDate(jpeg, "2021:06:14 10:32:05");
    const struct {
        const char* name;
        QByteArray file;
        QString expected; // yyyy-MM-dd HH:mm:ss, or empty for none
    } rows[] = {
        {"PhoneDateTimeOriginal", phone, "2021-06-14 10:32:05"},
        {"CameraDateTimeBigEndian", withExifDate(jpeg, "2019:12:31 23:59:59", true), "2019-12-31 23:59:59"},
        {"ClockNeverSet", withExifDate(jpeg, "    :  :     :  :  "), ""},
        {"ImpossibleDate", withExifDate(jpeg, "2021:02:30 10:00:00"), ""},
        {"NoExif", jpeg, ""},
        {"CutInTheExif", phone.left(40), ""},
        {"NotAJpeg", "2021:06:14 10:32:05", ""},
    };
    for (const auto& row : rows) {
        const auto taken = PhotoOriginals::dateTaken(row.file);
        EXPECT_EQ(taken ? taken->date.toString(Qt::ISODate) + ' ' + taken->time.toString(Qt::ISODate) : QString(),
                  row.expected)
            << row.name;
    }
    const QString described = PhotoOriginals::describe(*PhotoOriginals::dateTaken(phone));
    EXPECT_TRUE(described.startsWith("Taken on ") && described.contains("2021")) << described.toStdString();
}

TEST(ImageFiles, TransparentPicturesArePutOnWhite)
{
    QImage clear(40, 40, QImage::Format_ARGB32);
    clear.fill(Qt::transparent);
    EXPECT_GT(qRed(Image::decode(Image::encodeJpeg(clear)).pixel(20, 20)), 240);
    EXPECT_TRUE(Image::decode("not a jpeg").isNull());
}
