#include "AppPreferences.h"

#include "AppSettings.h"

namespace spinora {

AppPreferences::AppPreferences()
{
    reload();
}

void AppPreferences::reload()
{
    const auto settings = appSettings();
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
    const auto settings = appSettings();
    settings->setValue(QString::fromUtf8(key), value);
    settings->sync();
}

} // namespace spinora
