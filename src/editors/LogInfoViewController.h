#pragma once

#include "EditorSupport.h"
#include "EventViewController.h"
#include "PhotoGridViewController.h"
#include "PhotoListEdit.h"

#include <memory>
#include <optional>

class QComboBox;
class QDateTimeEdit;
class QPlainTextEdit;
class QPushButton;
class QButtonGroup;

namespace spinora {

class CalendarStore;
class Cactus;
class Log;
class PhotoSlots;
class SpinoraDatabase;

// The editor of one log entry: "General", "All Photos", "Notes". A reminder
// is an event in the user's calendar made through the event editor; the
// entry keeps only its identifier.
class LogInfoViewController : public EditorSheet,
                              public PhotoGridViewControllerDelegate,
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

    virtual void prepareView(Log* log);
    Log* log() const { return log_; }
    Cactus* addedCactus() const { return addedCactus_; }
    const std::optional<QString>& currentReminderId() const { return currentReminderId_; }
    std::unique_ptr<Log> getInfo() const;

    virtual void saveChangesAndHideView();
    void hideView(bool ok);
    void toggleReminderControl();
    void removeEvent();
    void handleAddCactus();
    void handleCactusSelect();
    void printInfo();
    void refreshCactusField() override;
    void updateCactusField(Cactus* cactus) override;
    // The reminder title: "%@%@(%@)" of event, cactus or notes, and type.
    QString reminderTitle() const;

    // EventViewDelegate
    void updatedEventWithIdentifier(const std::optional<QString>& identifier) override;
    void canceledEventEntry() override;

    // PhotoGridViewControllerDelegate
    QString imageTitle() override;
    Image* imageInSlot(int n) override { return photos_.imageInSlot(n); }
    void updateImageArray(const std::vector<Image*>& photos) override;
    void saveImage(Image* image, int slot) override;
    void removeImages(const std::vector<Image*>& photos) override;
    void storePhoto(Image* image, int n) override;
    void updateCaptions() override;
    const std::vector<Image*>& updatedImageArray() const { return photos_.updatedImageArray(); }
    PhotoGridViewController* photoGrid() const { return photoGrid_; }


protected:
    void cancelEditing() override { hideView(false); }
    // Save steps 1 to 10; answers whether the reminder question must follow.
    bool applyChanges();
    // Step 11: asks about the reminder or closes.
    void finishSave(bool askAboutReminder);
    void setAddMode(bool addMode);
    bool hasEventName() const;

    SpinoraDatabase& document_;
    Log* log_ = nullptr;
    bool unloadUponExit_ = true;
    int64_t historyScreenNumber_ = 0;

private:
    void buildGeneralTab();
    void buildPhotosTab();
    void buildNotesTab();
    void reloadEvents();
    void reloadCacti();
    Cactus* chosenCactus() const;
    // Alert sheet with the question's texts; true for the default button.
    bool ask(Question question);
    void answerQuestion(Question question);
    void addEventToCalendar();
    bool eventExists(const std::optional<QString>& identifier);
    void redrawSlots();
    void closeAfterReminder();

    CalendarStore* store_ = nullptr;
    Cactus* addedCactus_ = nullptr;
    std::optional<QString> currentReminderId_;
    QString openedReminderId_;
    bool logUpdate_ = false;
    bool waitForImageSave_ = true;
    bool dateChanged_ = false;
    bool recalculateReminders_ = false;
    bool addMode_ = false;
    int eventSelected_ = -1;
    int cactusSelected_ = -1;
    Timestamp reminderDate_;
    PhotoListEdit photos_;

    QComboBox* eventComboBox_;
    QPushButton* removeEventButton_;
    QComboBox* typeButton_;
    QDateTimeEdit* dateField_;
    QButtonGroup* reminderControl_;
    QComboBox* cactusComboBox_;
    QPushButton* cactusSelectButton_;
    QPushButton* addCactusButton_;
    PhotoSlots* photoSlots_;
    QPlainTextEdit* notesView_;
    PhotoGridViewController* photoGrid_;
};

// The same sheet for a new entry: "New Log", saved with "Save".
class AddLogInfoViewController : public LogInfoViewController {
    Q_OBJECT
public:
    AddLogInfoViewController(SpinoraDatabase& document, QWidget* parent);
    ~AddLogInfoViewController() override;

    // A new entry, about `forCactus` when opened from its log history.
    void prepareNewLog(Cactus* forCactus);
    void prepareView(Log* = nullptr) override { prepareNewLog(nullptr); }
    void saveChangesAndHideView() override;
    Log* addedLog() const { return addedLog_; }

private:
    std::unique_ptr<Log> newLog_;
    Log* addedLog_ = nullptr;
};

} // namespace spinora
