#pragma once

#include "Device.h"
#include "TransferError.h"

#include <QList>
#include <QString>

#include <optional>

namespace spinora {

// What the device dialog shows for a list of devices, the selected row
// (-1: none), the chosen import option (0-3).
struct DisplayRule {
    QString message;
    bool buttonEnabled = false;
    // The selection named a row that no longer exists and must be cleared.
    bool clearSelection = false;
};

// Import options (the radio buttons of the import dialog).
enum ImportOption : int {
    kRestoreComplete = 0,
    kRestoreCactiAndWatering = 1,
    kImportCacti = 2,
    kImportWatering = 3,
};

DisplayRule importRule(const QList<Device>& devices, int selectedRow, int option);
DisplayRule exportRule(const QList<Device>& devices, int selectedRow);
// The same for one device's mode (the rows with a device selected).
DisplayRule importRuleForMode(long long mode, int option);
DisplayRule exportRuleForMode(long long mode);

// The file fetched from a device in `mode` for import option `option`.
QString importFileName(long long mode, int option);
// "%@/%@": the server address and the file name.
QString importAddress(const QString& serverAddress, long long mode, int option);

// The alerts at the end of a transfer: title and informative text.
struct AlertText {
    QString title;
    QString text;
};
AlertText importFinishedAlert(int status); // none for a cancel (empty title)
AlertText downloadFailedAlert(const TransferError* error);
AlertText uploadFailedAlert(const TransferError* error);
AlertText uploadFinishedAlert();

// The number an upload failure shows: the upload's own codes 101-199, else 104.
long long uploadFailureNumber(const TransferError* error);

// The fixed texts of the dialogs.
namespace DeviceTexts {
QString noImportDevices();
QString noExportDevices();
QString selectDevice();
// No devices because the search itself failed: why, and the service to start.
QString searchFailed(const QString& reason);
} // namespace DeviceTexts

} // namespace spinora
