// The import and export sheets, driven offscreen as a user would: a file is
// chosen, the action pressed, the job runs on real files, and the result
// comes back as the alert the user reads.
#include "CsvExport.h"
#include "CsvMappingSheet.h"
#include "DocumentRegistry.h"
#include "EditorTestSupport.h"
#include "ExportReportBrowser.h"
#include "ImportExportBrowser.h"
#include "ProgressWindow.h"

#include "SampleCollection.h"
#include "SpinoraDatabase.h"
#include "SpinoraUtility.h"
#include "SqlConnection.h"
#include "TestSupport.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <gtest/gtest.h>

using namespace spinora;
using namespace spinora::test;

namespace {

using enum ExchangeFunction;

std::unique_ptr<SpinoraDatabase> sampleCollection(const QString& path, int cacti, int photos = 4)
{
    auto document = newCollection(path, true);
    EXPECT_TRUE(SampleCollection::fill(*document, SampleSize{cacti, 3, cacti, photos, 320}).ok());
    return document;
}

// Waits until the sheet's job has ended and its progress window has gone.
bool waitUntilEnded(const TransferSheet& sheet, int milliseconds = 60000)
{
    return waitFor([&sheet] { return !sheet.isRunning(); }, milliseconds);
}

class Sheets : public ::testing::Test {
protected:
    // The sheet of the window that shows `document`.
    void use(SpinoraDatabase& document)
    {
        browser_ = std::make_unique<ImportExportBrowser>(document, nullptr);
        browser_->setAlertFunction([this](QWidget*, const QString& title, const QString& text) {
            alerts_ << title;
            texts_ << text;
        });
    }

    // Chooses the file, presses the action button and returns the title of
    // the one alert, which tells success from failure.
    // With `typed`, the path is typed into the sheet's field instead.
    QString run(ExchangeFunction function, const QString& path, ExchangeType option = kExchangeComplete,
                bool typed = false)
    {
        browser_->prepareImportExportBrowser(function);
        browser_->show();
        browser_->optionButton(option)->click();
        if (typed)
            QTest::keyClicks(browser_->findChild<QLineEdit*>(), path);
        else
            EXPECT_TRUE(browser_->fileChosen(path));
        const qsizetype before = alerts_.size();
        browser_->importExportButton()->click();
        EXPECT_TRUE(waitUntilEnded(*browser_));
        EXPECT_EQ(alerts_.size(), before + 1);
        return alerts_.size() > before ? alerts_.back() : QString();
    }

    TempFolder folder_;
    std::unique_ptr<ImportExportBrowser> browser_;
    QStringList alerts_;
    QStringList texts_;
};

} // namespace

TEST_F(Sheets, EachFunctionReachesItsJobAndReportsInItsAlert)
{
    auto source = sampleCollection(folder_.file("Source.sdb"), 12);
    use(*source);

    // The three exports.
    const QString exported = "Export Complete";
    EXPECT_EQ(run(ExportToSdbi, folder_.file("all.sdbi"), kExchangeComplete), exported);
    EXPECT_EQ(queryInt(folder_.file("all.sdbi"), "SELECT count(*) FROM cactus"), 12);

    EXPECT_EQ(run(ExportToCsv, folder_.file("cacti.csv"), kExchangeCacti), exported);
    EXPECT_TRUE(readFile(folder_.file("cacti.csv")).contains(source->cacti().front()->name().toUtf8()));

    EXPECT_EQ(run(ExportToCollection, folder_.file("Copy.sdb"), kExchangeWatering), exported);
    EXPECT_EQ(queryRows(folder_.file("Copy.sdb/spinora.db"), "SELECT count(*), (SELECT count(*) FROM cactus) FROM watering"),
              QStringList{"3|0"}) << "the option 'Watering Schedules' exports only schedules";

    // The three imports, into another collection.
    auto target = newCollection(folder_.file("Target.sdb"), true);
    use(*target);
    const QString imported = "Import Complete";
    EXPECT_EQ(run(ImportFromSdbi, folder_.file("all.sdbi"), kExchangeCacti), imported);
    EXPECT_EQ(target->cacti().size(), 12u);
    EXPECT_EQ(target->watering().size(), 0u) << "the option 'Cacti' imports only plants";

    EXPECT_EQ(run(ImportFromCollection, folder_.file("Copy.sdb"), kExchangeComplete, true), imported);
    EXPECT_EQ(target->watering().size(), 3u) << "a typed path imports as a browsed one";
    EXPECT_EQ(run(ImportFromCollection, folder_.file("Nowhere.sdb"), kExchangeComplete, true), "WARNING");
    EXPECT_TRUE(texts_.back().contains("Nowhere.sdb")) << "a typed path that leads nowhere is named, nothing imported";
    EXPECT_EQ(target->watering().size(), 3u);

    EXPECT_EQ(run(ImportFromCsv, folder_.file("cacti.csv"), kExchangeComplete), imported);
    EXPECT_GE(target->cacti().size(), 12u);
    expectOk(source->close());
    expectOk(target->close());
}

