#include "WaterInfoViewController.h"

#include "CactusInfoViewController.h"
#include "PrintCommand.h"

#include "Cactus.h"
#include "Image.h"
#include "Localization.h"
#include "SpinoraDatabase.h"
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
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace spinora {

namespace {

constexpr int kTextLimit = 200;
const char* const kMonthPlaceholders[6] = {"From Date 1", "To Date 2", "From Date 3",
                                           "To Date 4",   "From Date 5", "To Date 6"};

// Days of a month in the current year (February follows this year's length).
int daysInMonth(int month)
{
    if (month < 1 || month > 12)
        return 31;
    return QDate(QDate::currentDate().year(), month, 1).daysInMonth();
}

QStringList dayItems(int days)
{
    QStringList items{QStringLiteral(" ")};
    for (int day = 1; day <= days; ++day)
        items << QString::number(day);
    return items;
}

QIcon rowIcon(Cactus* cactus)
{
    Image* photo = cactus->cellImage();
    if (!photo)
        return QIcon();
    photo->hydrateThumbnail();
    const QImage& thumb = photo->thumbnail();
    return thumb.isNull() ? QIcon() : QIcon(QPixmap::fromImage(Image::centredSquare(thumb)));
}

} // namespace

void fillCactusRows(QListWidget* list, const std::vector<Cactus*>& cacti, const Water* markFollowers)
{
    list->clear();
    const QLocale locale;
    for (Cactus* cactus : cacti) {
        QStringList lines{cactus->name()};
        QString species = cactus->scientificName();
        if (!cactus->commonName().isEmpty())
            species += QStringLiteral(" (%1)").arg(cactus->commonName());
        lines << species;
        for (size_t index = 0; index < 2; ++index) {
            const std::optional<QString> event = cactus->eventString(index);
            if (!event)
                continue;
            const QDateTime date = toDateTime(cactus->eventDate(index));
            lines << QStringLiteral("%1 %2").arg(*event, date.isValid() ? locale.toString(date.date(), QLocale::ShortFormat)
                                                                        : QString());
        }
        auto* item = new QListWidgetItem(rowIcon(cactus), lines.join(QLatin1Char('\n')), list);
        item->setData(Qt::UserRole, QVariant::fromValue<void*>(cactus));
        if (Image* photo = cactus->cellImage()) {
            photo->hydrateCaption();
            item->setToolTip(photo->caption());
        }
        if (markFollowers) {
            const bool follows = cactus->water() == markFollowers;
            item->setCheckState(follows ? Qt::Checked : Qt::Unchecked);
            item->setFlags(item->flags() & ~Qt::ItemIsUserCheckable);
        }
        if (cactus->waterNext() && cactus->wateringDue())
            item->setBackground(QColor(255, 236, 210));
    }
}

// --- The chooser

CactiToWaterViewController::CactiToWaterViewController(SpinoraDatabase& document, QWidget* parent)
    : QDialog(parent), document_(document)
{
    setObjectName(QStringLiteral("CactiToWaterViewController"));
    setWindowTitle(localized("Cacti To Water"));
    setWindowModality(Qt::WindowModal);
    auto* layout = new QVBoxLayout(this);
    headerButton_ = new QPushButton(localized("Name"), this);
    headerButton_->setObjectName(QStringLiteral("nameHeader"));
    headerButton_->setFlat(true);
    headerButton_->setAutoDefault(false);
    connect(headerButton_, &QPushButton::clicked, this, &CactiToWaterViewController::flipSortOrder);
    table_ = new QListWidget(this);
    table_->setObjectName(QStringLiteral("cactiTable"));
    table_->setIconSize(QSize(64, 64));
    table_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    connect(table_, &QListWidget::itemClicked, this, [this] {
        QList<int> rows;
        for (const QModelIndex& index : table_->selectionModel()->selectedRows())
            rows << index.row();
        toggleRows(rows);
    });
    auto* close = new QPushButton(localized("Close"), this);
    close->setObjectName(QStringLiteral("closeButton"));
    connect(close, &QPushButton::clicked, this, &CactiToWaterViewController::hideView);
    layout->addWidget(headerButton_, 0, Qt::AlignLeft);
    layout->addWidget(table_, 1);
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(close);
    layout->addLayout(row);
    resize(460, 520);
}

void CactiToWaterViewController::prepareView(Water* water)
{
    water_ = water;
    reload();
}

void CactiToWaterViewController::showViewFromWindow()
{
    exec();
}

void CactiToWaterViewController::hideView()
{
    accept();
}

void CactiToWaterViewController::reload()
{
    headerButton_->setText(localized("Name") + (document_.sortCactiAscending() ? QStringLiteral(" ▲") : QStringLiteral(" ▼")));
    fillCactusRows(table_, document_.displayedCacti(), water_);
}

void CactiToWaterViewController::toggleRows(const QList<int>& rows)
{
    std::vector<Cactus*> chosen;
    for (int row : rows) {
        if (row >= 0 && size_t(row) < document_.displayedCacti().size())
            chosen.push_back(document_.displayedCacti()[size_t(row)]);
    }
    for (Cactus* cactus : chosen) {
        const bool follows = cactus->water() == water_;
        cactus->hydrate();
        if (follows) {
            water_->removeCactus(cactus);
            cactus->setWater(nullptr);
            cactus->setWateringKey(-1);
        } else {
            // A plant follows one schedule: it leaves the one it followed.
            if (cactus->water())
                cactus->water()->removeCactus(cactus);
            water_->addCactus(cactus);
            cactus->setWater(water_);
            cactus->setWateringKey(water_->primaryKey());
        }
        cactus->dehydrate();
    }
    table_->clearSelection();
    reload();
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
    : EditorSheet(parent), document_(document)
{
    setObjectName(QStringLiteral("WaterInfoViewController"));
    chooser_ = new CactiToWaterViewController(document, this);
    buildGeneralTab();
    buildCactiTab();
    buildNotesTab();
    addButtonRow();
    resize(640, 420);
    connect(okButton(), &QPushButton::clicked, this, [this] { saveChangesAndHideView(); });
    connect(cancelButton(), &QPushButton::clicked, this, [this] { hideView(false); });
    connect(printButton(), &QPushButton::clicked, this, [this] { printInfo(); });
}

WaterInfoViewController::~WaterInfoViewController() = default;

void WaterInfoViewController::buildGeneralTab()
{
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);

    nameField_ = new QLineEdit(page);
    nameField_->setObjectName(QStringLiteral("nameField"));
    nameField_->setValidator(new TextLimitValidator(kTextLimit, nameField_));
    connect(nameField_, &QLineEdit::textEdited, this, [this](const QString& text) {
        waterUpdate_ = true;
        okButton()->setEnabled(!text.isEmpty());
    });
    form->addRow(localized("Name"), nameField_);

    waterEveryField_ = new QLineEdit(page);
    waterEveryField_->setObjectName(QStringLiteral("waterEveryField"));
    waterEveryField_->setValidator(new DecimalValidator(7, 0, waterEveryField_));
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
        refillUnits(text.trimmed().toLongLong() == 1);
        calculateNextWatering(pickerDate(lastWateredField_));
    });
    connect(waterEveryButton_, qOverload<int>(&QComboBox::activated), this,
            [this] { calculateNextWatering(pickerDate(lastWateredField_)); });

    quantityButton_ = new QComboBox(page);
    quantityButton_->setObjectName(QStringLiteral("quantityButton"));
    quantityButton_->addItems(SpinoraStrings::quantityStrings());
    form->addRow(localized("Quantity"), quantityButton_);

    validLastWateredButton_ = new QCheckBox(page);
    validLastWateredButton_->setObjectName(QStringLiteral("validLastWateredButton"));
    lastWateredField_ = new QDateTimeEdit(page);
    lastWateredField_->setObjectName(QStringLiteral("lastWateredField"));
    setupDatePicker(lastWateredField_, true);
    justWateredButton_ = new QPushButton(localized("Just Watered"), page);
    justWateredButton_->setObjectName(QStringLiteral("justWateredButton"));
    justWateredButton_->setAutoDefault(false);
    auto* lastRow = new QHBoxLayout;
    lastRow->addWidget(validLastWateredButton_);
    lastRow->addWidget(lastWateredField_, 1);
    lastRow->addWidget(justWateredButton_);
    form->addRow(localized("Last Watered"), lastRow);
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
    tabs()->addTab(page, localized("General"));
}

