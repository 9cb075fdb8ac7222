// Interchange files and source packages made to hurt the import: damaged,
// missing or newer files, keys wider than 32 bits, duplicate or non-integer
// keys, triggers and views of their own, photo files that are links out of
// the package, devices or huge files, damaged or non-JPEG photo blobs. Every
// refusal leaves the collection on disk exactly as it was.
#include "CliRunner.h"
#include "CollectionDump.h"
#include "ExchangeTestSupport.h"
#include "RecordBuilders.h"
#include "SampleCollection.h"
#include "TestSupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace spinora;
using namespace spinora::test;

namespace {

constexpr int64_t k2p31 = int64_t(1) << 31;
constexpr int64_t k2p32 = int64_t(1) << 32;
constexpr int64_t kMax = INT64_MAX;

using HostileImport = ImportIntoKeptCollection;

bool isJpeg(const QByteArray& data)
{
    return data.startsWith("\xFF\xD8\xFF");
}

} // namespace

// --- Keys wider than 32 bits (they were bound and read as 32-bit)

TEST_F(HostileImport, KeysWiderThan32BitsKeepEveryRowAndItsLinks)
{
    // Keys 1 and 2^32 + 1 were one row imported twice; 2^31 and 2^63 - 1
    // became blank records; a plant on schedule 2^32 + 7 landed on schedule 7.
    const int64_t schedule = queryInt(file, "SELECT min(pk) FROM watering");
    execSql(file, QStringLiteral("UPDATE cactus SET watering_key=-1; "
                                 "UPDATE watering SET pk=%1, name='wide schedule' WHERE pk=%2; "
                                 "UPDATE watering SET pk=7, name='schedule seven' WHERE pk=(SELECT min(pk) FROM watering); "
                                 "UPDATE cactus SET pk=1, name='one', watering_key=%1 WHERE pk=(SELECT min(pk) FROM cactus); "
                                 "UPDATE cactus SET pk=%3, name='two to the 32 plus one' WHERE pk=(SELECT min(pk) FROM cactus WHERE pk > 1); "
                                 "UPDATE cactus SET pk=%4, name='two to the 31' WHERE pk=(SELECT min(pk) FROM cactus WHERE pk > 1 AND pk < %3); "
                                 "UPDATE cactus SET pk=%5, name='largest' WHERE pk=(SELECT min(pk) FROM cactus WHERE pk > 1 AND pk < %4); "
                                 "UPDATE log SET cactus_key=%5 WHERE pk=(SELECT min(pk) FROM log); "
                                 "UPDATE image SET type=0, key=%3 WHERE pk=(SELECT min(pk) FROM image); "
                                 "UPDATE image SET pk=%3 WHERE pk=(SELECT max(pk) FROM image);")
                      .arg(k2p32 + 7).arg(schedule).arg(k2p32 + 1).arg(k2p31).arg(kMax));
    ASSERT_EQ(queryInt(file, QStringLiteral("SELECT count(*) FROM cactus WHERE pk IN (1, %1, %2, %3)")
                                 .arg(k2p32 + 1).arg(k2p31).arg(kMax)), 4);
    ASSERT_EQ(importFrom(*target, file, 0), kJobFinished);

    EXPECT_EQ(target->cacti().size(), 4u + 6u);
    QStringList names = cactusNames(*target);
    for (const char* name : {"one", "two to the 32 plus one", "two to the 31", "largest"})
        EXPECT_EQ(names.count(QString::fromUtf8(name)), 1) << name;
    EXPECT_FALSE(names.contains(QStringLiteral("No title")));
    Cactus* one = plantNamed(*target, "one");
    ASSERT_TRUE(one && one->water());
    EXPECT_EQ(one->water()->name(), QString("wide schedule"));
    EXPECT_FALSE(plantNamed(*target, "largest")->logs().empty());
    EXPECT_EQ(plantNamed(*target, "two to the 32 plus one")->images().size(), 1u); // its photo followed it, not plant "one"
}