// A grower's own spreadsheet: its columns are placed in a sheet that shows
// them with their first values, guessed, changed by the user, and kept for
// the next file with the same header line.
TEST_F(Sheets, AGrowersSpreadsheetIsMappedColumnByColumnAndTheChoiceIsKept)
{
    auto target = newCollection(folder_.file("Target.sdb"), true);
    use(*target);
    writeFile(folder_.file("mine.csv"), "Name,Genus,Species,Bench,Price,Photo\n"
                                        "Old Tom,Cephalocereus,senilis,North,\"12.50\",tom.jpg\n"
                                        "Goldie,Echinocactus,grusonii,South,8,goldie.jpg\n");
    const auto mapped = [&](const std::function<void(CsvMappingSheet*)>& choose) {
        whenModalOpens<CsvMappingSheet>([&](CsvMappingSheet* sheet) {
            EXPECT_EQ(sheet->findChild<QTableWidget*>()->item(1, 0)->text(), "Old Tom");
            choose(sheet);
            sheet->grab().save(screenshotFolder() + "/csv-mapping.png");
            sheet->findChild<QPushButton*>("importMappedButton")->click();
        });
        return run(ImportFromCsv, folder_.file("mine.csv"));
    };
    EXPECT_EQ(mapped([](CsvMappingSheet* sheet) {
                  // Guessed: name, genus and species joined, location, price, the photo skipped.
                  const QList<int> guessed{0, 1, 1, 12, 10, -1};
                  for (int column = 0; column < 6; ++column)
                      EXPECT_EQ(sheet->fieldBox(column)->currentData().toInt(), guessed[column]) << column;
                  sheet->fieldBox(3)->setCurrentIndex(sheet->fieldBox(3)->findData(21)); // the bench into the notes
                  sheet->fieldBox(0)->setCurrentIndex(0);
                  EXPECT_FALSE(sheet->findChild<QPushButton*>("importMappedButton")->isEnabled()); // no names
                  sheet->fieldBox(0)->setCurrentIndex(sheet->fieldBox(0)->findData(0));
              }),
              "Import Complete");
    ASSERT_EQ(target->cacti().size(), 2u);
    const auto named = std::find_if(target->cacti().begin(), target->cacti().end(),
                                    [](const auto& cactus) { return cactus->name() == "Old Tom"; });
    ASSERT_NE(named, target->cacti().end());
    Cactus* tom = named->get();
    expectOk(tom->hydrate());
    EXPECT_EQ(tom->scientificName(), "Cephalocereus senilis");
    EXPECT_EQ(tom->purchasePrice(), 12.5);
    // The next file with that header comes with the last choice.
    EXPECT_EQ(mapped([](CsvMappingSheet* sheet) { EXPECT_EQ(sheet->fieldBox(3)->currentData().toInt(), 21); }),
              "Import Complete");
    expectOk(target->close());
}

