// The reminder editor driven with clicks and keys on real calendar files,
// read back through libical; run in UTC and in Europe/Berlin.
#include "EventViewController.h"
#include "EditorTestSupport.h"
#include "IcsReadBack.h"
#include "TestSupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace spinora {
namespace {

using test::at;
using test::control;
using test::readFile;
using test::readIcs;
using test::TempFolder;

struct RecordingDelegate : EventViewDelegate {
    QList<std::optional<QString>> updates;
    int cancels = 0;
    void updatedEventWithIdentifier(const std::optional<QString>& identifier) override { updates.append(identifier); }
    void canceledEventEntry() override { ++cancels; }
};

class EventEditorTest : public ::testing::Test {
protected:
    TempFolder folder;
    CalendarStore store{folder.path()};
    RecordingDelegate delegate;
    EventViewController editor{store};

    void SetUp() override { editor.setDelegate(&delegate); }

    QString spinoraFile() const { return folder.file(QStringLiteral("Spinora.ics")); }
    void click(const char* button) { QTest::mouseClick(control<QPushButton>(&editor, button), Qt::LeftButton); }
};

// An empty calendar file of another program, titled `title`.
QByteArray emptyCalendar(const char* title)
{
    return QByteArray("BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//x//EN\r\nX-WR-CALNAME:") + title +
           "\r\nEND:VCALENDAR\r\n";
}

TEST_F(EventEditorTest, ReminderWithAnAlarmAndEditingItAgain)
{
    editor.prepareEventWindow(std::nullopt, QStringLiteral("Flowered (Note)"), at(2026, 8, 10));
    EXPECT_TRUE(control<QLabel>(&editor, "calendarFileLabel")->text().contains(spinoraFile())) << "says where it lives";
    QTest::mouseClick(control<QCheckBox>(&editor, "validAlarm"), Qt::LeftButton);
    control<QDateTimeEdit>(&editor, "alarmDate")->setDateTime(QDateTime(QDate(2026, 8, 10), QTime(6, 30)));
    control<QComboBox>(&editor, "availabilityButton")->setCurrentIndex(1);
    click("saveButton");
    const QString id = *delegate.updates.at(0);
    auto events = readIcs(spinoraFile(), id);
    ASSERT_EQ(events->size(), 1);
    EXPECT_EQ(events->at(0).alarms, QList{QDateTime(QDate(2026, 8, 10), QTime(6, 30))});
    EXPECT_EQ(events->at(0).transp, QStringLiteral("TRANSPARENT"));

    // Opened again with what was saved.
    editor.prepareEventWindow(id, QStringLiteral("ignored"), at(2026, 1, 1));
    EXPECT_TRUE(control<QPushButton>(&editor, "removeButton")->isVisible());
    EXPECT_EQ(control<QLineEdit>(&editor, "title")->text(), QStringLiteral("Flowered (Note)"));
    EXPECT_TRUE(control<QCheckBox>(&editor, "validAlarm")->isChecked());
    EXPECT_EQ(control<QDateTimeEdit>(&editor, "alarmDate")->dateTime(), QDateTime(QDate(2026, 8, 10), QTime(6, 30)));
    EXPECT_EQ(control<QComboBox>(&editor, "availabilityButton")->currentText(), QStringLiteral("Free"));
    // The alarm is turned off and the title typed anew.
    QTest::mouseClick(control<QCheckBox>(&editor, "validAlarm"), Qt::LeftButton);
    QLineEdit* title = control<QLineEdit>(&editor, "title");
    title->selectAll();
    QTest::keyClicks(title, QStringLiteral("Flowered again"));
    QTest::keyClick(title, Qt::Key_Return);
    EXPECT_EQ(delegate.updates, (QList<std::optional<QString>>{id, id})) << "Return saves";
    events = readIcs(spinoraFile());
    ASSERT_EQ(events->size(), 1);
    EXPECT_EQ(events->at(0).summary, QStringLiteral("Flowered again"));
    EXPECT_TRUE(events->at(0).alarms.isEmpty());
}

TEST_F(EventEditorTest, SevenOClockAlsoOnTheDaysTheClocksChangeUnlessItHasPassed)
{
    for (const QDate day : {QDate(2026, 3, 29), QDate(2026, 10, 25)}) {
        const QDateTime start = EventViewController::reminderStart(QDateTime(day, QTime(0, 0)));
        EXPECT_EQ(start, QDateTime(day, QTime(7, 0))) << day.toString().toStdString();
        EXPECT_EQ(EventViewController::reminderEnd(start), QDateTime(day.addDays(1), QTime(7, 0)));
    }
    // A date with a time of day: seven hours later.
    EXPECT_EQ(EventViewController::reminderStart(QDateTime(QDate(2026, 6, 1), QTime(10, 15))),
              QDateTime(QDate(2026, 6, 1), QTime(17, 15)));
    // Past the end of the day: seven hours of real time.
    const QDateTime late(QDate(2026, 6, 1), QTime(20, 0));
    EXPECT_EQ(EventViewController::reminderStart(late), late.addSecs(25200));
    // A log of today made in the evening: the next whole hour, not a 07:00 gone by.
    const QDate today(2026, 12, 8);
    EXPECT_EQ(EventViewController::reminderStart(QDateTime(today, QTime(0, 0)), QDateTime(today, QTime(19, 20))),
              QDateTime(today, QTime(20, 0)));
    EXPECT_EQ(EventViewController::reminderStart(QDateTime(today, QTime(0, 0)), QDateTime(today, QTime(6, 50))),
              QDateTime(today, QTime(7, 0)));
}

// Three calendars titled alike: the one chosen takes the event.
TEST_F(EventEditorTest, TheChosenCalendarTakesTheEventAmongLikeTitledOnes)
{
    for (const char* name : {"a.ics", "b.ics", "c.ics"})
        test::writeFile(folder.file(QLatin1String(name)), emptyCalendar("Home"));
    editor.prepareEventWindow(std::nullopt, QStringLiteral("x"), at(2026, 5, 4));
    control<QComboBox>(&editor, "calendarButton")->setCurrentIndex(2); // Spinora, a, b, c
    click("saveButton");
    EXPECT_EQ(readIcs(folder.file(QStringLiteral("b.ics")))->size(), 1) << "saved into the second Home";
}

TEST_F(EventEditorTest, SentinelAlarmShowsAsNoneAndIsDroppedOnSave)
{
    test::writeFile(spinoraFile(), "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//x//EN\r\nX-WR-CALNAME:Spinora\r\n"
                                   "BEGIN:VEVENT\r\nUID:s-1\r\nDTSTAMP:20260101T000000Z\r\n"
                                   "DTSTART:20260410T050000Z\r\nDTEND:20260411T050000Z\r\nSUMMARY:Old\r\n"
                                   "BEGIN:VALARM\r\nACTION:DISPLAY\r\nDESCRIPTION:x\r\n"
                                   "TRIGGER;VALUE=DATE-TIME:19760401T005545Z\r\nEND:VALARM\r\n"
                                   "END:VEVENT\r\nEND:VCALENDAR\r\n");
    editor.prepareEventWindow(QStringLiteral("s-1"), QString(), at(2026, 4, 10));
    EXPECT_FALSE(control<QCheckBox>(&editor, "validAlarm")->isChecked());
    click("saveButton");
    const auto events = readIcs(spinoraFile());
    ASSERT_EQ(events->size(), 1);
    EXPECT_TRUE(events->at(0).alarms.isEmpty());
}

TEST_F(EventEditorTest, RemovingAnEventDeletedElsewhereClosesAndReportsNone)
{
    // A new event is busy by default.
    editor.prepareEventWindow(std::nullopt, QStringLiteral("Repotted"), at(2026, 5, 4));
    click("saveButton");
    const QString id = *delegate.updates.at(0);
    EXPECT_EQ(readIcs(spinoraFile(), id)->at(0).transp, QStringLiteral("OPAQUE"));
    EXPECT_TRUE(editor.eventExistsInCalendar(id));
    editor.prepareEventWindow(id, QString(), at(2026, 5, 4));
    ASSERT_TRUE(store.removeEvent(id)); // another program deletes it meanwhile
    EXPECT_FALSE(editor.eventExistsInCalendar(id));
    click("removeButton");
    EXPECT_FALSE(editor.isVisible());
    EXPECT_EQ(delegate.updates, (QList<std::optional<QString>>{id, std::nullopt}));

    // An identifier whose event is gone opens as a new event.
    editor.prepareEventWindow(id, QStringLiteral("Fresh"), at(2026, 5, 4));
    EXPECT_FALSE(editor.identifier().has_value());
    click("cancelButton");
    EXPECT_EQ(delegate.cancels, 1);
    EXPECT_TRUE(readIcs(spinoraFile())->isEmpty()) << "Cancel writes nothing";
}

TEST_F(EventEditorTest, StartCannotPassTheEndNorTheEndTheStart)
{
    editor.prepareEventWindow(std::nullopt, QStringLiteral("x"), at(2026, 5, 4));
    QDateTimeEdit* start = control<QDateTimeEdit>(&editor, "startDate");
    QDateTimeEdit* end = control<QDateTimeEdit>(&editor, "endDate");
    const QDateTime startBefore = start->dateTime();
    const QDateTime endBefore = end->dateTime();
    start->setDateTime(endBefore.addSecs(60));
    EXPECT_EQ(start->dateTime(), startBefore);
    end->setDateTime(startBefore.addSecs(-60));
    EXPECT_EQ(end->dateTime(), endBefore);
    // Up to equal is allowed, and a refused start returns to the last one allowed.
    start->setDateTime(endBefore);
    EXPECT_EQ(start->dateTime(), endBefore);
    start->setDateTime(endBefore.addSecs(60));
    EXPECT_EQ(start->dateTime(), endBefore);
    click("cancelButton");
}

TEST_F(EventEditorTest, CalendarThatCannotBeWrittenKeepsTheWindowOpenWithTheReason)
{
    editor.prepareEventWindow(std::nullopt, QStringLiteral("Repotted"), at(2026, 5, 4));
    click("saveButton");
    const QString id = *delegate.updates.at(0);
    const QByteArray broken = readFile(spinoraFile()).replace("END:VEVENT", "END:VEV");
    test::writeFile(spinoraFile(), broken);
    test::writeFile(folder.file(QStringLiteral("home.ics")), emptyCalendar("Home"));

    EventViewController second(store);
    second.setDelegate(&delegate);
    second.prepareEventWindow(id, QStringLiteral("Repotted"), at(2026, 5, 4));
    QLabel* problem = control<QLabel>(&second, "problemLabel");
    EXPECT_TRUE(problem->isVisible());
    EXPECT_TRUE(problem->text().contains(QStringLiteral("Spinora.ics"))) << problem->text().toStdString();
    EXPECT_EQ(control<QComboBox>(&second, "calendarButton")->count(), 1) << "only Home can take events";

    // The event cannot be found (its file is unreadable): saving makes a new
    // one in Home and leaves the broken file alone.
    QTest::mouseClick(control<QPushButton>(&second, "saveButton"), Qt::LeftButton);
    EXPECT_EQ(readFile(spinoraFile()), broken);
    EXPECT_EQ(readIcs(folder.file(QStringLiteral("home.ics")))->size(), 1);

    // A full disk: the window stays open and says why; nothing is reported saved.
    store.setWriteHook([](const QString&) { return false; });
    const QByteArray homeBefore = readFile(folder.file(QStringLiteral("home.ics")));
    const int updates = int(delegate.updates.size());
    second.prepareEventWindow(std::nullopt, QStringLiteral("Another"), at(2026, 6, 4));
    QTest::mouseClick(control<QPushButton>(&second, "saveButton"), Qt::LeftButton);
    EXPECT_TRUE(second.isVisible());
    EXPECT_TRUE(problem->text().contains(QStringLiteral("could not be written"))) << problem->text().toStdString();
    EXPECT_EQ(delegate.updates.size(), updates);
    EXPECT_EQ(readFile(folder.file(QStringLiteral("home.ics"))), homeBefore);
    second.close();
    EXPECT_EQ(delegate.cancels, 1) << "closing the window cancels";
}

} // namespace
} // namespace spinora
