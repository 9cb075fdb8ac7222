#include "WaterInfoViewController.h"

#include "ActionEdge.h"
#include "CactusInfoViewController.h"
#include "CactusTable.h"

#include "Cactus.h"
#include "Image.h"
#include "Localization.h"
#include "SpinoraDatabase.h"
#include "UndoHistory.h"
#include "SpinoraStrings.h"
#include "Water.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace spinora {

namespace {

const char* const kMonthPlaceholders[6] = {QT_TRID_NOOP("From Date 1"), QT_TRID_NOOP("To Date 2"),
                                           QT_TRID_NOOP("From Date 3"), QT_TRID_NOOP("To Date 4"),
                                           QT_TRID_NOOP("From Date 5"), QT_TRID_NOOP("To Date 6")};

// Days of a month in the current year (February follows this year's length).
int daysInMonth(int month)
{
    if (month < 1 || month > 12)
        return 31;
    return QDate(QDate::currentDate().year(), month, 1).daysInMonth();
}

// Item 0 is "no day": an empty text rather than a space, so that a screen
// reader names the blank pop-up after its date instead of reading a space.
QStringList dayItems(int days)
{
    QStringList items{QString()};
    for (int day = 1; day <= days; ++day)
        items << QString::number(day);
    return items;
}

} // namespace

// --- The chooser

CactiToWaterViewController::CactiToWaterViewController(SpinoraDatabase& document, QWidget* parent)
    : QDialog(parent), document_(document)
{
    setObjectName(QStringLiteral("CactiToWaterViewController"));
    setWindowTitle(localized("Cacti To Water"));
    setWindowModality(Qt::WindowModal);
    table_ = new CactusTable([this]() -> const std::vector<Cactus*>& { return document_.displayedCacti(); }, this);
    table_->setObjectName(QStringLiteral("cactiTable"));
    table_->setAccessibleName(localized("Cacti To Water"));
    connect(table_, &CactusTable::clicked, this, [this] { toggleRows(table_->chosenRows()); });
    connect(table_, &CactusTable::rowsChosen, this, &CactiToWaterViewController::toggleRows);
    connect(table_, &CactusTable::headerClicked, this, &CactiToWaterViewController::flipSortOrder);
    QPushButton* close = sheetButton(localized("Close"), "closeButton", this);
    connect(close, &QPushButton::clicked, this, &CactiToWaterViewController::hideView);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table_, 1);
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(close);
    layout->addLayout(row);
    resize(640, 520);
}

void CactiToWaterViewController::prepareView(Water* water)
{
    water_ = water;
    table_->setMarkedSchedule(water);
    reload();
}

void CactiToWaterViewController::showViewFromWindow()
{
    table_->setFocus();
    exec();
}

void CactiToWaterViewController::hideView()
{
    accept();
}

void CactiToWaterViewController::reload()
{
    table_->reload(document_.sortCactiAscending());
}

void CactiToWaterViewController::toggleRows(const std::vector<int>& rows)
{
    std::vector<Cactus*> chosen;
    for (int row : rows) {
        if (Cactus* cactus = table_->cactusAt(row))
            chosen.push_back(cactus);
    }
    // Each plant moves at once, as one step: a move that cannot be written
    // leaves every plant where it was, and the user is told.
    ActionEdge::run(this, windowTitle(), [&] {
        return UndoHistory::runUnrecorded(document_, [&]() -> Result<> {
            for (Cactus* cactus : chosen) {
                formerSchedules_.try_emplace(cactus, cactus->water(), cactus->wateringKey());
                if (cactus->water() == water_)
                    water_->removeCactus(cactus);
                else if (cactus->water())
                    cactus->water()->removeCactus(cactus); // a plant follows one schedule
                Water* schedule = cactus->water() == water_ ? nullptr : water_;
                if (schedule)
                    water_->addCactus(cactus, document_.sortOrder());
                if (Result<> moved = moveToSchedule(*cactus, schedule, schedule ? water_->primaryKey() : -1); !moved)
                    return moved;
            }
            return {};
        });
    });
    const QModelIndex current = table_->currentIndex();
    table_->clearSelection();
    reload();
    // The keyboard goes on from the row it was on.
    if (current.isValid())
        table_->selectionModel()->setCurrentIndex(table_->model()->index(current.row(), 0), QItemSelectionModel::NoUpdate);
}

