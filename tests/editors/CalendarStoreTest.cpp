// The calendar store on real iCalendar files: what it writes is read back
// through libical as another calendar program would; files changed or broken
// by other programs are never overwritten blindly; writes are all or nothing.
#include "CalendarStore.h"
#include "IcsReadBack.h"
#include "SmallDisk.h"
#include "TestSupport.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace spinora {
namespace {

using test::readFile;
using test::icsSummaries;
using test::readIcs;
using test::TempFolder;

CalendarEvent reminder(const QString& title, const QDateTime& start)
{
    CalendarEvent event;
    event.title = title;
    event.start = start;
    event.end = start.addDays(1);
    return event;
}

QString defaultFile(const CalendarStore& store)
{
    return store.folder() + QStringLiteral("/Spinora.ics");
}

// A calendar folder of its own for each test; the store reads it lazily, so
// a test can put other programs' files there first.
class CalendarStoreTest : public ::testing::Test {
protected:
    TempFolder folder;
    CalendarStore store{folder.path()};
};

QStringList leftovers(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden).filter(QStringLiteral(".ics."));
}

const char* const kForeignCalendar = "BEGIN:VCALENDAR\r\n"
                                     "VERSION:2.0\r\n"
                                     "PRODID:-//Other//Other//EN\r\n"
                                     "X-WR-CALNAME:%1\r\n"
                                     "BEGIN:VEVENT\r\n"
                                     "UID:%2\r\n"
                                     "DTSTAMP:20260101T000000Z\r\n"
                                     "DTSTART:20260410T090000Z\r\n"
                                     "DTEND:20260410T100000Z\r\n"
                                     "SUMMARY:Dentist\r\n"
                                     "LOCATION:Main Street 5\r\n"
                                     "END:VEVENT\r\n"
                                     "END:VCALENDAR\r\n";

QByteArray foreignCalendar(const QString& title, const QString& uid)
{
    return QString::fromLatin1(kForeignCalendar).arg(title, uid).toUtf8();
}

TEST_F(CalendarStoreTest, SavedEventReadsBackThroughLibicalAndKeepsItsIdentifier)
{
    const QDateTime start(QDate(2026, 5, 4), QTime(7, 0));
    CalendarEvent event = reminder(QStringLiteral("Repotted Astro (Cactus)"), start);
    event.alarms = {start.addSecs(-3600)};
    event.availability = CalendarEvent::Free;
    ASSERT_TRUE(store.saveEvent(event)) << store.lastError().toStdString();
    ASSERT_FALSE(event.identifier.isEmpty());
    const QString id = event.identifier;

    auto events = readIcs(defaultFile(store), id);
    ASSERT_TRUE(events.has_value());
    ASSERT_EQ(events->size(), 1);
    const test::IcsEvent& saved = events->at(0);
    EXPECT_EQ(std::tuple(saved.summary, saved.start, saved.end, saved.transp, saved.alarms),
              std::tuple(QStringLiteral("Repotted Astro (Cactus)"), start, start.addDays(1), QStringLiteral("TRANSPARENT"),
                         QList{start.addSecs(-3600)}));

    // A second store (the next session) finds it under the same identifier;
    // changing it keeps the identifier and leaves one event.
    CalendarStore later(folder.path());
    auto found = later.eventWithIdentifier(id);
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(std::pair(found->start, found->availability), std::pair(start, CalendarEvent::Free));
    found->title = QStringLiteral("Flowered Astro (Cactus)");
    found->alarms.clear();
    ASSERT_TRUE(later.saveEvent(*found));
    EXPECT_EQ(found->identifier, id);
    events = readIcs(defaultFile(store));
    ASSERT_EQ(events->size(), 1);
    EXPECT_EQ(events->at(0).summary, QStringLiteral("Flowered Astro (Cactus)"));
    EXPECT_TRUE(events->at(0).alarms.isEmpty());

    ASSERT_TRUE(later.removeEvent(id));
    EXPECT_FALSE(later.eventExists(id));
    EXPECT_TRUE(readIcs(defaultFile(store))->isEmpty());
    EXPECT_TRUE(leftovers(folder.path()).isEmpty());
}

TEST_F(CalendarStoreTest, AllDayEventsUseDatesAndEndTheDayAfter)
{
    CalendarEvent event = reminder(QStringLiteral("Winter rest"), QDateTime(QDate(2026, 11, 1), QTime(7, 0)));
    event.allDay = true;
    ASSERT_TRUE(store.saveEvent(event));
    const QByteArray text = readFile(defaultFile(store));
    EXPECT_TRUE(text.contains("DTSTART;VALUE=DATE:20261101")) << text.toStdString();
    EXPECT_TRUE(text.contains("DTEND;VALUE=DATE:20261103")) << "07:00 to 07:00 next day covers two dates";
    auto back = store.eventWithIdentifier(event.identifier);
    ASSERT_TRUE(back);
    EXPECT_EQ(std::pair(back->allDay, back->start), std::pair(true, QDateTime(QDate(2026, 11, 1), QTime(0, 0))));
}

