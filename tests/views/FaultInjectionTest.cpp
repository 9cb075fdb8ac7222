// Each action a user starts, failed at each of its write points in turn: an
// I/O error at that point alone, and a disk that is full from that point on.
// After each run the collection on disk is exactly as it was, or the action is
// done whole; the window still shows what the file holds; the program goes on;
// and a failure was told once. Done or not, each list reloaded its rows at
// most once for it.
#include "CactusInfoViewController.h"
#include "CactusViewController.h"
#include "CollectionDump.h"
#include "CsvExport.h"
#include "DueRules.h"
#include "EditorTestSupport.h"
#include "ExportJob.h"
#include "FaultInjection.h"
#include "FileHelpers.h"
#include "ImportJob.h"
#include "LogViewController.h"
#include "MarkAsWateredSheet.h"
#include "PhotoGridViewController.h"
#include "SampleCollection.h"
#include "TestSupport.h"
#include "UndoActions.h"
#include "UndoHistory.h"
#include "ViewsTestSupport.h"
#include "WaterViewController.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>

namespace spinora::test {
namespace {

struct DiskState {
    QStringList rows;
    QMap<QString, QByteArray> photos;
    bool operator==(const DiskState&) const = default;
};

class FaultInjectionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // Mark as Watered stamps the moment: every run must stamp the same.
        Clock::setFixedNow(fromDateTime(QDateTime(QDate(2026, 6, 10), QTime(8, 30))));
        auto document = newCollection(original_);
        expectOk(SampleCollection::fill(*document, SampleSize{4, 2, 5, 3, 64}));
        expectOk(document->close());
        writeFile(picture_, jpegBytes(gradientImage(120, 90)));
        // What the imports bring: a copy of the sample, as a file of each kind.
        for (const QString& file : {sdbi_, csv_}) {
            auto source = openCollection(original_);
            const Result<ExportRequest> request = ExportJob::prepare(*source, file, 0, true);
            JobContext context;
            ASSERT_TRUE(request.ok() && ExportJob::run(*request, context) == kJobFinished);
            expectOk(source->close());
        }
    }

    // A fresh copy of the collection, open in its window.
    void open()
    {
        window_.reset();
        if (document_)
            expectOk(document_->close());
        document_.reset();
        ASSERT_TRUE(FileHelpers::removeFileIfExists(path_) && FileHelpers::copyFolder(original_, path_));
        document_ = openCollection(path_);
        window_ = std::make_unique<DocumentWindow>(*document_);
        window_->show();
        // The logs read behind arrive now, not in the middle of an action
        // (their arrival is a change of its own).
        document_->finishLoading();
        for (ManagingViewController* list : lists())
            QObject::connect(list->tableView()->model(), &QAbstractItemModel::modelReset, [this, list] { ++reloads_[list]; });
    }
    std::vector<ManagingViewController*> lists() const
    {
        return {window_->cactusList(), window_->waterList(), window_->logList()};
    }
    // Each list reloaded its rows at most once; answers how many did.
    int listsReloadedOnce(const std::string& where)
    {
        int reloaded = 0;
        for (const auto& [list, count] : reloads_) {
            EXPECT_LE(count, 1) << where << ": " << list->objectName().toStdString();
            reloaded += count;
        }
        reloads_.clear();
        return reloaded;
    }

    void TearDown() override { Clock::clearFixedNow(); }

    DiskState disk() const { return {dumpRows(path_ + QStringLiteral("/spinora.db")), photoFiles(path_)}; }

