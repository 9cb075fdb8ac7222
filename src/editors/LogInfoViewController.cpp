#include "LogInfoViewController.h"

#include "CactusInfoViewController.h"
#include "PhotoSlots.h"
#include "PrintCommand.h"
#include "calendar/CalendarStore.h"

#include "Cactus.h"
#include "Image.h"
#include "ListController.h"
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
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace spinora {

namespace {

constexpr int kTextLimit = 200;
constexpr int kSlotCount = 2;

} // namespace

CalendarStore& LogInfoViewController::sharedCalendarStore()
{
    static CalendarStore store;
    return store;
}

LogInfoViewController::LogInfoViewController(SpinoraDatabase& document, QWidget* parent)
    : EditorSheet(parent), document_(document), store_(&sharedCalendarStore()),
      photos_(document, Image::kLogPhoto, kSlotCount)
{
    setObjectName(QStringLiteral("LogInfoViewController"));
    buildGeneralTab();
    buildPhotosTab();
    buildNotesTab();
    addButtonRow();
    resize(600, 480);
    connect(okButton(), &QPushButton::clicked, this, [this] { saveChangesAndHideView(); });
    connect(cancelButton(), &QPushButton::clicked, this, [this] { hideView(false); });
    connect(printButton(), &QPushButton::clicked, this, [this] { printInfo(); });
}

LogInfoViewController::~LogInfoViewController()
{
    OpenEditors<CactusFieldListener>::remove(this);
}

// --- Building the sheet

void LogInfoViewController::buildGeneralTab()
{
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);

    eventComboBox_ = new QComboBox(page);
    eventComboBox_->setObjectName(QStringLiteral("eventComboBox"));
    eventComboBox_->setEditable(true);
    eventComboBox_->setInsertPolicy(QComboBox::NoInsert);
    eventComboBox_->lineEdit()->setValidator(new TextLimitValidator(kTextLimit, eventComboBox_->lineEdit()));
    removeEventButton_ = new QPushButton(localized("Remove"), page);
    removeEventButton_->setObjectName(QStringLiteral("removeEventButton"));
    removeEventButton_->setToolTip(localized("Remove the event name from the list."));
    removeEventButton_->setAutoDefault(false);
    auto* eventRow = new QHBoxLayout;
    eventRow->addWidget(eventComboBox_, 1);
    eventRow->addWidget(removeEventButton_);
    form->addRow(localized("Event"), eventRow);
    // Typing never chooses a list entry; it only decides whether OK is possible.
    connect(eventComboBox_->lineEdit(), &QLineEdit::textEdited, this, [this](const QString& text) {
        eventSelected_ = -1;
        okButton()->setEnabled(!text.isEmpty());
        logUpdate_ = true;
    });
    connect(eventComboBox_, qOverload<int>(&QComboBox::activated), this, [this](int index) {
        eventSelected_ = index;
        okButton()->setEnabled(index >= 0 || (log_ && !log_->eventName().isEmpty()));
        logUpdate_ = true;
    });
    connect(removeEventButton_, &QPushButton::clicked, this, [this] { removeEvent(); });

    typeButton_ = new QComboBox(page);
    typeButton_->setObjectName(QStringLiteral("typeButton"));
    typeButton_->addItems(localizedList({"Cactus", "Note"}));
    form->addRow(localized("Type"), typeButton_);

    dateField_ = new QDateTimeEdit(page);
    dateField_->setObjectName(QStringLiteral("dateField"));
    setupDatePicker(dateField_, false);
    form->addRow(localized("Date"), dateField_);

    reminderControl_ = new QButtonGroup(page);
    reminderControl_->setObjectName(QStringLiteral("reminderControl"));
    auto* reminderRow = new QHBoxLayout;
    reminderRow->setSpacing(0);
    const QStringList segments = localizedList({"No", "Yes"});
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

    cactusComboBox_ = new QComboBox(page);
    cactusComboBox_->setObjectName(QStringLiteral("cactusComboBox"));
    cactusComboBox_->setEditable(true);
    cactusComboBox_->setInsertPolicy(QComboBox::NoInsert);
    cactusSelectButton_ = new QPushButton(localized("Open…"), page);
    cactusSelectButton_->setObjectName(QStringLiteral("cactusSelectButton"));
    cactusSelectButton_->setToolTip(localized("Open the cactus"));
    addCactusButton_ = new QPushButton(localized("New…"), page);
    addCactusButton_->setObjectName(QStringLiteral("addCactusButton"));
    addCactusButton_->setToolTip(localized("Add a new cactus"));
    for (QPushButton* button : {cactusSelectButton_, addCactusButton_})
        button->setAutoDefault(false);
    auto* cactusRow = new QHBoxLayout;
    cactusRow->addWidget(cactusComboBox_, 1);
    cactusRow->addWidget(cactusSelectButton_);
    cactusRow->addWidget(addCactusButton_);
    form->addRow(localized("Cactus"), cactusRow);
    connect(cactusComboBox_, qOverload<int>(&QComboBox::activated), this, [this](int index) {
        cactusSelected_ = index;
        cactusSelectButton_->setEnabled(index >= 0);
        logUpdate_ = true;
    });
    connect(cactusComboBox_->lineEdit(), &QLineEdit::textEdited, this, [this](const QString& text) {
        cactusSelected_ = -1;
        const bool namesAdded = addedCactus_ && addedCactus_->name() == text;
        cactusSelectButton_->setEnabled(namesAdded);
        logUpdate_ = true;
    });
    connect(cactusSelectButton_, &QPushButton::clicked, this, [this] { handleCactusSelect(); });
    connect(addCactusButton_, &QPushButton::clicked, this, [this] { handleAddCactus(); });

    photoSlots_ = new PhotoSlots(kSlotCount, page);
    form->addRow(localized("Photos"), photoSlots_);
    connect(photoSlots_, &PhotoSlots::slotClicked, this, [this](int slot) {
        if (slot >= 0 && photos_.imageInSlot(slot))
            photoGrid_->handleMainImageSelect(slot);
        else
            photoGrid_->handleAddPhotoButton();
    });
    tabs()->addTab(page, localized("General"));
}

