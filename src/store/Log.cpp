#include "Log.h"

#include "DueRules.h"
#include "Image.h"
#include "Localization.h"
#include "Messages.h"
#include "TextCompare.h"

#include <algorithm>

namespace spinora {

namespace {

const char* const kLogLoad =
    "SELECT type, date, reminder, reminder_id, cactus_key, event, note_summary FROM log WHERE pk=?";
const char* const kLogLoadAll =
    "SELECT type, date, reminder, reminder_id, cactus_key, event, note_summary, pk FROM log";
const char* const kLogHydrate = "SELECT notes FROM log WHERE pk=?";
const char* const kLogInsert =
    "INSERT INTO log (type, date, reminder, reminder_id, cactus_key, event, note_summary) "
    "VALUES(?, ?, ?, ?, ?, ?, ?)";
const char* const kLogUpdate =
    "UPDATE log SET type=?, date=?, reminder=?, reminder_id=?, cactus_key=?, event=?, note_summary=?, notes=? "
    "WHERE pk=?";
// Every column at once, bound as the UPDATE is (the key last: none gives a new one).
const char* const kLogInsertWhole =
    "INSERT INTO log (type, date, reminder, reminder_id, cactus_key, event, note_summary, notes, pk) "
    "VALUES(?, ?, ?, ?, ?, ?, ?, ?, nullif(?, -1))";
const char* const kLogDelete = "DELETE FROM log WHERE pk=?";

const QString kNoLogText = QString(QLatin1String(""));

} // namespace

Log::Log() = default;


const Record::Sql& Log::sql() const
{
    static const Sql statements{"Log", kLogLoad, kLogLoadAll, kLogHydrate, kLogInsert, kLogUpdate, kLogDelete,
                                msg::kDehydrateFailed, kLogInsertWhole};
    return statements;
}

void Log::readSummary(const Statement& row)
{
    logType_ = row.integer(0);
    // A stored log always has a date, even one of exactly 0.0.
    logDate_ = row.real(1);
    reminder_ = row.integer(2) != 0;
    reminderIdentifier_ = row.text(3);
    cactusKey_ = row.integer(4);
    eventName_ = row.repeatedText(5);
    noteSummary_ = row.text(6);
}

void Log::setPlaceholders()
{
    logType_ = kCactusLog;
    logDate_ = std::nullopt;
    reminder_ = false;
    reminderIdentifier_ = kNoLogText;
    cactusKey_ = -1;
    eventName_ = kNoLogText;
    noteSummary_ = kNoLogText;
}

void Log::readDetail(const Statement& row)
{
    notes_ = row.text(0);
}

void Log::setDetailDefaults()
{
    notes_ = kNoLogText;
}

void Log::bindInsert(Statement& st) const
{
    st.bind(logType_, logDate_, reminder_, reminderIdentifier_, cactusKey_, eventName_, noteSummary_);
}

void Log::bindUpdate(Statement& st) const
{
    st.bind(logType_, logDate_, reminder_, reminderIdentifier_, cactusKey_, eventName_, noteSummary_, notes_);
}

void Log::releaseDetail()
{
    notes_ = QString();
}

void Log::setLogDate(const Timestamp& v)
{
    if (same(logDate_, v))
        return;
    change(logDate_, v);
    isReminderDue();
}

void Log::setReminder(bool v)
{
    if (reminder_ == v)
        return;
    change(reminder_, v);
    isReminderDue();
}

void Log::setNotes(const QString& v)
{
    if (same(notes_, v))
        return;
    change(notes_, v);
    qsizetype length = std::min<qsizetype>(v.size(), kSummaryLength);
    // Never cut a character that takes two UTF-16 units in half.
    if (length < v.size() && length > 0 && v.at(length - 1).isHighSurrogate())
        --length;
    noteSummary_ = v.left(length);
}

void Log::removeImage(Image* image)
{
    std::erase(images_, image);
}

void Log::sortImages()
{
    // Most records have one photo or none; a stable sort would still
    // allocate its buffer.
    if (images_.size() < 2)
        return;
    std::stable_sort(images_.begin(), images_.end(),
                     [](const Image* a, const Image* b) { return a->compareOrder(b) < 0; });
}

bool Log::isReminderDue()
{
    reminderDue_ = due::reminderDue(reminder_, logDate_, now());
    return reminderDue_;
}

int Log::compareLog(const Log* other, bool newestFirst) const
{
    // Later dates first; equal dates by event name, a missing name first.
    const double mine = logDate_.value_or(0.0);
    const double theirs = other->logDate_.value_or(0.0);
    int order = (mine < theirs) - (mine > theirs);
    if (order == 0)
        order = text::emptyFirstStandardCompare(eventName_, other->eventName_);
    return newestFirst ? order : -order;
}

} // namespace spinora