void CactiToWaterViewController::undoMoves()
{
    for (auto& [cactus, former] : formerSchedules_) {
        auto [schedule, key] = former;
        if (cactus->water() == schedule && cactus->wateringKey() == key)
            continue;
        if (cactus->water())
            cactus->water()->removeCactus(cactus);
        if (schedule)
            schedule->addCactus(cactus, document_.sortOrder());
        // A plant that cannot be written back stays marked for the next save.
        if (Result<> moved = moveToSchedule(*cactus, schedule, key); !moved)
            logFailure(moved.failure());
    }
    formerSchedules_.clear();
}

Result<> CactiToWaterViewController::moveToSchedule(Cactus& cactus, Water* schedule, int64_t key)
{
    if (Result<> read = cactus.hydrate(); !read)
        return read;
    cactus.setWater(schedule);
    cactus.setWateringKey(key);
    return cactus.dehydrate();
}

void CactiToWaterViewController::flipSortOrder()
{
    document_.setSortCactiAscending(!document_.sortCactiAscending());
    document_.sortCacti();
    reload();
    table_->scrollToTop();
}

// --- The editor

WaterInfoViewController::WaterInfoViewController(SpinoraDatabase& document, QWidget* parent)
    : RecordEditor(document, parent)
{
    setObjectName(QStringLiteral("WaterInfoViewController"));
    chooser_ = new CactiToWaterViewController(document, this);
    buildGeneralTab();
    buildCactiTab();
    finishBuilding({640, 420});

    nameControls({
        {nameField_, QT_TRID_NOOP("Name")},
        {waterEveryField_, QT_TRID_NOOP("Water Every")},
        {waterEveryButton_, QT_TRID_NOOP("Units")},
        {quantityButton_, QT_TRID_NOOP("Quantity")},
        {validLastWateredButton_, QT_TRID_NOOP("Last Watered")},
        {lastWateredField_, QT_TRID_NOOP("Last Watered")},
    });
    for (int which = 0; which < 6; ++which) {
        const QString date = localized(kMonthPlaceholders[which]);
        nameControl(monthBoxes_[size_t(which)], date);
        nameControl(dayButtons_[size_t(which)], localized("%1, Day").arg(date));
    }
}

WaterInfoViewController::~WaterInfoViewController() = default;