    // Runs `action` once to count its write points, then once per point and
    // kind of failure. `prepare` runs first each time, with nothing failing.
    void everyWritePoint(const char* name, const std::function<void()>& action,
                         const std::function<void()>& prepare = [] {})
    {
        open();
        prepare();
        reloads_.clear();
        injection_.arm(0, FaultInjection::Kind::IoError);
        action();
        injection_.disarm();
        EXPECT_GE(listsReloadedOnce(name), 1) << name;
        const int points = injection_.points();
        const DiskState done = disk();
        ASSERT_GT(points, 0) << name;
        for (FaultInjection::Kind kind : {FaultInjection::Kind::IoError, FaultInjection::Kind::DiskFull}) {
            for (int n = 1; n <= points; ++n) {
                open();
                prepare();
                const DiskState before = disk();
                const UndoHistory& history = *document_->undoHistory();
                const QStringList steps = {history.undoTitle(), history.redoTitle()};
                edgeAlerts().clear();
                reloads_.clear();
                injection_.arm(n, kind);
                action();
                injection_.disarm();

                const std::string where = std::string(name) + " failing at write " + std::to_string(n) +
                                          (kind == FaultInjection::Kind::DiskFull ? " of a full disk" : "");
                const DiskState after = disk();
                const bool undone = after == before;
                EXPECT_TRUE(undone || after == done) << where << dumpDifference(before.rows, after.rows);
                EXPECT_EQ(edgeAlerts().size(), undone ? 1 : 0) << where << edgeAlerts().join('\n').toStdString();
                EXPECT_TRUE(window_->isVisible()) << where;
                listsReloadedOnce(where);
                // A failed action leaves no step, and takes none.
                EXPECT_TRUE(!undone || QStringList({history.undoTitle(), history.redoTitle()}) == steps) << where;
                // Memory holds what the file holds: closing writes nothing,
                // and the collection read again reads the same.
                const QStringList shown = dumpCollection(*document_);
                window_.reset();
                expectOk(document_->close());
                document_.reset();
                EXPECT_EQ(disk(), after) << where;
                auto reread = openCollection(path_);
                EXPECT_EQ(dumpCollection(*reread), shown) << where << dumpDifference(shown, dumpCollection(*reread));
                expectOk(reread->close());
                ++runs_;
            }
        }
        std::printf("%s: %d write points\n", name, points);
        points_ += points;
    }

    Cactus* firstPlant() { return document_->displayedCacti().front(); }
    void selectFirstRow(ManagingViewController& list, int row = 0)
    {
        list.tableView()->setCurrentIndex(list.tableView()->model()->index(row, 0));
        selectRows(list, {row});
    }
    // The row of the first plant with photos: deleting it moves its files aside.
    int photographedRow()
    {
        const auto& shown = document_->displayedCacti();
        return int(std::find_if(shown.begin(), shown.end(), [](Cactus* c) { return !c->images().empty(); }) -
                   shown.begin());
    }

    TempFolder folder_;
    QString original_ = folder_.file(QStringLiteral("Original.sdb"));
    QString path_ = folder_.file(QStringLiteral("Garden.sdb"));
    QString picture_ = folder_.file(QStringLiteral("new.jpg"));
    QString sdbi_ = folder_.file(QStringLiteral("sample.sdbi"));
    QString csv_ = folder_.file(QStringLiteral("sample.csv"));
    std::unique_ptr<SpinoraDatabase> document_;
    std::unique_ptr<DocumentWindow> window_;
    FaultInjection injection_;
    std::map<ManagingViewController*, int> reloads_;
    int points_ = 0;
    int runs_ = 0;
};

TEST_F(FaultInjectionTest, EveryWritePointOfEveryActionFailsSafely)
{
    std::unique_ptr<CactusInfoViewController> editor;
    everyWritePoint(
        "editor OK with a new photo",
        [&] {
            click(editor->okButton());
            // A failed OK leaves the sheet open with what was typed.
            if (!edgeAlerts().isEmpty()) {
                EXPECT_TRUE(editor->isVisible());
                EXPECT_EQ(control<QLineEdit>(editor.get(), "nameField")->text(), "Renamed");
            }
            editor.reset();
        },
        [&] {
            editor = std::make_unique<CactusInfoViewController>(*document_, nullptr);
            ASSERT_TRUE(editor->prepareView(firstPlant()));
            editor->show();
            typeInto(control<QLineEdit>(editor.get(), "nameField"), QStringLiteral("Renamed"));
            editor->photos().grid()->addPhotosWithPaths({picture_});
            ASSERT_TRUE(editor->photos().grid()->waitForImageSave());
        });
    const auto deleteAPlant = [&] {
        CactusViewController& list = *window_->cactusList();
        selectFirstRow(list, photographedRow());
        list.handleDeleteButton();
        click(list.deleteConfirmation()->findChild<QPushButton*>(QStringLiteral("Delete")));
    };
    everyWritePoint("Delete", deleteAPlant);
    everyWritePoint("Duplicate", [&] {
        selectFirstRow(*window_->cactusList());
        window_->cactusList()->handleDuplicate();
    });
    everyWritePoint("Mark as Watered", [&] {
        whenModalOpens<MarkAsWateredSheet>([](MarkAsWateredSheet* sheet) { sheet->accept(); });
        selectFirstRow(*window_->cactusList());
        window_->markAsWatered();
    });
    everyWritePoint("Undo", [&] { window_->findChild<UndoActions*>()->undo(); }, deleteAPlant);
    everyWritePoint(
        "Redo", [&] { window_->findChild<UndoActions*>()->redo(); },
        [&] {
            deleteAPlant();
            window_->findChild<UndoActions*>()->undo();
        });
    for (const QString& file : {sdbi_, csv_}) {
        everyWritePoint(file == csv_ ? "CSV import" : "import", [&] {
            // As the import sheet does it, and tells what the job says.
            Result<ImportRequest> request = ImportJob::prepare(*document_, file, 0, false);
            ImportJob::Outcome outcome;
            if (request) {
                JobContext context;
                outcome = ImportJob::run(*request, context);
                ImportJob::adopt(*document_, outcome);
            }
            if (!request || outcome.status != kJobFinished)
                edgeAlerts() << (request ? outcome.error : request.failure().reason());
        });
    }
    std::printf("%d write points, %d failing runs\n", points_, runs_);
}

