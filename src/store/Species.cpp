#include "Species.h"

#include "Localization.h"
#include "Messages.h"

namespace spinora {

namespace {

const char* const kSpeciesLoad = "SELECT name, scientific FROM species WHERE pk=?";
const char* const kSpeciesLoadAll = "SELECT name, scientific, pk FROM species";
const char* const kSpeciesInsert = "INSERT INTO species (name, scientific) VALUES(?, ?)";
const char* const kSpeciesUpdate = "UPDATE species SET name=?, scientific=? WHERE pk=?";
const char* const kSpeciesDelete = "DELETE FROM species WHERE pk=?";

} // namespace


const Record::Sql& Species::sql() const
{
    static const Sql statements{"Species", kSpeciesLoad, kSpeciesLoadAll, nullptr, kSpeciesInsert, kSpeciesUpdate, kSpeciesDelete,
                                msg::kDehydrateFailed};
    return statements;
}

void Species::readSummary(const Statement& row)
{
    name_ = row.text(0);
    scientificName_ = row.text(1);
}

void Species::setPlaceholders()
{
    name_ = scientificName_ = localized("No species");
}

void Species::bindInsert(Statement& st) const
{
    st.bind(name_, scientificName_);
}

void Species::bindUpdate(Statement& st) const
{
    st.bind(name_, scientificName_);
}

} // namespace spinora
