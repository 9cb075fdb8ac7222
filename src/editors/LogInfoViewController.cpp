#include "LogInfoViewController.h"

#include "ActionEdge.h"
#include "CactusInfoViewController.h"
#include "CalendarStore.h"

#include "Cactus.h"
#include "Image.h"
#include "Localization.h"
#include "Log.h"
#include "SpinoraDatabase.h"

#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace spinora {

namespace {

constexpr int kLogPhotoSlots = 2;

} // namespace

CalendarStore& LogInfoViewController::sharedCalendarStore()
{
    static CalendarStore store;
    return store;
}

LogInfoViewController::LogInfoViewController(SpinoraDatabase& document, QWidget* parent)
    : RecordEditor(document, parent), store_(&sharedCalendarStore())
{
    setObjectName(QStringLiteral("LogInfoViewController"));
    usePhotos(Image::kLogPhoto, kLogPhotoSlots, [this] { return eventComboBox_->currentText(); });
    buildGeneralTab();
    finishBuilding({600, 480});

    nameControls({
        {eventComboBox_, QT_TRID_NOOP("Event")},
        {removeEventButton_, QT_TRID_NOOP("Remove Event")},
        {typeButton_, QT_TRID_NOOP("Type")},
        {dateField_, QT_TRID_NOOP("Date")},
        {cactusComboBox_, QT_TRID_NOOP("Cactus")},
        {cactusSelectButton_, QT_TRID_NOOP("Open Cactus")},
        {addCactusButton_, QT_TRID_NOOP("New Cactus")},
    });
    reminderControl_->button(0)->setAccessibleName(localized("Reminder: No"));
    reminderControl_->button(1)->setAccessibleName(localized("Reminder: Yes"));
}

LogInfoViewController::~LogInfoViewController() = default;

// --- Building the sheet

