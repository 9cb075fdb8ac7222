#pragma once

#include <QString>

namespace spinora {

// The two user preferences, stored as user defaults. The values are read when
// they are needed (sorting, making a collection), so a change takes effect at
// the next sort or the next new collection.
class AppPreferences {
public:
    static constexpr const char* kSortBySpeciesKey = "sortBySpecies";
    static constexpr const char* kAddNoDefaultsKey = "addNoDefaultsToDatabase";

    AppPreferences();

    bool sortCactiBySpecies() const { return sortCactiBySpecies_; }
    void setSortCactiBySpecies(bool value);
    bool addNoDefaultsToDatabases() const { return addNoDefaultsToDatabases_; }
    void setAddNoDefaultsToDatabases(bool value);
    // Set when the sort preference changed while the preferences window was open.
    bool sortCactiChanged() const { return sortCactiChanged_; }
    void setSortCactiChanged(bool value) { sortCactiChanged_ = value; }

    // Reads both values again from the user defaults (a missing key counts as off).
    void reload();

private:
    static void store(const char* key, bool value);

    bool sortCactiBySpecies_ = false;
    bool addNoDefaultsToDatabases_ = false;
    bool sortCactiChanged_ = false;
};

} // namespace spinora
