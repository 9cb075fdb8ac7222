#pragma once

#include "ManagingViewController.h"

#include <vector>

namespace spinora {

class Cactus;
class Log;

// The log list, in sections by month. The document window's instance shows
// the document's displayed logs and keeps the count of due reminders; a
// history instance (the cactus editor's) shows one plant's logs, unfiltered.
class LogViewController : public ManagingViewController {
    Q_OBJECT
public:
    // The window's list registers with the document; a history list does not.
    LogViewController(SpinoraDatabase& document, ThumbnailCache& thumbnails, QWidget* parent = nullptr,
                      bool historyScreen = false);
    ~LogViewController() override;

    bool historyScreen() const { return historyScreen_; }
    Cactus* cactusForHistory() const { return cactusForHistory_; }
    void setCactusForHistory(Cactus* cactus);

    Log* logAt(int row) const;
    int numberOfRows() const override;
    const Record* recordAt(int row) const override;
    bool waitsForRecords() const override;

    void handleAddButton() override;
    void handleDeleteButton() override;
    void handleDuplicate() override;
    void showInfo(int row) override { showLogInfo(row); }
    void showLogInfo(int row);

    // "<year> - <month name>" of a date's month; the year alone for a month
    // number past the calendar's months.
    QString sectionHeadingForDate(const Timestamp& date) const;
    // The month a date falls in, as YYYYMM, in the user's time zone.
    static long monthKey(const Timestamp& date);
    QString sectionHeadingForMonthKey(long key) const;

    QString firstTextForCell(int row) const override;
    QString secondTextForCell(int row) const override;
    Image* imageForCell(int row) const override;
    qreal imageDimension(int) const override { return 40; }
    qreal imageOffsetForCell(int) const override { return 10; }
    QString backgroundImageForCell(int row) const override;
    bool isSectionHeadingCell(int row) const override;
    QString sectionHeading(int row) const override;
    qreal normalCellHeight() const override { return 60; }
    qreal firstColumnWidth() const override { return 1000; }
    QString toolTipForRow(int row, const QPointF& point) const override;

protected:
    RecordKinds shownKinds() const override { return RecordKind::Log | RecordKind::Cactus | RecordKind::Event | RecordKind::Image; }
    QString headerTitle() const override;
    bool sortAscending() const override;
    void flipSortDirection() override;
    bool computeSectionFlags() override;
    QString bandTitle(int row) const override { return sectionHeading(row); }

private:
    // Copies of the records, stored and added to the collection.
    Result<> duplicate(const std::vector<Log*>& sources);
    const std::vector<Log*>& sourceList() const;

    bool historyScreen_ = false;
    Cactus* cactusForHistory_ = nullptr;
    // The rows of the last computeSectionFlags, and when it ran.
    std::vector<Log*> flaggedRows_;
    uint64_t flagRevision_ = 0;
    uint64_t flagRun_ = 0;
};

} // namespace spinora
