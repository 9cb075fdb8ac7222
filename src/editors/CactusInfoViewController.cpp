#include "CactusInfoViewController.h"

#include "ActionEdge.h"
#include "WaterInfoViewController.h"

#include "Cactus.h"
#include "Image.h"
#include "Localization.h"
#include "SpinoraDatabase.h"
#include "SpinoraStrings.h"
#include "SpinoraUtility.h"
#include "Water.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QFileDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace spinora {

namespace {

constexpr int kCactusPhotoSlots = 5;

QComboBox* popUp(const QStringList& items, const char* name, QWidget* parent)
{
    auto* box = new QComboBox(parent);
    box->addItems(items);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

void selectIndex(QComboBox* box, int64_t index, int64_t last)
{
    box->setCurrentIndex(index >= 0 && index <= last ? int(index) : 0);
}

QLineEdit* limitedField(const char* name, QWidget* parent)
{
    auto* field = new QLineEdit(parent);
    field->setObjectName(QString::fromLatin1(name));
    field->setValidator(new TextLimitValidator(kTextLimit, field));
    return field;
}

QLineEdit* amountField(const char* name, QWidget* parent)
{
    auto* field = new QLineEdit(parent);
    field->setObjectName(QString::fromLatin1(name));
    field->setAlignment(Qt::AlignRight);
    field->setValidator(new NumberValidator(9, 2, field));
    return field;
}

QDateTimeEdit* datePicker(const char* name, bool withTime, QWidget* parent)
{
    auto* picker = new QDateTimeEdit(parent);
    picker->setObjectName(QString::fromLatin1(name));
    setupDatePicker(picker, withTime);
    return picker;
}

QPlainTextEdit* limitedTextView(const char* name, const char* label, QWidget* parent)
{
    auto* view = new QPlainTextEdit(parent);
    view->setObjectName(QString::fromLatin1(name));
    limitTextView(view, localized(label));
    return view;
}

} // namespace

CactusInfoViewController::CactusInfoViewController(SpinoraDatabase& document, QWidget* parent)
    : RecordEditor(document, parent)
{
    setObjectName(QStringLiteral("CactusInfoViewController"));
    usePhotos(Image::kCactusPhoto, kCactusPhotoSlots, [this] { return nameField_->text(); });
    buildGeneralTab();
    buildDetailsTab();
    const auto extras = finishBuilding({660, 470}, {{QT_TRID_NOOP("Log History"), "logHistoryButton"},
                                                   {QT_TRID_NOOP("Flowering Calendar"), "floweringCalendarButton"},
                                                   {QT_TRID_NOOP("Photo Timeline"), "photoTimelineButton"}});
    logHistoryButton_ = extras[0];
    floweringCalendarButton_ = extras[1];
    photoTimelineButton_ = extras[2];

    nameControls({
        {nameField_, QT_TRID_NOOP("Name")},
        {commonSpeciesComboBox_, QT_TRID_NOOP("Common Name")},
        {scientificSpeciesComboBox_, QT_TRID_NOOP("Scientific Name")},
        {removeSpeciesButton_, QT_TRID_NOOP("Remove Species")},
        {typeButton_, QT_TRID_NOOP("Type")},
        {waterComboBox_, QT_TRID_NOOP("Watering")},
        {waterButton_, QT_TRID_NOOP("Open Watering Schedule")},
        {validLastWateredButton_, QT_TRID_NOOP("Last Watered")},
        {lastWateredField_, QT_TRID_NOOP("Last Watered")},
        {nextWateringField_, QT_TRID_NOOP("Next Watering")},
        {validPlantDateButton_, QT_TRID_NOOP("Plant Date")},
        {plantDateField_, QT_TRID_NOOP("Plant Date")},
        {ageAmountLabel_, QT_TRID_NOOP("Age")},
        {validDateAcquiredButton_, QT_TRID_NOOP("Date Acquired")},
        {dateAcquiredField_, QT_TRID_NOOP("Date Acquired")},
        {sourceButton_, QT_TRID_NOOP("Source")},
        {purchasePriceField_, QT_TRID_NOOP("Purchase Price")},
        {valueField_, QT_TRID_NOOP("Value")},
        {locationView_, QT_TRID_NOOP("Location")},
        {heightField_, QT_TRID_NOOP("Height")},
        {widthField_, QT_TRID_NOOP("Width")},
        {weightField_, QT_TRID_NOOP("Weight")},
        {lightField_, QT_TRID_NOOP("Light")},
        {temperatureField_, QT_TRID_NOOP("Temperature")},
        {potSizeField_, QT_TRID_NOOP("Pot Size")},
        {potShapeButton_, QT_TRID_NOOP("Pot Shape")},
        {potMaterialButton_, QT_TRID_NOOP("Pot Material")},
    });
    connect(logHistoryButton_, &QPushButton::clicked, this, [this] { handleLogHistory(); });
    connect(floweringCalendarButton_, &QPushButton::clicked, this, [this] {
        if (links_.floweringCalendar)
            links_.floweringCalendar(*this);
    });
    connect(photoTimelineButton_, &QPushButton::clicked, this, [this] {
        if (links_.photoTimeline)
            links_.photoTimeline(*this);
    });
}

CactusInfoViewController::~CactusInfoViewController() = default;

// --- Building the sheet

void CactusInfoViewController::buildGeneralTab()
{
    QWidget* page = addPage(QT_TRID_NOOP("General"));
    auto* form = new QFormLayout(page);

    nameField_ = limitedField("nameField", page);
    // OK waits for a name; the empty field says so.
    nameField_->setPlaceholderText(localized("A name is needed to save"));
    form->addRow(localized("Name"), nameField_);
    connect(nameField_, &QLineEdit::textEdited, this, [this](const QString& text) {
        cactusUpdate_ = true;
        okButton()->setEnabled(!text.isEmpty());
    });

    addPhotoSlots(form, page);

    commonSpeciesComboBox_ = editableComboBox("commonSpeciesComboBox", page);
    scientificSpeciesComboBox_ = editableComboBox("scientificSpeciesComboBox", page);
    removeSpeciesButton_ = sheetButton(localized("Remove"), "removeSpeciesButton", page,
                                       localized("Remove the currently selected species from the list."));
    auto* speciesRow = new QHBoxLayout;
    speciesRow->addWidget(commonSpeciesComboBox_, 1);
    speciesRow->addWidget(scientificSpeciesComboBox_, 1);
    speciesRow->addWidget(removeSpeciesButton_);
    form->addRow(localized("Species"), speciesRow);
    // Choosing in one box chooses the same species in the other; typing
    // leaves the other box alone and forgets the choice in this one. Qt also
    // reports a typed name that matches a listed one as chosen, once the
    // field has lost the focus: that is typing too. (Filling the other box
    // then put a name under the click that moved there, and the typing went
    // into the middle of it.)
    const auto pairSpeciesBox = [this](QComboBox* box, const char* placeholder, int64_t& key, QComboBox* other,
                                       int64_t& otherKey) {
        box->setToolTip(localized("New species are automatically added to the list when saving the Cactus Info"));
        box->lineEdit()->setPlaceholderText(localized(placeholder));
        box->lineEdit()->setValidator(new TextLimitValidator(kTextLimit, box->lineEdit()));
        connect(box, qOverload<int>(&QComboBox::activated), this, [box, &key, other, &otherKey](int index) {
            if (!box->hasFocus())
                return;
            key = recordKeyAt(box, index);
            if (selectRecordKey(other, key))
                otherKey = key;
        });
        connect(box->lineEdit(), &QLineEdit::textEdited, this, [&key] { key = -1; });
    };
    pairSpeciesBox(commonSpeciesComboBox_, QT_TRID_NOOP("Common Name"), commonSpeciesKey_, scientificSpeciesComboBox_,
                   scientificSpeciesKey_);
    pairSpeciesBox(scientificSpeciesComboBox_, QT_TRID_NOOP("Scientific Name"), scientificSpeciesKey_,
                   commonSpeciesComboBox_, commonSpeciesKey_);
    connect(removeSpeciesButton_, &QPushButton::clicked, this, [this] { removeSpecies(); });

    typeButton_ = popUp(SpinoraStrings::plantTypeStrings(), "typeButton", page);
    form->addRow(localized("Type"), typeButton_);

    waterComboBox_ = editableComboBox("waterComboBox", page);
    waterButton_ = sheetButton(localized("Open…"), "waterButton", page, localized("Open the watering schedule"));
    auto* waterRow = new QHBoxLayout;
    waterRow->addWidget(waterComboBox_, 1);
    waterRow->addWidget(waterButton_);
    form->addRow(localized("Watering"), waterRow);
    connect(waterComboBox_, qOverload<int>(&QComboBox::activated), this, [this](int index) {
        waterKey_ = recordKeyAt(waterComboBox_, index);
        waterComboBoxChanged();
    });
    connect(waterComboBox_->lineEdit(), &QLineEdit::textEdited, this, [this] { waterKey_ = -1; });
    connect(waterComboBox_->lineEdit(), &QLineEdit::editingFinished, this, [this] {
        if (waterKey_ == -1)
            waterComboBoxChanged();
    });
    connect(waterButton_, &QPushButton::clicked, this, [this] { handleWaterSelect(); });

    std::tie(validLastWateredButton_, lastWateredField_, justWateredButton_) = addLastWateredRow(form, page);
    connect(validLastWateredButton_, &QCheckBox::clicked, this, [this] { toggleValidLastWatered(); });
    connect(lastWateredField_, &QDateTimeEdit::dateTimeChanged, this, [this] { lastWateredEdited(); });
    connect(justWateredButton_, &QPushButton::clicked, this, [this] { handleJustWatered(); });

    nextWateringField_ = new QLineEdit(page);
    nextWateringField_->setObjectName(QStringLiteral("nextWateringField"));
    nextWateringField_->setReadOnly(true);
    nextWateringField_->setFocusPolicy(Qt::NoFocus);
    form->addRow(localized("Next Watering"), nextWateringField_);

    validPlantDateButton_ = new QCheckBox(page);
    validPlantDateButton_->setObjectName(QStringLiteral("validPlantDateButton"));
    plantDateField_ = datePicker("plantDateField", false, page);
    auto* plantRow = new QHBoxLayout;
    plantRow->addWidget(validPlantDateButton_);
    plantRow->addWidget(plantDateField_, 1);
    form->addRow(localized("Plant Date"), plantRow);
    connect(validPlantDateButton_, &QCheckBox::clicked, this, [this] { toggleValidPlantDate(); });
    connect(plantDateField_, &QDateTimeEdit::dateTimeChanged, this, [this] { plantDateEdited(); });

    ageAmountLabel_ = new QLabel(page);
    ageAmountLabel_->setObjectName(QStringLiteral("ageAmountLabel"));
    form->addRow(localized("Age"), ageAmountLabel_);
}

void CactusInfoViewController::buildDetailsTab()
{
    QWidget* page = addPage(QT_TRID_NOOP("Details"));
    auto* grid = new QGridLayout(page);

    validDateAcquiredButton_ = new QCheckBox(page);
    validDateAcquiredButton_->setObjectName(QStringLiteral("validDateAcquiredButton"));
    dateAcquiredField_ = datePicker("dateAcquiredField", false, page);
    connect(validDateAcquiredButton_, &QCheckBox::clicked, this, [this] { toggleValidAcquiredDate(); });
    auto* acquiredRow = new QHBoxLayout;
    acquiredRow->addWidget(validDateAcquiredButton_);
    acquiredRow->addWidget(dateAcquiredField_, 1);

    sourceButton_ = popUp(SpinoraStrings::sourceStrings(), "sourceButton", page);
    purchasePriceField_ = amountField("purchasePriceField", page);
    valueField_ = amountField("valueField", page);
    locationView_ = limitedTextView("locationView", QT_TRID_NOOP("Location"), page);
    locationView_->setMaximumHeight(70);
    heightField_ = limitedField("heightField", page);
    widthField_ = limitedField("widthField", page);
    weightField_ = limitedField("weightField", page);
    lightField_ = limitedField("lightField", page);
    temperatureField_ = limitedField("temperatureField", page);
    potSizeField_ = limitedField("potSizeField", page);
    potShapeButton_ = popUp(SpinoraStrings::shapeStrings(), "potShapeButton", page);
    potMaterialButton_ = popUp(SpinoraStrings::materialStrings(), "potMaterialButton", page);

    // Two columns: where the plant came from on the left, how it grows on the right.
    const auto addRows = [](QFormLayout* form, std::initializer_list<std::pair<const char*, QWidget*>> rows) {
        for (const auto& [label, field] : rows)
            form->addRow(localized(label), field);
    };
    auto* left = new QFormLayout;
    left->addRow(localized("Date Acquired"), acquiredRow);
    addRows(left, {{QT_TRID_NOOP("Source"), sourceButton_},
                   {QT_TRID_NOOP("Purchase Price"), purchasePriceField_},
                   {QT_TRID_NOOP("Value"), valueField_},
                   {QT_TRID_NOOP("Location"), locationView_}});
    auto* right = new QFormLayout;
    addRows(right, {{QT_TRID_NOOP("Height"), heightField_},
                    {QT_TRID_NOOP("Width"), widthField_},
                    {QT_TRID_NOOP("Weight"), weightField_},
                    {QT_TRID_NOOP("Light"), lightField_},
                    {QT_TRID_NOOP("Temperature"), temperatureField_},
                    {QT_TRID_NOOP("Pot Size"), potSizeField_},
                    {QT_TRID_NOOP("Pot Shape"), potShapeButton_},
                    {QT_TRID_NOOP("Pot Material"), potMaterialButton_}});
    grid->addLayout(left, 0, 0);
    grid->addLayout(right, 0, 1);
    grid->setRowStretch(1, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
}

// --- Loading

bool CactusInfoViewController::prepareView(Cactus* cactus)
{
    if (!open(cactus, cactus->name()))
        return false;
    // The schedule editor opened from here writes this plant; its detail
    // must stay loaded until this sheet closes.
    record_->setIsEditing(true);
    dateChangeWarning_ = false;

    nameField_->setText(record_->name());
    nameField_->setFocus();
    photos_->start(record_->images(), record_->primaryKey());

    reloadSpecies();
    Species* known = nullptr;
    if (!record_->commonName().isEmpty() && !record_->scientificName().isEmpty())
        known = document_.speciesWithName(record_->commonName(), record_->scientificName());
    if (known && selectRecordKey(commonSpeciesComboBox_, known->primaryKey()) &&
        selectRecordKey(scientificSpeciesComboBox_, known->primaryKey()))
        commonSpeciesKey_ = scientificSpeciesKey_ = known->primaryKey();
    commonSpeciesComboBox_->setEditText(record_->commonName());
    scientificSpeciesComboBox_->setEditText(record_->scientificName());

    selectIndex(typeButton_, record_->type(), 4);
    selectIndex(sourceButton_, record_->source(), 7);
    selectIndex(potShapeButton_, record_->potShape(), 10);
    selectIndex(potMaterialButton_, record_->potMaterial(), 7);

    reloadWaterComboBox();
    currentWater_ = nullptr;
    Water* schedule = record_->water();
    if (schedule && !schedule->name().isEmpty() && selectRecordKey(waterComboBox_, schedule->primaryKey())) {
        waterKey_ = schedule->primaryKey();
        waterComboBox_->setEditText(schedule->name());
        waterButton_->setEnabled(true);
        currentWater_ = schedule;
    } else {
        waterComboBox_->setEditText(QString());
        waterButton_->setEnabled(false);
    }

    validLastWateredButton_->setChecked(record_->lastWatered().has_value());
    if (record_->lastWatered())
        showDateInPicker(lastWateredField_, record_->lastWatered(), true);
    else {
        showDateInPicker(lastWateredField_, now(), true);
        blankDatePicker(lastWateredField_);
    }

    savedNextWater_ = record_->waterNext();
    nextWateringField_->setText(formatNextWatering(savedNextWater_));

    for (auto [check, picker, date] : {std::tuple{validPlantDateButton_, plantDateField_, record_->plantDate()},
                                       std::tuple{validDateAcquiredButton_, dateAcquiredField_, record_->dateAcquired()}}) {
        check->setChecked(date.has_value());
        if (date)
            showDateInPicker(picker, roundDate(date), false);
        else {
            showDateInPicker(picker, roundDate(now()), false);
            blankDatePicker(picker);
        }
    }
    updateAge();

    purchasePriceField_->setText(formatAmount(record_->purchasePrice()));
    valueField_->setText(formatAmount(record_->value()));
    setLimitedText(locationView_, record_->location());
    heightField_->setText(record_->height());
    widthField_->setText(record_->width());
    weightField_->setText(record_->weight());
    lightField_->setText(record_->light());
    temperatureField_->setText(record_->temperature());
    potSizeField_->setText(record_->potSize());
    showOpened(record_->notes());
    listAsOpen<CactusInfoViewController>(this);
    return true;
}

void CactusInfoViewController::setAddMode(bool addMode)
{
    RecordEditor::setAddMode(addMode);
    logHistoryButton_->setVisible(!addMode && links_.logHistory);
    floweringCalendarButton_->setVisible(!addMode && links_.floweringCalendar);
    photoTimelineButton_->setVisible(!addMode && links_.photoTimeline);
}

bool CactusInfoViewController::hasName() const
{
    return !nameField_->text().isEmpty();
}

void CactusInfoViewController::reloadSpecies()
{
    commonSpeciesKey_ = scientificSpeciesKey_ = -1;
    fillRecordItems(commonSpeciesComboBox_, document_.species(), &Species::name);
    fillRecordItems(scientificSpeciesComboBox_, document_.speciesScientific(), &Species::scientificName);
}

void CactusInfoViewController::reloadWaterComboBox()
{
    const QString text = waterComboBox_->currentText();
    fillRecordItems(waterComboBox_, document_.watering(), &Water::name);
    waterKey_ = -1;
    waterComboBox_->setEditText(text);
}

void CactusInfoViewController::updateWaterField()
{
    Water* chosen = currentWater_;
    reloadWaterComboBox();
    if (chosen && selectRecordKey(waterComboBox_, chosen->primaryKey())) {
        waterKey_ = chosen->primaryKey();
        waterComboBox_->setEditText(chosen->name());
    }
}

// --- Watering

Water* CactusInfoViewController::chosenWater() const
{
    if (Water* chosen = document_.waterWithKey(waterKey_))
        return chosen;
    const QString typed = waterComboBox_->currentText();
    return typed.isEmpty() ? nullptr : document_.waterWithName(typed);
}

Timestamp CactusInfoViewController::nextWateringFrom(Water* water, const Timestamp& lastWatered) const
{
    // The schedule's no-water periods are part of its detail; one that
    // cannot be read is shown (and saved) without them rather than not at all.
    const bool wasHydrated = water->isHydrated();
    water->hydrateForDisplay();
    const Timestamp next = water->nextWateringOfJoiningPlant(lastWatered);
    if (!wasHydrated)
        water->unload();
    return next;
}

Timestamp CactusInfoViewController::shownLastWatered() const
{
    return validLastWateredButton_->isChecked() ? pickerDate(lastWateredField_) : Timestamp();
}

void CactusInfoViewController::showNextWatering()
{
    nextWateringField_->setText(formatNextWatering(savedNextWater_));
}

void CactusInfoViewController::waterComboBoxChanged()
{
    Water* schedule = chosenWater();
    if (!schedule) {
        if (currentWater_)
            currentWater_->removeCactus(record_);
        currentWater_ = nullptr;
        savedNextWater_.reset();
        showNextWatering();
        waterButton_->setEnabled(false);
        return;
    }
    const Timestamp next = nextWateringFrom(schedule, shownLastWatered());
    if (currentWater_ && currentWater_ != schedule)
        currentWater_->removeCactus(record_);
    currentWater_ = schedule;
    schedule->addCactus(record_, document_.sortOrder());
    savedNextWater_ = next;
    showNextWatering();
    waterButton_->setEnabled(true);
}

void CactusInfoViewController::toggleValidLastWatered()
{
    if (validLastWateredButton_->isChecked()) {
        enableDatePicker(lastWateredField_, true);
        waterComboBoxChanged();
    } else {
        blankDatePicker(lastWateredField_);
    }
}

void CactusInfoViewController::handleJustWatered()
{
    // Watered now: the next watering follows from now, exactly as when the
    // box is turned on. (Leaving the old next date would keep a watered
    // plant due, with a next watering before its last.)
    {
        const QSignalBlocker block(lastWateredField_);
        showDateInPicker(lastWateredField_, currentMinute(), true);
    }
    validLastWateredButton_->setChecked(true);
    waterComboBoxChanged();
}

void CactusInfoViewController::lastWateredEdited()
{
    if (!infoScreenVisible_ || !validLastWateredButton_->isChecked())
        return;
    Water* schedule = chosenWater();
    if (!schedule) {
        savedNextWater_.reset();
        showNextWatering();
        return;
    }
    savedNextWater_ = nextWateringFrom(schedule, pickerDate(lastWateredField_));
    showNextWatering();
    if (!dateChangeWarning_) {
        dateChangeWarning_ = true;
        QMessageBox warning(QMessageBox::Warning, localized("WARNING"),
                            localized("WARNING"), QMessageBox::Ok, this);
        warning.setInformativeText(localized("Changing the Last Watered date may cause watering for this plant "
                                             "to become out of sync with its associated watering schedule"));
        warning.setWindowModality(Qt::WindowModal);
        warning.setObjectName(QStringLiteral("dateChangeWarning"));
        warning.exec();
    }
}

void CactusInfoViewController::handleWaterSelect()
{
    Water* schedule = chosenWater();
    if (!schedule)
        return;
    if (!openInEditor<WaterInfoViewController>(schedule))
        return;
    const auto& members = schedule->cacti();
    const bool member = std::find(members.begin(), members.end(), record_) != members.end();
    if (member && !schedule->lastWatered()) {
        // A schedule never watered has no dates to hand over: the plant keeps
        // its own, and its next watering follows from them and the schedule
        // as it is now.
        savedNextWater_ = nextWateringFrom(schedule, shownLastWatered());
        showNextWatering();
    } else if (member) {
        dateChangeWarning_ = true;
        validLastWateredButton_->setChecked(schedule->lastWatered().has_value());
        {
            const QSignalBlocker block(lastWateredField_);
            if (schedule->lastWatered())
                showDateInPicker(lastWateredField_, schedule->lastWatered(), true);
            else
                blankDatePicker(lastWateredField_);
        }
        savedNextWater_ = schedule->waterNext();
        showNextWatering();
    } else {
        waterComboBox_->setEditText(QString());
        waterKey_ = -1;
        waterButton_->setEnabled(false);
        currentWater_ = nullptr;
    }
}

// --- Dates and age

void CactusInfoViewController::toggleValidPlantDate()
{
    if (validPlantDateButton_->isChecked())
        enableDatePicker(plantDateField_, false);
    else
        blankDatePicker(plantDateField_);
    updateAge();
}

void CactusInfoViewController::toggleValidAcquiredDate()
{
    if (validDateAcquiredButton_->isChecked())
        enableDatePicker(dateAcquiredField_, false);
    else
        blankDatePicker(dateAcquiredField_);
}

void CactusInfoViewController::plantDateEdited()
{
    if (pickerDate(plantDateField_)) {
        const QDateTime day = toDateTime(roundDate(pickerDate(plantDateField_)));
        if (day != plantDateField_->dateTime()) {
            const QSignalBlocker block(plantDateField_);
            plantDateField_->setDateTime(day);
        }
    }
    updateAge();
}

void CactusInfoViewController::updateAge()
{
    const Timestamp date = validPlantDateButton_->isChecked() ? pickerDate(plantDateField_) : Timestamp();
    ageAmountLabel_->setText(Cactus::ageString(date));
}

// --- Species

void CactusInfoViewController::removeSpecies()
{
    Species* found = nullptr;
    if (document_.speciesWithKey(commonSpeciesKey_) && document_.speciesWithKey(scientificSpeciesKey_))
        found = document_.speciesWithKey(commonSpeciesKey_);
    else if (!commonSpeciesComboBox_->currentText().isEmpty() && !scientificSpeciesComboBox_->currentText().isEmpty())
        found = document_.speciesWithName(commonSpeciesComboBox_->currentText(), scientificSpeciesComboBox_->currentText());
    if (found)
        ActionEdge::run(this, localized("Remove Species"), [&] { return document_.removeSpecies(found); });
    reloadSpecies();
    commonSpeciesComboBox_->setEditText(QString());
    scientificSpeciesComboBox_->setEditText(QString());
}

// --- Log history and printing

void CactusInfoViewController::handleLogHistory()
{
    if (!links_.logHistory)
        return;
    links_.logHistory(*this);
    comeToFront();
}

bool CactusInfoViewController::writeControls(Cactus& into, FieldCheck& check) const
{
    const std::optional<double> price = check.amount(purchasePriceField_, localized("Purchase Price"));
    const std::optional<double> value = check.amount(valueField_, localized("Value"));
    if (!check.passed())
        return false;

    into.setName(nameField_->text());
    // The boxes show the chosen species' names, or what was typed.
    into.setCommonName(commonSpeciesComboBox_->currentText());
    into.setScientificName(scientificSpeciesComboBox_->currentText());
    into.setType(typeButton_->currentIndex());
    // A plant whose schedule is gone keeps its key until another is chosen.
    into.setWater(currentWater_);
    if (currentWater_ != record_->water() || currentWater_)
        into.setWateringKey(currentWater_ ? currentWater_->primaryKey() : -1);
    else
        into.setWateringKey(record_->wateringKey());
    into.setLastWatered(shownLastWatered());
    // Without a schedule chosen nothing was computed: the stored date stays.
    into.setWaterNext(savedNextWater_ ? savedNextWater_ : record_->waterNext());
    into.setPlantDate(validPlantDateButton_->isChecked() ? roundDate(pickerDate(plantDateField_)) : Timestamp());
    into.setDateAcquired(validDateAcquiredButton_->isChecked() ? roundDate(pickerDate(dateAcquiredField_))
                                                               : Timestamp());
    into.setSource(sourceButton_->currentIndex());
    into.setPurchasePrice(*price);
    into.setValue(*value);
    into.setLocation(locationView_->toPlainText());
    into.setHeight(heightField_->text());
    into.setWidth(widthField_->text());
    into.setWeight(weightField_->text());
    into.setLight(lightField_->text());
    into.setTemperature(temperatureField_->text());
    into.setPotSize(potSizeField_->text());
    into.setPotShape(potShapeButton_->currentIndex());
    into.setPotMaterial(potMaterialButton_->currentIndex());
    into.setNotes(notesView_->toPlainText());
    return true;
}

void CactusInfoViewController::linkInfo(Cactus& info) const
{
    for (Image* photo : photos_->updatedImageArray())
        info.addImage(photo);
    for (Log* log : record_->logs())
        info.linkLog(log);
}

// --- Saving and closing

Result<> CactusInfoViewController::updateSpeciesList()
{
    const QString commonText = commonSpeciesComboBox_->currentText();
    const QString scientificText = scientificSpeciesComboBox_->currentText();
    Species* chosenCommon = document_.speciesWithKey(commonSpeciesKey_);
    Species* chosenScientific = document_.speciesWithKey(scientificSpeciesKey_);
    if (chosenCommon && chosenScientific)
        return {};
    // A chosen entry completed by the other box's text takes that text for
    // every later use; a pair typed in both boxes becomes a new species.
    cactusUpdate_ = true;
    Species* completed = nullptr;
    if (chosenCommon && !scientificText.isEmpty()) {
        completed = chosenCommon;
        completed->setScientificName(scientificText);
    } else if (chosenScientific && !commonText.isEmpty()) {
        completed = chosenScientific;
        completed->setName(commonText);
    }
    if (completed) {
        if (Result<> saved = completed->save(); !saved)
            return saved;
        document_.updateSpecies(completed);
    } else if (!commonText.isEmpty() && !scientificText.isEmpty() &&
               !document_.speciesWithName(commonText, scientificText)) {
        const Result<Species*> added = document_.addSpecies(std::make_unique<Species>(commonText, scientificText));
        if (!added)
            return added.failure();
        document_.updateSpecies(*added);
    }
    return {};
}

Result<> CactusInfoViewController::saveChanges()
{
    FieldCheck check;
    if (nameField_->text() != record_->name() || commonSpeciesComboBox_->currentText() != record_->commonName() ||
        scientificSpeciesComboBox_->currentText() != record_->scientificName())
        cactusUpdate_ = true;
    if (Result<> species = updateSpeciesList(); !species)
        return species;
    // The plant leaves the schedule it followed for the one chosen.
    Water* previous = record_->water();
    writeControls(*record_, check);
    if (previous != currentWater_) {
        if (previous)
            previous->removeCactus(record_);
        if (currentWater_)
            currentWater_->addCactus(record_, document_.sortOrder());
    }
    // The list re-sorts when the name or species changed.
    if (cactusUpdate_)
        document_.updateCactus(record_);

    // Photos, once the grid has stored what it was importing.
    if (Result<> photos = photos_->commitTo(*record_); !photos)
        return photos;
    return record_->save();
}

void CactusInfoViewController::didSave()
{
    // An open log editor shows the change (the lists follow the document's notice).
    if (CactusFieldListener* logEditor = OpenEditors<CactusFieldListener>::of(&document_))
        logEditor->refreshCactusField();
}

void CactusInfoViewController::restoreScheduleMembership()
{
    for (const auto& schedule : document_.watering()) {
        if (schedule.get() != record_->water())
            schedule->removeCactus(record_);
    }
    if (Water* own = record_->water())
        own->addCactus(record_, document_.sortOrder());
}

void CactusInfoViewController::closing(bool ok)
{
    if (!ok)
        restoreScheduleMembership();
    record_->setIsEditing(false);
}

// --- Add mode

AddCactusInfoViewController::AddCactusInfoViewController(SpinoraDatabase& document, QWidget* parent)
    : CactusInfoViewController(document, parent)
{
    setObjectName(QStringLiteral("AddCactusInfoViewController"));
}

AddCactusInfoViewController::~AddCactusInfoViewController()
{
    // A new plant that was never saved must not stay in any schedule's list.
    if (newRecord_) {
        for (const auto& schedule : document_.watering())
            schedule->removeCactus(newRecord_.get());
    }
}

bool AddCactusInfoViewController::prepareView(Cactus*)
{
    CactusInfoViewController::prepareView(startNew(std::make_unique<Cactus>()));
    setAddMode(true);
    return true;
}

Result<> AddCactusInfoViewController::storeNew(Cactus& cactus)
{
    return insertWithPhotos(cactus, document_.database());
}

Cactus* AddCactusInfoViewController::keepNew(std::unique_ptr<Cactus> cactus)
{
    return document_.keepCactus(std::move(cactus));
}

void AddCactusInfoViewController::didSave()
{
    if (logInfoViewController_)
        logInfoViewController_->updateCactusField(added_);
}

} // namespace spinora
