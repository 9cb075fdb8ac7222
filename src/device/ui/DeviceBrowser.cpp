#include "DeviceBrowser.h"

#include "Localization.h"
#include "ProgressWindow.h"
#include "SpinoraUtility.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QDialog>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace spinora {

namespace {

// A titled section label as the dialogs use them: "Devices", "Messages".
QLabel* sectionLabel(const char* text, QWidget* parent)
{
    auto* label = new QLabel(localized(text), parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

QLabel* messageLine(QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setWordWrap(true);
    label->setFrameShape(QFrame::StyledPanel);
    label->setMargin(8);
    label->setMinimumHeight(64);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QListWidget* deviceTable(QWidget* parent)
{
    auto* table = new QListWidget(parent);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setMinimumHeight(120);
    table->setUniformItemSizes(true);
    table->setTextElideMode(Qt::ElideRight);
    return table;
}

// The dialogs and the progress window are modal for the whole application,
// as the exchange acts on whichever collection is the main one.
QDialog* modalDialog(const char* title)
{
    auto* dialog = new QDialog(nullptr, Qt::Dialog);
    dialog->setWindowTitle(localized(title));
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->setMinimumWidth(460);
    return dialog;
}

void centerOver(QWidget* dialog, QWidget* window)
{
    dialog->adjustSize();
    if (window && window->isVisible())
        dialog->move(window->frameGeometry().center() - dialog->rect().center());
}

} // namespace

void presentDeviceBrowser(QWidget* window, DeviceDirection direction)
{
    DeviceBrowser::shared().presentDeviceBrowser(direction, window);
}

DeviceBrowser& DeviceBrowser::shared()
{
    // Made on first use and kept until the application quits.
    static DeviceBrowser* browser = [] {
        auto* made = new DeviceBrowser;
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, made, &QObject::deleteLater);
        return made;
    }();
    return *browser;
}

DeviceBrowser::DeviceBrowser(DeviceList::DiscoveryFactory discovery, QObject* parent)
    : QObject(parent), devices_(std::move(discovery))
{
    connect(&devices_, &DeviceList::changed, this, &DeviceBrowser::refreshDisplay);
    // The search stopped or failed (no avahi-daemon): the dialog stays and
    // says why no device can be found, and what to do about it.
    connect(&devices_, &DeviceList::browsingEnded, this, [this](const QString& reason) {
        searchFailure_ = reason;
        refreshDisplay();
    });
    connect(&transfer_, &DeviceTransfer::progressChanged, this, [this](double percent) {
        if (progressWindow_)
            progressWindow_->setProgress(percent);
    });
    connect(&transfer_, &DeviceTransfer::finished, this, &DeviceBrowser::onTransferFinished);
}

DeviceBrowser::~DeviceBrowser()
{
    devices_.disconnect(this);
    transfer_.disconnect(this);
    delete importWindow_;
    delete exportWindow_;
    delete progressWindow_;
}

void DeviceBrowser::buildImportWindow()
{
    QDialog* window = modalDialog(QT_TRID_NOOP("Import Database"));
    importDeviceTable_ = deviceTable(window);
    importMessages_ = messageLine(window);
    auto* options = new QGroupBox(localized("Import Options"), window);
    auto* optionsLayout = new QVBoxLayout(options);
    importOptions_ = new QButtonGroup(window);
    const char* titles[] = {QT_TRID_NOOP("Restore Complete Database"),
                            QT_TRID_NOOP("Import Cacti and Watering Schedules"), QT_TRID_NOOP("Import Cacti"),
                            QT_TRID_NOOP("Import Watering Schedules")};
    for (int option = 0; option < 4; ++option) {
        auto* radio = new QRadioButton(localized(titles[option]), options);
        importOptions_->addButton(radio, option);
        optionsLayout->addWidget(radio);
    }
    auto* cancel = new QPushButton(localized("Cancel"), window);
    importButton_ = new QPushButton(localized("Import"), window);
    importButton_->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cancel);
    buttons->addWidget(importButton_);
    auto* layout = new QVBoxLayout(window);
    layout->addWidget(sectionLabel(QT_TRID_NOOP("Devices"), window));
    layout->addWidget(importDeviceTable_, 1);
    layout->addWidget(sectionLabel(QT_TRID_NOOP("Messages"), window));
    layout->addWidget(importMessages_);
    layout->addWidget(options);
    layout->addLayout(buttons);

    connect(importOptions_, &QButtonGroup::idClicked, this, &DeviceBrowser::handleRadioSelection);
    connect(importDeviceTable_, &QListWidget::itemSelectionChanged, this, &DeviceBrowser::refreshDisplay);
    connect(importButton_, &QPushButton::clicked, this, &DeviceBrowser::downloadDatabase);
    connect(cancel, &QPushButton::clicked, this, &DeviceBrowser::dismissDeviceBrowser);
    connect(window, &QDialog::rejected, this, &DeviceBrowser::windowWillClose);
    importWindow_ = window;
}

void DeviceBrowser::buildExportWindow()
{
    QDialog* window = modalDialog(QT_TRID_NOOP("Export Database"));
    exportDeviceTable_ = deviceTable(window);
    exportMessages_ = messageLine(window);
    auto* cancel = new QPushButton(localized("Cancel"), window);
    exportButton_ = new QPushButton(localized("Export"), window);
    exportButton_->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cancel);
    buttons->addWidget(exportButton_);
    auto* layout = new QVBoxLayout(window);
    layout->addWidget(sectionLabel(QT_TRID_NOOP("Devices"), window));
    layout->addWidget(exportDeviceTable_, 1);
    layout->addWidget(sectionLabel(QT_TRID_NOOP("Messages"), window));
    layout->addWidget(exportMessages_);
    layout->addLayout(buttons);

