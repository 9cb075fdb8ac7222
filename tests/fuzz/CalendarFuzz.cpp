// libFuzzer target for reading a calendar file: the input is an .ics file
// in the calendar folder; its event "fuzz@spinora" (or a new one) is saved
// into it and removed again, as the reminder editor would.
#include "CalendarStore.h"
#include "FuzzSupport.h"

#include <QTimeZone>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace spinora;
    QDir().mkpath(fuzz::scratch() + QStringLiteral("/calendars"));
    fuzz::writeFile(QStringLiteral("calendars/Fuzzed.ics"), fuzz::bytes(data, size));
    CalendarStore store(fuzz::scratch() + QStringLiteral("/calendars"));
    store.calendars();
    const QDateTime start(QDate(2026, 3, 1), QTime(10, 0), QTimeZone::utc());
    CalendarEvent event = store.eventWithIdentifier(QStringLiteral("fuzz@spinora"))
                              .value_or(CalendarEvent{{}, QStringLiteral("Fuzzed.ics"), QStringLiteral("Repot"), start,
                                                      start.addSecs(3600), false, {start.addDays(-1)}});
    if (store.saveEvent(event))
        store.removeEvent(event.identifier);
    return 0;
}