// The collection's own wide keys are read back whole: RecordTest.
TEST_F(HostileImport, AStrayWidePhotoFileInEitherPackageBreaksNoImport)
{
    // In the source package and in the collection.
    const QString package = folder.file("Other.sdb");
    ASSERT_EQ(exportTo(*source, package, 0), kJobFinished);
    writeFile(package + "/sp-4294967297.jpg", jpegBytes(gradientImage(40, 30)));
    writeFile(target->packageFilename() + "/sp-4294967297.jpg", jpegBytes(gradientImage(40, 30)));
    for (int round = 0; round < 3; ++round) {
        ASSERT_EQ(importFrom(*target, package, 0), kJobFinished) << round;
        ASSERT_EQ(importFrom(*target, file, 2), kJobFinished) << round;
    }
    EXPECT_EQ(target->cacti().size(), 4u + 6u * 6u);
    // Every photo has its own three files.
    QSet<QString> files;
    for (const auto& image : target->images()) {
        EXPECT_TRUE(QFile::exists(image->photoFile())) << image->photoFile().toStdString();
        files.insert(image->photoFile());
    }
    EXPECT_EQ(size_t(files.size()), target->images().size());
}

// --- Files the import refuses: damaged, newer, with keys or links that are
// no whole numbers, with views of their own

namespace {

struct Refusal {
    const char* name;
    int type;
    std::function<void(const QString& file)> damage;
    const char* reason;
};

void PrintTo(const Refusal& refusal, std::ostream* out)
{
    *out << refusal.name;
}

std::function<void(const QString&)> sql(const char* text)
{
    return [text](const QString& file) { execSql(file, QString::fromUtf8(text)); };
}

// `table` rebuilt without the row-id alias (so that its keys may repeat or be
// texts), then changed by `text`.
std::function<void(const QString&)> rekeyed(const char* table, const char* text)
{
    return [table, text](const QString& file) {
        if (queryInt(file, QStringLiteral("SELECT count(*) FROM %1").arg(table)) == 0)
            execSql(file, QStringLiteral("INSERT INTO species (name, scientific) VALUES ('a', 'b')"));
        execSql(file, QStringLiteral("ALTER TABLE %1 RENAME TO old_%1; "
                                     "CREATE TABLE %1 AS SELECT * FROM old_%1; DROP TABLE old_%1;")
                          .arg(table));
        ASSERT_EQ(queryInt(file, QStringLiteral("SELECT count(*) FROM pragma_table_info('%1') WHERE pk > 0").arg(table)), 0);
        execSql(file, QString::fromUtf8(text));
    };
}

} // namespace

class RefusedImport : public ImportIntoKeptCollection, public ::testing::WithParamInterface<Refusal> {};

TEST_P(RefusedImport, SaysWhySoonAndChangesNothing)
{
    GetParam().damage(file);
    QElapsedTimer timer;
    timer.start();
    const int status = importFrom(*target, file, GetParam().type);
    EXPECT_LT(timer.elapsed(), 30000);
    expectUnchanged(status, GetParam().reason);
}