void LogInfoViewController::buildPhotosTab()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    photoGrid_ = new PhotoGridViewController(page);
    photoGrid_->setObjectName(QStringLiteral("photoGrid"));
    layout->addWidget(photoGrid_, 1);
    tabs()->addTab(page, localized("All Photos"));
}

void LogInfoViewController::buildNotesTab()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    notesView_ = new QPlainTextEdit(page);
    notesView_->setObjectName(QStringLiteral("notesView"));
    limitTextView(notesView_);
    layout->addWidget(notesView_);
    tabs()->addTab(page, localized("Notes"));
}

// --- Loading

void LogInfoViewController::reloadEvents()
{
    const QSignalBlocker block(eventComboBox_);
    eventComboBox_->clear();
    for (const auto& event : document_.events())
        eventComboBox_->addItem(event->name());
    eventComboBox_->setCurrentIndex(-1);
    eventSelected_ = -1;
}

void LogInfoViewController::reloadCacti()
{
    const QSignalBlocker block(cactusComboBox_);
    cactusComboBox_->clear();
    for (const auto& cactus : document_.cacti())
        cactusComboBox_->addItem(cactus->name());
    cactusComboBox_->setCurrentIndex(-1);
    cactusSelected_ = -1;
}

void LogInfoViewController::prepareView(Log* log)
{
    addedCactus_ = nullptr;
    log_ = log;
    log_->hydrate();
    unloadUponExit_ = true;
    waitForImageSave_ = true;
    photos_.start(log_->images());

    reloadEvents();
    reloadCacti();

    eventComboBox_->setEditText(QString());
    if (!log_->eventName().isEmpty()) {
        const auto& events = document_.events();
        Event* known = document_.eventWithName(log_->eventName());
        const auto it = std::find_if(events.begin(), events.end(), [known](const auto& e) { return e.get() == known; });
        if (known && it != events.end()) {
            eventSelected_ = int(it - events.begin());
            eventComboBox_->setCurrentIndex(eventSelected_);
        }
        eventComboBox_->setEditText(log_->eventName());
    }
    eventComboBox_->setFocus();

    cactusComboBox_->setEditText(QString());
    if (Cactus* plant = log_->cactus()) {
        const auto& cacti = document_.cacti();
        const auto it = std::find_if(cacti.begin(), cacti.end(), [plant](const auto& c) { return c.get() == plant; });
        if (it != cacti.end()) {
            cactusSelected_ = int(it - cacti.begin());
            cactusComboBox_->setCurrentIndex(cactusSelected_);
        }
        cactusComboBox_->setEditText(plant->name());
    }
    const bool fixedCactus = historyScreenNumber_ != 0;
    cactusComboBox_->setEnabled(!fixedCactus);
    addCactusButton_->setEnabled(!fixedCactus);
    cactusSelectButton_->setEnabled(!fixedCactus && log_->cactus());

    const Timestamp day = roundDate(log_->logDate() ? log_->logDate() : now());
    showDateInPicker(dateField_, day, false);
    dateChanged_ = false;

    typeButton_->setCurrentIndex(log_->logType() == 1 ? 1 : 0);
    reminderControl_->button(log_->reminder() ? 1 : 0)->setChecked(true);
    currentReminderId_.reset();
    if (!log_->reminderIdentifier().isEmpty())
        currentReminderId_ = log_->reminderIdentifier();
    openedReminderId_ = log_->reminderIdentifier();
    reminderDate_.reset();

    photoSlots_->setSlotsEnabled(true);
    redrawSlots();
    setLimitedText(notesView_, log_->notes());

    photoGrid_->setDelegate(this);
    photoGrid_->updatePhotoGrid(&document_, photos_.updatedImageArrayPointer());
    setAddMode(false);
    tabs()->setCurrentIndex(0);
    infoScreenVisible_ = true;
    recalculateReminders_ = false;
    logUpdate_ = false;
    OpenEditors<CactusFieldListener>::add(&document_, this);
}

