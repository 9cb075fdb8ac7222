#pragma once

#include <QString>

namespace spinora {

class Connection;

// Brings a database of an older schema up to the current one: tables and
// columns that the current template has and the database lacks are added
// (with the template's declarations and defaults), then the version row is
// set to the current version. Rows are never rewritten.
class SchemaUpgrade {
public:
    // False with a reason when the upgrade could not be made.
    static bool upgrade(Connection* target, QString* error);
};

} // namespace spinora
