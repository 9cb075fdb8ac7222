#pragma once

#include "ServiceDiscovery.h"

#include <QString>

#include <optional>

namespace spinora {

// Transfer modes as the mobile app's Tools screen names them.
enum DeviceMode : long long {
    kBackupDatabase = 0,
    kRestoreDatabase = 1,
    kExportData = 2,
    kImportData = 3,
};

// One resolved, accepted device.
struct Device {
    QString deviceName;     // the service's instance name
    QString serviceName;    // "Spinora" or "Spinora Lite"
    long long serviceNumber = 0; // the transfer mode
    QString serviceVersion; // shown unchanged

    // The device a resolved service stands for, or none when it is not the
    // mobile app (or has no usable address).
    static std::optional<Device> fromService(const ResolvedService& service);
    // "%@ (%@ v%@)": the row text in the device tables.
    QString rowText() const;
};

// The value of a TXT key as text: missing, not UTF-8, or longer than a TXT
// entry can be (255 bytes) gives a null string. Keys compare without case,
// and the first entry of a key counts.
QString txtValue(const ResolvedService& service, const char* key);
// The integer a text starts with, after blanks and an optional sign (0 when
// it does not start with a number; saturating on overflow).
long long leadingInteger(const QString& text);
// "http://%@:%u" with the host name, less one trailing dot.
QString serverAddress(const ResolvedService& service);

} // namespace spinora