void WaterInfoViewController::buildGeneralTab()
{
    QWidget* page = addPage(QT_TRID_NOOP("General"));
    auto* form = new QFormLayout(page);

    nameField_ = new QLineEdit(page);
    nameField_->setObjectName(QStringLiteral("nameField"));
    nameField_->setValidator(new TextLimitValidator(kTextLimit, nameField_));
    // OK waits for a name; the empty field says so.
    nameField_->setPlaceholderText(localized("A name is needed to save"));
    connect(nameField_, &QLineEdit::textEdited, this, [this](const QString& text) {
        waterUpdate_ = true;
        okButton()->setEnabled(!text.isEmpty());
    });
    form->addRow(localized("Name"), nameField_);

    waterEveryField_ = new QLineEdit(page);
    waterEveryField_->setObjectName(QStringLiteral("waterEveryField"));
    waterEveryField_->setValidator(new NumberValidator(7, 0, waterEveryField_));
    waterEveryField_->setMaximumWidth(90);
    waterEveryField_->setAlignment(Qt::AlignRight);
    waterEveryButton_ = new QComboBox(page);
    waterEveryButton_->setObjectName(QStringLiteral("waterEveryButton"));
    auto* everyRow = new QHBoxLayout;
    everyRow->addWidget(waterEveryField_);
    everyRow->addWidget(waterEveryButton_);
    everyRow->addStretch(1);
    form->addRow(localized("Water Every"), everyRow);
    connect(waterEveryField_, &QLineEdit::textEdited, this, [this](const QString& text) {
        refillUnits(text.trimmed().toInt());
        calculateNextWatering(pickerDate(lastWateredField_));
    });
    connect(waterEveryButton_, qOverload<int>(&QComboBox::activated), this,
            [this] { calculateNextWatering(pickerDate(lastWateredField_)); });

    quantityButton_ = new QComboBox(page);
    quantityButton_->setObjectName(QStringLiteral("quantityButton"));
    quantityButton_->addItems(SpinoraStrings::quantityStrings());
    form->addRow(localized("Quantity"), quantityButton_);

    std::tie(validLastWateredButton_, lastWateredField_, justWateredButton_) = addLastWateredRow(form, page);
    connect(validLastWateredButton_, &QCheckBox::clicked, this, [this] { toggleValidLastWatered(); });
    connect(justWateredButton_, &QPushButton::clicked, this, [this] { handleJustWatered(); });
    connect(lastWateredField_, &QDateTimeEdit::dateTimeChanged, this,
            [this](const QDateTime& moment) { calculateNextWatering(fromDateTime(moment)); });

    // Three periods, each a from and a to date of a month and a day.
    auto* periods = new QGridLayout;
    const QStringList monthItems = QStringList{localized("Clear Date")} + SpinoraStrings::months();
    for (int which = 0; which < 6; ++which) {
        auto* month = new QComboBox(page);
        month->setObjectName(QStringLiteral("%1Month%2ComboBox").arg(which % 2 ? "to" : "from").arg(which + 1));
        month->addItems(monthItems);
        month->setPlaceholderText(localized(kMonthPlaceholders[which]));
        month->setCurrentIndex(-1);
        month->setMinimumContentsLength(10);
        auto* day = new QComboBox(page);
        day->setObjectName(QStringLiteral("%1Day%2Button").arg(which % 2 ? "to" : "from").arg(which + 1));
        day->addItems(dayItems(31));
        monthBoxes_[size_t(which)] = month;
        dayButtons_[size_t(which)] = day;
        connect(month, qOverload<int>(&QComboBox::activated), this, [this, which] { comboBoxChanged(which); });
        connect(day, qOverload<int>(&QComboBox::activated), this, [this] { handleDayChange(); });
        const int row = which / 2;
        const int column = (which % 2) * 3;
        periods->addWidget(month, row, column);
        periods->addWidget(day, row, column + 1);
        if (which % 2 == 0)
            periods->addWidget(new QLabel(QStringLiteral("–"), page), row, 2);
    }
    periods->setColumnStretch(0, 1);
    periods->setColumnStretch(3, 1);
    form->addRow(localized("No Water Between"), periods);

    nextWateringAmountLabel_ = new QLabel(page);
    nextWateringAmountLabel_->setObjectName(QStringLiteral("nextWateringAmountLabel"));
    form->addRow(localized("Next Watering"), nextWateringAmountLabel_);
}

void WaterInfoViewController::buildCactiTab()
{
    QWidget* page = addPage(QT_TRID_NOOP("Cacti To Water"));
    auto* layout = new QVBoxLayout(page);
    cactiToWaterView_ = new CactusTable(
        [this]() -> const std::vector<Cactus*>& {
            static const std::vector<Cactus*> none;
            return record_ ? record_->cacti() : none;
        },
        page);
    cactiToWaterView_->setObjectName(QStringLiteral("cactiToWaterView"));
    cactiToWaterView_->setAccessibleName(localized("Cacti To Water"));
    connect(cactiToWaterView_, &CactusTable::doubleClicked, this,
            [this](const QModelIndex& index) { showCactusInfo(index.row()); });
    connect(cactiToWaterView_, &CactusTable::rowsChosen, this,
            [this](const std::vector<int>& rows) { showCactusInfo(rows.front()); });
    // The header flips the order of the plants here as in the lists.
    connect(cactiToWaterView_, &CactusTable::headerClicked, this, [this] {
        document_.setSortCactiAscending(!document_.sortCactiAscending());
        record_->sortCacti(document_.sortOrder());
        reloadCacti();
        cactiToWaterView_->scrollToTop();
    });
    addCactussButton_ = sheetButton(QStringLiteral("+"), "addCactussButton", page,
                                    localized("Choose the cacti that follow this schedule"));
    addCactussButton_->setAccessibleName(localized("Add Cacti"));
    removeCactussButton_ = sheetButton(QStringLiteral("−"), "removeCactussButton", page,
                                       localized("Remove the selected cacti from this schedule"));
    removeCactussButton_->setAccessibleName(localized("Remove Cacti"));
    // As narrow as the style lets a button with its glyph be.
    for (QPushButton* button : {addCactussButton_, removeCactussButton_})
        button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    connect(addCactussButton_, &QPushButton::clicked, this, [this] { handleAddCactus(); });
    connect(removeCactussButton_, &QPushButton::clicked, this, [this] { handleDeleteCactus(); });
    layout->addWidget(cactiToWaterView_, 1);
    auto* row = new QHBoxLayout;
    row->addWidget(addCactussButton_);
    row->addWidget(removeCactussButton_);
    row->addStretch(1);
    layout->addLayout(row);
}

