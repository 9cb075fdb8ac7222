// Photo files are read only inside their package and within a size cap: a
// link to /dev/zero or to a file elsewhere, a named pipe or a huge file must
// neither be loaded nor hang the reader.
#include "Image.h"
#include "RecordBuilders.h"
#include "SpinoraDatabase.h"
#include "TestSupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace spinora;
using namespace spinora::test;

namespace {

using Problem = Image::PictureFileProblem;
using CollectionPhoto = CollectionTest;

} // namespace

TEST(PictureFile, IsReadOnlyInsideItsFolderAndWithinTheCap)
{
    TempFolder folder;
    const QString package = folder.file("C.sdb");
    QDir().mkpath(package + "/inner");
    const QByteArray jpeg = jpegBytes(gradientImage(64, 48));
    writeFile(package + "/sp-1.jpg", jpeg);
    writeFile(folder.file("outside.jpg"), jpeg);
    replaceWithLink(package + "/sp-2.jpg", "sp-1.jpg");                 // within the package: followed
    replaceWithLink(package + "/inner/sp-3.jpg", "../sp-1.jpg");        // up, but still inside
    replaceWithLink(package + "/sp-4.jpg", folder.file("outside.jpg")); // out of the package
    replaceWithLink(package + "/sp-5.jpg", "/dev/zero");
    replaceWithLink(package + "/sp-6.jpg", "../outside.jpg");
    replaceWithLink(package + "/sp-7.jpg", "missing.jpg");
    ASSERT_EQ(::mkfifo(QFile::encodeName(package + "/sp-8.jpg").constData(), 0600), 0);
    writeFile(package + "/sp-9.jpg", jpeg);
    ASSERT_TRUE(QFile::resize(package + "/sp-9.jpg", Image::kMaxPictureFileBytes + 1)); // sparse: costs no disk
    QDir().mkpath(package + "/sp-10.jpg");

    struct Case {
        const char* name;
        bool read;
        Problem problem;
    };
    QElapsedTimer timer;
    timer.start();
    for (const Case& c : {Case{"sp-1.jpg", true, Problem::None}, Case{"sp-2.jpg", true, Problem::None},
                          Case{"inner/sp-3.jpg", true, Problem::None}, Case{"sp-4.jpg", false, Problem::OutsideFolder},
                          Case{"sp-5.jpg", false, Problem::OutsideFolder}, Case{"sp-6.jpg", false, Problem::OutsideFolder},
                          Case{"sp-7.jpg", false, Problem::OutsideFolder}, Case{"sp-8.jpg", false, Problem::Unreadable},
                          Case{"sp-9.jpg", false, Problem::TooLarge}, Case{"sp-10.jpg", false, Problem::Unreadable},
                          Case{"sp-11.jpg", false, Problem::Missing}}) {
        Problem problem = Problem::None;
        const QByteArray data = Image::readPictureFile(package + "/" + c.name, package, &problem);
        EXPECT_EQ(data, c.read ? jpeg : QByteArray()) << c.name;
        EXPECT_EQ(problem, c.problem) << c.name;
    }
    EXPECT_LT(timer.elapsed(), 5000); // the pipe did not block, the big file was not read
}

TEST_F(CollectionPhoto, ThatLinksOutOfItsPackageIsNotShown)
{
    Image* stored = addPhoto(*document, addPlant(*document, "Owner"), gradientImage(200, 100));
    const QString photo = stored->photoFile();
    expectOk(document->close());
    const QImage secret = gradientImage(90, 90);
    writeFile(folder.file("secret.jpg"), jpegBytes(secret));
    replaceWithLink(photo, folder.file("secret.jpg"));

    document = openCollection(path);
    ASSERT_EQ(document->images().size(), 1u);
    Image& reopened = *document->images().front();
    expectOk(reopened.hydrate());
    EXPECT_NE(reopened.photo().size(), secret.size());
    EXPECT_TRUE(reopened.dataForPhoto().isEmpty());
}
