#pragma once

// Reads calendar files back through libical itself, the way another calendar
// program would, independent of CalendarStore's own reading.

#include <QDateTime>
#include <QFile>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTimeZone>

#include <libical/ical.h>

#include <optional>
#include <ostream>

// Readable times in test failures.
inline void PrintTo(const QDateTime& time, std::ostream* out)
{
    *out << time.toString(Qt::ISODateWithMs).toStdString();
}

namespace spinora::test {

struct IcsEvent {
    QString summary;
    QDateTime start; // local time
    QDateTime end;
    QString transp;
    QList<QDateTime> alarms; // absolute triggers, local time
    QString location;
};

inline QDateTime icsLocal(icaltimetype t)
{
    if (t.is_date)
        return QDateTime(QDate(t.year, t.month, t.day), QTime(0, 0));
    if (t.zone && !icaltime_is_utc(t))
        t = icaltime_convert_to_zone(t, icaltimezone_get_utc_timezone());
    const QDateTime v(QDate(t.year, t.month, t.day), QTime(t.hour, t.minute, t.second),
                      icaltime_is_utc(t) ? QTimeZone::utc() : QTimeZone::systemTimeZone());
    return v.toLocalTime();
}

// All events of one .ics file; nullopt when libical cannot parse it cleanly.
inline std::optional<QList<IcsEvent>> readIcs(const QString& path, const QString& uid = {})
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray data = file.readAll();
    icalcomponent* root = icalparser_parse_string(data.constData());
    if (!root || icalcomponent_isa(root) != ICAL_VCALENDAR_COMPONENT || icalcomponent_count_errors(root) > 0) {
        if (root)
            icalcomponent_free(root);
        return std::nullopt;
    }
    QList<IcsEvent> events;
    for (icalcomponent* ev = icalcomponent_get_first_component(root, ICAL_VEVENT_COMPONENT); ev;
         ev = icalcomponent_get_next_component(root, ICAL_VEVENT_COMPONENT)) {
        if (!uid.isEmpty() && uid != QString::fromUtf8(icalcomponent_get_uid(ev)))
            continue;
        IcsEvent e;
        e.summary = QString::fromUtf8(icalcomponent_get_summary(ev));
        e.start = icsLocal(icalcomponent_get_dtstart(ev));
        e.end = icsLocal(icalcomponent_get_dtend(ev));
        if (icalproperty* p = icalcomponent_get_first_property(ev, ICAL_TRANSP_PROPERTY))
            e.transp = QString::fromUtf8(icalproperty_get_value_as_string(p));
        if (const char* location = icalcomponent_get_location(ev))
            e.location = QString::fromUtf8(location);
        for (icalcomponent* a = icalcomponent_get_first_component(ev, ICAL_VALARM_COMPONENT); a;
             a = icalcomponent_get_next_component(ev, ICAL_VALARM_COMPONENT)) {
            if (icalproperty* t = icalcomponent_get_first_property(a, ICAL_TRIGGER_PROPERTY))
                e.alarms.append(icsLocal(icalproperty_get_trigger(t).time));
        }
        events.append(e);
    }
    icalcomponent_free(root);
    return events;
}

// The summaries of the events of a file, sorted (none when it cannot be read).
inline QStringList icsSummaries(const QString& path)
{
    QStringList summaries;
    for (const IcsEvent& e : readIcs(path).value_or(QList<IcsEvent>()))
        summaries << e.summary;
    summaries.sort();
    return summaries;
}

} // namespace spinora::test