// --- Loading

void WaterInfoViewController::refillUnits(int64_t count)
{
    const int selected = waterEveryButton_->currentIndex();
    waterEveryButton_->clear();
    waterEveryButton_->addItems(SpinoraStrings::frequencyUnitsFor(count));
    waterEveryButton_->setCurrentIndex(selected >= 0 && selected < waterEveryButton_->count() ? selected : 0);
}

void WaterInfoViewController::fillDays(int which, int month)
{
    QComboBox* day = dayButtons_[size_t(which)];
    const int remembered = day->currentIndex();
    const QStringList items = dayItems(month >= 1 && month <= 12 ? daysInMonth(month) : 31);
    day->clear();
    day->addItems(items);
    day->setCurrentIndex(remembered >= 0 && remembered < day->count() ? remembered : 0);
}

bool WaterInfoViewController::prepareView(Water* water)
{
    if (!open(water, water->name()))
        return false;
    chooser_->forgetMoves();

    nameField_->setText(record_->name());
    nameField_->setFocus();

    waterEveryField_->setText(QString::number(record_->frequency()));
    waterEveryButton_->setCurrentIndex(-1);
    refillUnits(record_->frequency());
    const int64_t units = record_->frequencyUnits();
    waterEveryButton_->setCurrentIndex(units >= 1 && units <= 5 ? int(units - 1) : 0);
    const int64_t quantity = record_->quantity();
    quantityButton_->setCurrentIndex(quantity >= 0 && quantity <= 3 ? int(quantity) : 0);

    validLastWateredButton_->setChecked(record_->lastWatered().has_value());
    showDateInPicker(lastWateredField_, record_->lastWatered() ? record_->lastWatered() : now(), true);
    if (!record_->lastWatered())
        blankDatePicker(lastWateredField_);

    for (int which = 0; which < 6; ++which) {
        const int64_t code = record_->noWaterDDMM(which + 1);
        int month = int(code & 0xFF);
        int day = int((code >> 8) & 0xFF);
        if (month < 1 || month > 12)
            month = 0;
        if (day < 1 || month == 0 || day > daysInMonth(month))
            day = 0;
        QComboBox* dayButton = dayButtons_[size_t(which)];
        dayButton->clear();
        dayButton->addItems(dayItems(month ? daysInMonth(month) : 31));
        dayButton->setCurrentIndex(day);
        monthBoxes_[size_t(which)]->setCurrentIndex(month ? month : -1);
        monthShown_[size_t(which)] = month ? month : -1;
    }

    savedNextWater_ = record_->waterNext();
    nextWateringAmountLabel_->setText(formatNextWatering(savedNextWater_));
    reloadCacti();
    showOpened(record_->notes());
    return true;
}

void WaterInfoViewController::setAddMode(bool addMode)
{
    RecordEditor::setAddMode(addMode);
    okButton()->setDefault(true);
}

bool WaterInfoViewController::hasName() const
{
    return !nameField_->text().isEmpty();
}

