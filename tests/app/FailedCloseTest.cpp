// A window whose last write fails (a full disk) stays open, says why and
// offers Save As; saving elsewhere keeps the changes. The disk is a real
// small tmpfs, mounted for the test (root only; skipped otherwise).
#include "ShellTestSupport.h"

#include "Cactus.h"
#include "SpinoraDatabase.h"

#include <QDir>
#include <QFile>
#include <QProcess>

#include <unistd.h>

namespace spinora::test {
namespace {

// A tmpfs of a few megabytes, unmounted (lazily, in case something still
// holds a file) when the test ends.
class SmallDisk {
public:
    explicit SmallDisk(const QString& mountPoint) : mountPoint_(mountPoint)
    {
        QDir().mkpath(mountPoint_);
        if (::geteuid() != 0) {
            why_ = "mounting a tmpfs needs root";
            return;
        }
        QProcess mount;
        mount.start("mount", {"-t", "tmpfs", "-o", "size=4m", "tmpfs", mountPoint_});
        if (!mount.waitForFinished(10000) || mount.exitCode() != 0)
            why_ = "mount -t tmpfs failed: " + QString::fromUtf8(mount.readAllStandardError()).trimmed();
    }
    ~SmallDisk()
    {
        if (why_.isEmpty())
            QProcess::execute("umount", {"-l", mountPoint_});
    }
    bool mounted() const { return why_.isEmpty(); }
    const QString& whyNot() const { return why_; }
    // Writes a file until the disk is full.
    void fill() const
    {
        QFile filler(mountPoint_ + "/filler");
        ASSERT_TRUE(filler.open(QIODevice::WriteOnly));
        const QByteArray block(4096, 'x');
        while (filler.write(block) == block.size() && filler.flush()) {
        }
    }

private:
    QString mountPoint_;
    QString why_;
};

using FailedCloseTest = ShellTest;

TEST_F(FailedCloseTest, AFullDiskKeepsTheWindowOpenSaysWhyAndSaveAsKeepsTheChanges)
{
    SmallDisk disk(folder_.file("disk"));
    if (!disk.mounted())
        GTEST_SKIP() << disk.whyNot().toStdString();
    const QString path = folder_.file("disk/Garden.sdb");
    newCollection(path, true)->close();
    makeApp();
    ASSERT_TRUE(app_->applicationDidFinishLaunching({path}));
    SpinoraDatabase* document = app_->openDocuments().front();
    auto cactus = std::make_unique<Cactus>();
    cactus->setName("Spike");
    Cactus* added = document->addCactus(std::move(cactus));
    disk.fill();
    // A change too big for what is left, in memory as an editor leaves it.
    added->setNotes(QString(300000, QLatin1Char('n')));

    nextSaveAsOfferTaken_ = false;
    EXPECT_FALSE(windowOf(document)->close());
    ASSERT_EQ(saveAsOffers_.size(), 1);
    EXPECT_TRUE(saveAsOffers_[0].contains("could not be written: database or disk is full.")) << saveAsOffers_[0].toStdString();
    EXPECT_EQ(app_->openDocuments().size(), 1u) << "the window and its changes stay";

    nextSaveAsOfferTaken_ = true;
    nextSaveAsPath_ = folder_.file("Saved.sdb");
    EXPECT_TRUE(windowOf(document)->close());
    settle();
    EXPECT_TRUE(app_->openDocuments().empty());
    EXPECT_EQ(saveAsOffers_.size(), 2);
    EXPECT_TRUE(alerts_.isEmpty()) << alerts_.join("\n").toStdString();
    const QString saved = QDir(folder_.path()).canonicalPath() + "/Saved.sdb/spinora.db";
    EXPECT_EQ(queryInt(saved, "SELECT count(*) FROM cactus WHERE length(notes) = 300000"), 1);
    // The collection on the full disk is whole, without the change.
    EXPECT_EQ(queryInt(path + "/spinora.db", "SELECT count(*) FROM cactus WHERE name = 'Spike'"), 1);
    EXPECT_EQ(queryInt(path + "/spinora.db", "SELECT count(*) FROM cactus WHERE length(notes) = 300000"), 0);
}

} // namespace
} // namespace spinora::test
