#include "AppPreferences.h"

#include "AppInfo.h"

#include <QSettings>

#include <memory>

namespace spinora {

namespace {
std::unique_ptr<QSettings> userDefaults()
{
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                       QString::fromUtf8(kApplicationName), QString::fromUtf8(kApplicationName));
}
} // namespace

AppPreferences::AppPreferences()
{
    reload();
}

void AppPreferences::reload()
{
    const auto settings = userDefaults();
    sortCactiBySpecies_ = settings->value(QString::fromUtf8(kSortBySpeciesKey), false).toBool();
    addNoDefaultsToDatabases_ = settings->value(QString::fromUtf8(kAddNoDefaultsKey), false).toBool();
}

void AppPreferences::setSortCactiBySpecies(bool value)
{
    sortCactiBySpecies_ = value;
    store(kSortBySpeciesKey, value);
}

void AppPreferences::setAddNoDefaultsToDatabases(bool value)
{
    addNoDefaultsToDatabases_ = value;
    store(kAddNoDefaultsKey, value);
}

void AppPreferences::store(const char* key, bool value)
{
    const auto settings = userDefaults();
    settings->setValue(QString::fromUtf8(key), value);
    settings->sync();
}

} // namespace spinora