void LogInfoViewController::buildGeneralTab()
{
    QWidget* page = addPage(QT_TRID_NOOP("General"));
    auto* form = new QFormLayout(page);

    eventComboBox_ = editableComboBox("eventComboBox", page);
    // OK waits for an event name; the empty field says so.
    eventComboBox_->lineEdit()->setPlaceholderText(localized("An event name is needed to save"));
    eventComboBox_->lineEdit()->setValidator(new TextLimitValidator(kTextLimit, eventComboBox_->lineEdit()));
    removeEventButton_ = sheetButton(localized("Remove"), "removeEventButton", page,
                                     localized("Remove the event name from the list."));
    auto* eventRow = new QHBoxLayout;
    eventRow->addWidget(eventComboBox_, 1);
    eventRow->addWidget(removeEventButton_);
    form->addRow(localized("Event"), eventRow);
    // Typing never chooses a list entry; it only decides whether OK is possible.
    connect(eventComboBox_->lineEdit(), &QLineEdit::textEdited, this, [this](const QString& text) {
        eventKey_ = -1;
        okButton()->setEnabled(!text.isEmpty());
        logUpdate_ = true;
    });
    connect(eventComboBox_, qOverload<int>(&QComboBox::activated), this, [this](int index) {
        eventKey_ = recordKeyAt(eventComboBox_, index);
        okButton()->setEnabled(index >= 0 || (record_ && !record_->eventName().isEmpty()));
        logUpdate_ = true;
    });
    connect(removeEventButton_, &QPushButton::clicked, this, [this] { removeEvent(); });

    typeButton_ = new QComboBox(page);
    typeButton_->setObjectName(QStringLiteral("typeButton"));
    typeButton_->addItems(localizedList({QT_TRID_NOOP("Cactus"), QT_TRID_NOOP("Note")}));
    form->addRow(localized("Type"), typeButton_);

    dateField_ = new QDateTimeEdit(page);
    dateField_->setObjectName(QStringLiteral("dateField"));
    setupDatePicker(dateField_, false);
    form->addRow(localized("Date"), dateField_);

    reminderControl_ = new QButtonGroup(page);
    reminderControl_->setObjectName(QStringLiteral("reminderControl"));
    auto* reminderRow = new QHBoxLayout;
    reminderRow->setSpacing(0);
    const QStringList segments = localizedList({QT_TRID_NOOP("No"), QT_TRID_NOOP("Yes")});
    for (int segment = 0; segment < 2; ++segment) {
        auto* button = new QPushButton(segments[segment], page);
        button->setObjectName(segment ? QStringLiteral("reminderYes") : QStringLiteral("reminderNo"));
        button->setCheckable(true);
        button->setAutoDefault(false);
        button->setMinimumWidth(60);
        reminderControl_->addButton(button, segment);
        reminderRow->addWidget(button);
    }
    reminderRow->addStretch(1);
    form->addRow(localized("Reminder"), reminderRow);
    connect(reminderControl_, &QButtonGroup::idClicked, this, [this] { toggleReminderControl(); });

    cactusComboBox_ = editableComboBox("cactusComboBox", page);
    cactusSelectButton_ = sheetButton(localized("Open…"), "cactusSelectButton", page, localized("Open the cactus"));
    addCactusButton_ = sheetButton(localized("New…"), "addCactusButton", page, localized("Add a new cactus"));
    auto* cactusRow = new QHBoxLayout;
    cactusRow->addWidget(cactusComboBox_, 1);
    cactusRow->addWidget(cactusSelectButton_);
    cactusRow->addWidget(addCactusButton_);
    form->addRow(localized("Cactus"), cactusRow);
    connect(cactusComboBox_, qOverload<int>(&QComboBox::activated), this, [this](int index) {
        cactusKey_ = recordKeyAt(cactusComboBox_, index);
        cactusSelectButton_->setEnabled(index >= 0);
        logUpdate_ = true;
    });
    connect(cactusComboBox_->lineEdit(), &QLineEdit::textEdited, this, [this](const QString& text) {
        cactusKey_ = -1;
        const bool namesAdded = addedCactus_ && addedCactus_->name() == text;
        cactusSelectButton_->setEnabled(namesAdded);
        logUpdate_ = true;
    });
    connect(cactusSelectButton_, &QPushButton::clicked, this, [this] { handleCactusSelect(); });
    connect(addCactusButton_, &QPushButton::clicked, this, [this] { handleAddCactus(); });

    addPhotoSlots(form, page);
}

// --- Loading

void LogInfoViewController::reloadEvents()
{
    fillRecordItems(eventComboBox_, document_.events(), &Event::name);
    eventKey_ = -1;
}

void LogInfoViewController::reloadCacti()
{
    fillRecordItems(cactusComboBox_, document_.cacti(), &Cactus::name);
    cactusKey_ = -1;
}

bool LogInfoViewController::prepareView(Log* log)
{
    if (!open(log, log->eventName()))
        return false;
    addedCactus_ = nullptr;

    reloadEvents();
    reloadCacti();

    eventComboBox_->setEditText(QString());
    if (!record_->eventName().isEmpty()) {
        Event* known = document_.eventWithName(record_->eventName());
        if (known && selectRecordKey(eventComboBox_, known->primaryKey()))
            eventKey_ = known->primaryKey();
        eventComboBox_->setEditText(record_->eventName());
    }
    eventComboBox_->setFocus();

    cactusComboBox_->setEditText(QString());
    if (Cactus* plant = record_->cactus()) {
        if (selectRecordKey(cactusComboBox_, plant->primaryKey()))
            cactusKey_ = plant->primaryKey();
        cactusComboBox_->setEditText(plant->name());
    }
    const bool fixedCactus = historyScreenNumber_ != 0;
    cactusComboBox_->setEnabled(!fixedCactus);
    addCactusButton_->setEnabled(!fixedCactus);
    cactusSelectButton_->setEnabled(!fixedCactus && record_->cactus());

    const Timestamp day = roundDate(record_->logDate() ? record_->logDate() : now());
    showDateInPicker(dateField_, day, false);

    typeButton_->setCurrentIndex(record_->logType() == 1 ? 1 : 0);
    reminderControl_->button(record_->reminder() ? 1 : 0)->setChecked(true);
    currentReminderId_.reset();
    if (!record_->reminderIdentifier().isEmpty())
        currentReminderId_ = record_->reminderIdentifier();
    openedReminderId_ = record_->reminderIdentifier();
    reminderDate_.reset();

    photos_->start(record_->images(), record_->primaryKey());
    showOpened(record_->notes());
    logUpdate_ = false;
    listAsOpen<CactusFieldListener>(this);
    return true;
}

