// The cactus list driven as a user would: row order, search, delete with
// its question, duplicate, thumbnails, print labels.
#include "ViewsTestSupport.h"

#include "AppSettings.h"
#include "CactusViewController.h"
#include "EditorTestSupport.h"
#include "LabelPrintDialog.h"
#include "LogViewController.h"
#include "SPTableCell.h"
#include "ThumbnailCache.h"
#include "UndoActions.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <algorithm>

using namespace spinora;
using namespace spinora::test;

namespace {

QImage threeBands()
{
    // 200 x 100: a blue, a green and a red band; the centre square is all green.
    QImage picture(200, 100, QImage::Format_RGB32);
    picture.fill(QColor(0, 0, 255));
    QPainter painter(&picture);
    painter.fillRect(50, 0, 100, 100, QColor(0, 200, 0));
    painter.fillRect(150, 0, 50, 100, QColor(255, 0, 0));
    return picture;
}

class CactusList : public ViewsFixture {
protected:
    void SetUp() override
    {
        ViewsFixture::SetUp();
        Water* dry = addWater(QStringLiteral("Dry"), day(2026, 5, 1), day(2026, 6, 1)); // due
        Water* later = addWater(QStringLiteral("Later"), day(2026, 6, 10), day(2026, 7, 1)); // not due
        addCactus(QStringLiteral("Zed"), QStringLiteral("Opuntia microdasys"), QStringLiteral("Bunny Ears"), dry);
        alpha_ = addCactus(QStringLiteral("Alpha"), QString(), QStringLiteral("Golden Barrel"), later);
        mid_ = addCactus(QStringLiteral("Mid"), QStringLiteral("Astrophytum asterias"), QString(), later);
        alpha_->setPlantDate(day(2023, 1, 10));
        expectOk(alpha_->save());
        mid_->setDateAcquired(day(2025, 8, 3));
        expectOk(mid_->save());
        addLog(alpha_, QStringLiteral("Repotted"), day(2026, 3, 10));
        flowered_ = addLog(alpha_, QStringLiteral("Flowered"), day(2026, 5, 2));
    }

    Cactus* alpha_ = nullptr;
    Cactus* mid_ = nullptr;
    Log* flowered_ = nullptr;
};

} // namespace

TEST_F(CactusList, RowsInNameOrderThatTheHeaderFlips)
{
    CactusViewController& list = *window().cactusList();
    ASSERT_EQ(firstTexts(list), QStringList({"Alpha", "Mid", "Zed"}));

    // The header flips the order.
    QTest::mouseClick(list.tableView()->header()->viewport(), Qt::LeftButton, {}, QPoint(20, 10));
    EXPECT_EQ(firstTexts(list), QStringList({"Zed", "Mid", "Alpha"}));
    EXPECT_FALSE(document_->sortCactiAscending());
}

// Issue 32: "Next Watering" from the header's menu and "Due" beside the
// search field; the collection's window shows both again when reopened.
TEST_F(CactusList, SortKeyAndDueFilterComeBackWithTheCollection)
{
    QHeaderView* header = window().cactusList()->tableView()->header();
    QTimer::singleShot(0, [] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        menu->actions().at(1)->trigger();
        menu->close();
    });
    emit header->customContextMenuRequested(QPoint(20, 10));
    EXPECT_EQ(firstTexts(*window().cactusList()), QStringList({"Zed", "Alpha", "Mid"}));
    window().dueFilterAction()->trigger();
    for (int open = 0; open < 2; ++open) {
        CactusViewController& list = *window().cactusList();
        EXPECT_EQ(firstTexts(list), QStringList({"Zed"}));
        EXPECT_EQ(list.tableView()->model()->headerData(0, Qt::Horizontal).toString(), "Next Watering");
        reopen();
    }
}

TEST_F(CactusList, TypingSearchesTheShownTextsButOnlyTheFirstLog)
{
    DocumentWindow& w = window();
    CactusViewController& list = *w.cactusList();
    auto search = [&](const QString& text) {
        w.searchField()->clear();
        QTest::keyClicks(w.searchField(), text);
        return firstTexts(list);
    };
    // "Age" is part of the age line: only plants with a plant date.
    EXPECT_EQ(search("aGe"), QStringList({"Alpha"}));
    EXPECT_EQ(search("bunny"), QStringList({"Zed"}));
    EXPECT_EQ(search("astro"), QStringList({"Mid"}));
    EXPECT_EQ(search("acquired"), QStringList({"Mid"}));
    EXPECT_EQ(search("flowered"), QStringList({"Alpha"}));
    // The second log shows in the row but is not searched.
    EXPECT_EQ(search("repotted"), QStringList());
    EXPECT_EQ(search(""), QStringList({"Alpha", "Mid", "Zed"}));

    // Typed while the logs are still read behind the first screen, a text
    // does not wait for them (in a large collection that froze the window
    // for seconds): no plant shows a log line yet, and the list searches
    // again when they come. The window is shown only after the text: its
    // wait for the screen would let the logs arrive first.
    reopen();
    window_ = std::make_unique<DocumentWindow>(*document_);
    ASSERT_TRUE(document_->logsLoadingBehind());
    window_->searchField()->setText(QStringLiteral("flowered"));
    EXPECT_TRUE(document_->logsLoadingBehind());
    window_->show();
    EXPECT_TRUE(QTest::qWaitFor([&] { return firstTexts(*window_->cactusList()) == QStringList{"Alpha"}; }, 5000));
}

