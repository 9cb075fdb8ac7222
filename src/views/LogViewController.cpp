#include "LogViewController.h"

#include "ActionEdge.h"
#include "Artwork.h"
#include "Localization.h"
#include "RecordCopies.h"
#include "RecordEditors.h"
#include "SpinoraDatabase.h"
#include "UndoHistory.h"

#include <QLocale>

#include <map>

namespace spinora {

LogViewController::LogViewController(SpinoraDatabase& document, ThumbnailCache& thumbnails, QWidget* parent,
                                     bool historyScreen)
    : ManagingViewController(document, SpinoraDatabase::kLogList, thumbnails, parent), historyScreen_(historyScreen)
{
    setObjectName(historyScreen ? QStringLiteral("LogHistory") : QStringLiteral("LogList"));
    if (!historyScreen_)
        fillDocumentList();
}

LogViewController::~LogViewController() = default;

void LogViewController::setCactusForHistory(Cactus* cactus)
{
    cactusForHistory_ = cactus;
    refreshData(std::nullopt);
}

const std::vector<Log*>& LogViewController::sourceList() const
{
    static const std::vector<Log*> none;
    if (historyScreen_)
        return cactusForHistory_ ? cactusForHistory_->logs() : none;
    return document().displayedLogs();
}

int LogViewController::numberOfRows() const
{
    if (waitsForRecords())
        return 0;
    return static_cast<int>(sourceList().size());
}

bool LogViewController::waitsForRecords() const
{
    // A plant's history is opened from its editor, which has waited for the
    // logs already.
    return !historyScreen_ && document().logsLoadingBehind();
}

Log* LogViewController::logAt(int row) const
{
    const auto& shown = sourceList();
    return row >= 0 && row < static_cast<int>(shown.size()) ? shown[static_cast<size_t>(row)] : nullptr;
}

const Record* LogViewController::recordAt(int row) const
{
    return logAt(row);
}

// --- Texts (those of ListTexts, which the search reads too)

QString LogViewController::firstTextForCell(int row) const
{
    const Log* log = logAt(row);
    return log ? ListTexts::logFirstText(*log).value_or(QString()) : QString();
}

QString LogViewController::secondTextForCell(int row) const
{
    const Log* log = logAt(row);
    return log ? texts().logSecondText(*log).value_or(QString()) : QString();
}

Image* LogViewController::imageForCell(int row) const
{
    const Log* log = logAt(row);
    return log ? log->cellImage() : nullptr;
}

QString LogViewController::backgroundImageForCell(int row) const
{
    const Log* log = logAt(row);
    return log && log->reminderDue() ? QString::fromLatin1(artwork::kReminderCellBackground) : QString();
}

bool LogViewController::isSectionHeadingCell(int row) const
{
    const Log* log = logAt(row);
    return log && log->sectionHeading();
}

QString LogViewController::sectionHeading(int row) const
{
    const Log* log = logAt(row);
    return log ? sectionHeadingForDate(log->logDate()) : QString();
}

QString LogViewController::toolTipForRow(int row, const QPointF& point) const
{
    Log* log = logAt(row);
    Image* photo = log ? log->cellImage() : nullptr;
    if (!photo || point.x() < 10 || point.x() > 50 || point.y() < 10 || point.y() > 50)
        return QString();
    return photo->captionForDisplay();
}

// --- Sections

long LogViewController::monthKey(const Timestamp& date)
{
    // Local time: a log of the first of a month belongs to that month in
    // every time zone. The lists ask in date order, so the month of the
    // last answer (its first and next first moment) answers most asks
    // without a conversion to local time.
    thread_local double monthStart = 0;
    thread_local double nextMonthStart = 0;
    thread_local long lastKey = 0;
    const double seconds = date.value_or(0.0);
    if (seconds >= monthStart && seconds < nextMonthStart)
        return lastKey;
    const QDate day = toDateTime(seconds).date();
    const QDate first(day.year(), day.month(), 1);
    const Timestamp start = fromDateTime(first.startOfDay());
    const Timestamp next = fromDateTime(first.addMonths(1).startOfDay());
    lastKey = day.year() * 100L + day.month();
    if (start && next && seconds >= *start && seconds < *next) {
        monthStart = *start;
        nextMonthStart = *next;
    }
    return lastKey;
}

QString LogViewController::sectionHeadingForMonthKey(long key) const
{
    const QString text = QStringLiteral("%1").arg(key, 6, 10, QLatin1Char('0'));
    const QString year = text.left(4);
    const int month = text.mid(4).toInt();
    if (month > 12 || month < 1)
        return year;
    return QStringLiteral("%1 - %2").arg(year, texts().locale().standaloneMonthName(month, QLocale::LongFormat));
}

QString LogViewController::sectionHeadingForDate(const Timestamp& date) const
{
    return sectionHeadingForMonthKey(monthKey(date));
}

namespace {
// Counts the runs of computeSectionFlags over any list: the flags live on
// the logs, which the log list and a plant's log history share.
uint64_t sectionFlagRuns = 0;
} // namespace

bool LogViewController::computeSectionFlags()
{
    const auto& logs = sourceList();
    // The same rows as at this list's last run, none changed since and no
    // other list set flags meanwhile: they stand. A search cleared again
    // over 300,000 logs need not look at each of them.
    if (flagRun_ == sectionFlagRuns && flagRevision_ == Record::latestRevision() && flaggedRows_ == logs)
        return !logs.empty();
    // The first entry of each month by this collection's log order starts the section.
    const bool newestFirst = document().sortLogsAscending();
    std::map<long, Log*> firsts;
    for (Log* log : logs) {
        log->setSectionHeading(false);
        const long key = monthKey(log->logDate());
        auto [it, inserted] = firsts.emplace(key, log);
        if (!inserted && log->compareLog(it->second, newestFirst) < 0)
            it->second = log;
    }
    for (auto& [key, log] : firsts)
        log->setSectionHeading(true);
    flaggedRows_ = logs;
    flagRevision_ = Record::latestRevision();
    flagRun_ = ++sectionFlagRuns;
    return !logs.empty();
}

// --- Sorting and search

QString LogViewController::headerTitle() const
{
    return localized("Event");
}

bool LogViewController::sortAscending() const
{
    return document().sortLogsAscending();
}

void LogViewController::flipSortDirection()
{
    document().setSortLogsAscending(!document().sortLogsAscending());
    document().sortLogsByLogDateAndTitle();
    if (historyScreen_ && cactusForHistory_)
        cactusForHistory_->sortLogs(document().sortLogsAscending());
}

// --- Commands

void LogViewController::showLogInfo(int row)
{
    Log* log = logAt(row);
    if (!log)
        return;
    clearSelection();
    editLog(window(), document(), log, historyScreen_ ? cactusForHistory_ : nullptr);
}

void LogViewController::handleAddButton()
{
    editLog(window(), document(), nullptr, historyScreen_ ? cactusForHistory_ : nullptr);
}

void LogViewController::handleDeleteButton()
{
    std::vector<Log*> doomed;
    for (int row : rowsToActOn())
        doomed.push_back(logAt(row));
    if (doomed.empty())
        return;
    clearSelection();
    const QString title = doomed.size() == 1 ? localized("Delete Log") : localized("Delete Logs");
    ActionEdge::run(this, title, [&] {
        return UndoHistory::run(document(), title, [&]() -> Result<> {
            for (Log* log : doomed) {
                if (Result<> removed = document().removeLog(log); !removed)
                    return removed;
            }
            return {};
        });
    });
}

void LogViewController::handleDuplicate()
{
    std::vector<Log*> sources;
    for (int row : rowsToActOn())
        sources.push_back(logAt(row));
    if (sources.empty())
        return;
    const QString title = sources.size() == 1 ? localized("Duplicate Log") : localized("Duplicate Logs");
    ActionEdge::run(this, title, [&] { return UndoHistory::run(document(), title, [&] { return duplicate(sources); }); });
}

Result<> LogViewController::duplicate(const std::vector<Log*>& sources)
{
    SpinoraDatabase& doc = document();
    for (Log* source : sources) {
        if (Result<Log*> copied = copyLog(doc, *source, source->cactus()); !copied)
            return copied.failure();
    }
    return {};
}

} // namespace spinora