INSTANTIATE_TEST_SUITE_P(
    Files, RefusedImport,
    ::testing::Values(
        Refusal{"TruncatedFile", 0,
                [](const QString& file) {
                    const QByteArray whole = readFile(file);
                    writeFile(file, whole.left(whole.size() * 2 / 3));
                },
                ""},
        Refusal{"NotADatabaseAtAll", 0, [](const QString& file) { writeFile(file, QByteArray(100000, 'z')); }, ""},
        Refusal{"MissingFile", 0, [](const QString& file) { QFile::remove(file); }, ""},
        Refusal{"NewerSchema", 0, sql("UPDATE version SET version_num=9"), "newer version"},
        // 2^62 was read as 0 when the number was read as 32 bits.
        Refusal{"VersionNumberWiderThan32Bits", 0, sql("UPDATE version SET version_num=4611686018427387904"),
                "newer version"},
        Refusal{"EmptyVersionTable", 0, sql("DELETE FROM version"), ""},
        Refusal{"MissingVersionTable", 2, sql("DROP TABLE version"), ""},
        Refusal{"DuplicateKeys", 0, rekeyed("cactus", "INSERT INTO cactus SELECT * FROM cactus LIMIT 1"),
                "same key on more than one row"},
        Refusal{"TextKey", 0, rekeyed("cactus", "UPDATE cactus SET pk='seven' WHERE pk=(SELECT min(pk) FROM cactus)"),
                "not whole numbers"},
        Refusal{"FractionKey", 0,
                rekeyed("watering", "UPDATE watering SET pk=2.5 WHERE pk=(SELECT min(pk) FROM watering)"),
                "not whole numbers"},
        Refusal{"NullKey", 0, rekeyed("log", "UPDATE log SET pk=NULL WHERE pk=(SELECT min(pk) FROM log)"),
                "not whole numbers"},
        Refusal{"NegativeKey", 0, rekeyed("image", "UPDATE image SET pk=-3 WHERE pk=(SELECT min(pk) FROM image)"),
                "not whole numbers"},
        Refusal{"HugeRealKey", 0,
                rekeyed("species", "UPDATE species SET pk=1e30 WHERE pk=(SELECT min(pk) FROM species)"),
                "not whole numbers"},
        Refusal{"TextLink", 1,
                sql("UPDATE cactus SET watering_key='the first one' WHERE pk=(SELECT min(pk) FROM cactus)"),
                "watering_key column"},
        // Views named like our tables, over an endless query: never run.
        Refusal{"ViewsNamedLikeOurTables", 1,
                sql("DROP TABLE cactus; DROP TABLE watering; "
                    "CREATE VIEW cactus AS WITH RECURSIVE n(pk) AS (SELECT 1 UNION ALL SELECT pk + 1 FROM n) "
                    "SELECT pk, 'x' AS name FROM n; "
                    "CREATE VIEW watering AS SELECT a.pk FROM log a, log b, log c, log d, log e, log f, log g, log h;"),
                "triggers or views"}),
    [](const ::testing::TestParamInfo<Refusal>& info) { return std::string(info.param.name); });

// --- Triggers of the file's own

TEST_F(HostileImport, TheFilesTriggersNeverRun)
{
    // An old schema version makes the import upgrade the file, which updates
    // its version row: the trigger would add plants and change a name.
    execSql(file, "UPDATE version SET version_num=2; "
                  "CREATE TRIGGER sneaky AFTER UPDATE ON version BEGIN "
                  "  INSERT INTO cactus (name) VALUES ('planted by a trigger'); "
                  "  UPDATE cactus SET name='renamed by a trigger'; END; "
                  "CREATE TRIGGER reader BEFORE DELETE ON cactus BEGIN SELECT RAISE(ABORT, 'no'); END;");
    ASSERT_EQ(importFrom(*target, file, 0), kJobFinished);
    EXPECT_EQ(target->cacti().size(), 4u + 6u);
    EXPECT_FALSE(cactusNames(*target).contains("planted by a trigger"));
    EXPECT_FALSE(cactusNames(*target).contains("renamed by a trigger"));
    // The user's file itself is never changed.
    EXPECT_EQ(queryInt(file, "SELECT count(*) FROM sqlite_master WHERE type='trigger'"), 2);
}

// --- Photo files of a source package

class SourcePackage : public HostileImport {
protected:
    void SetUp() override
    {
        HostileImport::SetUp();
        package = folder.file("Other.sdb");
        ASSERT_EQ(exportTo(*source, package, 0), kJobFinished);
        for (const auto& image : source->images())
            if (image->linkedType() == Image::kCactusPhoto)
                photoKeys.push_back(image->primaryKey());
        ASSERT_GE(photoKeys.size(), 4u);
    }
    QString photoFile(int64_t key, const char* suffix = "") const
    {
        return QStringLiteral("%1/sp-%2%3.jpg").arg(package).arg(key).arg(QString::fromUtf8(suffix));
    }