TEST_F(CalendarStoreTest, EventMovesBetweenCalendarsWithItsIdentifier)
{
    test::writeFile(folder.file(QStringLiteral("home.ics")), foreignCalendar(QStringLiteral("Home"), "dentist-1"));
    CalendarEvent event = reminder(QStringLiteral("Repotted"), QDateTime(QDate(2026, 6, 1), QTime(7, 0)));
    ASSERT_TRUE(store.saveEvent(event));
    event.calendarIdentifier = QStringLiteral("home.ics");
    ASSERT_TRUE(store.saveEvent(event));
    EXPECT_TRUE(readIcs(defaultFile(store))->isEmpty());
    const auto home = readIcs(folder.file(QStringLiteral("home.ics")));
    ASSERT_EQ(home->size(), 2);
    EXPECT_EQ(store.eventWithIdentifier(event.identifier)->calendarIdentifier, QStringLiteral("home.ics"));
}

TEST_F(CalendarStoreTest, FileChangedByAnotherProgramIsReadAgainBeforeWriting)
{
    CalendarEvent ours = reminder(QStringLiteral("Repotted"), QDateTime(QDate(2026, 6, 1), QTime(7, 0)));
    ASSERT_TRUE(store.saveEvent(ours));
    ASSERT_TRUE(store.eventExists(ours.identifier)); // read and cached

    // Another program adds an event and puts a location on ours, within
    // the same second.
    QByteArray text = readFile(defaultFile(store));
    const QByteArray foreignEvent = "BEGIN:VEVENT\r\nUID:other-program-1\r\nDTSTAMP:20260101T000000Z\r\n"
                                    "DTSTART:20260701T080000Z\r\nDTEND:20260701T090000Z\r\nSUMMARY:Holiday\r\n"
                                    "END:VEVENT\r\n";
    text.replace("END:VCALENDAR", foreignEvent + "END:VCALENDAR");
    text.replace("SUMMARY:Repotted", "SUMMARY:Repotted\r\nLOCATION:Greenhouse");
    test::writeFile(defaultFile(store), text);

    ours.title = QStringLiteral("Repotted again");
    ASSERT_TRUE(store.saveEvent(ours)) << store.lastError().toStdString();
    ASSERT_EQ(icsSummaries(defaultFile(store)), QStringList({"Holiday", "Repotted again"})) << "the other program's event is kept";
    EXPECT_EQ(readIcs(defaultFile(store), ours.identifier)->value(0).location, QStringLiteral("Greenhouse"))
        << "what the other program added to ours stays";
}

TEST_F(CalendarStoreTest, ChangeDuringTheWriteIsAppliedToTheNewerFile)
{
    CalendarEvent ours = reminder(QStringLiteral("Repotted"), QDateTime(QDate(2026, 6, 1), QTime(7, 0)));
    ASSERT_TRUE(store.saveEvent(ours));
    int calls = 0;
    // Between our read and our rename another program writes the file once.
    store.setWriteHook([&](const QString&) {
        if (++calls == 1)
            test::writeFile(defaultFile(store), foreignCalendar(QStringLiteral("Spinora"), "late-writer"));
        return true;
    });
    CalendarEvent second = reminder(QStringLiteral("Flowered"), QDateTime(QDate(2026, 7, 1), QTime(7, 0)));
    ASSERT_TRUE(store.saveEvent(second)) << store.lastError().toStdString();
    EXPECT_EQ(calls, 2) << "written a second time on top of the newer content";
    EXPECT_EQ(icsSummaries(defaultFile(store)), QStringList({"Dentist", "Flowered"}))
        << "the late writer's file wins over our older read; our new event is added to it";
    EXPECT_TRUE(leftovers(folder.path()).isEmpty());
}