// The daily reminder reads a collection that a crash left half changed: its
// read-only open first undoes the change from the journal, which writes.
// Failing there, the morning's read fails in words; the next one reads the
// collection as it was before the crash.
TEST_F(FaultInjectionTest, TheDailyDueAfterACrashFailsSafelyAtEveryWritePoint)
{
    const QString writerCopy = folder_.file(QStringLiteral("Writer.sdb"));
    ASSERT_TRUE(FileHelpers::copyFolder(original_, writerCopy));
    QString error;
    auto writer = Connection::open(writerCopy + QStringLiteral("/spinora.db"), Connection::Mode::ReadWrite, &error);
    // A small cache puts changed pages into the file before the commit that never comes.
    ASSERT_TRUE(writer && writer->execute("PRAGMA cache_size=1; BEGIN; UPDATE log SET notes = hex(randomblob(3000))"));
    const auto crash = [&] {
        ASSERT_TRUE(FileHelpers::removeFileIfExists(path_) && QDir().mkpath(path_));
        for (const QString& name : QDir(writerCopy).entryList(QDir::Files))
            ASSERT_TRUE(QFile::copy(writerCopy + QLatin1Char('/') + name, path_ + QLatin1Char('/') + name));
        ASSERT_TRUE(QFileInfo::exists(path_ + QStringLiteral("/spinora.db-journal")));
    };
    // As `spinora-cli due` reads it; the due plants, or the words of the failure.
    const auto due = [&]() -> QString {
        SpinoraDatabase reader(path_);
        reader.setReadOnly(true);
        if (Result<> opened = reader.readFromURL(path_); !opened)
            return opened.failure().reason();
        reader.finishLoading();
        const DueItems items = dueBy(reader, due::endOfDay(QDate(2030, 1, 1)));
        expectOk(reader.close());
        return QStringLiteral("%1 due").arg(items.watering.size());
    };
    const DiskState before = {dumpRows(original_ + QStringLiteral("/spinora.db")), photoFiles(original_)};
    crash();
    injection_.arm(0, FaultInjection::Kind::IoError);
    const QString read = due();
    injection_.disarm();
    const int points = injection_.points();
    ASSERT_GT(points, 0);
    ASSERT_TRUE(read.endsWith(" due")) << read.toStdString();
    for (FaultInjection::Kind kind : {FaultInjection::Kind::IoError, FaultInjection::Kind::DiskFull}) {
        for (int n = 1; n <= points; ++n) {
            crash();
            injection_.arm(n, kind);
            const QString failed = due();
            injection_.disarm();
            const std::string where = "due failing at write " + std::to_string(n) +
                                      (kind == FaultInjection::Kind::DiskFull ? " of a full disk" : "");
            EXPECT_TRUE(failed == read || failed.contains(QStringLiteral("could not be opened"))) << where << ": "
                                                                                                 << failed.toStdString();
            EXPECT_EQ(due(), read) << where;
            EXPECT_EQ(disk(), before) << where;
        }
    }
    std::printf("due after a crash: %d write points\n", points);
}

} // namespace
} // namespace spinora::test
