#include "Event.h"

#include "Localization.h"
#include "Messages.h"

namespace spinora {

namespace {

const char* const kEventLoad = "SELECT name FROM event WHERE pk=?";
const char* const kEventLoadAll = "SELECT name, pk FROM event";
const char* const kEventInsert = "INSERT INTO event (name) VALUES(?)";
const char* const kEventUpdate = "UPDATE event SET name=? WHERE pk=?";
const char* const kEventDelete = "DELETE FROM event WHERE pk=?";

} // namespace


const Record::Sql& Event::sql() const
{
    static const Sql statements{"Event", kEventLoad, kEventLoadAll, nullptr, kEventInsert, kEventUpdate, kEventDelete,
                                msg::kDehydrateFailed};
    return statements;
}

void Event::readSummary(const Statement& row)
{
    name_ = row.text(0);
}

void Event::setPlaceholders()
{
    name_ = localized("No event");
}

void Event::bindInsert(Statement& st) const
{
    st.bind(name_);
}

void Event::bindUpdate(Statement& st) const
{
    st.bind(name_);
}

} // namespace spinora