void WaterInfoViewController::reloadCacti()
{
    cactiToWaterView_->reload(document_.sortCactiAscending());
}

// --- Next watering

int64_t WaterInfoViewController::noWaterCode(int which) const
{
    const int month = monthBoxes_[size_t(which)]->currentIndex();
    const int day = dayButtons_[size_t(which)]->currentIndex();
    if (month < 1 || month > 12 || day < 1 || day > 31)
        return 0;
    return Water::dayMonthCode(day, month);
}

void WaterInfoViewController::calculateNextWatering(const Timestamp& lastWatered)
{
    // The schedule as the controls stand, watered at the date proposed; a
    // frequency that cannot be stored schedules nothing.
    Water temporary;
    FieldCheck check;
    savedNextWater_.reset();
    if (lastWatered && validLastWateredButton_->isChecked() && writeControls(temporary, check))
        savedNextWater_ = temporary.calculateNextWatering(lastWatered);
    nextWateringAmountLabel_->setText(formatNextWatering(savedNextWater_));
}

void WaterInfoViewController::handleJustWatered()
{
    validLastWateredButton_->setChecked(true);
    {
        const QSignalBlocker block(lastWateredField_);
        showDateInPicker(lastWateredField_, currentMinute(), true);
    }
    calculateNextWatering(pickerDate(lastWateredField_));
}

void WaterInfoViewController::toggleValidLastWatered()
{
    if (validLastWateredButton_->isChecked()) {
        enableDatePicker(lastWateredField_, true);
        calculateNextWatering(pickerDate(lastWateredField_));
    } else {
        blankDatePicker(lastWateredField_);
    }
}

void WaterInfoViewController::handleDayChange()
{
    calculateNextWatering(pickerDate(lastWateredField_));
}

void WaterInfoViewController::clearNoWaterDate(int which, int shownMonth)
{
    const QSignalBlocker block(monthBoxes_[size_t(which)]);
    monthBoxes_[size_t(which)]->setCurrentIndex(shownMonth);
    monthShown_[size_t(which)] = shownMonth;
    QComboBox* day = dayButtons_[size_t(which)];
    day->clear();
    day->addItems(dayItems(31));
    day->setCurrentIndex(0);
}

void WaterInfoViewController::comboBoxChanged(int which)
{
    const int month = monthBoxes_[size_t(which)]->currentIndex();
    if (month == 0) {
        // "Clear Date" on a date that was set clears the period: half a
        // period means nothing to the schedule, and its other end would
        // stay behind in the file. (Passing over the item with the arrow
        // keys from an empty box clears nothing else.)
        const bool wasSet = monthShown_[size_t(which)] >= 1;
        clearNoWaterDate(which, 0);
        if (wasSet)
            clearNoWaterDate(which ^ 1, -1);
    } else {
        fillDays(which, month);
        monthShown_[size_t(which)] = month;
    }
    calculateNextWatering(pickerDate(lastWateredField_));
}

// --- Cacti

void WaterInfoViewController::handleDeleteCactus()
{
    std::vector<Cactus*> leaving;
    for (const QModelIndex& index : cactiToWaterView_->selectionModel()->selectedRows())
        leaving.push_back(cactiToWaterView_->cactusAt(index.row()));
    ActionEdge::run(this, localized("Remove Cactus"), [&] {
        return UndoHistory::runUnrecorded(document_, [&]() -> Result<> {
            for (Cactus* cactus : leaving) {
                record_->removeCactus(cactus);
                if (Result<> moved = CactiToWaterViewController::moveToSchedule(*cactus, nullptr, -1); !moved)
                    return moved;
            }
            return {};
        });
    });
    cactiToWaterView_->clearSelection();
    reloadCacti();
}

void WaterInfoViewController::handleAddCactus()
{
    chooser_->prepareView(record_);
    chooser_->showViewFromWindow();
    reloadCacti();
    comeToFront();
}

void WaterInfoViewController::showCactusInfo(int row)
{
    if (row < 0 || size_t(row) >= record_->cacti().size())
        return;
    if (openInEditor<CactusInfoViewController>(record_->cacti()[size_t(row)]))
        reloadCacti();
}