void LogInfoViewController::setAddMode(bool addMode)
{
    addMode_ = addMode;
    setWindowTitle(localized(addMode ? "New Log" : "Log Info"));
    okButton()->setText(localized(addMode ? "Save" : "OK"));
    okButton()->setEnabled(!eventComboBox_->currentText().isEmpty());
    printButton()->setVisible(!addMode);
}

// --- Event names and cacti

void LogInfoViewController::removeEvent()
{
    const QString text = eventComboBox_->currentText();
    if (!text.isEmpty()) {
        if (Event* event = document_.eventWithName(text)) {
            document_.removeEvent(event);
            reloadEvents();
        }
    }
    eventSelected_ = -1;
    eventComboBox_->setCurrentIndex(-1);
    eventComboBox_->setEditText(QString());
    okButton()->setEnabled(false);
}

Cactus* LogInfoViewController::chosenCactus() const
{
    const auto& cacti = document_.cacti();
    if (cactusSelected_ >= 0 && size_t(cactusSelected_) < cacti.size())
        return cacti[size_t(cactusSelected_)].get();
    return nullptr;
}

void LogInfoViewController::handleCactusSelect()
{
    Cactus* plant = chosenCactus();
    if (!plant && addedCactus_ && addedCactus_->name() == cactusComboBox_->currentText())
        plant = addedCactus_;
    if (!plant)
        return;
    CactusInfoViewController editor(document_, this);
    editor.setLogHistoryHidden(true);
    editor.prepareView(plant);
    editor.showViewFromWindow();
    raise();
    activateWindow();
}

void LogInfoViewController::handleAddCactus()
{
    AddCactusInfoViewController editor(document_, this);
    editor.setLogInfoViewController(this);
    editor.prepareView();
    editor.showViewFromWindow();
    raise();
    activateWindow();
}

