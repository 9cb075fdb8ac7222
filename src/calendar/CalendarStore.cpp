#include "CalendarStore.h"

#include "Localization.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QTimeZone>
#include <QUuid>

#include <libical/ical.h>

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace spinora {

namespace {

const char* const kProductId = "-//Spinora//Spinora Calendar//EN";
// Another program may write the file between our read and our rename; a few
// fresh attempts settle that, more would hide a program that never stops.
constexpr int kWriteAttempts = 3;

struct ComponentDeleter {
    void operator()(icalcomponent* c) const
    {
        if (c)
            icalcomponent_free(c);
    }
};
using ComponentPtr = std::unique_ptr<icalcomponent, ComponentDeleter>;

QByteArray contentHash(const QByteArray& data)
{
    return QCryptographicHash::hash(data, QCryptographicHash::Sha256);
}

QString fileLabel(const QString& path)
{
    return QFileInfo(path).fileName();
}

// --- Times between Qt and libical. Timed values are written in UTC; values
// read may be UTC, in a named zone or floating (local wall time).

icaltimezone* utcZone()
{
    return icaltimezone_get_utc_timezone();
}

icaltimetype toIcalTime(const QDateTime& time)
{
    return icaltime_from_timet_with_zone(static_cast<time_t>(time.toSecsSinceEpoch()), 0, utcZone());
}

icaltimetype toIcalDate(const QDate& date)
{
    icaltimetype t = icaltime_null_date();
    t.year = date.year();
    t.month = date.month();
    t.day = date.day();
    t.is_date = 1;
    return t;
}

QDateTime fromIcalTime(icaltimetype t)
{
    if (icaltime_is_null_time(t) || !icaltime_is_valid_time(t))
        return {};
    if (t.is_date)
        return QDateTime(QDate(t.year, t.month, t.day), QTime(0, 0));
    if (t.zone && !icaltime_is_utc(t))
        t = icaltime_convert_to_zone(t, utcZone());
    const QDate date(t.year, t.month, t.day);
    const QTime time(t.hour, t.minute, t.second);
    if (icaltime_is_utc(t))
        return QDateTime(date, time, QTimeZone::utc()).toLocalTime();
    return QDateTime(date, time); // floating: the user's wall clock
}

QString text(const char* s)
{
    return s ? QString::fromUtf8(s) : QString();
}

QString calendarTitle(icalcomponent* root, const QString& path)
{
    for (icalproperty* p = icalcomponent_get_first_property(root, ICAL_X_PROPERTY); p;
         p = icalcomponent_get_next_property(root, ICAL_X_PROPERTY)) {
        if (qstrcmp(icalproperty_get_x_name(p), "X-WR-CALNAME") == 0)
            return text(icalproperty_get_x(p));
    }
    return QFileInfo(path).completeBaseName();
}

QString firstError(icalcomponent* root)
{
    if (icalproperty* p = icalcomponent_get_first_property(root, ICAL_XLICERROR_PROPERTY))
        return text(icalproperty_get_xlicerror(p));
    for (icalcomponent* c = icalcomponent_get_first_component(root, ICAL_ANY_COMPONENT); c;
         c = icalcomponent_get_next_component(root, ICAL_ANY_COMPONENT)) {
        const QString error = firstError(c);
        if (!error.isEmpty())
            return error;
    }
    return {};
}

// libical closes a component at any END line; a file whose BEGIN and END
// lines do not pair up was cut or mangled, and is not ours to rewrite.
QString structureProblem(const QByteArray& data)
{
    QList<QByteArray> open;
    for (QByteArray line : data.split('\n')) {
        line = line.trimmed();
        const QByteArray upper = line.toUpper();
        if (upper.startsWith("BEGIN:")) {
            open.append(upper.mid(6));
        } else if (upper.startsWith("END:")) {
            if (open.isEmpty() || open.last() != upper.mid(4))
                return localized("the line “%1” does not close “%2”")
                    .arg(QString::fromUtf8(line), open.isEmpty() ? QString() : QString::fromUtf8(open.last()));
            open.removeLast();
        }
    }
    if (!open.isEmpty())
        return localized("the file ends before “%1” does").arg(QString::fromUtf8(open.last()));
    return {};
}

// Parses a whole calendar file. A file that libical reads only in part is
// reported as broken: writing it back would drop what it could not read.
ComponentPtr parseCalendar(const QByteArray& data, QString* problem)
{
    if (data.trimmed().isEmpty()) {
        *problem = localized("the file is empty");
        return nullptr;
    }
    if (const QString structure = structureProblem(data); !structure.isEmpty()) {
        *problem = structure;
        return nullptr;
    }
    ComponentPtr root(icalparser_parse_string(data.constData()));
    if (!root) {
        *problem = localized("it is not an iCalendar file");
        return nullptr;
    }
    if (icalcomponent_isa(root.get()) != ICAL_VCALENDAR_COMPONENT) {
        *problem = localized("it does not hold exactly one calendar");
        return nullptr;
    }
    if (icalcomponent_count_errors(root.get()) > 0) {
        *problem = firstError(root.get());
        if (problem->isEmpty())
            *problem = localized("it contains errors");
        return nullptr;
    }
    return root;
}

QByteArray serialise(icalcomponent* root)
{
    char* s = icalcomponent_as_ical_string_r(root);
    QByteArray data(s);
    icalmemory_free_buffer(s);
    return data;
}

icalcomponent* findEvent(icalcomponent* root, const QString& uid)
{
    const QByteArray wanted = uid.toUtf8();
    for (icalcomponent* c = icalcomponent_get_first_component(root, ICAL_VEVENT_COMPONENT); c;
         c = icalcomponent_get_next_component(root, ICAL_VEVENT_COMPONENT)) {
        const char* u = icalcomponent_get_uid(c);
        // The first occurrence is the event itself; RECURRENCE-ID copies are
        // exceptions of a repeating event, not other events.
        if (u && wanted == u && !icalcomponent_get_first_property(c, ICAL_RECURRENCEID_PROPERTY))
            return c;
    }
    return nullptr;
}

CalendarEvent readEvent(icalcomponent* ev, const QString& calendarIdentifier)
{
    CalendarEvent event;
    event.identifier = text(icalcomponent_get_uid(ev));
    event.calendarIdentifier = calendarIdentifier;
    event.title = text(icalcomponent_get_summary(ev));
    const icaltimetype start = icalcomponent_get_dtstart(ev);
    event.allDay = start.is_date;
    event.start = fromIcalTime(start);
    event.end = fromIcalTime(icalcomponent_get_dtend(ev));
    if (!event.end.isValid())
        event.end = event.allDay ? event.start.addDays(1) : event.start;
    if (icalproperty* transp = icalcomponent_get_first_property(ev, ICAL_TRANSP_PROPERTY))
        event.availability = icalproperty_get_transp(transp) == ICAL_TRANSP_TRANSPARENT ? CalendarEvent::Free
                                                                                        : CalendarEvent::Busy;
    for (icalcomponent* alarm = icalcomponent_get_first_component(ev, ICAL_VALARM_COMPONENT); alarm;
         alarm = icalcomponent_get_next_component(ev, ICAL_VALARM_COMPONENT)) {
        icalproperty* trigger = icalcomponent_get_first_property(alarm, ICAL_TRIGGER_PROPERTY);
        if (!trigger)
            continue;
        const icaltriggertype t = icalproperty_get_trigger(trigger);
        if (!icaltime_is_null_time(t.time)) {
            event.alarms.append(fromIcalTime(t.time));
        } else {
            // Relative to the start (or to the end with RELATED=END).
            const bool fromEnd = [&] {
                icalparameter* related = icalproperty_get_first_parameter(trigger, ICAL_RELATED_PARAMETER);
                return related && icalparameter_get_related(related) == ICAL_RELATED_END;
            }();
            const QDateTime base = fromEnd ? event.end : event.start;
            event.alarms.append(base.addSecs(icaldurationtype_as_int(t.duration)));
        }
    }
    return event;
}

void removeProperties(icalcomponent* c, icalproperty_kind kind)
{
    while (icalproperty* p = icalcomponent_get_first_property(c, kind)) {
        icalcomponent_remove_property(c, p);
        icalproperty_free(p);
    }
}

void setProperty(icalcomponent* c, icalproperty* p)
{
    removeProperties(c, icalproperty_isa(p));
    icalcomponent_add_property(c, p);
}

// Writes our fields into the event, keeping what other programs added
// (location, description, categories, attendees...).
void writeEvent(icalcomponent* ev, const CalendarEvent& event)
{
    const icaltimetype now = toIcalTime(QDateTime::currentDateTimeUtc());
    setProperty(ev, icalproperty_new_uid(event.identifier.toUtf8().constData()));
    setProperty(ev, icalproperty_new_dtstamp(now));
    setProperty(ev, icalproperty_new_lastmodified(now));
    if (!icalcomponent_get_first_property(ev, ICAL_CREATED_PROPERTY))
        icalcomponent_add_property(ev, icalproperty_new_created(now));
    icalproperty* sequence = icalcomponent_get_first_property(ev, ICAL_SEQUENCE_PROPERTY);
    const int nextSequence = sequence ? icalproperty_get_sequence(sequence) + 1 : 0;
    setProperty(ev, icalproperty_new_sequence(nextSequence));
    setProperty(ev, icalproperty_new_summary(event.title.toUtf8().constData()));
    removeProperties(ev, ICAL_DURATION_PROPERTY);
    if (event.allDay) {
        const QDate first = event.start.toLocalTime().date();
        const QDateTime endLocal = event.end.toLocalTime();
        // The end of an all-day event is the day after its last day.
        QDate after = endLocal.time() == QTime(0, 0) ? endLocal.date() : endLocal.date().addDays(1);
        if (after <= first)
            after = first.addDays(1);
        setProperty(ev, icalproperty_new_dtstart(toIcalDate(first)));
        setProperty(ev, icalproperty_new_dtend(toIcalDate(after)));
    } else {
        setProperty(ev, icalproperty_new_dtstart(toIcalTime(event.start)));
        setProperty(ev, icalproperty_new_dtend(toIcalTime(event.end)));
    }
    setProperty(ev, icalproperty_new_transp(event.availability == CalendarEvent::Free ? ICAL_TRANSP_TRANSPARENT
                                                                                         : ICAL_TRANSP_OPAQUE));
    while (icalcomponent* alarm = icalcomponent_get_first_component(ev, ICAL_VALARM_COMPONENT)) {
        icalcomponent_remove_component(ev, alarm);
        icalcomponent_free(alarm);
    }
    for (const QDateTime& when : event.alarms) {
        icalcomponent* alarm = icalcomponent_new(ICAL_VALARM_COMPONENT);
        icalcomponent_add_property(alarm, icalproperty_new_action(ICAL_ACTION_DISPLAY));
        icalcomponent_add_property(alarm, icalproperty_new_description(event.title.toUtf8().constData()));
        icaltriggertype trigger;
        trigger.time = toIcalTime(when);
        trigger.duration = icaldurationtype_null_duration();
        icalcomponent_add_property(alarm, icalproperty_new_trigger(trigger));
        icalcomponent_add_component(ev, alarm);
    }
}

QByteArray newCalendarText(const QString& title)
{
    ComponentPtr root(icalcomponent_new(ICAL_VCALENDAR_COMPONENT));
    icalcomponent_add_property(root.get(), icalproperty_new_prodid(kProductId));
    icalcomponent_add_property(root.get(), icalproperty_new_version("2.0"));
    icalcomponent_add_property(root.get(), icalproperty_new_calscale("GREGORIAN"));
    icalproperty* name = icalproperty_new_x(title.toUtf8().constData());
    icalproperty_set_x_name(name, "X-WR-CALNAME");
    icalcomponent_add_property(root.get(), name);
    return serialise(root.get());
}

bool readWhole(const QString& path, QByteArray* data)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    *data = file.readAll();
    return file.error() == QFileDevice::NoError;
}

} // namespace

