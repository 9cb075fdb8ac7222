#include "AppSettings.h"

#include "AppInfo.h"

namespace spinora {

std::unique_ptr<QSettings> appSettings()
{
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                       QString::fromUtf8(kApplicationName), QString::fromUtf8(kApplicationName));
}

QString configurationValue(const QString& key, const QString& defaultValue)
{
    const auto store = appSettings();
    if (!store->contains(key)) {
        store->setValue(key, defaultValue);
        return defaultValue;
    }
    return store->value(key).toString();
}

} // namespace spinora
