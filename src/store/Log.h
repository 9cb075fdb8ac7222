#pragma once

#include "Record.h"

#include <vector>

namespace spinora {

class Cactus;
class Image;

// A dated journal entry (table `log`): about one plant (type 0) or a free
// note (type 1), with an event name, notes, photos and an optional reminder.
class Log : public Record {
public:
    enum Type : int64_t { kCactusLog = 0, kNoteLog = 1 };
    static constexpr int kSummaryLength = 200;

    Log();

    int64_t logType() const { return logType_; }
    void setLogType(int64_t v) { change(logType_, v); }
    const Timestamp& logDate() const { return logDate_; }
    void setLogDate(const Timestamp& v);
    bool reminder() const { return reminder_; }
    void setReminder(bool v);
    const QString& reminderIdentifier() const { return reminderIdentifier_; }
    void setReminderIdentifier(const QString& v) { change(reminderIdentifier_, v); }
    int64_t cactusKey() const { return cactusKey_; }
    void setCactusKey(int64_t v) { change(cactusKey_, v); }
    const QString& eventName() const { return eventName_; }
    void setEventName(const QString& v) { change(eventName_, v); }
    const QString& noteSummary() const { return noteSummary_; }
    void setNoteSummary(const QString& v) { change(noteSummary_, v); }
    const QString& notes() const { return notes_; }
    // Also keeps the first 200 characters as the summary the lists show.
    void setNotes(const QString& v);

    Cactus* cactus() const { return cactus_; }
    void setCactus(Cactus* cactus) { cactus_ = cactus; }
    const std::vector<Image*>& images() const { return images_; }
    void addImage(Image* image) { images_.push_back(image); }
    void removeImage(Image* image);
    void clearImages() { images_.clear(); }
    void sortImages();
    Image* cellImage() const { return images_.empty() ? nullptr : images_.front(); }

    bool sectionHeading() const { return sectionHeading_; }
    void setSectionHeading(bool heading) { sectionHeading_ = heading; }

    // A set reminder is due once its date is not later than the start of today.
    bool isReminderDue();
    bool reminderDue() const { return reminderDue_; }

    // The log list's order; `newestFirst` is the collection's direction
    // (SortOrder::logsAscending).
    int compareLog(const Log* other, bool newestFirst) const;

protected:
    const Sql& sql() const override;
    void readSummary(const Statement& row) override;
    void setPlaceholders() override;
    void readDetail(const Statement& row) override;
    void setDetailDefaults() override;
    void bindInsert(Statement& st) const override;
    void bindUpdate(Statement& st) const override;
    void releaseDetail() override;
    void afterLoad() override { isReminderDue(); }

private:
    int64_t logType_ = kCactusLog;
    Timestamp logDate_;
    bool reminder_ = false;
    QString reminderIdentifier_;
    int64_t cactusKey_ = -1;
    QString eventName_;
    QString noteSummary_;
    QString notes_;

    Cactus* cactus_ = nullptr;
    std::vector<Image*> images_;
    bool reminderDue_ = false;
    bool sectionHeading_ = false;
};

} // namespace spinora