// What we last read of one file. The parsed tree serves reads; a change is
// always applied to a fresh read of the file.
struct CalendarStore::FileState {
    qint64 size = -1;
    QDateTime modified;
    QByteArray hash;
    QString title;
    QString problem; // non-empty: the file did not parse
    ComponentPtr root;
};

CalendarStore::CalendarStore(const QString& folder)
    : folder_(folder)
{
}

QString CalendarStore::defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/calendars");
}

bool CalendarStore::fail(const QString& message)
{
    lastError_ = message;
    return false;
}

void CalendarStore::loadFile(const QString& path, FileState& state)
{
    const QFileInfo info(path);
    QByteArray data;
    if (!readWhole(path, &data)) {
        state = FileState{};
        state.problem = localized("it cannot be read");
        return;
    }
    state.size = info.size();
    state.modified = info.lastModified();
    state.hash = contentHash(data);
    QString problem;
    state.root = parseCalendar(data, &problem);
    state.problem = state.root ? QString() : problem;
    state.title = state.root ? calendarTitle(state.root.get(), path) : QString();
}

// The state of the file, read again when it changed on disk since.
bool CalendarStore::freshState(const QString& path, FileState*& state)
{
    auto& slot = files_[path];
    if (!slot)
        slot = std::make_shared<FileState>();
    const QFileInfo info(path);
    if (slot->size != info.size() || slot->modified != info.lastModified() || slot->hash.isEmpty())
        loadFile(path, *slot);
    state = slot.get();
    return state->problem.isEmpty();
}