// --- Printing

bool WaterInfoViewController::writeControls(Water& into, FieldCheck& check) const
{
    const std::optional<int64_t> frequency = check.wholeNumber(waterEveryField_, localized("Water Every"), 1);
    if (!check.passed())
        return false;
    into.setName(nameField_->text());
    into.setFrequency(*frequency);
    into.setFrequencyUnits(waterEveryButton_->currentIndex() + 1);
    into.setQuantity(quantityButton_->currentIndex());
    into.setLastWatered(validLastWateredButton_->isChecked() ? pickerDate(lastWateredField_) : Timestamp());
    for (int which = 0; which < 6; ++which)
        into.setNoWaterDDMM(which + 1, noWaterCode(which));
    into.setWaterNext(savedNextWater_);
    into.setNotes(notesView_->toPlainText());
    if (record_)
        into.setNotificationSet(record_->notificationSet());
    return true;
}

void WaterInfoViewController::linkInfo(Water& info) const
{
    for (Cactus* cactus : record_->cacti())
        info.linkCactus(cactus);
}

// --- Saving and closing

Result<> WaterInfoViewController::saveChanges()
{
    FieldCheck check;
    if (nameField_->text() != record_->name())
        waterUpdate_ = true;
    const Timestamp previousLastWatered = record_->lastWatered();
    writeControls(*record_, check);

    // Every plant of the schedule is due when the schedule is; its own last
    // watered date follows only a changed one. A plant that joined in this
    // edit keeps the rhythm of its own last watering until the schedule is
    // watered: taking the date of a schedule never watered would clear it.
    const bool lastWateredChanged = record_->lastWatered() && record_->lastWatered() != previousLastWatered;
    for (Cactus* cactus : record_->cacti()) {
        if (Result<> read = cactus->hydrate(); !read)
            return read;
        if (lastWateredChanged)
            cactus->setLastWatered(record_->lastWatered());
        const bool joined = !lastWateredChanged && chooser_->joined(cactus);
        cactus->setWaterNext(joined ? record_->nextWateringOfJoiningPlant(cactus->lastWatered())
                                    : record_->waterNext());
        if (Result<> saved = cactus->dehydrate(); !saved)
            return saved;
    }
    if (waterUpdate_)
        document_.updateWater(record_);
    return record_->save();
}

void WaterInfoViewController::didSave()
{
    if (CactusInfoViewController* cactusEditor = CactusInfoViewController::openEditor(document_))
        cactusEditor->updateWaterField();
    chooser_->forgetMoves();
}

// --- Add mode

AddWaterInfoViewController::AddWaterInfoViewController(SpinoraDatabase& document, QWidget* parent)
    : WaterInfoViewController(document, parent)
{
    setObjectName(QStringLiteral("AddWaterInfoViewController"));
}

AddWaterInfoViewController::~AddWaterInfoViewController()
{
    // Plants chosen for a schedule that was never saved follow their own
    // schedule again, not none.
    cactiToWaterViewController()->undoMoves();
}

bool AddWaterInfoViewController::prepareView(Water*)
{
    cactiToWaterViewController()->undoMoves();
    WaterInfoViewController::prepareView(startNew(std::make_unique<Water>()));
    setAddMode(true);
    return true;
}

void AddWaterInfoViewController::closing(bool ok)
{
    if (!ok)
        cactiToWaterViewController()->undoMoves();
}

Result<> AddWaterInfoViewController::storeNew(Water& water)
{
    if (Result<> stored = water.insertIntoDatabase(document_.database()); !stored)
        return stored;
    for (Cactus* cactus : water.cacti()) {
        if (Result<> moved = CactiToWaterViewController::moveToSchedule(*cactus, &water, water.primaryKey()); !moved)
            return moved;
    }
    return water.dehydrate();
}

Water* AddWaterInfoViewController::keepNew(std::unique_ptr<Water> water)
{
    return document_.keepWater(std::move(water));
}

} // namespace spinora