void WaterInfoViewController::buildCactiTab()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    cactiToWaterView_ = new QListWidget(page);
    cactiToWaterView_->setObjectName(QStringLiteral("cactiToWaterView"));
    cactiToWaterView_->setIconSize(QSize(64, 64));
    cactiToWaterView_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    cactiToWaterView_->setStyleSheet(QStringLiteral("QListWidget { background: rgb(240, 240, 240); }"));
    connect(cactiToWaterView_, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { showCactusInfo(cactiToWaterView_->row(item)); });
    addCactussButton_ = new QPushButton(QStringLiteral("+"), page);
    addCactussButton_->setObjectName(QStringLiteral("addCactussButton"));
    addCactussButton_->setToolTip(localized("Choose the cacti that follow this schedule"));
    removeCactussButton_ = new QPushButton(QStringLiteral("−"), page);
    removeCactussButton_->setObjectName(QStringLiteral("removeCactussButton"));
    removeCactussButton_->setToolTip(localized("Remove the selected cacti from this schedule"));
    for (QPushButton* button : {addCactussButton_, removeCactussButton_}) {
        button->setAutoDefault(false);
        button->setFixedWidth(36);
    }
    connect(addCactussButton_, &QPushButton::clicked, this, [this] { handleAddCactus(); });
    connect(removeCactussButton_, &QPushButton::clicked, this, [this] { handleDeleteCactus(); });
    layout->addWidget(cactiToWaterView_, 1);
    auto* row = new QHBoxLayout;
    row->addWidget(addCactussButton_);
    row->addWidget(removeCactussButton_);
    row->addStretch(1);
    layout->addLayout(row);
    tabs()->addTab(page, localized("Cacti To Water"));
}