// --- Event names and cacti

void LogInfoViewController::removeEvent()
{
    const QString text = eventComboBox_->currentText();
    if (!text.isEmpty()) {
        if (Event* event = document_.eventWithName(text)) {
            ActionEdge::run(this, localized("Remove Event"), [&] { return document_.removeEvent(event); });
            reloadEvents();
        }
    }
    eventKey_ = -1;
    eventComboBox_->setCurrentIndex(-1);
    eventComboBox_->setEditText(QString());
    okButton()->setEnabled(false);
}

Cactus* LogInfoViewController::chosenCactus() const
{
    return document_.cactusWithKey(cactusKey_);
}

void LogInfoViewController::handleCactusSelect()
{
    Cactus* plant = chosenCactus();
    if (!plant && addedCactus_ && addedCactus_->name() == cactusComboBox_->currentText())
        plant = addedCactus_;
    if (plant)
        openInEditor<CactusInfoViewController>(plant);
}

void LogInfoViewController::handleAddCactus()
{
    AddCactusInfoViewController editor(document_, this);
    editor.setLogInfoViewController(this);
    editor.prepareView();
    editor.showViewFromWindow();
    comeToFront();
}

void LogInfoViewController::refreshCactusField()
{
    // The plant chosen stays chosen, under the name it has now.
    Cactus* selected = chosenCactus();
    const QString typed = cactusComboBox_->currentText();
    reloadCacti();
    if (selected && selectRecordKey(cactusComboBox_, selected->primaryKey())) {
        cactusKey_ = selected->primaryKey();
        cactusComboBox_->setEditText(selected->name());
    } else {
        cactusComboBox_->setEditText(addedCactus_ ? addedCactus_->name() : typed);
    }
}

void LogInfoViewController::updateCactusField(Cactus* cactus)
{
    addedCactus_ = cactus;
    reloadCacti();
    cactusComboBox_->setEditText(cactus->name());
    cactusSelectButton_->setEnabled(true);
    addCactusButton_->setEnabled(true);
    logUpdate_ = true;
}

// --- Reminders

bool LogInfoViewController::eventExists(const std::optional<QString>& identifier)
{
    return identifier && !identifier->isEmpty() && store_->eventExists(*identifier);
}

bool LogInfoViewController::ask(Question question)
{
    const bool add = question == Question::AddReminder;
    QMessageBox alert(QMessageBox::Question, windowTitle(),
                      add ? localized("Add Reminder") : localized("Edit Reminder"), QMessageBox::NoButton, this);
    alert.setObjectName(add ? QStringLiteral("addReminderQuestion") : QStringLiteral("editReminderQuestion"));
    alert.setInformativeText(add ? localized("Add a reminder to your calendar?")
                                 : localized("Edit the reminder on your calendar?"));
    QPushButton* yes = alert.addButton(add ? localized("Add") : localized("Edit"), QMessageBox::AcceptRole);
    alert.addButton(localized("Cancel"), QMessageBox::RejectRole);
    alert.setDefaultButton(yes);
    alert.setWindowModality(Qt::WindowModal);
    alert.exec();
    return alert.clickedButton() == yes;
}

void LogInfoViewController::answerQuestion(Question question)
{
    if (ask(question))
        addEventToCalendar();
    else
        reminderCancelled();
}

void LogInfoViewController::reminderCancelled()
{
    if (currentReminderId_ || reminderControl_->checkedId() != 1)
        return;
    // No calendar event was made: the switch shows what the calendar holds
    // (and an entry saved by OK keeps no reminder, see askAboutMovedReminder).
    reminderControl_->button(0)->setChecked(true);
}