TEST_F(CactusList, DeleteFromTheContextMenuActsOnTheClickedRowAlone)
{
    CactusViewController& list = *window().cactusList();
    list.tableView()->clearSelection();
    list.setClickedRow(2);
    list.handleDeleteButton();
    list.setClickedRow(-1);
    QMessageBox* question = list.deleteConfirmation();
    ASSERT_TRUE(question);
    ASSERT_EQ(list.selectedRows().size(), 1u);
    EXPECT_EQ(list.selectedRows()[0]->name(), "Zed");
    QTest::mouseClick(question->findChild<QPushButton*>("Delete"), Qt::LeftButton);
    EXPECT_EQ(firstTexts(list), QStringList({"Alpha", "Mid"}));

    // Nothing selected and no clicked row: nothing is asked.
    list.handleDeleteButton();
    EXPECT_FALSE(list.deleteConfirmation());
}

TEST_F(CactusList, CtrlDDuplicatesPlantsWithPhotosAndLogs)
{
    addPhoto(alpha_, threeBands(), QStringLiteral("Alpha in spring"));
    writeFile(alpha_->images()[0]->originalFile(), "the camera's file");
    addPhoto(flowered_, threeBands());
    DocumentWindow& w = window();
    CactusViewController& list = *w.cactusList();
    list.tableView()->setFocus();
    selectRows(list, {0, 2}); // Alpha and Zed

    QTest::keyClick(&w, Qt::Key_D, Qt::ControlModifier);
    ASSERT_EQ(firstTexts(list), QStringList({"Alpha", "Alpha", "Mid", "Zed", "Zed"}));
    const auto isCopy = [this](const auto& cactus) { return cactus->name() == "Alpha" && cactus.get() != alpha_; };
    const auto found = std::ranges::find_if(document_->cacti(), isCopy);
    ASSERT_NE(found, document_->cacti().end());
    Cactus* copy = found->get();
    EXPECT_EQ(copy->plantDate(), alpha_->plantDate());
    ASSERT_EQ(copy->images().size(), 1u);
    ASSERT_EQ(copy->logs().size(), 2u);
    EXPECT_EQ(copy->logs()[0]->eventName(), "Flowered");
    EXPECT_EQ(copy->logs()[0]->images().size(), 1u);
    // The sources keep what they had (photos, logs).
    EXPECT_EQ(std::make_pair(alpha_->images().size(), alpha_->logs().size()), std::make_pair(size_t(1), size_t(2)));
    // The photo is copied byte for byte: no second compression; its original too.
    EXPECT_EQ(readFile(copy->images()[0]->photoFile()), readFile(alpha_->images()[0]->photoFile()));
    EXPECT_EQ(readFile(copy->images()[0]->originalFile()), "the camera's file");
    EXPECT_NE(copy->images()[0]->photoFile(), alpha_->images()[0]->photoFile());
    const int64_t copyKey = copy->primaryKey();

    SpinoraDatabase* reopened = reopen();
    // Cacti, logs and photos.
    EXPECT_EQ((std::vector{reopened->cacti().size(), reopened->logs().size(), reopened->images().size()}),
              (std::vector<size_t>{5, 4, 4}));
    for (const auto& cactus : reopened->cacti()) {
        if (cactus->primaryKey() != copyKey)
            continue;
        ASSERT_EQ(cactus->images().size(), 1u);
        EXPECT_TRUE(QFile::exists(cactus->images()[0]->photoFile()));
        expectOk(cactus->images()[0]->hydrateCaption());
        EXPECT_EQ(cactus->images()[0]->caption(), "Alpha in spring");
        EXPECT_EQ(cactus->logs().size(), 2u);
        EXPECT_EQ(cactus->water() ? cactus->water()->name() : QString(), "Later");
    }
}

TEST_F(CactusList, ThumbnailsAreNeverDecodedWhilePainting)
{
    addPhoto(mid_, threeBands());
    // Read back from disk, as an opened collection is: nothing decoded yet.
    reopen();
    DocumentWindow& w = window();
    CactusViewController& list = *w.cactusList();
    const QRect row = list.tableView()->visualRect(list.tableView()->model()->index(1, 0));

    // The first paint only asks for the picture.
    const QImage before = list.tableView()->viewport()->grab().toImage();
    EXPECT_EQ(pixelAt(before, row.left() + 60, row.top() + 60).rgb(), SPTableCell::plainBackground().rgb());
    w.thumbnails().waitForPending();
    const QImage after = list.tableView()->viewport()->grab().toImage();
    // The middle of the 200 x 100 picture is green.
    const QColor c = pixelAt(after, row.left() + 60, row.top() + 60);
    EXPECT_GT(c.green(), 150);
    EXPECT_LT(c.red(), 60);
    EXPECT_LT(c.blue(), 60);
}

