#include "DeviceRules.h"

#include "Localization.h"

namespace spinora {

namespace DeviceTexts {
QString noImportDevices()
{
    return localized("No devices found. Load Spinora on your iPhone, iPad, or iPod touch, and select Backup Database or "
                     "Export Data on the Tools screen.");
}
QString noExportDevices()
{
    return localized("No devices found. Load Spinora on your iPhone, iPad, or iPod touch, and select Restore Database "
                     "or Import Data on the Tools screen.");
}
QString selectDevice() { return localized("Select a device from the list."); }
QString searchFailed(const QString& reason)
{
    return localized("No devices found: the search for devices on the network failed (%1). It needs the avahi-daemon "
                     "service: start it (for example with \"systemctl start avahi-daemon\"), then open this window "
                     "again.")
        .arg(reason.isEmpty() ? localized("it stopped") : reason);
}
} // namespace DeviceTexts

namespace {

DisplayRule enabled(const char* text) { return DisplayRule{localized(text), true, false}; }
DisplayRule disabled(const char* text) { return DisplayRule{localized(text), false, false}; }

// Rows that need no device: an empty list, or no valid selection.
std::optional<DisplayRule> listRule(const QList<Device>& devices, int selectedRow, const QString& noDevices)
{
    if (devices.isEmpty())
        return DisplayRule{noDevices, false, false};
    if (selectedRow < 0 || selectedRow >= devices.size())
        return DisplayRule{DeviceTexts::selectDevice(), false, selectedRow >= devices.size()};
    return std::nullopt;
}

} // namespace

DisplayRule importRuleForMode(long long mode, int option)
{
    if (mode == kBackupDatabase && option == kRestoreComplete)
        return enabled(QT_TRID_NOOP("Click the Import button to restore the complete database from your device."));
    if (mode == kBackupDatabase && option == kRestoreCactiAndWatering)
        return enabled(
            QT_TRID_NOOP("Click the Import button to restore only the cacti and watering schedules in the database "
                         "from your device."));
    if ((mode == kBackupDatabase || mode == kExportData) && option == kImportCacti)
        return enabled(QT_TRID_NOOP("Click the Import button to import the cacti from your device."));
    if ((mode == kBackupDatabase || mode == kExportData) && option == kImportWatering)
        return enabled(QT_TRID_NOOP("Click the Import button to import the watering schedules from your device."));
    if (mode == kRestoreDatabase)
        return disabled(
            QT_TRID_NOOP("Restore Database is selected on your device. Select either Backup Database or Export Data "
                         "instead."));
    if (mode == kExportData && option == kRestoreCactiAndWatering)
        return disabled(
            QT_TRID_NOOP("Export Data is selected on your device. Select Backup Database instead to restore both "
                         "cacti and watering schedules."));
    if (mode == kExportData && option == kRestoreComplete)
        return disabled(
            QT_TRID_NOOP("Export Data is selected on your device. Only cacti or watering schedules can be imported "
                         "in this mode."));
    if (mode == kImportData)
        return disabled(
            QT_TRID_NOOP("Import Data is selected on your device. Select either Backup Database or Export Data "
                         "instead."));
    // A mode this program does not know: no words for it, and nothing to
    // fetch with confidence.
    return DisplayRule{QString(), false, false};
}

DisplayRule exportRuleForMode(long long mode)
{
    switch (mode) {
    case kBackupDatabase:
        return disabled(
            QT_TRID_NOOP("Backup Database is selected on your device. Select either Restore Database or Import Data "
                         "instead."));
    case kRestoreDatabase: return enabled(QT_TRID_NOOP("Click the Export button to send the database to your device."));
    case kExportData:
        return disabled(
            QT_TRID_NOOP("Export Data is selected on your device. Select either Restore Database or Import Data "
                         "instead."));
    case kImportData:
        return enabled(
            QT_TRID_NOOP("Click the Export button to send the database to your device. The app will ask what you "
                         "want to import."));
    default: return DisplayRule{QString(), false, false};
    }
}

DisplayRule importRule(const QList<Device>& devices, int selectedRow, int option)
{
    if (auto rule = listRule(devices, selectedRow, DeviceTexts::noImportDevices()))
        return *rule;
    return importRuleForMode(devices.at(selectedRow).serviceNumber, option);
}

DisplayRule exportRule(const QList<Device>& devices, int selectedRow)
{
    if (auto rule = listRule(devices, selectedRow, DeviceTexts::noExportDevices()))
        return *rule;
    return exportRuleForMode(devices.at(selectedRow).serviceNumber);
}

QString importFileName(long long mode, int option)
{
    // Backup Database sends the whole database; the import applies the option.
    if (option == kRestoreComplete || mode == kBackupDatabase)
        return QStringLiteral("spinora.sdbi");
    if (option == kImportCacti)
        return QStringLiteral("spinora_cactus.sdbi");
    if (option == kImportWatering)
        return QStringLiteral("spinora_watering.sdbi");
    return QStringLiteral("spinora.sdbi");
}

QString importAddress(const QString& serverAddress, long long mode, int option)
{
    return QStringLiteral("%1/%2").arg(serverAddress, importFileName(mode, option));
}

AlertText importFinishedAlert(int status)
{
    if (status == 0)
        return {localized("Import Complete"), localized("Database import complete!")};
    if (status == 1)
        return {};
    return {localized("Import Error"),
            localized("An error occurred during the import! Database import was aborted and no changes were made.")};
}

AlertText downloadFailedAlert(const TransferError* error)
{
    return {localized("WARNING"), QStringLiteral("%1\n\n(%2)").arg(localized("Error transferring database!"),
                                                                 error ? error->description : QStringLiteral("?"))};
}

long long uploadFailureNumber(const TransferError* error)
{
    // Only the upload's own codes are shown as they are; the network layer's
    // codes mean something else in the same range.
    if (error && error->domain == QLatin1String(kUploadErrorDomain) && error->code >= 101 && error->code <= 199)
        return error->code;
    return 104;
}

AlertText uploadFailedAlert(const TransferError* error)
{
    return {localized("WARNING"), QStringLiteral("%1\n\n(%2 - %3)")
                                      .arg(localized("Error transferring database!"))
                                      .arg(uploadFailureNumber(error))
                                      .arg(error ? error->description : QStringLiteral("?"))};
}

AlertText uploadFinishedAlert()
{
    return {localized("Check Device"), localized("Database transferred! Check your device for further instructions.")};
}

} // namespace spinora
