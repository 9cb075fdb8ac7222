// The log editor: event names, the cactus, notes and the reminder questions,
// with reminders written to a real iCalendar file and read back by libical.
#include "CactusInfoViewController.h"
#include "EditorFixture.h"
#include "EditorTestSupport.h"
#include "IcsReadBack.h"
#include "RecordEditors.h"

#include "CollectionDump.h"
#include "SpinoraDatabase.h"
#include "TestSupport.h"

#include <QComboBox>
#include <QDateTimeEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <gtest/gtest.h>

using namespace spinora;
using namespace spinora::test;

namespace {

// The event editor that the reminder question opens: saved as proposed.
void saveProposedReminder()
{
    whenModalOpens<EventViewController>([](EventViewController* events) {
        click(control<QPushButton>(events, "saveButton"));
    });
}

} // namespace

// Also "a log is saved against the wrong plant": renamed through "Open…", it moved in the list.
TEST(LogEditor, ANewLogWithAReminderReachesTheCalendarOnThePlantRenamedFromIt)
{
    LogFixture f;
    Cactus* astro = f.addPlant(QStringLiteral("Astro"));
    f.addPlant(QStringLiteral("Bishop"));
    const QDate day = QDate::currentDate().addDays(3);
    QString printed;

    whenModalOpens<AddLogInfoViewController>([&](AddLogInfoViewController* editor) {
        editor->setCalendarStore(&f.store);
        auto* ok = control<QPushButton>(editor, "okButton");
        EXPECT_FALSE(ok->isEnabled()) << "no event name yet";
        typeInto(control<QComboBox>(editor, "eventComboBox"), QStringLiteral("Repotted"));
        auto* cacti = control<QComboBox>(editor, "cactusComboBox");
        chooseItem(cacti, cacti->findText(QStringLiteral("Astro")));
        whenModalOpens<CactusInfoViewController>([](CactusInfoViewController* plant) {
            typeInto(control<QLineEdit>(plant, "nameField"), QStringLiteral("Zastro"));
            click(plant->okButton());
        });
        click(control<QPushButton>(editor, "cactusSelectButton"));
        control<QDateTimeEdit>(editor, "dateField")->setDateTime(QDateTime(day, QTime(0, 0)));
        QTest::keyClicks(control<QPlainTextEdit>(editor, "notesView"), QStringLiteral("Into a 10 cm clay pot."));
        answerAlert(QStringLiteral("Add"));
        saveProposedReminder();
        click(control<QPushButton>(editor, "reminderYes"));
        printed = dumpRecord(*editor->getInfo());
        click(ok);
    });
    ASSERT_TRUE(editLog(&f.window, *f.document, nullptr, nullptr));

    ASSERT_EQ(astro->logs().size(), 1u);
    Log* entry = astro->logs().front();
    EXPECT_EQ(dumpRecord(*entry), printed) << "the printed sheet is what OK stored";
    EXPECT_TRUE(entry->reminder());
    ASSERT_FALSE(entry->reminderIdentifier().isEmpty());

    const auto events = readIcs(f.calendarFile(), entry->reminderIdentifier());
    ASSERT_TRUE(events.has_value()) << "libical reads the calendar file";
    ASSERT_EQ(events->size(), 1);
    EXPECT_EQ(std::tuple(events->front().summary, events->front().start, events->front().end),
              std::tuple(QStringLiteral("Repotted Zastro (Cactus)"), QDateTime(day, QTime(7, 0)),
                         QDateTime(day.addDays(1), QTime(7, 0))));

    const QString identifier = entry->reminderIdentifier();
    auto reopened = f.reopen();
    ASSERT_EQ(reopened->logs().size(), 1u);
    Log* stored = reopened->logs().front().get();
    ASSERT_NE(stored->cactus(), nullptr);
    expectOk(stored->hydrate());
    EXPECT_EQ(QStringList({stored->eventName(), stored->reminderIdentifier(), stored->cactus()->name(), stored->notes()}),
              QStringList({"Repotted", identifier, "Zastro", "Into a 10 cm clay pot."}));
    EXPECT_EQ(queryInt(reopened->dbFilename(), QStringLiteral("SELECT count(*) FROM event WHERE name='Repotted'")), 1);
}