    connect(exportDeviceTable_, &QListWidget::itemSelectionChanged, this, &DeviceBrowser::refreshDisplay);
    connect(exportButton_, &QPushButton::clicked, this, &DeviceBrowser::uploadDatabase);
    connect(cancel, &QPushButton::clicked, this, &DeviceBrowser::dismissDeviceBrowser);
    connect(window, &QDialog::rejected, this, &DeviceBrowser::windowWillClose);
    exportWindow_ = window;
}

void DeviceBrowser::presentDeviceBrowser(DeviceDirection direction, QWidget* window)
{
    if (transfer_.phase() != DeviceTransfer::Phase::Idle)
        return; // one exchange at a time; its progress window is up
    if (!importWindow_)
        buildImportWindow();
    if (!exportWindow_)
        buildExportWindow();
    dismissDeviceBrowser();
    searchFailure_.reset();
    devices_.startBrowsing();
    window_ = window;
    isImport_ = direction == DeviceDirection::ImportFromDevice;
    QDialog* dialog = isImport_ ? importWindow_.data() : exportWindow_.data();
    (isImport_ ? importButton_ : exportButton_)->setEnabled(false);
    if (QAbstractButton* radio = importOptions_->button(importSelection_))
        radio->setChecked(true);
    refreshDisplay();
    centerOver(dialog, window);
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

void DeviceBrowser::handleRadioSelection(int option)
{
    importSelection_ = option;
    refreshDisplay();
}

int DeviceBrowser::selectedRow(QListWidget* table) const
{
    const QList<QListWidgetItem*> selected = table->selectedItems();
    return selected.isEmpty() ? -1 : table->row(selected.first());
}

void DeviceBrowser::reloadTable(QListWidget* table)
{
    const int selected = selectedRow(table);
    const QSignalBlocker quiet(table);
    table->clear();
    for (const Device& device : devices_.deviceArray())
        table->addItem(device.rowText());
    if (selected >= 0 && selected < table->count())
        table->item(selected)->setSelected(true);
}

void DeviceBrowser::refreshDisplay()
{
    if (!importWindow_ || !exportWindow_)
        return;
    QListWidget* table = isImport_ ? importDeviceTable_ : exportDeviceTable_;
    reloadTable(table);
    const int row = selectedRow(table);
    DisplayRule rule = isImport_ ? importRule(devices_.deviceArray(), row, importSelection_)
                                 : exportRule(devices_.deviceArray(), row);
    if (searchFailure_ && devices_.deviceArray().isEmpty())
        rule.message = DeviceTexts::searchFailed(*searchFailure_);
    if (rule.clearSelection) {
        const QSignalBlocker quiet(table);
        table->clearSelection();
    }
    (isImport_ ? importMessages_ : exportMessages_)->setText(rule.message);
    (isImport_ ? importButton_ : exportButton_)->setEnabled(rule.buttonEnabled);
}

void DeviceBrowser::dismissDeviceBrowser()
{
    for (QDialog* dialog : {importWindow_.data(), exportWindow_.data()}) {
        if (dialog && dialog->isVisible()) {
            const QSignalBlocker quiet(dialog);
            dialog->hide();
        }
    }
    devices_.stopBrowsing();
}

void DeviceBrowser::windowWillClose()
{
    dismissDeviceBrowser();
    cancelButtonPressed();
}

void DeviceBrowser::downloadDatabase()
{
    const int row = selectedRow(importDeviceTable_);
    if (row < 0 || row >= devices_.serviceArray().size())
        return;
    const QString server = devices_.serverAddress(row);
    const long long mode = devices_.deviceArray().at(row).serviceNumber;
    // Only what the rules allow: the button may still be enabled for a
    // device whose entry changed a moment ago.
    if (!importRuleForMode(mode, importSelection_).buttonEnabled)
        return;
    transfer_.startImport(targetDocument(), server, mode, importSelection_);
    dismissDeviceBrowser();
    runProgressWindow(localized("Importing Database"));
}

void DeviceBrowser::uploadDatabase()
{
    const int row = selectedRow(exportDeviceTable_);
    if (row < 0 || row >= devices_.serviceArray().size())
        return;
    if (!exportRuleForMode(devices_.deviceArray().at(row).serviceNumber).buttonEnabled)
        return;
    const QString server = devices_.serverAddress(row);
    transfer_.startExport(targetDocument(), server);
    dismissDeviceBrowser();
    runProgressWindow(localized("Exporting Database"));
}

SpinoraDatabase* DeviceBrowser::targetDocument() const
{
    // The collection of the window the dialog was opened from: the main one.
    return SpinoraUtility::sharedManager().mainDocument();
}

void DeviceBrowser::runProgressWindow(const QString& title)
{
    // Modal to the collection's window: other windows stay usable.
    if (progressWindow_ && progressWindow_->parentWidget() != window_.data()) {
        delete progressWindow_;
        progressWindow_ = nullptr;
    }
    if (!progressWindow_) {
        progressWindow_ = new ProgressWindow(window_, title);
        // Cancel and closing the window both land here.
        connect(progressWindow_, &ProgressWindow::cancelRequested, this, &DeviceBrowser::cancelButtonPressed);
    }
    progressWindow_->setWindowTitle(title);
    progressWindow_->setProgress(0);
    progressWindow_->setMessage(QString());
    progressWindow_->show();
    progressWindow_->raise();
    progressWindow_->activateWindow();
}

void DeviceBrowser::dismissProgressBar()
{
    if (progressWindow_)
        progressWindow_->finish();
}

void DeviceBrowser::cancelButtonPressed()
{
    const DeviceTransfer::Phase phase = transfer_.phase();
    transfer_.cancel();
    // An import or the export copy stops at its next check: the window says
    // so and stays until it has; a download or upload stops at once.
    if (phase == DeviceTransfer::Phase::Importing || phase == DeviceTransfer::Phase::Exporting) {
        if (progressWindow_)
            progressWindow_->setStopping();
        return;
    }
    dismissProgressBar();
}

void DeviceBrowser::onTransferFinished(DeviceTransfer::Outcome outcome, const std::optional<TransferError>& error)
{
    const TransferError* failure = error ? &*error : nullptr;
    switch (outcome) {
    case DeviceTransfer::Outcome::ExportCancelled:
        dismissProgressBar();
        break;
    case DeviceTransfer::Outcome::ImportComplete:
    case DeviceTransfer::Outcome::ImportFailed:
    case DeviceTransfer::Outcome::ImportCancelled: {
        dismissProgressBar();
        AlertText alert = importFinishedAlert(outcome == DeviceTransfer::Outcome::ImportComplete  ? kJobFinished
                                              : outcome == DeviceTransfer::Outcome::ImportFailed ? kJobFailed
                                                                                                 : kJobCancelled);
        // Below the fixed text: the reason, or what came and what could not.
        if (!alert.title.isEmpty() && !transfer_.importReport().isEmpty())
            alert.text += QStringLiteral("\n\n") + transfer_.importReport();
        postAlert(alert);
        break;
    }
    case DeviceTransfer::Outcome::DownloadFailed:
        // The window stays a moment, so the failure is not a mere flash.
        QTimer::singleShot(1000, this, &DeviceBrowser::dismissProgressBar);
        postAlert(downloadFailedAlert(failure));
        break;
    case DeviceTransfer::Outcome::UploadFinished:
        if (progressWindow_)
            progressWindow_->setProgress(100);
        dismissProgressBar();
        postAlert(uploadFinishedAlert());
        break;
    case DeviceTransfer::Outcome::UploadFailed:
        QTimer::singleShot(1000, this, &DeviceBrowser::dismissProgressBar);
        postAlert(uploadFailedAlert(failure));
        break;
    }
}

// Shown after the current callback has returned, never inside it.
void DeviceBrowser::postAlert(const AlertText& alert)
{
    if (alert.title.isEmpty())
        return;
    QTimer::singleShot(0, this, [this, alert] {
        const bool warning = alert.title == localized("WARNING");
        auto* box = new QMessageBox(warning ? QMessageBox::Warning : QMessageBox::Information, alert.title, alert.title,
                                    QMessageBox::NoButton);
        box->setInformativeText(alert.text);
        box->addButton(localized("OK"), QMessageBox::AcceptRole);
        box->setWindowModality(Qt::ApplicationModal);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->show();
        emit alertShown(alert.title, alert.text);
    });
}

} // namespace spinora
