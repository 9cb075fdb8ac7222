#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <map>
#include <memory>
#include <optional>

struct icalcomponent_impl;

namespace spinora {

// One calendar: one iCalendar file. Its identifier is the file's name
// ("Spinora.ics"), which stays the same while the title may change.
struct CalendarInfo {
    QString identifier;
    QString title; // X-WR-CALNAME, else the file name without ".ics"
    QString filePath;
};

// One event as the reminder editor sees it. Times are absolute; all-day
// events keep the local day of `start` and `end`.
struct CalendarEvent {
    enum Availability { Busy = 0, Free = 1 };

    QString identifier; // the UID; empty for an event not stored yet
    QString calendarIdentifier;
    QString title;
    QDateTime start;
    QDateTime end;
    bool allDay = false;
    QList<QDateTime> alarms; // absolute alarm dates, in the file's order
    Availability availability = Busy;
};

// The user's calendars, kept as iCalendar files (one ".ics" per calendar)
// that any calendar program can open or subscribe to. The folder holds at
// least the default calendar "Spinora", made when it is missing.
//
// Other programs may write the same files: before a change the file is read
// again when its size, time or content differs from what was last read, and
// the change is applied to what is on disk now. A file that does not parse
// is reported (problems()) and never written. Writes go to a temporary file
// in the same folder that is flushed to disk and then renamed over the old
// one, so a reader sees the old or the new file, never half of one.
//
// Main thread only; no state is shared with other instances except the files.
class CalendarStore {
public:
    // The folder defaults to <application data>/calendars.
    explicit CalendarStore(const QString& folder = defaultFolder());

    static QString defaultFolder();
    static constexpr const char* kDefaultCalendarTitle = "Spinora";

    const QString& folder() const { return folder_; }

    // Calendars that can receive events, in title order with the default
    // first. Files that do not parse are left out and listed in problems().
    QList<CalendarInfo> calendars();
    // The "Spinora" calendar (made when missing).
    CalendarInfo defaultCalendarForNewEvents();

    std::optional<CalendarEvent> eventWithIdentifier(const QString& identifier);
    bool eventExists(const QString& identifier) { return eventWithIdentifier(identifier).has_value(); }

    // Adds or replaces the event (found by identifier in any calendar; an
    // event moved to another calendar leaves the old one). A new event gets
    // its identifier here. Answers false with lastError() on failure, and
    // then nothing on disk has changed.
    bool saveEvent(CalendarEvent& event);
    // Answers false when the event is not found or the file cannot be written.
    bool removeEvent(const QString& identifier);

    // Why the last operation failed, for the user.
    const QString& lastError() const { return lastError_; }
    // Files that could not be read, with the reason, from the last scan.
    const QStringList& problems() const { return problems_; }

    // Test seam: called with the temporary file's path before it is renamed
    // into place; answering false makes the write fail as a full disk would.
    using WriteHook = std::function<bool(const QString& tempPath)>;
    void setWriteHook(WriteHook hook) { writeHook_ = std::move(hook); }

private:
    struct FileState;
    bool scan();
    void loadFile(const QString& path, FileState& state);
    bool freshState(const QString& path, FileState*& state);
    enum class WriteResult { Written, Changed, Failed };
    bool writeFile(const QString& path, const QByteArray& data);
    WriteResult replaceFile(const QString& path, const QByteArray& data, const QByteArray& expectedHash);
    bool modifyFile(const QString& path, const std::function<bool(icalcomponent_impl*)>& change);
    bool ensureDefaultCalendar();
    bool fail(const QString& message);

    QString folder_;
    QString lastError_;
    QStringList problems_;
    WriteHook writeHook_;
    std::map<QString, std::shared_ptr<FileState>> files_; // by file path
};

} // namespace spinora
