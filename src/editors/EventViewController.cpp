#include "EventViewController.h"

#include "EditorSupport.h"
#include "Localization.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QDialogButtonBox>
#include <QDir>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>

namespace spinora {

namespace {

constexpr int kMillisecondsPerDay = 86'400'000;

QToolButton* segment(const QString& text, QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setText(text);
    button->setCheckable(true);
    button->setAutoRaise(false);
    button->setMinimumWidth(48);
    return button;
}

QDateTimeEdit* datePicker(QWidget* parent, const QString& name)
{
    auto* picker = new QDateTimeEdit(parent);
    picker->setObjectName(name);
    picker->setCalendarPopup(true);
    picker->setTimeSpec(Qt::LocalTime);
    acceptTypedDates(picker);
    return picker;
}

// Seven hours into a log's date on the wall clock: 07:00 for a date at
// midnight, also on the days the clocks change.
QDateTime sevenHoursInto(const QDateTime& date)
{
    const QDateTime local = date.toLocalTime();
    const int startOfDayMs = local.time().msecsSinceStartOfDay();
    const int offsetMs = EventViewController::kStartOffsetSeconds * 1000;
    if (startOfDayMs + offsetMs < kMillisecondsPerDay) {
        const QDateTime wall(local.date(), QTime::fromMSecsSinceStartOfDay(startOfDayMs + offsetMs));
        if (wall.isValid())
            return wall;
    }
    return local.addSecs(EventViewController::kStartOffsetSeconds);
}

} // namespace

EventViewController::EventViewController(CalendarStore& store, QWidget* parent)
    : QDialog(parent), store_(store)
{
    buildWindow();
}

void EventViewController::buildWindow()
{
    setObjectName(QStringLiteral("EventView"));
    title_ = new QLineEdit(this);
    title_->setObjectName(QStringLiteral("title"));
    title_->setMinimumWidth(320);
    startDate_ = datePicker(this, QStringLiteral("startDate"));
    endDate_ = datePicker(this, QStringLiteral("endDate"));
    connect(startDate_, &QDateTimeEdit::dateTimeChanged, this, &EventViewController::startChanged);
    connect(endDate_, &QDateTimeEdit::dateTimeChanged, this, &EventViewController::endChanged);

    // "No" and "Yes" side by side, one of them pressed: a segmented control.
    auto* allDayBox = new QWidget(this);
    auto* allDayLayout = new QHBoxLayout(allDayBox);
    allDayLayout->setContentsMargins(0, 0, 0, 0);
    allDayLayout->setSpacing(0);
    allDayControl_ = new QButtonGroup(this);
    allDayControl_->setExclusive(true);
    QToolButton* no = segment(localized("No"), allDayBox);
    no->setObjectName(QStringLiteral("allDayNo"));
    QToolButton* yes = segment(localized("Yes"), allDayBox);
    yes->setObjectName(QStringLiteral("allDayYes"));
    allDayControl_->addButton(no, 0);
    allDayControl_->addButton(yes, 1);
    no->setChecked(true);
    allDayLayout->addWidget(no);
    allDayLayout->addWidget(yes);
    allDayLayout->addStretch(1);
    connect(allDayControl_, &QButtonGroup::idClicked, this, [this] { updateTimeFormats(); });

    auto* alarmBox = new QWidget(this);
    auto* alarmLayout = new QHBoxLayout(alarmBox);
    alarmLayout->setContentsMargins(0, 0, 0, 0);
    validAlarm_ = new QCheckBox(alarmBox);
    validAlarm_->setObjectName(QStringLiteral("validAlarm"));
    alarmDate_ = datePicker(alarmBox, QStringLiteral("alarmDate"));
    // The check box and the picker share the "Alarm" row: both need its name.
    nameControl(validAlarm_, localized("Alarm"));
    nameControl(alarmDate_, localized("Alarm"));
    alarmLayout->addWidget(validAlarm_);
    alarmLayout->addWidget(alarmDate_, 1);
    connect(validAlarm_, &QCheckBox::toggled, this, &EventViewController::toggleAlarmDate);

    calendarButton_ = new QComboBox(this);
    calendarButton_->setObjectName(QStringLiteral("calendarButton"));
    availabilityButton_ = new QComboBox(this);
    availabilityButton_->setObjectName(QStringLiteral("availabilityButton"));
    availabilityButton_->addItem(localized("Busy"), int(CalendarEvent::Busy));
    availabilityButton_->addItem(localized("Free"), int(CalendarEvent::Free));

    auto* form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignRight);
    form->addRow(localized("Title"), title_);
    form->addRow(localized("Starts"), startDate_);
    form->addRow(localized("Ends"), endDate_);
    form->addRow(localized("All-Day"), allDayBox);
    form->addRow(localized("Alarm"), alarmBox);
    form->addRow(localized("Calendar"), calendarButton_);
    // The calendar is a file of ours: say where, so that a desktop calendar
    // can be pointed at it.
    calendarFileLabel_ = new QLabel(this);
    calendarFileLabel_->setObjectName(QStringLiteral("calendarFileLabel"));
    calendarFileLabel_->setWordWrap(true);
    calendarFileLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    form->addRow(QString(), calendarFileLabel_);
    connect(calendarButton_, &QComboBox::currentIndexChanged, this, &EventViewController::showCalendarFile);
    availabilityLabel_ = new QLabel(localized("Availability"), this);
    availabilityLabel_->setBuddy(availabilityButton_);
    form->addRow(availabilityLabel_, availabilityButton_);