TEST(LogEditor, MovingTheDateOfAReminderAsksAndCancelStillSaves)
{
    LogFixture f;
    Cactus* plant = f.addPlant(QStringLiteral("Lobivia"));
    const QDate day = QDate::currentDate().addDays(5);
    CalendarEvent reminder;
    reminder.calendarIdentifier = f.store.defaultCalendarForNewEvents().identifier;
    reminder.title = QStringLiteral("Flowered Lobivia (Cactus)");
    reminder.start = QDateTime(day, QTime(7, 0));
    reminder.end = reminder.start.addDays(1);
    ASSERT_TRUE(f.store.saveEvent(reminder)) << f.store.lastError().toStdString();
    Log* entry = f.addLog(plant, QStringLiteral("Flowered"), 5, reminder.identifier);
    auto editor = f.open(entry);
    control<QDateTimeEdit>(editor.get(), "dateField")->setDateTime(QDateTime(day.addDays(2), QTime(0, 0)));
    QString question;
    answerAlert(QStringLiteral("Cancel"), &question);
    click(control<QPushButton>(editor.get(), "okButton"));
    QTRY_VERIFY_WITH_TIMEOUT(!editor->isVisible(), 5000);

    EXPECT_EQ(question, QStringLiteral("Edit Reminder"));
    EXPECT_EQ(entry->logDate(), fromDateTime(QDateTime(day.addDays(2), QTime(0, 0))));
    EXPECT_EQ(entry->reminderIdentifier(), reminder.identifier);
    const auto events = readIcs(f.calendarFile(), reminder.identifier);
    ASSERT_TRUE(events.has_value());
    ASSERT_EQ(events->size(), 1);
    EXPECT_EQ(events->front().start, QDateTime(day, QTime(7, 0))) << "Cancel leaves the calendar alone";
}

TEST(LogEditor, CancelLeavesTheFileTheRecordAndTheCalendarAsTheyWere)
{
    LogFixture f;
    Cactus* plant = f.addPlant(QStringLiteral("Rebutia"));
    f.addPlant(QStringLiteral("Parodia"));
    f.addLog(plant, QStringLiteral("Flowered"), 4);
    f.reload();
    Log* entry = f.document->logs().front().get();
    const QStringList dumpBefore = dumpCollection(*f.document);
    const TreeSnapshot filesBefore = snapshot(f.path);

    auto editor = f.open(entry);
    typeInto(control<QComboBox>(editor.get(), "eventComboBox"), QStringLiteral("Brand new event"));
    auto* cacti = control<QComboBox>(editor.get(), "cactusComboBox");
    chooseItem(cacti, cacti->findText(QStringLiteral("Parodia")));
    QTest::keyClicks(control<QPlainTextEdit>(editor.get(), "notesView"), QStringLiteral("changed"));
    answerAlert(QStringLiteral("Add"));
    saveProposedReminder();
    click(control<QPushButton>(editor.get(), "reminderYes"));
    ASSERT_TRUE(editor->currentReminderId().has_value());
    const QString madeHere = *editor->currentReminderId();
    click(control<QPushButton>(editor.get(), "cancelButton"));

    EXPECT_EQ(snapshot(f.path), filesBefore);
    EXPECT_TRUE(holdsRecords(*f.document, dumpBefore));
    EXPECT_FALSE(f.store.eventExists(madeHere)) << "the reminder of a cancelled edit leaves the calendar";
}

// "A reminder with no event": Cancel of the question, or of the event editor after OK.
TEST(LogEditor, ACancelledReminderTurnsTheSwitchOffAndIsNotStored)
{
    for (bool afterOk : {false, true}) {
        LogFixture f;
        auto editor = f.open(f.addLog(nullptr, QStringLiteral("Flowered"), 4, afterOk ? QStringLiteral("gone") : QString()));
        answerAlert(QString::fromLatin1(afterOk ? "Add" : "Cancel"));
        if (afterOk) {
            control<QDateTimeEdit>(editor.get(), "dateField")->setDateTime(QDateTime(QDate::currentDate(), QTime(0, 0)));
            whenModalOpens<EventViewController>([](auto* events) { click(control<QPushButton>(events, "cancelButton")); });
        } else {
            click(control<QPushButton>(editor.get(), "reminderYes"));
        }
        click(editor->okButton());
        EXPECT_TRUE(QTest::qWaitFor([&] { return !editor->isVisible(); }));
        EXPECT_TRUE(control<QPushButton>(editor.get(), "reminderNo")->isChecked());
        EXPECT_FALSE(f.reopen()->logs().front()->reminder()) << afterOk;
    }
}