void LogInfoViewController::refreshCactusField()
{
    Cactus* selected = chosenCactus();
    reloadCacti();
    const auto& cacti = document_.cacti();
    const auto it = std::find_if(cacti.begin(), cacti.end(), [selected](const auto& c) { return c.get() == selected; });
    if (selected && it != cacti.end()) {
        cactusSelected_ = int(it - cacti.begin());
        cactusComboBox_->setCurrentIndex(cactusSelected_);
        cactusComboBox_->setEditText(selected->name());
    } else if (addedCactus_) {
        cactusComboBox_->setEditText(addedCactus_->name());
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
    QMessageBox alert(QMessageBox::Question, windowTitle(), localized(add ? "Add Reminder" : "Edit Reminder"),
                      QMessageBox::NoButton, this);
    alert.setObjectName(add ? QStringLiteral("addReminderQuestion") : QStringLiteral("editReminderQuestion"));
    alert.setInformativeText(
        localized(add ? "Add a reminder to your calendar?" : "Edit the reminder on your calendar?"));
    QPushButton* yes = alert.addButton(localized(add ? "Add" : "Edit"), QMessageBox::AcceptRole);
    alert.addButton(localized("Cancel"), QMessageBox::RejectRole);
    alert.setDefaultButton(yes);
    alert.setWindowModality(Qt::WindowModal);
    alert.exec();
    return alert.clickedButton() == yes;
}

void LogInfoViewController::answerQuestion(Question question)
{
    if (ask(question)) {
        addEventToCalendar();
        return;
    }
    if (dateChanged_) {
        dateChanged_ = false;
        hideView(true);
    }
}

void LogInfoViewController::toggleReminderControl()
{
    recalculateReminders_ = true;
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
    QString eventText;
    if (eventSelected_ >= 0 && size_t(eventSelected_) < document_.events().size())
        eventText = document_.events()[size_t(eventSelected_)]->name();
    else
        eventText = eventComboBox_->currentText();
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

void LogInfoViewController::closeAfterReminder()
{
    // The event editor is still unwinding its own loop: close once it has.
    QTimer::singleShot(0, this, [this] {
        if (infoScreenVisible_)
            hideView(true);
    });
}

void LogInfoViewController::updatedEventWithIdentifier(const std::optional<QString>& identifier)
{
    currentReminderId_ = identifier;
    if (!identifier) {
        reminderControl_->button(0)->setChecked(true);
        reminderDate_.reset();
    }
    if (dateChanged_) {
        dateChanged_ = false;
        log_->setReminderIdentifier(currentReminderId_.value_or(QString()));
        log_->setReminder(reminderControl_->checkedId() == 1);
        closeAfterReminder();
    }
}

void LogInfoViewController::canceledEventEntry()
{
    if (!currentReminderId_ && reminderControl_->checkedId() == 1) {
        // No event was made: the switch shows what the calendar holds.
        reminderControl_->button(0)->setChecked(true);
    }
    if (dateChanged_) {
        dateChanged_ = false;
        closeAfterReminder();
    }
}

// --- Photos

QString LogInfoViewController::imageTitle()
{
    return eventComboBox_->currentText();
}

void LogInfoViewController::redrawSlots()
{
    photoSlots_->redraw([this](int n) { return photos_.imageInSlot(n); });
}

void LogInfoViewController::updateImageArray(const std::vector<Image*>& photos)
{
    photos_.updateImageArray(photos);
    redrawSlots();
}

void LogInfoViewController::saveImage(Image* image, int slot)
{
    photos_.saveImage(image, log_->primaryKey(), slot);
    redrawSlots();
}

void LogInfoViewController::removeImages(const std::vector<Image*>& photos)
{
    photos_.removeImages(photos);
    redrawSlots();
}

void LogInfoViewController::storePhoto(Image* image, int n)
{
    if (!photos_.storePhoto(image, n))
        return;
    redrawSlots();
    photoGrid_->updatePhotoGrid(&document_, photos_.updatedImageArrayPointer());
}

void LogInfoViewController::updateCaptions()
{
    photoSlots_->redrawToolTips([this](int n) { return photos_.imageInSlot(n); });
}

// --- Printing

std::unique_ptr<Log> LogInfoViewController::getInfo() const
{
    auto info = std::make_unique<Log>();
    if (eventSelected_ >= 0 && size_t(eventSelected_) < document_.events().size())
        info->setEventName(document_.events()[size_t(eventSelected_)]->name());
    else
        info->setEventName(eventComboBox_->currentText());
    info->setLogType(std::max(0, typeButton_->currentIndex()));
    info->setLogDate(pickerDate(dateField_));
    info->setReminder(reminderControl_->checkedId() == 1);
    Cactus* plant = chosenCactus();
    if (!plant)
        plant = addedCactus_;
    info->setCactus(plant);
    info->setCactusKey(plant ? plant->primaryKey() : -1);
    for (Image* photo : photos_.updatedImageArray())
        info->addImage(photo);
    info->setNotes(notesView_->toPlainText());
    return info;
}

void LogInfoViewController::printInfo()
{
    const std::unique_ptr<Log> info = getInfo();
    PrintSubject subject;
    subject.screen = 5;
    subject.log = info.get();
    printWithDialog(this, document_, subject);
}

// --- Saving and closing

bool LogInfoViewController::applyChanges()
{
    // 1. What the cactus box showed and the cactus the entry had.
    Cactus* selectedCactus = chosenCactus();
    Cactus* previousCactus = log_->cactus();

    // 2. Event name; a typed name new to the collection joins the list.
    bool eventChanged = false;
    const auto& events = document_.events();
    if (eventSelected_ < 0 || size_t(eventSelected_) >= events.size()) {
        const QString typed = eventComboBox_->currentText();
        log_->setEventName(typed);
        if (!typed.isEmpty() && !document_.eventWithName(typed)) {
            Event* added = document_.addEvent(std::make_unique<Event>(typed));
            document_.updateEvent(added);
        }
        eventChanged = true;
    } else {
        const QString name = events[size_t(eventSelected_)]->name();
        eventChanged = name != log_->eventName();
        log_->setEventName(name);
    }

    // 3. Type.
    log_->setLogType(typeButton_->currentIndex() == 1 ? 1 : 0);

    // 4. Date.
    const Timestamp date = pickerDate(dateField_);
    bool entryChanged = eventChanged;
    if (date != log_->logDate()) {
        dateChanged_ = true;
        recalculateReminders_ = true;
        entryChanged = true;
    }
    log_->setLogDate(date);

    // 5. Reminder.
    log_->setReminder(reminderControl_->checkedId() == 1);
    log_->setReminderIdentifier(currentReminderId_.value_or(QString()));

    // 6. Cactus.
    Cactus* chosen = selectedCactus ? selectedCactus : addedCactus_;
    bool otherCactus = false;
    if (historyScreenNumber_ == 0 && chosen) {
        log_->setCactus(chosen);
        if (log_->primaryKey() != -1)
            chosen->addLog(log_);
        if (chosen != previousCactus) {
            otherCactus = true;
            if (previousCactus)
                previousCactus->removeLog(log_);
        }
    }
    log_->setCactusKey(log_->cactus() ? log_->cactus()->primaryKey() : -1);
    log_->setNotes(notesView_->toPlainText());

    // 7. Orderings.
    if (entryChanged || otherCactus)
        document_.sortLogsByLogDateAndTitle();
    if (dateChanged_ || otherCactus)
        document_.sortCacti();

    // 8. The log list counts due reminders again.
    if (recalculateReminders_) {
        if (ListController* logList = document_.listController(SpinoraDatabase::kLogList))
            logList->recalculateReminders();
        recalculateReminders_ = false;
    }

    // 9. Photos, once the grid has stored what it was importing.
    photoGrid_->waitForImageSave();
    waitForImageSave_ = false;
    log_->clearImages();
    for (Image* photo : photos_.commit())
        log_->addImage(photo);
    photoGrid_->keepAddedPhotos();

    // 10. Lists.
    document_.refreshData();
    if (dateChanged_ && log_->cactus())
        log_->cactus()->sortLogs();

    // 11. A reminder whose date moved: ask about the calendar event, unless
    // it was made in this opening for the date now saved.
    const bool askAboutReminder = dateChanged_ && log_->reminder() && !(reminderDate_ && reminderDate_ == date);
    if (!askAboutReminder)
        dateChanged_ = false;
    return askAboutReminder;
}

void LogInfoViewController::finishSave(bool askAboutReminder)
{
    if (!askAboutReminder) {
        hideView(true);
        return;
    }
    if (eventExists(log_->reminderIdentifier().isEmpty() ? std::nullopt
                                                          : std::optional<QString>(log_->reminderIdentifier()))) {
        answerQuestion(Question::EditReminder);
    } else {
        log_->setReminderIdentifier(QString());
        currentReminderId_.reset();
        answerQuestion(Question::AddReminder);
    }
}

bool LogInfoViewController::hasEventName() const
{
    return !eventComboBox_->currentText().isEmpty();
}

void LogInfoViewController::saveChangesAndHideView()
{
    if (!hasEventName())
        return;
    finishSave(applyChanges());
}

void LogInfoViewController::hideView(bool ok)
{
    if (!log_ || !infoScreenVisible_)
        return;
    if (unloadUponExit_) {
        if (ok)
            log_->dehydrate();
        else
            log_->unload();
    }
    infoScreenVisible_ = false;
    OpenEditors<CactusFieldListener>::remove(this);
    if (waitForImageSave_)
        photoGrid_->waitForImageSave();
    if (unloadUponExit_)
        photos_.release();
    if (!ok) {
        photos_.cancel(photoGrid_->addedPhotos());
        photoGrid_->discardAddedPhotos();
        // A reminder made in this opening belongs to an edit that never
        // happened: it leaves the calendar again.
        if (currentReminderId_ && !currentReminderId_->isEmpty() && *currentReminderId_ != openedReminderId_)
            store_->removeEvent(*currentReminderId_);
    } else {
        photoGrid_->keepAddedPhotos();
    }
    photoGrid_->updatePhotoGrid(&document_, nullptr);
    photos_.clear();
    finishSheet(ok);
}

// --- Add mode

AddLogInfoViewController::AddLogInfoViewController(SpinoraDatabase& document, QWidget* parent)
    : LogInfoViewController(document, parent)
{
    setObjectName(QStringLiteral("AddLogInfoViewController"));
}

AddLogInfoViewController::~AddLogInfoViewController() = default;

void AddLogInfoViewController::prepareNewLog(Cactus* forCactus)
{
    newLog_ = std::make_unique<Log>();
    addedLog_ = nullptr;
    if (forCactus) {
        newLog_->setCactus(forCactus);
        newLog_->setCactusKey(forCactus->primaryKey());
    }
    setHistoryScreenNumber(forCactus ? 1 : 0);
    LogInfoViewController::prepareView(newLog_.get());
    unloadUponExit_ = false;
    setAddMode(true);
}

void AddLogInfoViewController::saveChangesAndHideView()
{
    if (!log_ || log_ != newLog_.get() || !hasEventName())
        return;
    finishSave(applyChanges());
    // The entry joins the collection whatever the reminder question decided.
    Log* added = document_.addLog(std::move(newLog_));
    added->dehydrate();
    for (Image* photo : added->images()) {
        photo->setLinkedKey(added->primaryKey());
        photo->save();
        photo->dehydrate();
    }
    if (historyScreenNumber_ == 1 && added->cactus())
        added->cactus()->sortLogs();
    document_.refreshData();
    addedLog_ = added;
    log_ = added;
}

} // namespace spinora