    QString package;
    std::vector<int64_t> photoKeys;
};

TEST_F(SourcePackage, LinksOutOfThePackageDevicesAndOversizedFilesAreSkippedNotLoaded)
{
    // A photo that is a link to /dev/zero grew the process to gigabytes; one
    // to a file elsewhere was copied in. A named pipe would block a reader
    // that waits for its end; of 64 MiB and one byte (sparse) nothing is read.
    const QString outside = folder.file("elsewhere.jpg");
    writeFile(outside, jpegBytes(gradientImage(300, 200)));
    replaceWithLink(photoFile(photoKeys[0]), "/dev/zero");
    replaceWithLink(photoFile(photoKeys[0], "t"), "/dev/zero");
    replaceWithLink(photoFile(photoKeys[1]), outside);
    ASSERT_TRUE(QFile::resize(photoFile(photoKeys[2]), Image::kMaxPictureFileBytes + 1)); // sparse
    QFile::remove(photoFile(photoKeys[3]));
    ASSERT_EQ(::mkfifo(QFile::encodeName(photoFile(photoKeys[3])).constData(), 0600), 0);

    QElapsedTimer timer;
    timer.start();
    ASSERT_EQ(importFrom(*target, package, 0), kJobFinished);
    EXPECT_LT(timer.elapsed(), 30000);
    EXPECT_EQ(target->cacti().size(), 4u + 6u); // every record came in
    EXPECT_EQ(target->images().size(), 2u + source->images().size() - 4u);
    ASSERT_EQ(lastJob().warnings.size(), 1);
    const QString warning = lastJob().warnings.front();
    EXPECT_TRUE(warning.startsWith(QStringLiteral("4 photos could not be read and were left out: photo %1 of the cactus").arg(photoKeys[0])))
        << warning.toStdString();
    for (const char* reason : {"a link that leads out of the package", "larger than 64 MiB", "not a file that can be read"})
        EXPECT_TRUE(warning.contains(reason)) << warning.toStdString();
    // Nothing of the outside file reached the collection.
    const QByteArray outsideBytes = readFile(outside);
    for (const QString& name : QDir(target->packageFilename()).entryList({"*.jpg"}, QDir::Files))
        EXPECT_NE(readFile(target->packageFilename() + "/" + name), outsideBytes) << name.toStdString();
}

// --- Damaged and non-JPEG photo blobs

// Through spinora-cli, which prints each warning of the import on its own line.
TEST_F(HostileImport, OneUnreadablePhotoBlobSkipsOnlyThatPhotoAndIsNamedOnAWarningLine)
{
    const int64_t damaged = queryInt(file, "SELECT max(pk) FROM image WHERE type=0");
    execSql(file, QStringLiteral("UPDATE image SET photo=X'00112233445566778899' WHERE pk=%1").arg(damaged));
    const QString path = target->packageFilename();
    expectOk(target->close());
    target.reset();
    const CliRun run = cli({"import", path, file, "--type", "0"});
    EXPECT_EQ(run.exitCode, 3) << run.err.toStdString();
    EXPECT_EQ(run.err.count("warning: "), 1) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(
        QStringLiteral("warning: 1 photo could not be read and was left out: photo %1 of the cactus \u201C").arg(damaged)))
        << run.err.toStdString();
    target = openCollection(path);
    EXPECT_EQ(std::tuple(target->cacti().size(), target->logs().size(), target->images().size()),
              std::tuple(4u + source->cacti().size(), 3u + source->logs().size(), 2u + source->images().size() - 1u));
}