void LogInfoViewController::toggleReminderControl()
{
    const bool yes = reminderControl_->checkedId() == 1;
    if (yes) {
        if (!currentReminderId_) {
            answerQuestion(Question::AddReminder);
        } else if (!eventExists(currentReminderId_)) {
            currentReminderId_.reset();
            answerQuestion(Question::AddReminder);
        } else {
            answerQuestion(Question::EditReminder);
        }
    } else if (currentReminderId_) {
        if (!eventExists(currentReminderId_))
            currentReminderId_.reset();
        else
            answerQuestion(Question::EditReminder);
    }
}

QString LogInfoViewController::reminderTitle() const
{
    const QString eventText = chosenEventName();
    const QString first = eventText.isEmpty() ? QString() : QStringLiteral("%1 ").arg(eventText);
    const int type = typeButton_->currentIndex();
    if (type == 0 || type == -1) {
        Cactus* plant = chosenCactus();
        if (!plant && addedCactus_ && addedCactus_->name() == cactusComboBox_->currentText())
            plant = addedCactus_;
        const QString second = QStringLiteral("%1 ").arg(plant ? plant->name() : localized("Unnamed Cactus"));
        return QStringLiteral("%1%2(%3)").arg(first, second, localized("Cactus"));
    }
    if (type == 1) {
        QString notes = notesView_->toPlainText();
        if (notes.size() > Log::kSummaryLength)
            notes = notes.left(Log::kSummaryLength);
        const QString second = QStringLiteral("%1 ").arg(notes.isEmpty() ? localized("No Notes") : notes);
        return QStringLiteral("%1%2(%3)").arg(first, second, localized("Note"));
    }
    return QString();
}

void LogInfoViewController::addEventToCalendar()
{
    EventViewController events(*store_, this);
    events.setDelegate(this);
    const Timestamp date = pickerDate(dateField_);
    reminderDate_ = date;
    events.presentEventWindow(currentReminderId_, reminderTitle(), toDateTime(date));
}

void LogInfoViewController::updatedEventWithIdentifier(const std::optional<QString>& identifier)
{
    currentReminderId_ = identifier;
    if (!identifier) {
        reminderControl_->button(0)->setChecked(true);
        reminderDate_.reset();
    }
}

void LogInfoViewController::canceledEventEntry()
{
    reminderCancelled();
}

// --- Printing

QString LogInfoViewController::chosenEventName() const
{
    if (Event* chosen = document_.eventWithKey(eventKey_))
        return chosen->name();
    return eventComboBox_->currentText();
}

bool LogInfoViewController::writeControls(Log& into, FieldCheck&) const
{
    into.setEventName(chosenEventName());
    into.setLogType(typeButton_->currentIndex() == 1 ? 1 : 0);
    into.setLogDate(pickerDate(dateField_));
    into.setReminder(reminderControl_->checkedId() == 1);
    into.setReminderIdentifier(currentReminderId_.value_or(QString()));
    // The plant chosen in the box, else the one added from here, else the
    // entry's own (always so in a plant's history, where the box is fixed).
    Cactus* plant = record_->cactus();
    if (historyScreenNumber_ == 0) {
        if (Cactus* chosen = chosenCactus())
            plant = chosen;
        else if (addedCactus_)
            plant = addedCactus_;
    }
    into.setCactus(plant);
    into.setCactusKey(plant ? plant->primaryKey() : -1);
    into.setNotes(notesView_->toPlainText());
    return true;
}

void LogInfoViewController::linkInfo(Log& info) const
{
    for (Image* photo : photos_->updatedImageArray())
        info.addImage(photo);
}

// --- Saving and closing

