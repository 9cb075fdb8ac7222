#pragma once

#include <QString>

namespace spinora {

class Connection;
class SpinoraDatabase;

// Reads a CSV file in the template layout into a temporary interchange
// database and hands it to the interchange import, which merges it into the
// collection with the user's import type.
class CsvImport {
public:
    struct Counts {
        int cacti = 0;
        int watering = 0;
        int logs = 0;
        bool any() const { return cacti + watering + logs > 0; }
    };

    // Starts the import on a background thread and returns at once.
    static void importCSVDatabase(SpinoraDatabase& document, const QString& path, int importType);
    // Builds the temporary database and starts the merge, or reports status 2.
    static void importCSVThread(SpinoraDatabase& document, const QString& path);
    // Reads the records of a CSV file into an open database (no transaction
    // of its own). Lines that are no titles, headers or complete records are skipped.
    static Counts readFile(const QString& path, Connection* db);
    static void insertExportHeader(Connection* db, int cacti, int watering, int logs);
};

} // namespace spinora