TEST_F(CalendarStoreTest, BrokenFileIsReportedAndLeftAsItWas)
{
    const QString broken = folder.file(QStringLiteral("garden.ics"));
    // A calendar another program left half-written.
    const QByteArray half = foreignCalendar(QStringLiteral("Garden"), "g-1").left(150);
    test::writeFile(broken, half);
    const QString junk = folder.file(QStringLiteral("junk.ics"));
    test::writeFile(junk, "this is not a calendar\n");
    const QList<CalendarInfo> calendars = store.calendars();
    ASSERT_EQ(calendars.size(), 1) << "only the default can take events";
    ASSERT_EQ(store.problems().size(), 2);
    EXPECT_TRUE(store.problems().join(' ').contains(QStringLiteral("garden.ics")));
    EXPECT_TRUE(store.problems().join(' ').contains(QStringLiteral("junk.ics")));

    CalendarEvent event = reminder(QStringLiteral("Repotted"), QDateTime(QDate(2026, 6, 1), QTime(7, 0)));
    event.calendarIdentifier = QStringLiteral("garden.ics");
    EXPECT_FALSE(store.saveEvent(event));
    EXPECT_FALSE(store.lastError().isEmpty());
    EXPECT_EQ(readFile(broken), half);

    // Our own calendar broken by someone after we read it: refused, untouched.
    event.calendarIdentifier.clear();
    ASSERT_TRUE(store.saveEvent(event));
    const QByteArray mangled = readFile(defaultFile(store)).replace("END:VEVENT", "END:VEVE");
    test::writeFile(defaultFile(store), mangled);
    event.title = QStringLiteral("Changed");
    EXPECT_FALSE(store.saveEvent(event));
    EXPECT_TRUE(store.lastError().contains(QStringLiteral("Spinora.ics"))) << store.lastError().toStdString();
    EXPECT_EQ(readFile(defaultFile(store)), mangled);
    EXPECT_FALSE(store.removeEvent(event.identifier));
    EXPECT_EQ(readFile(defaultFile(store)), mangled);
}

// A write that fails leaves the old file whole and no temporary file beside
// it: a hook that says the disk is full, and a real full file system, a
// 64 KiB tmpfs (which needs the right to mount).
class FailedCalendarWrite : public CalendarStoreTest, public ::testing::WithParamInterface<bool> {};

TEST_P(FailedCalendarWrite, LeavesTheOldFileWholeAndNoTemporaryFile)
{
    const bool realDisk = GetParam();
    std::optional<test::SmallDisk> disk;
    if (realDisk && !disk.emplace(folder.path(), "size=64k").mounted())
        GTEST_SKIP() << "no permission to mount a small file system";

    CalendarEvent first = reminder(QStringLiteral("Repotted"), QDateTime(QDate(2026, 6, 1), QTime(7, 0)));
    ASSERT_TRUE(store.saveEvent(first));
    if (realDisk) {
        // Fill the disk: not even a copy of the calendar fits.
        test::SmallDisk::fill(folder.file(QStringLiteral("filler")));
    } else {
        store.setWriteHook([](const QString&) { return false; });
    }
    const QByteArray before = readFile(defaultFile(store));
    CalendarEvent second = reminder(QString(300, QLatin1Char('a')), QDateTime(QDate(2026, 7, 1), QTime(7, 0)));
    EXPECT_FALSE(store.saveEvent(second));
    EXPECT_TRUE(store.lastError().contains(QStringLiteral("left as it is"))) << store.lastError().toStdString();
    EXPECT_EQ(readFile(defaultFile(store)), before);
    EXPECT_TRUE(readIcs(defaultFile(store)).has_value());
    EXPECT_TRUE(leftovers(folder.path()).isEmpty());
    EXPECT_FALSE(store.removeEvent(first.identifier));
    EXPECT_EQ(readFile(defaultFile(store)), before);
}

INSTANTIATE_TEST_SUITE_P(CalendarStoreTest, FailedCalendarWrite, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "FullTmpfs" : "WriteHook"; });

TEST_F(CalendarStoreTest, EventsOfOtherProgramsAreReadWithRelativeAlarmsAndZones)
{
    test::writeFile(folder.file(QStringLiteral("other.ics")),
                    "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Other//EN\r\n"
                    "BEGIN:VEVENT\r\nUID:rel-1\r\nDTSTAMP:20260101T000000Z\r\n"
                    "DTSTART:20260410T090000Z\r\nDURATION:PT2H\r\nSUMMARY:Show\r\nTRANSP:TRANSPARENT\r\n"
                    "BEGIN:VALARM\r\nACTION:DISPLAY\r\nDESCRIPTION:x\r\nTRIGGER:-PT15M\r\nEND:VALARM\r\n"
                    "END:VEVENT\r\nEND:VCALENDAR\r\n");
    const auto event = store.eventWithIdentifier(QStringLiteral("rel-1"));
    ASSERT_TRUE(event);
    const QDateTime start(QDate(2026, 4, 10), QTime(9, 0), QTimeZone::utc());
    EXPECT_EQ(std::tuple(event->calendarIdentifier, event->start, event->end, event->alarms, event->availability),
              std::tuple(QStringLiteral("other.ics"), start, start.addSecs(7200), QList{start.addSecs(-900)}, CalendarEvent::Free));
}

} // namespace
} // namespace spinora
