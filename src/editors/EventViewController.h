#pragma once

#include "CalendarStore.h"

#include <QDateTime>
#include <QDialog>

#include <optional>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QDateTimeEdit;
class QLabel;
class QLineEdit;
class QPushButton;

namespace spinora {

// Told what became of the reminder. Both operations do nothing by default.
class EventViewDelegate {
public:
    virtual ~EventViewDelegate() = default;
    // After Save (the saved event's identifier, or the previous one when the
    // calendar could not be written) and after Remove (no identifier).
    virtual void updatedEventWithIdentifier(const std::optional<QString>& identifier) { (void)identifier; }
    // After Cancel or closing the window.
    virtual void canceledEventEntry() {}
};

// The window in which a log entry's calendar reminder is created, changed or
// removed. The log editor owns one, is its delegate and keeps only the
// event's identifier. Never touches the collection database.
//
// Use from the log editor:
//     EventViewController events(store, sheet);
//     events.setDelegate(this);
//     events.presentEventWindow(currentReminderId, title, logDate); // modal
//     // the delegate has been told the result before this returns
class EventViewController : public QDialog {
    Q_OBJECT
public:
    // New reminders start this long after the log's date (07:00 for a date
    // at midnight) and last one day.
    static constexpr int kStartOffsetSeconds = 25200;
    // An alarm exactly at this date (seconds since 1970 UTC) is a placeholder
    // written by other calendar software and is shown as no alarm.
    static constexpr qint64 kSentinelAlarmSeconds = 197168145;

    explicit EventViewController(CalendarStore& store, QWidget* parent = nullptr);

    void setDelegate(EventViewDelegate* delegate) { delegate_ = delegate; }
    EventViewDelegate* delegate() const { return delegate_; }

    // Fills the window and runs it application-modal until Save, Remove,
    // Cancel or closing. A missing event is treated as a new one.
    void presentEventWindow(const std::optional<QString>& identifier, const QString& title, const QDateTime& date);
    // The same without the modal loop (the window is shown): for tests and
    // for callers that run their own loop.
    void prepareEventWindow(const std::optional<QString>& identifier, const QString& title, const QDateTime& date);

    bool eventExistsInCalendar(const std::optional<QString>& identifier);
    const std::optional<QString>& identifier() const { return identifier_; }

    // The calendar titles as shown: each made unique with " (2)", " (3)", ...
    static QStringList uniqueCalendarTitles(const QStringList& titles);
    // Start of a new reminder for a log dated `date`: 07:00 on its day when
    // the date is midnight, by the wall clock, also on daylight-saving days.
    // For a log of today whose 07:00 has passed, the next whole hour: a
    // reminder is set for something still to come.
    static QDateTime reminderStart(const QDateTime& date, const QDateTime& now = QDateTime::currentDateTime());
    static QDateTime reminderEnd(const QDateTime& start);

public slots:
    void saveEvent();
    void removeEvent();
    void cancelEvent();
    void toggleAlarmDate();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    friend class EventEditorTestAccess;
    void buildWindow();
    void fillCalendarList();
    void selectCalendar(const QString& calendarIdentifier);
    void showCalendarFile(int index);
    void startChanged(const QDateTime& proposed);
    void endChanged(const QDateTime& proposed);
    void finish(int result);
    void showProblem(const QString& text);
    void updateTimeFormats();

    CalendarStore& store_;
    EventViewDelegate* delegate_ = nullptr;
    std::optional<QString> identifier_;
    QList<CalendarInfo> calArray_;
    bool visible_ = false;
    QDateTime acceptedStart_;
    QDateTime acceptedEnd_;

    QLineEdit* title_ = nullptr;
    QDateTimeEdit* startDate_ = nullptr;
    QDateTimeEdit* endDate_ = nullptr;
    QButtonGroup* allDayControl_ = nullptr; // segment 0 "No", 1 "Yes"
    QCheckBox* validAlarm_ = nullptr;
    QDateTimeEdit* alarmDate_ = nullptr;
    QComboBox* calendarButton_ = nullptr;
    QLabel* availabilityLabel_ = nullptr;
    QComboBox* availabilityButton_ = nullptr;
    QLabel* problemLabel_ = nullptr;
    QLabel* calendarFileLabel_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QPushButton* removeButton_ = nullptr;
    QPushButton* saveButton_ = nullptr;
};

} // namespace spinora
