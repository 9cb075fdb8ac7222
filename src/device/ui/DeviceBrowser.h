#pragma once

#include "DeviceList.h"
#include "DeviceRules.h"
#include "DeviceTransfer.h"
#include "ProgressWindow.h"

#include <QObject>
#include <QPointer>

#include <QDialog>

#include <optional>

class QButtonGroup;
class QLabel;
class QListWidget;
class QPushButton;
class QWidget;

namespace spinora {

class SpinoraDatabase;

// The two dialogs of the exchange with the mobile app (in this order the tags
// 0 and 1 of the toolbar and menu items).
enum class DeviceDirection { ImportFromDevice, ExportToDevice };

// Opens the device transfer dialog of one direction.
void presentDeviceBrowser(QWidget* window, DeviceDirection direction);

// The exchange with the mobile app: the import and export dialogs list the
// devices found on the network, say whether the chosen device's mode fits,
// and start the transfer for the main collection, with a progress window
// modal to that collection's window. One for the whole application; the
// import option is kept from one opening to the next.
class DeviceBrowser : public QObject {
    Q_OBJECT
public:
    explicit DeviceBrowser(DeviceList::DiscoveryFactory discovery = makeAvahiDiscovery, QObject* parent = nullptr);
    ~DeviceBrowser() override;

    // The application's one browser.
    static DeviceBrowser& shared();

    // The dialog of the direction, shown over `window`.
    void presentDeviceBrowser(DeviceDirection direction, QWidget* window = nullptr);
    void handleRadioSelection(int option);
    void downloadDatabase();
    void uploadDatabase();
    void dismissDeviceBrowser();
    void cancelButtonPressed();

    bool isImport() const { return isImport_; }
    DeviceList& devices() { return devices_; }
    DeviceTransfer& transfer() { return transfer_; }
    QDialog* importWindow() const { return importWindow_; }
    QDialog* exportWindow() const { return exportWindow_; }
    ProgressWindow* progressWindow() const { return progressWindow_; }
    QListWidget* importDeviceTable() const { return importDeviceTable_; }
    QListWidget* exportDeviceTable() const { return exportDeviceTable_; }
    QLabel* importMessages() const { return importMessages_; }
    QLabel* exportMessages() const { return exportMessages_; }
    QPushButton* importButton() const { return importButton_; }
    QPushButton* exportButton() const { return exportButton_; }
    QButtonGroup* importOptions() const { return importOptions_; }

signals:
    // Each alert as it is shown (title, informative text).
    void alertShown(const QString& title, const QString& text);

private:
    void buildImportWindow();
    void buildExportWindow();
    void refreshDisplay();
    void reloadTable(QListWidget* table);
    int selectedRow(QListWidget* table) const;
    void runProgressWindow(const QString& title);
    SpinoraDatabase* targetDocument() const;
    void dismissProgressBar();
    void onTransferFinished(DeviceTransfer::Outcome outcome, const std::optional<TransferError>& error);
    void postAlert(const AlertText& alert);
    void windowWillClose();

    DeviceList devices_;
    DeviceTransfer transfer_;
    int importSelection_ = 0;
    bool isImport_ = true;
    // Why the search of this opening ended by itself; empty while it runs.
    std::optional<QString> searchFailure_;

    QPointer<QDialog> importWindow_;
    QListWidget* importDeviceTable_ = nullptr;
    QLabel* importMessages_ = nullptr;
    QButtonGroup* importOptions_ = nullptr;
    QPushButton* importButton_ = nullptr;
    QPointer<QDialog> exportWindow_;
    QListWidget* exportDeviceTable_ = nullptr;
    QLabel* exportMessages_ = nullptr;
    QPushButton* exportButton_ = nullptr;
    QPointer<ProgressWindow> progressWindow_;
    // The document window the dialog was opened from.
    QPointer<QWidget> window_;
};

} // namespace spinora