Result<> LogInfoViewController::applyChanges(bool* askAboutReminder)
{
    // What changes, judged against the stored entry before it is written.
    const QString eventName = chosenEventName();
    const bool eventTyped = !document_.eventWithKey(eventKey_);
    const bool eventChanged = eventTyped || eventName != record_->eventName();
    const Timestamp date = pickerDate(dateField_);
    const bool dateChanged = date != record_->logDate();
    Cactus* previousCactus = record_->cactus();

    // A typed event name new to the collection joins the list.
    if (eventTyped && !eventName.isEmpty() && !document_.eventWithName(eventName)) {
        const Result<Event*> added = document_.addEvent(std::make_unique<Event>(eventName));
        if (!added)
            return added.failure();
        document_.updateEvent(*added);
    }
    FieldCheck check;
    writeControls(*record_, check);

    // The entry moves to the logs of the plant it is now about.
    Cactus* plant = record_->cactus();
    const bool otherCactus = plant != previousCactus;
    if (plant && record_->primaryKey() != -1)
        plant->addLog(record_, document_.sortLogsAscending());
    if (otherCactus && previousCactus)
        previousCactus->removeLog(record_);

    if (eventChanged || dateChanged || otherCactus)
        document_.sortLogsByLogDateAndTitle();
    if (dateChanged || otherCactus)
        document_.sortCacti();

    // Photos, once the grid has stored what it was importing.
    if (Result<> photos = photos_->commitTo(*record_); !photos)
        return photos;

    if (dateChanged && record_->cactus())
        record_->cactus()->sortLogs(document_.sortLogsAscending());

    // A reminder whose date moved: ask about the calendar event, unless it
    // was made in this opening for the date now saved.
    *askAboutReminder = dateChanged && record_->reminder() && !(reminderDate_ && reminderDate_ == date);
    return {};
}

void LogInfoViewController::askAboutMovedReminder()
{
    if (eventExists(record_->reminderIdentifier().isEmpty() ? std::nullopt
                                                          : std::optional<QString>(record_->reminderIdentifier()))) {
        answerQuestion(Question::EditReminder);
    } else {
        currentReminderId_.reset();
        answerQuestion(Question::AddReminder);
    }
    // What the calendar holds now is what the entry keeps.
    record_->setReminderIdentifier(currentReminderId_.value_or(QString()));
    record_->setReminder(reminderControl_->checkedId() == 1);
}

Result<> LogInfoViewController::saveChanges()
{
    bool askAboutReminder = false;
    if (Result<> applied = applyChanges(&askAboutReminder); !applied)
        return applied;
    // Asked within the step, so that the event the answer makes or changes
    // is saved with the entry (the file is locked only once it is written).
    if (askAboutReminder)
        askAboutMovedReminder();
    return record_->save();
}

bool LogInfoViewController::hasName() const
{
    return !eventComboBox_->currentText().isEmpty();
}

void LogInfoViewController::closing(bool ok)
{
    // A reminder made in this opening belongs to an edit that never
    // happened: it leaves the calendar again.
    if (!ok && currentReminderId_ && !currentReminderId_->isEmpty() && *currentReminderId_ != openedReminderId_)
        store_->removeEvent(*currentReminderId_);
}

// --- Add mode

AddLogInfoViewController::AddLogInfoViewController(SpinoraDatabase& document, QWidget* parent)
    : LogInfoViewController(document, parent)
{
    setObjectName(QStringLiteral("AddLogInfoViewController"));
}

void AddLogInfoViewController::prepareNewLog(Cactus* forCactus)
{
    auto log = std::make_unique<Log>();
    if (forCactus) {
        log->setCactus(forCactus);
        log->setCactusKey(forCactus->primaryKey());
    }
    setHistoryScreenNumber(forCactus ? 1 : 0);
    LogInfoViewController::prepareView(startNew(std::move(log)));
    setAddMode(true);
}

Result<> AddLogInfoViewController::storeNew(Log& log)
{
    // The logs still read behind come in first, before a row they might
    // hold is added.
    document_.finishLoading();
    return insertWithPhotos(log, document_.database());
}

Log* AddLogInfoViewController::keepNew(std::unique_ptr<Log> log)
{
    return document_.keepLog(std::move(log));
}

void AddLogInfoViewController::didSave()
{
    if (historyScreenNumber_ == 1 && added_->cactus())
        added_->cactus()->sortLogs(document_.sortLogsAscending());
}

} // namespace spinora