TEST_F(CactusList, PrintLabelsOffersTheSelectionAndRemembersTheLayoutPerCollection)
{
    CactusViewController& list = *window().cactusList();
    selectRows(list, {0, 2});
    QStringList offered;
    // Notes what the print sheet offers, picks a layout and prints; the
    // platform's print dialog is then cancelled.
    auto answer = [&offered](int layout, bool print) {
        whenModalOpens<LabelPrintDialog>([&offered, layout, print](LabelPrintDialog* sheet) {
            offered << QStringLiteral("%1 | %2 | %3 | %4 labels")
                           .arg(sheet->selectedButton()->text(), sheet->allButton()->text(),
                                QLatin1String(sheet->layout().id))
                           .arg(sheet->sheet().labels().size());
            chooseItem(sheet->layoutChoice(), layout);
            if (!print)
                return sheet->reject();
            whenModalOpens<QPrintDialog>([](QPrintDialog* dialog) { dialog->reject(); });
            click(sheet->printButton());
        });
    };
    answer(1, true);
    QAction* fromMenu = list.contextMenu()->findChild<QAction*>(QStringLiteral("printLabelsAction"));
    ASSERT_NE(fromMenu, nullptr);
    fromMenu->trigger();
    // Kept with the preferences, not in a file of Qt's default organisation.
    EXPECT_TRUE(appSettings()->allKeys().join(' ').contains("Garden.sdb/labelLayout"));
    answer(0, false);
    window().printLabels();
    EXPECT_EQ(offered, QStringList({"Selected cacti (2) | All listed cacti (3) | a4-3x8 | 2 labels",
                                    "Selected cacti (2) | All listed cacti (3) | letter-3x10 | 2 labels"}));
}

// Deleting asks first and takes the plants' logs and photos along; Ctrl+Z
// takes back the delete and an editor's save, and the menu says what.
TEST_F(CactusList, DeleteAsksFirstAndCtrlZTakesItBackAsAnEditorsSave)
{
    const QString photoFile = addPhoto(alpha_, threeBands())->photoFile();
    const QByteArray photoBytes = readFile(photoFile);
    DocumentWindow& w = window();
    CactusViewController& list = *w.cactusList();
    QAction* undo = w.undoActions().undoAction();
    QAction* redo = w.undoActions().redoAction();

    list.tableView()->setFocus();
    selectRows(list, {0, 1});
    QTest::keyClick(list.tableView(), Qt::Key_Delete);
    QMessageBox* question = list.deleteConfirmation();
    ASSERT_TRUE(question);
    EXPECT_EQ(question->defaultButton(), question->findChild<QPushButton*>("Cancel")) << "Return deletes nothing";
    QTest::mouseClick(question->findChild<QPushButton*>("Cancel"), Qt::LeftButton);
    EXPECT_EQ(list.numberOfRows(), 3);
    EXPECT_EQ(document_->logs().size(), 2u);

    QTest::keyClick(list.tableView(), Qt::Key_Delete);
    ASSERT_TRUE(list.deleteConfirmation());
    QTest::mouseClick(list.deleteConfirmation()->findChild<QPushButton*>("Delete"), Qt::LeftButton);
    EXPECT_EQ(firstTexts(list), QStringList({"Zed"}));
    EXPECT_EQ(w.logList()->numberOfRows(), 0);
    EXPECT_FALSE(QFile::exists(photoFile));

    QTest::keyClick(list.tableView(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(firstTexts(list), QStringList({"Alpha", "Mid", "Zed"}));
    EXPECT_EQ(w.logList()->numberOfRows(), 2);
    EXPECT_EQ(readFile(photoFile), photoBytes);
    QTest::keyClick(list.tableView(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(firstTexts(list), QStringList({"Zed"}));
    EXPECT_EQ(w.logList()->numberOfRows(), 0);
    QTest::keyClick(list.tableView(), Qt::Key_Z, Qt::ControlModifier);

    // The editor's OK is one step too.
    whenModalOpens<QDialog>([](QDialog* editor) {
        typeInto(control<QLineEdit>(editor, "nameField"), "Middle");
        click(control<QPushButton>(editor, "okButton"));
    });
    doubleClickRow(list.tableView(), 1);
    EXPECT_EQ(firstTexts(list), QStringList({"Alpha", "Middle", "Zed"}));
    QApplication::setActiveWindow(&w);
    QTest::keyClick(list.tableView(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(firstTexts(list), QStringList({"Alpha", "Mid", "Zed"}));
    // The edit came after the delete was undone: the delete can no longer be redone.
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_EQ(redo->text(), "Redo Edit Cactus");
}