// The sheet dropped the reason of a failure and an import's warnings.
TEST_F(Sheets, TheAlertSaysWhyAndWhatTheImportBroughtAndCouldNotRead)
{
    auto target = newCollection(folder_.file("Target.sdb"), true);
    use(*target);
    QStringList row(22);
    row[0] = "Priced";
    row[10] = "\"6,9x\"";
    writeFile(folder_.file("prices.csv"), ("Cacti\n" + CsvExport::cactusHeaders().join(',') + "\n" + row.join(',')).toUtf8());
    EXPECT_EQ(run(ImportFromCsv, folder_.file("prices.csv")), "Import Complete");
    EXPECT_EQ(texts_.back(), "Database import complete!\n\nCacti imported: 1\nWatering schedules imported: 0\n"
                             "Logs imported: 0\n\nNot everything could be imported:\n"
                             "Line 3, column 11 (Purchase Price): “6,9x” could not be read and was not imported.");
    writeFile(folder_.file("broken.sdbi"), QByteArray("not a database at all").repeated(100));
    EXPECT_EQ(run(ImportFromSdbi, folder_.file("broken.sdbi")), "Import Error");
    EXPECT_TRUE(texts_.back().endsWith("no changes were made.\n\nThe file could not be opened: file is not a database"))
        << texts_.back().toStdString();
    expectOk(target->close());
}

TEST_F(Sheets, TheOpenCollectionIsRefusedBothWays)
{
    auto open = sampleCollection(folder_.file("Open.sdb"), 3, 0);
    use(*open);

    browser_->prepareImportExportBrowser(ImportFromCollection);
    EXPECT_FALSE(browser_->fileChosen(folder_.file("Open.sdb")));
    // The database file inside the package is the same collection.
    EXPECT_FALSE(browser_->fileChosen(folder_.file("Open.sdb/spinora.db")));
    // A folder that is no collection is refused too.
    QDir().mkpath(folder_.file("Plain"));
    EXPECT_FALSE(browser_->fileChosen(folder_.file("Plain")));
    EXPECT_EQ(alerts_.size(), 3);

    for (ExchangeFunction function : {ExportToSdbi, ExportToCollection, ExportToCsv}) {
        browser_->prepareImportExportBrowser(function);
        const QString into = function == ExportToCollection ? folder_.file("Open.sdb") : folder_.file("Open.sdb/x.csv");
        EXPECT_FALSE(browser_->fileChosen(into)) << int(function);
    }
    EXPECT_EQ(alerts_.size(), 6);
}

TEST_F(Sheets, AfterCancelTheProgressWindowStaysUntilTheImportHasStoppedAndNoAlertFollows)
{
    {
        auto big = sampleCollection(folder_.file("Big.sdb"), 40, 10);
        use(*big);
        run(ExportToSdbi, folder_.file("big.sdbi"));
        expectOk(big->close());
    }
    alerts_.clear();
    auto target = sampleCollection(folder_.file("Target.sdb"), 4, 0);
    use(*target);
    browser_->prepareImportExportBrowser(ImportFromSdbi);
    browser_->show();
    ASSERT_TRUE(browser_->fileChosen(folder_.file("big.sdbi")));

    // Another program holds the collection's write lock: the import waits
    // for it, so the Cancel surely comes while the job still runs.
    QString error;
    auto holder = Connection::open(folder_.file("Target.sdb/spinora.db"), Connection::Mode::ReadWrite, &error);
    ASSERT_TRUE(holder && holder->execute("BEGIN IMMEDIATE")) << error.toStdString();
    browser_->importExportButton()->click();
    ProgressWindow* window = browser_->progressWindow();
    ASSERT_TRUE(window && window->isVisible());
    for (QPushButton* button : window->findChildren<QPushButton*>()) {
        if (button->text() == "Cancel")
            QTest::mouseClick(button, Qt::LeftButton);
    }
    QTest::qWait(300);
    EXPECT_TRUE(window->isVisible()) << "the window stays while the job still runs";
    EXPECT_TRUE(window->isStopping());
    EXPECT_TRUE(browser_->isRunning());
    ASSERT_TRUE(holder->execute("ROLLBACK"));
    ASSERT_TRUE(waitUntilEnded(*browser_));
    QApplication::processEvents();
    EXPECT_TRUE(alerts_.empty()) << alerts_.front().toStdString();
}

// A sheet closed while its job runs: the job ends on its own and its result
// reaches nothing (under ThreadSanitizer: and nothing of it races).
TEST(JobRunner, AReceiverDestroyedWhileItsJobRunsGetsNoResult)
{
    auto receiver = std::make_unique<QObject>();
    bool delivered = false;
    auto untilCancelled = [](JobContext& job) {
        while (!job.cancelRequested())
            QThread::msleep(1);
        return true;
    };
    auto job = JobRunner::start<bool>(receiver.get(), untilCancelled, [&delivered](bool&) { delivered = true; });
    receiver.reset();
    job.context()->cancel();
    JobRunner::waitForAll();
    QTest::qWait(20);
    EXPECT_FALSE(delivered);
}