// A damaged page under a blob fails that read; on the import's own
// connection it also failed every later statement: the whole import, blamed
// on the collection ("could not be written").
TEST_F(HostileImport, APhotoOnADamagedPageIsLeftOutAndTheRestLands)
{
    const int64_t damaged = queryInt(file, "SELECT min(pk) FROM image");
    // Long enough to span several pages; the first of them, the first cell's, then names a page far beyond the file.
    execSql(file, QStringLiteral("UPDATE image SET photo = photo || zeroblob(20000) WHERE pk=%1").arg(damaged));
    const int64_t page = queryInt(file, "SELECT pageno FROM dbstat WHERE name='image' AND pagetype='overflow' ORDER BY path");
    QFile data(file);
    ASSERT_TRUE(data.open(QIODevice::ReadWrite) && data.seek((page - 1) * queryInt(file, "PRAGMA page_size")));
    data.write("\xFF\xFF\xFF\x00", 4);
    data.close();
    ASSERT_EQ(importFrom(*target, file, 0), kJobFinished) << lastJob().error.toStdString();
    EXPECT_TRUE(lastJob().warnings.join("").contains(QStringLiteral("was left out: photo %1 of").arg(damaged)));
    EXPECT_EQ(target->images().size(), 2u + source->images().size() - 1u);
}

TEST_F(HostileImport, PngGifAndBmpPhotosAreStoredAsJpeg)
{
    const QImage wide = SampleCollection::drawPhoto(3, 1600); // 1600 x 1200: above the photo size
    const QImage small = SampleCollection::drawPhoto(4, 400);
    // Qt writes no GIF: a 1 x 1 one, byte by byte.
    const QByteArray gif = QByteArray::fromHex("47494638396101000100800000000000ffffff21f90401000000002c000000000100"
                                               "01000002024401003b");
    // Each format, what it stores and what the stored photo must look like.
    struct Picture {
        QString name;
        QByteArray photo, thumbnail;
        QImage expected;
    };
    const std::vector<Picture> pictures{
        {"PNG", encoded(wide, "PNG"), encoded(wide.scaledToWidth(320), "PNG"), // kept within the photo size
         wide.scaled(1280, 960, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)},
        {"GIF", gif, gif, QImage(1, 1, QImage::Format_RGB32)},
        {"BMP", encoded(small, "BMP"), encoded(small.scaledToWidth(320), "BMP"), small}};
    for (size_t i = 0; i < pictures.size(); ++i) {
        const int64_t key = queryInt(file, QStringLiteral("SELECT pk FROM image WHERE type=0 ORDER BY pk LIMIT 1 OFFSET %1").arg(i));
        ASSERT_GT(key, 0);
        execSql(file, QStringLiteral("UPDATE image SET photo=X'%1', thumbnail=X'%2', caption='%3' WHERE pk=%4")
                          .arg(QString::fromLatin1(pictures[i].photo.toHex()), QString::fromLatin1(pictures[i].thumbnail.toHex()),
                               pictures[i].name)
                          .arg(key));
    }
    auto empty = newCollection(folder.file("Empty.sdb"), true);
    ASSERT_EQ(importFrom(*empty, file, 0), kJobFinished);
    EXPECT_TRUE(lastJob().warnings.isEmpty());
    int converted = 0;
    for (const auto& image : empty->images()) {
        expectOk(image->hydrate());
        SCOPED_TRACE(image->caption().toStdString());
        EXPECT_TRUE(isJpeg(readFile(image->photoFile())));
        EXPECT_TRUE(isJpeg(readFile(image->thumbnailFile())));
        for (const Picture& picture : pictures) {
            if (image->caption() != picture.name)
                continue;
            ++converted;
            EXPECT_EQ(image->photo().size(), picture.expected.size());
            if (picture.name != "GIF") {
                EXPECT_LT(meanDifference(image->photo(), picture.expected), 6.0);
            }
        }
    }
    EXPECT_EQ(converted, 3);
}