bool CalendarStore::ensureDefaultCalendar()
{
    const QString path = folder_ + QStringLiteral("/%1.ics").arg(QLatin1String(kDefaultCalendarTitle));
    if (QFileInfo::exists(path))
        return true;
    if (!QDir().mkpath(folder_))
        return fail(localized("The calendar folder “%1” cannot be made.").arg(folder_));
    return writeFile(path, newCalendarText(QLatin1String(kDefaultCalendarTitle)));
}

bool CalendarStore::scan()
{
    problems_.clear();
    if (!ensureDefaultCalendar())
        return false;
    const QStringList names = QDir(folder_).entryList({QStringLiteral("*.ics")}, QDir::Files, QDir::Name);
    std::map<QString, std::shared_ptr<FileState>> kept;
    for (const QString& name : names) {
        const QString path = folder_ + QLatin1Char('/') + name;
        FileState* state = nullptr;
        if (!freshState(path, state))
            problems_.append(localized("The calendar file “%1” cannot be used: %2.").arg(name, state->problem));
        kept[path] = files_[path];
    }
    files_ = std::move(kept); // files removed by others are forgotten
    return true;
}

QList<CalendarInfo> CalendarStore::calendars()
{
    QList<CalendarInfo> list;
    if (!scan())
        return list;
    const QString defaultName = QStringLiteral("%1.ics").arg(QLatin1String(kDefaultCalendarTitle));
    for (const auto& [path, state] : files_) {
        if (!state->problem.isEmpty() || !QFileInfo(path).isWritable())
            continue;
        list.append({fileLabel(path), state->title, path});
    }
    std::stable_sort(list.begin(), list.end(), [&](const CalendarInfo& a, const CalendarInfo& b) {
        const bool aDefault = a.identifier == defaultName;
        const bool bDefault = b.identifier == defaultName;
        if (aDefault != bDefault)
            return aDefault;
        return QString::localeAwareCompare(a.title, b.title) < 0;
    });
    return list;
}