void WaterInfoViewController::buildNotesTab()
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

void WaterInfoViewController::refillUnits(bool singular)
{
    const int selected = waterEveryButton_->currentIndex();
    waterEveryButton_->clear();
    waterEveryButton_->addItems(singular ? SpinoraStrings::oneFrequencyStrings() : SpinoraStrings::frequencyStrings());
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

void WaterInfoViewController::prepareView(Water* water)
{
    water_ = water;
    water_->hydrate();
    unloadUponExit_ = true;

    nameField_->setText(water_->name());
    nameField_->setFocus();

    waterEveryField_->setText(QString::number(water_->frequency()));
    waterEveryButton_->setCurrentIndex(-1);
    refillUnits(water_->frequency() == 1);
    const int64_t units = water_->frequencyUnits();
    waterEveryButton_->setCurrentIndex(units >= 1 && units <= 5 ? int(units - 1) : 0);
    const int64_t quantity = water_->quantity();
    quantityButton_->setCurrentIndex(quantity >= 0 && quantity <= 3 ? int(quantity) : 0);

    validLastWateredButton_->setChecked(water_->lastWatered().has_value());
    showDateInPicker(lastWateredField_, water_->lastWatered() ? water_->lastWatered() : now(), true);
    if (!water_->lastWatered())
        blankDatePicker(lastWateredField_);

    for (int which = 0; which < 6; ++which) {
        const int64_t code = water_->noWaterDDMM(which + 1);
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
    }

    savedNextWater_ = water_->waterNext();
    nextWateringAmountLabel_->setText(formatNextWatering(savedNextWater_));
    reloadCacti();
    setLimitedText(notesView_, water_->notes());
    setAddMode(false);
    tabs()->setCurrentIndex(0);
    infoScreenVisible_ = true;
}

void WaterInfoViewController::setAddMode(bool addMode)
{
    addMode_ = addMode;
    setWindowTitle(localized(addMode ? "New Watering Schedule" : "Watering Schedule Info"));
    okButton()->setText(localized(addMode ? "Save" : "OK"));
    okButton()->setEnabled(addMode ? !nameField_->text().isEmpty() : true);
    okButton()->setDefault(true);
    printButton()->setVisible(!addMode);
}

void WaterInfoViewController::reloadCacti()
{
    fillCactusRows(cactiToWaterView_, water_->cacti(), nullptr);
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
    if (!lastWatered || !validLastWateredButton_->isChecked()) {
        savedNextWater_.reset();
        nextWateringAmountLabel_->setText(formatNextWatering(savedNextWater_));
        return;
    }
    Water temporary;
    temporary.setLastWatered(lastWatered);
    const int64_t frequency = waterEveryField_->text().trimmed().toLongLong();
    if (frequency >= 0)
        temporary.setFrequency(frequency);
    const int units = waterEveryButton_->currentIndex() + 1;
    temporary.setFrequencyUnits(units >= 1 && units <= 5 ? units : 1);
    for (int which = 0; which < 6; ++which)
        temporary.setNoWaterDDMM(which + 1, noWaterCode(which));
    savedNextWater_ = temporary.calculateNextWatering(lastWatered);
    nextWateringAmountLabel_->setText(formatNextWatering(savedNextWater_));
}

void WaterInfoViewController::handleJustWatered()
{
    validLastWateredButton_->setChecked(true);
    {
        const QSignalBlocker block(lastWateredField_);
        showDateInPicker(lastWateredField_, now(), true);
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

void WaterInfoViewController::comboBoxChanged(int which)
{
    const int month = monthBoxes_[size_t(which)]->currentIndex();
    if (month == 0) {
        QComboBox* day = dayButtons_[size_t(which)];
        day->clear();
        day->addItems(dayItems(31));
        day->setCurrentIndex(0);
    } else {
        fillDays(which, month);
    }
    calculateNextWatering(pickerDate(lastWateredField_));
}

// --- Cacti

void WaterInfoViewController::handleDeleteCactus()
{
    std::vector<Cactus*> leaving;
    for (QListWidgetItem* item : cactiToWaterView_->selectedItems())
        leaving.push_back(static_cast<Cactus*>(item->data(Qt::UserRole).value<void*>()));
    for (Cactus* cactus : leaving) {
        water_->removeCactus(cactus);
        cactus->hydrate();
        cactus->setWater(nullptr);
        cactus->setWateringKey(-1);
        cactus->dehydrate();
    }
    cactiToWaterView_->clearSelection();
    reloadCacti();
}

void WaterInfoViewController::handleAddCactus()
{
    chooser_->prepareView(water_);
    chooser_->showViewFromWindow();
    reloadCacti();
    raise();
    activateWindow();
}

void WaterInfoViewController::showCactusInfo(int row)
{
    if (row < 0 || size_t(row) >= water_->cacti().size())
        return;
    Cactus* cactus = water_->cacti()[size_t(row)];
    CactusInfoViewController editor(document_, this);
    editor.setLogHistoryHidden(true);
    editor.prepareView(cactus);
    editor.showViewFromWindow();
    reloadCacti();
    raise();
    activateWindow();
}

// --- Printing

std::unique_ptr<Water> WaterInfoViewController::getInfo() const
{
    auto info = std::make_unique<Water>();
    info->setName(nameField_->text());
    info->setFrequency(waterEveryField_->text().trimmed().toLongLong());
    info->setFrequencyUnits(waterEveryButton_->currentIndex() + 1);
    info->setQuantity(quantityButton_->currentIndex());
    if (validLastWateredButton_->isChecked())
        info->setLastWatered(pickerDate(lastWateredField_));
    for (int which = 0; which < 6; ++which)
        info->setNoWaterDDMM(which + 1, noWaterCode(which));
    info->setWaterNext(savedNextWater_);
    info->setNotes(notesView_->toPlainText());
    if (water_) {
        for (Cactus* cactus : water_->cacti())
            info->linkCactus(cactus);
    }
    return info;
}

void WaterInfoViewController::printInfo()
{
    const std::unique_ptr<Water> info = getInfo();
    PrintSubject subject;
    subject.screen = 4;
    subject.water = info.get();
    printWithDialog(this, document_, subject);
}

// --- Saving and closing

void WaterInfoViewController::applyChanges()
{
    const QString name = nameField_->text();
    if (name != water_->name())
        waterUpdate_ = true;
    water_->setName(name);
    water_->setFrequency(waterEveryField_->text().trimmed().toLongLong());
    water_->setFrequencyUnits(waterEveryButton_->currentIndex() + 1);
    water_->setQuantity(quantityButton_->currentIndex());

    const Timestamp previousLastWatered = water_->lastWatered();
    water_->setLastWatered(validLastWateredButton_->isChecked() ? pickerDate(lastWateredField_) : Timestamp());
    for (int which = 0; which < 6; ++which)
        water_->setNoWaterDDMM(which + 1, noWaterCode(which));
    water_->setWaterNext(savedNextWater_);
    water_->setNotes(notesView_->toPlainText());

    // Every plant of the schedule is due when the schedule is; its own last
    // watered date follows only a changed one.
    const bool lastWateredChanged = water_->lastWatered() && water_->lastWatered() != previousLastWatered;
    for (Cactus* cactus : water_->cacti()) {
        cactus->hydrate();
        if (lastWateredChanged)
            cactus->setLastWatered(water_->lastWatered());
        cactus->setWaterNext(water_->waterNext());
        cactus->dehydrate();
    }
    if (waterUpdate_)
        document_.updateWater(water_);
    document_.refreshData();
    if (CactusInfoViewController* cactusEditor = CactusInfoViewController::openEditor(document_))
        cactusEditor->updateWaterField();
}

void WaterInfoViewController::saveChangesAndHideView()
{
    if (nameField_->text().isEmpty())
        return;
    applyChanges();
    hideView(true);
}

void WaterInfoViewController::hideView(bool ok)
{
    if (!water_)
        return;
    if (unloadUponExit_) {
        if (ok)
            water_->dehydrate();
        else
            water_->unload();
    }
    finishSheet(ok);
}

// --- Add mode

AddWaterInfoViewController::AddWaterInfoViewController(SpinoraDatabase& document, QWidget* parent)
    : WaterInfoViewController(document, parent)
{
    setObjectName(QStringLiteral("AddWaterInfoViewController"));
}

AddWaterInfoViewController::~AddWaterInfoViewController()
{
    // Plants chosen for a schedule that was never saved follow none.
    if (newWater_) {
        for (Cactus* cactus : newWater_->cacti()) {
            cactus->hydrate();
            cactus->setWater(nullptr);
            cactus->setWateringKey(-1);
            cactus->dehydrate();
        }
    }
}

void AddWaterInfoViewController::prepareView(Water*)
{
    if (newWater_) {
        for (Cactus* cactus : newWater_->cacti()) {
            cactus->hydrate();
            cactus->setWater(nullptr);
            cactus->setWateringKey(-1);
            cactus->dehydrate();
        }
    }
    newWater_ = std::make_unique<Water>();
    addedWater_ = nullptr;
    WaterInfoViewController::prepareView(newWater_.get());
    unloadUponExit_ = false;
    setAddMode(true);
}

void AddWaterInfoViewController::saveChangesAndHideView()
{
    if (!water_ || water_ != newWater_.get())
        return;
    WaterInfoViewController::saveChangesAndHideView();
    Water* added = document_.addWater(std::move(newWater_));
    for (Cactus* cactus : added->cacti()) {
        cactus->hydrate();
        cactus->setWateringKey(added->primaryKey());
        cactus->dehydrate();
    }
    added->dehydrate();
    document_.refreshData();
    addedWater_ = added;
    water_ = added;
}

} // namespace spinora
