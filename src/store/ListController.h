#pragma once

namespace spinora {

// What the document asks of the three list controllers (cacti, watering
// schedules, logs) that the window puts on top of it. Without controllers the
// displayed arrays simply equal the full ones.
class ListController {
public:
    virtual ~ListController() = default;
    // Refilters the controller's displayed array from the full one with the
    // search field's current text.
    virtual void rerunSearch() = 0;
    virtual void refreshData() {}
    // The logs were read behind the first screen and are now linked to
    // their plants: rows that show them repaint, a search runs again.
    virtual void linkedRecordsArrived() {}
    // The log list's count of due reminders.
    virtual void incrementReminders() {}
    virtual void decrementReminders() {}
    virtual void recalculateReminders() {}
    // The count made where the logs were read.
    virtual void setRemindersDue(long) {}
};

} // namespace spinora