CalendarInfo CalendarStore::defaultCalendarForNewEvents()
{
    const QList<CalendarInfo> list = calendars();
    for (const CalendarInfo& c : list) {
        if (c.identifier == QStringLiteral("%1.ics").arg(QLatin1String(kDefaultCalendarTitle)))
            return c;
    }
    return list.isEmpty() ? CalendarInfo{} : list.first();
}

std::optional<CalendarEvent> CalendarStore::eventWithIdentifier(const QString& identifier)
{
    if (identifier.isEmpty() || !scan())
        return std::nullopt;
    for (const auto& [path, state] : files_) {
        if (!state->root)
            continue;
        if (icalcomponent* ev = findEvent(state->root.get(), identifier))
            return readEvent(ev, fileLabel(path));
    }
    return std::nullopt;
}

// Applies `change` to what the file holds now and replaces the file. When
// the file changes again between our read and the rename, the change is
// applied once more to the newer content.
bool CalendarStore::modifyFile(const QString& path, const std::function<bool(icalcomponent_impl*)>& change)
{
    for (int attempt = 0; attempt < kWriteAttempts; ++attempt) {
        QByteArray before;
        if (!readWhole(path, &before))
            return fail(localized("The calendar file “%1” cannot be read.").arg(fileLabel(path)));
        QString problem;
        ComponentPtr root = parseCalendar(before, &problem);
        if (!root)
            return fail(localized("The calendar file “%1” cannot be used (%2); it was left as it is.")
                            .arg(fileLabel(path), problem));
        if (!change(root.get()))
            return false;
        switch (replaceFile(path, serialise(root.get()), contentHash(before))) {
        case WriteResult::Written:
            files_.erase(path); // read again on next use
            return true;
        case WriteResult::Changed:
            continue;
        case WriteResult::Failed:
            return false;
        }
    }
    return fail(localized("The calendar file “%1” keeps being changed by another program; it was left as "
                               "it is.")
                    .arg(fileLabel(path)));
}

bool CalendarStore::writeFile(const QString& path, const QByteArray& data)
{
    return replaceFile(path, data, QByteArray()) == WriteResult::Written;
}