TEST(ReportSheet, EmptyFileNameWritesTheDefaultReportAndAMissingFolderFails)
{
    TempFolder folder;
    auto document = sampleCollection(folder.file("R.sdb"), 6);
    QStringList alerts; // the alerts' titles
    ExportReportBrowser sheet(*document, nullptr);
    sheet.setAlertFunction([&](QWidget*, const QString& title, const QString&) { alerts << title; });
    // The sheet shown afresh, a folder chosen and Export pressed.
    const auto exportInto = [&sheet](const QString& path, const QString& name) {
        sheet.prepareBrowser();
        sheet.folderChosen(path);
        sheet.filenameTextField()->setText(name);
        sheet.show();
        sheet.exportButton()->click();
    };
    QDir().mkpath(folder.file("out"));
    sheet.prepareBrowser();
    sheet.optionButton(2)->click();
    EXPECT_EQ(sheet.typeSelection(), 2);
    exportInto(folder.file("out"), "");
    ASSERT_TRUE(waitUntilEnded(sheet));
    const QString done = "Export Complete";
    ASSERT_EQ(alerts, QStringList{done});
    EXPECT_TRUE(QFileInfo::exists(folder.file("out/spinora_report.html")));

    // The same report again: replaced only when the user says so.
    QStringList questions;
    bool answer = false;
    sheet.setConfirmFunction([&](QWidget*, const QString&, const QString& text) {
        questions << text;
        return answer;
    });
    exportInto(folder.file("out"), "");
    ASSERT_EQ(questions.size(), 1);
    EXPECT_EQ(alerts.size(), 1) << "declining starts nothing";
    answer = true;
    sheet.exportButton()->click();
    ASSERT_TRUE(waitUntilEnded(sheet));
    ASSERT_EQ(alerts, (QStringList{done, done}));
    alerts.removeLast();

    // A report into a folder that cannot be written fails with the report's error.
    exportInto(folder.file("missing/deeper"), "r.html");
    ASSERT_TRUE(waitUntilEnded(sheet));
    EXPECT_EQ(alerts, (QStringList{done, "Export Error"}));
    expectOk(document->close());
}

// After File > Import From in one collection, File > New, then Import From
// in the new one, the one shared sheet opened behind the new window and
// blocked the whole application.
TEST(SheetEntryPoints, EachWindowHasItsOwnSheetsModalToItAlone)
{
    TempFolder folder;
    auto first = newCollection(folder.file("First.sdb"), true);
    auto second = newCollection(folder.file("Second.sdb"), true);
    QWidget firstWindow, secondWindow;
    firstWindow.show();
    secondWindow.show();
    DocumentRegistry& documents = SpinoraUtility::sharedManager().documents();

    documents.registerAsMainDocument(first.get());
    presentImportExportBrowser(&firstWindow, ImportFromSdbi);
    documents.registerAsMainDocument(second.get());
    presentImportExportBrowser(&secondWindow, ImportFromCollection);
    presentExportReportBrowser(&secondWindow);

    auto* firstSheet = firstWindow.findChild<ImportExportBrowser*>();
    auto* secondSheet = secondWindow.findChild<ImportExportBrowser*>();
    ASSERT_TRUE(firstSheet && secondSheet);
    EXPECT_NE(firstSheet, secondSheet);
    EXPECT_EQ(&firstSheet->document(), first.get());
    EXPECT_EQ(&secondSheet->document(), second.get());
    for (QDialog* sheet : {static_cast<QDialog*>(firstSheet), static_cast<QDialog*>(secondSheet),
                           static_cast<QDialog*>(secondWindow.findChild<ExportReportBrowser*>())}) {
        ASSERT_TRUE(sheet);
        EXPECT_EQ(sheet->windowModality(), Qt::WindowModal) << sheet->windowTitle().toStdString();
    }
    EXPECT_TRUE(firstSheet->isVisible());
    EXPECT_EQ(firstSheet->windowTitle(), "Import From SDBI");
    EXPECT_EQ(secondSheet->windowTitle(), "Import From Spinora Database");
    documents.registerAsMainDocument(nullptr);
}
