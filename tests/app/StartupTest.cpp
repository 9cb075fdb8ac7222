// Start-up rules, opening, making and closing collections through the shell,
// with real packages on disk.
#include "Backups.h"
#include "BackupsWindow.h"
#include "CollectionDump.h"
#include "FileHelpers.h"
#include "ShellTestSupport.h"

#include "RecordBuilders.h"
#include "SmallDisk.h"
#include "SpinoraUtility.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenuBar>
#include <QPushButton>
#include <QStandardPaths>
#include <QTreeWidget>


namespace spinora::test {
namespace {

using StartupTest = ShellTest;

QString untitledPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Spinora/Untitled.sdb");
}

QStringList openPaths(SpinoraAppDelegate& app)
{
    QStringList paths;
    for (SpinoraDatabase* document : app.openDocuments())
        paths << document->packageFilename();
    return paths;
}

TEST_F(StartupTest, ReopensTheMostRecentCollectionInsteadOfAnUntitledOne)
{
    const QString older = makeCollection(QStringLiteral("Older"));
    const QString newer = makeCollection(QStringLiteral("Newer"), 9);
    RecentDocuments recent;
    recent.noteDocument(older);
    recent.noteDocument(newer);
    FileHelpers::removeFileIfExists(untitledPath());

    makeApp();
    ASSERT_TRUE(app_->applicationDidFinishLaunching({}));
    EXPECT_EQ(openPaths(*app_), QStringList{newer});
    SpinoraDatabase* document = app_->openDocuments().front();
    EXPECT_EQ(document->cacti().size(), 9u);
    EXPECT_EQ(app_->getMainDocument(), document);
    EXPECT_FALSE(QFileInfo::exists(untitledPath()));
    EXPECT_TRUE(alerts_.isEmpty()) << alerts_.join("\n").toStdString();
}

TEST_F(StartupTest, WithoutARecentCollectionMakesTheUntitledOne)
{
    // A recent collection that was deleted since does not count.
    const QString gone = makeCollection(QStringLiteral("Gone"));
    RecentDocuments().noteDocument(gone);
    FileHelpers::removeFileIfExists(gone);
    FileHelpers::removeFileIfExists(untitledPath());

    makeApp();
    ASSERT_TRUE(app_->applicationDidFinishLaunching({}));
    EXPECT_EQ(openPaths(*app_), QStringList{untitledPath()});
    EXPECT_TRUE(QFileInfo(untitledPath() + QStringLiteral("/spinora.db")).isFile());
    EXPECT_FALSE(QFileInfo::exists(gone));
    EXPECT_TRUE(alerts_.isEmpty());
    // The untitled collection is not a recent document.
    EXPECT_TRUE(RecentDocuments().paths().isEmpty());
}

TEST_F(StartupTest, OpensTheCollectionsNamedOnTheCommandLineOnceEach)
{
    const QString first = makeCollection(QStringLiteral("First"), 3);
    const QString second = makeCollection(QStringLiteral("Second"), 5);
    makeApp();
    // The database file inside a package stands for the package.
    ASSERT_TRUE(app_->applicationDidFinishLaunching({first, second + QStringLiteral("/spinora.db"), first + "/"}));
    EXPECT_EQ(openPaths(*app_), (QStringList{first, second}));
    EXPECT_EQ(app_->getMainDocument()->packageFilename(), first) << "the last one asked for is the main one";

    // Opening an open collection again shows its window, nothing more.
    SpinoraDatabase* again = app_->openDocumentWithContentsOfURL(QDir(second).filePath(QStringLiteral("spinora.db")));
    EXPECT_EQ(again, app_->openDocuments()[1]);
    EXPECT_EQ(app_->openDocuments().size(), 2u);
    EXPECT_EQ(RecentDocuments().mostRecent(), second);
}

TEST_F(StartupTest, AMissingOrUnreadableCollectionIsReportedAndNothingIsMade)
{
    const QString missing = folder_.file(QStringLiteral("Missing.sdb"));
    const QString readOnly = makeCollection(QStringLiteral("ReadOnly"));
    QFile::setPermissions(readOnly + QStringLiteral("/spinora.db"), QFileDevice::ReadOwner);
    const TreeSnapshot before = snapshot(readOnly);
    FileHelpers::removeFileIfExists(untitledPath());

    makeApp();
    EXPECT_FALSE(app_->applicationDidFinishLaunching({missing, readOnly}));
    ASSERT_EQ(alerts_.size(), 2);
    EXPECT_TRUE(alerts_[0].contains(QStringLiteral("Missing.sdb"))) << alerts_[0].toStdString();
    EXPECT_TRUE(alerts_[0].endsWith(QStringLiteral("it does not exist.")));
    // The document's own reason is what the user reads.
    EXPECT_TRUE(alerts_[1].contains(QStringLiteral("read-only"))) << alerts_[1].toStdString();
    EXPECT_FALSE(QFileInfo::exists(missing));
    EXPECT_EQ(snapshot(readOnly), before);
    // Nothing named could be opened, and nothing else is opened in its place.
    EXPECT_TRUE(app_->openDocuments().empty());
    EXPECT_FALSE(QFileInfo::exists(untitledPath()));
    QFile::setPermissions(readOnly + QStringLiteral("/spinora.db"), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

TEST_F(StartupTest, LaunchRequestsOpenShowAndOfferImportsButNeverOpenAnotherCollectionInstead)
{
    const QString garden = makeCollection(QStringLiteral("Garden"));
    const QString bench = makeCollection(QStringLiteral("Bench"));
    const QString sdbi = folder_.file(QStringLiteral("phone.sdbi"));
    writeFile(sdbi, "SQLite format 3");
    RecentDocuments().noteDocument(garden);
    makeApp();
    // An interchange file alone: the usual collection opens and the file is offered for import into it.
    ASSERT_TRUE(app_->applicationDidFinishLaunching({sdbi}, QStringLiteral("watering")));
    settle();
    EXPECT_EQ(openPaths(*app_), QStringList{garden});
    EXPECT_EQ(importsOffered_, QStringList{sdbi});
    EXPECT_EQ(windowOf(app_->getMainDocument())->selectedTab(), 1);

    // Later launches handed over by a second `spinora`.
    const struct {
        LaunchRequest request;
        QStringList open;
        int tab;
        int alerts;
    } launches[] = {
        {{{bench}, QStringLiteral("logs")}, {garden, bench}, 2, 0},
        {{{}, QStringLiteral("cacti")}, {garden, bench}, 0, 0},
        {{{folder_.file(QStringLiteral("Missing.sdb"))}, QStringLiteral("watering")}, {garden, bench}, 0, 1},
    };
    for (const auto& launch : launches) {
        alerts_.clear();
        app_->handleLaunchRequest(launch.request);
        settle();
        EXPECT_EQ(openPaths(*app_), launch.open) << launch.request.toMessage().constData();
        EXPECT_EQ(windowOf(app_->getMainDocument())->selectedTab(), launch.tab) << launch.request.toMessage().constData();
        EXPECT_EQ(alerts_.size(), launch.alerts) << alerts_.join("\n").toStdString();
    }
    EXPECT_FALSE(QFileInfo::exists(untitledPath()));
}

TEST_F(StartupTest, NewAndSaveAsRefuseThePathOfAnOpenCollectionAndLeaveItUntouched)
{
    const QString open = makeCollection(QStringLiteral("Open"), 4);
    const QString other = makeCollection(QStringLiteral("Other"));
    makeApp();
    ASSERT_TRUE(app_->applicationDidFinishLaunching({open, other}));
    const TreeSnapshot before = snapshot(open);

    for (const QString& chosen : {open, open.chopped(4), QString(open + QStringLiteral("/"))}) {
        alerts_.clear();
        nextNewPath_ = chosen;
        app_->newDocument();
        EXPECT_EQ(alerts_.size(), 1) << chosen.toStdString();
    }
    alerts_.clear();
    nextSaveAsPath_ = open;
    EXPECT_FALSE(app_->saveDocumentAs(app_->openDocuments()[1]));
    ASSERT_EQ(alerts_.size(), 1);
    EXPECT_TRUE(alerts_[0].startsWith(QStringLiteral("WARNING|Overwriting an open database")));
    EXPECT_EQ(app_->openDocuments()[1]->packageFilename(), other);

    EXPECT_EQ(app_->openDocuments().size(), 2u);
    EXPECT_EQ(app_->openDocuments().front()->cacti().size(), 4u);
    EXPECT_EQ(snapshot(open), before);
}

TEST_F(StartupTest, NewMakesACollectionFromTheTemplateReplacingAClosedOne)
{
    const QString old = makeCollection(QStringLiteral("Replaced"), 7);
    makeApp();
    ASSERT_TRUE(app_->applicationDidFinishLaunching({}));
    const size_t before = app_->openDocuments().size();

    nextNewPath_ = folder_.file(QStringLiteral("Fresh")); // the extension is added
    app_->newDocument();
    nextNewPath_ = old;
    app_->newDocument();
    ASSERT_TRUE(alerts_.isEmpty()) << alerts_.join("\n").toStdString();
    ASSERT_EQ(app_->openDocuments().size(), before + 2);
    SpinoraDatabase* fresh = app_->openDocuments()[before];
    SpinoraDatabase* replaced = app_->openDocuments()[before + 1];
    EXPECT_EQ(fresh->packageFilename(), QDir(folder_.path()).canonicalPath() + QStringLiteral("/Fresh.sdb"));
    EXPECT_FALSE(fresh->unsavedDocument());
    EXPECT_TRUE(replaced->cacti().empty());
    EXPECT_FALSE(replaced->species().empty()) << "made from the full template";
    EXPECT_EQ(app_->getMainDocument(), replaced);
    EXPECT_EQ(RecentDocuments().paths().mid(0, 2), (QStringList{old, fresh->packageFilename()}));
}

TEST_F(StartupTest, LoggingOutAndClosingAWindowWriteTheChangesAndClosingForgetsTheDocument)
{
    const QString path = makeCollection(QStringLiteral("Closing"), 3);
    const QString db = path + QStringLiteral("/spinora.db");
    makeApp();
    ASSERT_TRUE(app_->applicationDidFinishLaunching({path}));
    SpinoraDatabase* document = app_->openDocuments().front();
    document->cacti().front()->setName(QStringLiteral("Before logout"));
    app_->commitAllDocuments();
    EXPECT_EQ(queryInt(db, "SELECT count(*) FROM cactus WHERE name='Before logout'"), 1);
    // Still open after the logout: a later change is written at close.
    ASSERT_NE(document->database(), nullptr);
    document->cacti().front()->setName(QStringLiteral("Written at close"));
    ASSERT_TRUE(windowOf(document)->close());
    settle();
    EXPECT_TRUE(app_->openDocuments().empty());
    EXPECT_TRUE(SpinoraUtility::sharedManager().documents().documents().empty());
    EXPECT_EQ(queryInt(db, "SELECT count(*) FROM cactus WHERE name='Written at close'"), 1);
}

TEST_F(StartupTest, ClosingTheUntitledCollectionAsksToSaveIt)
{
    FileHelpers::removeFileIfExists(untitledPath());
    makeApp();
    ASSERT_TRUE(app_->applicationDidFinishLaunching({}));
    SpinoraDatabase* untitled = app_->openDocuments().front();
    DocumentWindow* window = windowOf(untitled);

    nextSaveAnswer_ = ShellServices::SaveAnswer::Cancel;
    EXPECT_FALSE(window->close());
    EXPECT_EQ(saveQuestions_, 1);
    EXPECT_EQ(app_->openDocuments().size(), 1u);

    // Save, then cancelling the panel, keeps it open too.
    nextSaveAnswer_ = ShellServices::SaveAnswer::Save;
    nextSaveAsPath_.clear();
    EXPECT_FALSE(window->close());

    nextSaveAsPath_ = folder_.file(QStringLiteral("Kept"));
    EXPECT_TRUE(window->close());
    settle();
    EXPECT_TRUE(app_->openDocuments().empty());
    const QString kept = QDir(folder_.path()).canonicalPath() + QStringLiteral("/Kept.sdb");
    EXPECT_TRUE(QFileInfo(kept + QStringLiteral("/spinora.db")).isFile());
    EXPECT_EQ(RecentDocuments().mostRecent(), kept);
    EXPECT_EQ(saveQuestions_, 3);
}

TEST_F(StartupTest, QuittingWritesEveryDocumentOnce)
{
    const QString first = makeCollection(QStringLiteral("QuitA"));
    const QString second = makeCollection(QStringLiteral("QuitB"));
    makeApp();
    ASSERT_TRUE(app_->applicationDidFinishLaunching({first, second}));
    app_->openDocuments()[0]->cacti().front()->setName(QStringLiteral("Quit A"));
    app_->openDocuments()[1]->cacti().back()->setName(QStringLiteral("Quit B"));
    app_->closeDocuments();
    app_->closeDocuments();
    EXPECT_EQ(queryInt(first + "/spinora.db", "SELECT count(*) FROM cactus WHERE name='Quit A'"), 1);
    EXPECT_EQ(queryInt(second + "/spinora.db", "SELECT count(*) FROM cactus WHERE name='Quit B'"), 1);
    // The windows then close without asking anything.
    for (SpinoraDatabase* document : app_->openDocuments())
        EXPECT_TRUE(windowOf(document)->close());
    EXPECT_EQ(saveQuestions_, 0);
}

// A window whose last write fails stays open, says why and offers Save As;
// saving elsewhere keeps the changes. The full disk is a real small tmpfs,
// mounted for the test (skipped without the right to mount).
TEST_F(StartupTest, AFullDiskKeepsTheWindowOpenSaysWhyAndSaveAsKeepsTheChanges)
{
    const SmallDisk disk(folder_.file("disk"), "size=4m");
    if (!disk.mounted())
        GTEST_SKIP() << "no permission to mount a small file system";
    const QString path = folder_.file("disk/Garden.sdb");
    expectOk(newCollection(path, true)->close());
    makeApp();
    ASSERT_TRUE(app_->applicationDidFinishLaunching({path}));
    SpinoraDatabase* document = app_->openDocuments().front();
    Cactus* added = addPlant(*document, "Spike");
    SmallDisk::fill(folder_.file("disk/filler"));
    // A change too big for what is left, in memory as an editor leaves it.
    added->setNotes(QString(300000, QLatin1Char('n')));

    nextSaveAsOfferTaken_ = false;
    EXPECT_FALSE(windowOf(document)->close());
    ASSERT_EQ(saveAsOffers_.size(), 1);
    EXPECT_TRUE(saveAsOffers_[0].contains("could not be written: There is no space left on the disk.")) << saveAsOffers_[0].toStdString();
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

namespace spinora::test {
namespace {

TEST_F(StartupTest, ADamagedCollectionIsOfferedItsNewestSnapshotWhichBringsBackEveryRowAndPhoto)
{
    const QString garden = makeCollection(QStringLiteral("Garden"));
    QStringList offers;
    services_.askAboutDamage = [&](QWidget*, const QString& text, const QString&, bool canRestore, bool canOpenAnyway) {
        offers << QStringLiteral("%1 %2 %3").arg(canRestore).arg(canOpenAnyway).arg(text);
        return ShellServices::DamageAnswer::Restore;
    };
    makeApp();
    SpinoraDatabase* opened = app_->openDocumentWithContentsOfURL(garden);
    ASSERT_TRUE(opened);
    app_->openDocumentWithContentsOfURL(garden); // the first open of the day only
    EXPECT_EQ(BackupSet(garden).list().size(), 1u);
    windowOf(opened)->close();
    settle();
    const QStringList rows = dumpRows(garden + QStringLiteral("/spinora.db"));
    damageTable(garden + QStringLiteral("/spinora.db"), "cactus");

    opened = app_->openDocumentWithContentsOfURL(garden);
    ASSERT_EQ(offers.size(), 1);
    EXPECT_TRUE(offers[0].startsWith(QStringLiteral("1 0 The collection “Garden” is damaged"))) << offers[0].toStdString();
    ASSERT_TRUE(opened);
    EXPECT_EQ(dumpRows(garden + QStringLiteral("/spinora.db")), rows);
    EXPECT_EQ(BackupSet(garden).list().front().damaged, true);
    EXPECT_TRUE(alerts_.isEmpty()) << alerts_.join('\n').toStdString();
}

TEST_F(StartupTest, RestoreFromBackupAsksThenBringsBackTheCollectionAndOpenBackupShowsItReadOnly)
{
    const QString garden = makeCollection(QStringLiteral("Garden"));
    QStringList questions;
    services_.confirm = [&](QWidget*, const QString& text, const QString&, const QString&) {
        questions << text;
        return true;
    };
    makeApp();
    SpinoraDatabase* opened = app_->openDocumentWithContentsOfURL(garden);
    ASSERT_TRUE(opened);
    const QStringList records = dumpCollection(*opened);
    const size_t plants = opened->cacti().size();
    expectOk(opened->removeCactus(opened->cacti().front().get()));

    windowOf(opened)->menuBar()->findChild<QAction*>(QStringLiteral("restoreFromBackupAction"))->trigger();
    auto* backups = windowOf(opened)->findChild<BackupsWindow*>();
    ASSERT_TRUE(backups);
    backups->findChild<QPushButton*>(QStringLiteral("restoreBackup"))->click();
    ASSERT_EQ(questions.size(), 1);
    EXPECT_TRUE(holdsRecords(*opened, records));
    EXPECT_EQ(backups->findChild<QTreeWidget*>()->topLevelItemCount(), 2);

    backups->findChild<QPushButton*>(QStringLiteral("openBackup"))->click(); // the one kept before the restore
    ASSERT_EQ(app_->openDocuments().size(), 2u);
    SpinoraDatabase* kept = app_->openDocuments()[1];
    EXPECT_TRUE(kept->isReadOnly());
    EXPECT_EQ(kept->cacti().size(), plants - 1);
    EXPECT_TRUE(windowOf(kept)->windowTitle().startsWith(QStringLiteral("Garden (read-only)")));
    EXPECT_TRUE(alerts_.isEmpty()) << alerts_.join('\n').toStdString();
}

} // namespace
} // namespace spinora::test
