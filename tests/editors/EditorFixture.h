#pragma once

// A collection for driving the record editors, and the clock they read.
#include "LogInfoViewController.h"
#include "RecordBuilders.h"
#include "SpinoraDatabase.h"
#include "TestSupport.h"
#include "CalendarStore.h"

#include <QWidget>

#include <gtest/gtest.h>

namespace spinora::test {

inline Timestamp moment(int y, int m, int d, int h = 0, int min = 0, int sec = 0)
{
    return fromDateTime(at(y, m, d, h, min, sec));
}

// An empty collection on disk, with its records made as the editors would.
struct EditorFixture {
    TempFolder folder;
    QString path = folder.file(QStringLiteral("garden.sdb"));
    std::unique_ptr<SpinoraDatabase> document = newCollection(path, true);
    QWidget window;

    Water* addSchedule(const QString& name, int64_t every, int64_t unit)
    {
        Water* added = test::addSchedule(*document, name, every, unit);
        expectOk(added->save());
        return added;
    }

    Cactus* addPlant(const QString& name, Water* schedule = nullptr)
    {
        Cactus* added = test::addPlant(*document, name, schedule);
        expectOk(added->dehydrate());
        return added;
    }

    // The editor of `record`, shown as a double click in a list shows it.
    template <class Editor, class Record>
    std::unique_ptr<Editor> open(Record* record)
    {
        auto editor = std::make_unique<Editor>(*document, &window);
        EXPECT_TRUE(editor->prepareView(record));
        editor->show();
        return editor;
    }

    // Writes everything and opens the package again, as after a restart.
    std::unique_ptr<SpinoraDatabase> reopen()
    {
        expectOk(document->close());
        document.reset();
        return openCollection(path);
    }
    void reload() { document = reopen(); }
};

// An editor collection with a calendar of its own for the reminders.
struct LogFixture : EditorFixture {
    CalendarStore store{folder.file(QStringLiteral("calendars"))};

    // A log `days` from today, stored and let go as a list leaves it.
    Log* addLog(Cactus* plant, const QString& event, int days, const QString& reminder = {})
    {
        const QDateTime day(QDate::currentDate().addDays(days), QTime(0, 0));
        Log* added = test::addLog(*document, plant, event, fromDateTime(day));
        added->setReminder(!reminder.isEmpty());
        added->setReminderIdentifier(reminder);
        expectOk(added->dehydrate());
        return added;
    }
    // Its editor, shown, with this collection's calendar.
    std::unique_ptr<LogInfoViewController> open(Log* log)
    {
        auto editor = EditorFixture::open<LogInfoViewController>(log);
        editor->setCalendarStore(&store);
        return editor;
    }
    QString calendarFile() const { return store.folder() + QStringLiteral("/Spinora.ics"); }
};

class FixedClock : public ::testing::Test {
protected:
    void TearDown() override { Clock::clearFixedNow(); }
};

using CactusEditor = FixedClock;
using WaterEditor = FixedClock;

} // namespace spinora::test