    problemLabel_ = new QLabel(this);
    problemLabel_->setObjectName(QStringLiteral("problemLabel"));
    problemLabel_->setWordWrap(true);
    problemLabel_->setStyleSheet(QStringLiteral("color: #a40000;"));
    problemLabel_->hide();

    cancelButton_ = new QPushButton(localized("Cancel"), this);
    cancelButton_->setObjectName(QStringLiteral("cancelButton"));
    removeButton_ = new QPushButton(localized("Remove"), this);
    removeButton_->setObjectName(QStringLiteral("removeButton"));
    saveButton_ = new QPushButton(localized("Save"), this);
    saveButton_->setObjectName(QStringLiteral("saveButton"));
    saveButton_->setDefault(true);
    connect(cancelButton_, &QPushButton::clicked, this, &EventViewController::cancelEvent);
    connect(removeButton_, &QPushButton::clicked, this, &EventViewController::removeEvent);
    connect(saveButton_, &QPushButton::clicked, this, &EventViewController::saveEvent);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(removeButton_);
    buttons->addStretch(1);
    buttons->addWidget(cancelButton_);
    buttons->addWidget(saveButton_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(problemLabel_);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    updateTimeFormats();
}

// --- Pure rules

QStringList EventViewController::uniqueCalendarTitles(const QStringList& titles)
{
    QStringList shown;
    for (const QString& title : titles) {
        QString unique = title;
        for (qulonglong n = 2; shown.contains(unique); ++n)
            unique = QStringLiteral("%1 (%2)").arg(title).arg(n);
        shown.append(unique);
    }
    return shown;
}

QDateTime EventViewController::reminderStart(const QDateTime& date, const QDateTime& now)
{
    const QDateTime start = sevenHoursInto(date);
    const QDateTime localNow = now.toLocalTime();
    if (start >= now || date.toLocalTime().date() != localNow.date())
        return start;
    const QTime hour(localNow.time().hour(), 0);
    return QDateTime(localNow.date(), hour).addSecs(3600);
}

QDateTime EventViewController::reminderEnd(const QDateTime& start)
{
    return start.addDays(1); // the same time on the next day
}

// --- Presenting

void EventViewController::fillCalendarList()
{
    calArray_ = store_.calendars();
    QStringList titles;
    for (const CalendarInfo& calendar : calArray_)
        titles.append(calendar.title);
    calendarButton_->clear();
    calendarButton_->addItems(uniqueCalendarTitles(titles));
}

void EventViewController::showCalendarFile(int index)
{
    if (index < 0 || index >= calArray_.size()) {
        calendarFileLabel_->clear();
        return;
    }
    calendarFileLabel_->setText(
        localized("Kept in %1. To see these reminders in your desktop calendar, add this file to it as a calendar.")
            .arg(QDir::toNativeSeparators(calArray_[index].filePath)));
}

void EventViewController::selectCalendar(const QString& calendarIdentifier)
{
    int index = 0;
    for (int i = 0; i < calArray_.size(); ++i) {
        if (calArray_[i].identifier == calendarIdentifier)
            index = i;
    }
    calendarButton_->setCurrentIndex(calArray_.isEmpty() ? -1 : index);
}

bool EventViewController::eventExistsInCalendar(const std::optional<QString>& identifier)
{
    return identifier && !identifier->isEmpty() && store_.eventExists(*identifier);
}

void EventViewController::presentEventWindow(const std::optional<QString>& identifier, const QString& title,
                                             const QDateTime& date)
{
    prepareEventWindow(identifier, title, date);
    setWindowModality(Qt::ApplicationModal);
    exec();
}

void EventViewController::prepareEventWindow(const std::optional<QString>& identifier, const QString& title,
                                             const QDateTime& date)
{
    visible_ = false; // no validation while the controls are filled
    identifier_ = identifier;
    if (identifier_ && identifier_->isEmpty())
        identifier_.reset();
    if (calArray_.isEmpty())
        fillCalendarList();
    std::optional<CalendarEvent> existing;
    if (identifier_) {
        existing = store_.eventWithIdentifier(*identifier_);
        if (!existing)
            identifier_.reset(); // deleted elsewhere: made anew
    }

    if (!existing) {
        setWindowTitle(localized("Add New Event"));
        title_->setText(title);
        const QDateTime start = reminderStart(date);
        startDate_->setDateTime(start);
        endDate_->setDateTime(reminderEnd(start));
        allDayControl_->button(0)->setChecked(true);
        validAlarm_->setChecked(false);
        alarmDate_->setDateTime(start);
        availabilityButton_->setCurrentIndex(CalendarEvent::Busy);
        removeButton_->hide();
        selectCalendar(store_.defaultCalendarForNewEvents().identifier);
    } else {
        setWindowTitle(localized("Edit Event"));
        removeButton_->show();
        title_->setText(existing->title);
        startDate_->setDateTime(existing->start);
        endDate_->setDateTime(existing->end);
        allDayControl_->button(existing->allDay ? 1 : 0)->setChecked(true);
        // Other calendar software marks "no alarm" with an alarm at a fixed
        // date in 1976; that one is not shown.
        std::optional<QDateTime> alarm;
        for (const QDateTime& when : existing->alarms) {
            if (when.toSecsSinceEpoch() != kSentinelAlarmSeconds) {
                alarm = when;
                break;
            }
        }
        validAlarm_->setChecked(alarm.has_value());
        alarmDate_->setDateTime(alarm ? *alarm : existing->start);
        availabilityButton_->setCurrentIndex(existing->availability == CalendarEvent::Free ? 1 : 0);
        selectCalendar(existing->calendarIdentifier);
    }
    toggleAlarmDate();
    updateTimeFormats();
    availabilityLabel_->show();
    availabilityButton_->show();
    acceptedStart_ = startDate_->dateTime();
    acceptedEnd_ = endDate_->dateTime();
    // Calendar files that could not be read are named, so that the user
    // knows why a calendar is missing; they are left as they are.
    showProblem(store_.problems().join(QLatin1Char('\n')));
    saveButton_->setEnabled(!calArray_.isEmpty());
    title_->setFocus();
    visible_ = true;
    show();
}

void EventViewController::showProblem(const QString& text)
{
    problemLabel_->setText(text);
    problemLabel_->setVisible(!text.isEmpty());
    adjustSize();
}

void EventViewController::updateTimeFormats()
{
    // The user's date format; times to the minute (reminders have no seconds).
    const bool allDay = allDayControl_->checkedId() == 1;
    QString time = QLocale().timeFormat(QLocale::ShortFormat);
    time.remove(QStringLiteral(":ss"));
    const QString date = QLocale().dateFormat(QLocale::ShortFormat);
    const QString dateTime = date + QLatin1Char(' ') + time;
    startDate_->setDisplayFormat(allDay ? date : dateTime);
    endDate_->setDisplayFormat(allDay ? date : dateTime);
    alarmDate_->setDisplayFormat(dateTime);
}

// --- Validation: the start never passes the end, nor the end the start.

void EventViewController::startChanged(const QDateTime& proposed)
{
    if (!visible_) {
        acceptedStart_ = proposed;
        return;
    }
    if (proposed > endDate_->dateTime()) {
        const QSignalBlocker block(startDate_);
        startDate_->setDateTime(acceptedStart_);
        return;
    }
    acceptedStart_ = proposed;
}

void EventViewController::endChanged(const QDateTime& proposed)
{
    if (!visible_) {
        acceptedEnd_ = proposed;
        return;
    }
    if (proposed < startDate_->dateTime()) {
        const QSignalBlocker block(endDate_);
        endDate_->setDateTime(acceptedEnd_);
        return;
    }
    acceptedEnd_ = proposed;
}

void EventViewController::toggleAlarmDate()
{
    alarmDate_->setEnabled(validAlarm_->isChecked());
}

// --- Actions

void EventViewController::saveEvent()
{
    CalendarEvent event;
    if (identifier_) {
        if (auto existing = store_.eventWithIdentifier(*identifier_))
            event = *existing;
    }
    event.title = title_->text();
    event.start = startDate_->dateTime();
    event.end = endDate_->dateTime();
    const int calendar = calendarButton_->currentIndex();
    event.calendarIdentifier = calendar >= 0 && calendar < calArray_.size() ? calArray_[calendar].identifier
                                                                             : QString();
    event.allDay = allDayControl_->checkedId() == 1;
    event.alarms.clear();
    if (validAlarm_->isChecked())
        event.alarms.append(alarmDate_->dateTime());
    event.availability = availabilityButton_->currentIndex() == 1 ? CalendarEvent::Free : CalendarEvent::Busy;
    if (!store_.saveEvent(event)) {
        // The window stays open with the reason: closing it would tell the
        // user the reminder is in the calendar when it is not.
        showProblem(store_.lastError());
        return;
    }
    identifier_ = event.identifier;
    finish(QDialog::Accepted);
    if (delegate_)
        delegate_->updatedEventWithIdentifier(identifier_);
}

void EventViewController::removeEvent()
{
    if (identifier_ && store_.eventExists(*identifier_) && !store_.removeEvent(*identifier_)) {
        showProblem(store_.lastError());
        return;
    }
    identifier_.reset();
    finish(QDialog::Accepted);
    if (delegate_)
        delegate_->updatedEventWithIdentifier(std::nullopt);
}

void EventViewController::cancelEvent()
{
    finish(QDialog::Rejected);
    if (delegate_)
        delegate_->canceledEventEntry();
}

void EventViewController::finish(int result)
{
    visible_ = false;
    QDialog::done(result);
}

void EventViewController::closeEvent(QCloseEvent* event)
{
    if (visible_)
        cancelEvent();
    event->accept();
}

void EventViewController::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        cancelEvent();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace spinora
