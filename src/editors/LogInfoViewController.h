#pragma once

#include "EventViewController.h"
#include "Localization.h"
#include "RecordEditor.h"

#include <memory>
#include <optional>

class QButtonGroup;

namespace spinora {

class CalendarStore;
class Cactus;
class Log;
class SpinoraDatabase;

// The editor of one log entry: "General", "All Photos", "Notes". A reminder
// is an event in the user's calendar made through the event editor; the
// entry keeps only its identifier.
class LogInfoViewController : public RecordEditor<Log>,
                              public EventViewDelegate,
                              public CactusFieldListener {
    Q_OBJECT
public:
    enum class Question { AddReminder, EditReminder };

    LogInfoViewController(SpinoraDatabase& document, QWidget* parent);
    ~LogInfoViewController() override;

    // Opened from the log history of one plant: the plant cannot change.
    void setHistoryScreenNumber(int64_t number) { historyScreenNumber_ = number; }
    // The calendar of the reminders (the shared one by default).
    void setCalendarStore(CalendarStore* store) { store_ = store; }
    static CalendarStore& sharedCalendarStore();

    // False when the entry is open in another editor (the user is told).
    virtual bool prepareView(Log* log);
    Log* log() const { return record_; }
    Cactus* addedCactus() const { return addedCactus_; }
    const std::optional<QString>& currentReminderId() const { return currentReminderId_; }
    QString undoTitle(bool addMode) const override
    {
        return addMode ? localized("Add Log") : localized("Edit Log");
    }
    void toggleReminderControl();
    void removeEvent();
    void handleAddCactus();
    void handleCactusSelect();
    void refreshCactusField() override;
    void updateCactusField(Cactus* cactus) override;
    // The reminder title: "%@%@(%@)" of event, cactus or notes, and type.
    QString reminderTitle() const;

    // EventViewDelegate
    void updatedEventWithIdentifier(const std::optional<QString>& identifier) override;
    void canceledEventEntry() override;

protected:
    QString sheetTitle(bool addMode) const override { return addMode ? localized("New Log") : localized("Log Info"); }
    bool hasName() const override;
    // Save steps 1 to 10; says whether the reminder question must follow.
    Result<> applyChanges(bool* askAboutReminder);
    // Step 11: the entry's date moved and it has a reminder: asks about the
    // calendar event and keeps what the answer made of it.
    void askAboutMovedReminder();
    Result<> saveChanges() override;
    // A reminder made in this opening and not saved leaves the calendar.
    void closing(bool ok) override;
    // Every field of an entry can be stored as typed.
    bool writeControls(Log& into, FieldCheck& check) const override;
    void linkInfo(Log& info) const override;
    PrintSubject printSubject(const Log& info) const override
    {
        return {DatabasePrintView::Screen::LogSheet, nullptr, nullptr, &info};
    }

    int64_t historyScreenNumber_ = 0;

private:
    void buildGeneralTab();
    // The event name as chosen from the list or typed.
    QString chosenEventName() const;
    void reloadEvents();
    void reloadCacti();
    Cactus* chosenCactus() const;
    // Alert sheet with the question's texts; true for the default button.
    bool ask(Question question);
    void answerQuestion(Question question);
    // A Cancel of the reminder question or of the event editor.
    void reminderCancelled();
    void addEventToCalendar();
    bool eventExists(const std::optional<QString>& identifier);

    CalendarStore* store_ = nullptr;
    Cactus* addedCactus_ = nullptr;
    std::optional<QString> currentReminderId_;
    QString openedReminderId_;
    bool logUpdate_ = false;
    // The event and the plant chosen from the lists, by key (-1: typed or
    // none): a nested editor that renames a plant re-sorts the lists.
    int64_t eventKey_ = -1;
    int64_t cactusKey_ = -1;
    Timestamp reminderDate_;

    QComboBox* eventComboBox_;
    QPushButton* removeEventButton_;
    QComboBox* typeButton_;
    QDateTimeEdit* dateField_;
    QButtonGroup* reminderControl_;
    QComboBox* cactusComboBox_;
    QPushButton* cactusSelectButton_;
    QPushButton* addCactusButton_;
};

// The same sheet for a new entry: "New Log", saved with "Save".
class AddLogInfoViewController : public LogInfoViewController {
    Q_OBJECT
public:
    AddLogInfoViewController(SpinoraDatabase& document, QWidget* parent);

    // A new entry, about `forCactus` when opened from its log history.
    void prepareNewLog(Cactus* forCactus);
    bool prepareView(Log* = nullptr) override
    {
        prepareNewLog(nullptr);
        return true;
    }

protected:
    Result<> storeNew(Log& log) override;
    Log* keepNew(std::unique_ptr<Log> log) override;
    void didSave() override;
};

} // namespace spinora