// Writes `data` to a temporary file beside `path`, flushes it to the disk and
// renames it over `path`, but only while `path` still holds what hashes to
// `expectedHash` (an empty hash: while there is no file yet).
CalendarStore::WriteResult CalendarStore::replaceFile(const QString& path, const QByteArray& data,
                                                      const QByteArray& expectedHash)
{
    const QString name = fileLabel(path);
    auto failed = [&](const QString& reason) {
        fail(localized("The calendar file “%1” could not be written (%2); it was left as it is.")
                 .arg(name, reason));
        return WriteResult::Failed;
    };
    QTemporaryFile temp(QFileInfo(path).absolutePath() + QStringLiteral("/.%1.XXXXXX").arg(name));
    if (!temp.open())
        return failed(temp.errorString());
    if (temp.write(data) != data.size() || !temp.flush())
        return failed(temp.errorString());
    if (::fsync(temp.handle()) != 0)
        return failed(QString::fromLocal8Bit(std::strerror(errno)));
    temp.close();
    if (writeHook_ && !writeHook_(temp.fileName()))
        return failed(localized("No space left on device"));

    QByteArray current;
    const bool exists = QFileInfo::exists(path);
    if (expectedHash.isEmpty() ? exists : (!readWhole(path, &current) || contentHash(current) != expectedHash))
        return WriteResult::Changed;
    const QFile::Permissions permissions =
        exists ? QFile::permissions(path)
               : (QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    QFile::setPermissions(temp.fileName(), permissions);
    if (::rename(QFile::encodeName(temp.fileName()).constData(), QFile::encodeName(path).constData()) != 0)
        return failed(QString::fromLocal8Bit(std::strerror(errno)));
    // The rename itself reaches the disk with the folder.
    const int dir = ::open(QFile::encodeName(QFileInfo(path).absolutePath()).constData(), O_RDONLY | O_DIRECTORY);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    lastError_.clear();
    return WriteResult::Written;
}

// --- Changing events

bool CalendarStore::saveEvent(CalendarEvent& event)
{
    lastError_.clear();
    if (!scan())
        return false;
    if (!event.start.isValid() || !event.end.isValid() || event.end < event.start)
        return fail(localized("The event ends before it starts."));
    QString targetPath;
    for (const auto& [path, state] : files_) {
        if (fileLabel(path) == event.calendarIdentifier && state->problem.isEmpty())
            targetPath = path;
    }
    if (event.calendarIdentifier.isEmpty())
        targetPath = defaultCalendarForNewEvents().filePath;
    if (targetPath.isEmpty())
        return fail(localized("The calendar “%1” is not available.").arg(event.calendarIdentifier));

    // Where the event is now, if anywhere.
    QString oldPath;
    if (!event.identifier.isEmpty()) {
        for (const auto& [path, state] : files_) {
            if (state->root && findEvent(state->root.get(), event.identifier))
                oldPath = path;
        }
    } else {
        event.identifier = QUuid::createUuid().toString(QUuid::WithoutBraces) + QStringLiteral("@spinora");
    }

    CalendarEvent toWrite = event;
    toWrite.calendarIdentifier = fileLabel(targetPath);
    const bool written = modifyFile(targetPath, [&](icalcomponent* root) {
        icalcomponent* ev = findEvent(root, toWrite.identifier);
        if (!ev) {
            ev = icalcomponent_new(ICAL_VEVENT_COMPONENT);
            icalcomponent_add_component(root, ev);
        }
        writeEvent(ev, toWrite);
        return true;
    });
    if (!written)
        return false;
    // Moved to another calendar: it leaves the old one only once it is safe
    // in the new one.
    if (!oldPath.isEmpty() && oldPath != targetPath) {
        modifyFile(oldPath, [&](icalcomponent* root) {
            while (icalcomponent* ev = findEvent(root, toWrite.identifier)) {
                icalcomponent_remove_component(root, ev);
                icalcomponent_free(ev);
            }
            return true;
        });
    }
    event.calendarIdentifier = toWrite.calendarIdentifier;
    return true;
}

bool CalendarStore::removeEvent(const QString& identifier)
{
    lastError_.clear();
    if (identifier.isEmpty() || !scan())
        return fail(localized("There is no such event."));
    for (const auto& [path, state] : files_) {
        if (!state->root || !findEvent(state->root.get(), identifier))
            continue;
        bool found = false;
        const QString target = path; // the map changes while writing
        return modifyFile(target, [&](icalcomponent* root) {
                   // Removes the event and its exceptions, if it repeats.
                   const QByteArray uid = identifier.toUtf8();
                   std::vector<icalcomponent*> doomed;
                   for (icalcomponent* c = icalcomponent_get_first_component(root, ICAL_VEVENT_COMPONENT); c;
                        c = icalcomponent_get_next_component(root, ICAL_VEVENT_COMPONENT)) {
                       if (const char* u = icalcomponent_get_uid(c); u && uid == u)
                           doomed.push_back(c);
                   }
                   for (icalcomponent* c : doomed) {
                       icalcomponent_remove_component(root, c);
                       icalcomponent_free(c);
                   }
                   found = !doomed.empty();
                   if (!found)
                       fail(localized("The event was removed by another program."));
                   return found;
               }) && found;
    }
    return fail(localized("There is no such event."));
}

} // namespace spinora
