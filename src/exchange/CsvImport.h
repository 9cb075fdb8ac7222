#pragma once

#include <QStringList>

#include <optional>

#include "Result.h"

#include <QString>

namespace spinora {

class Connection;
class ImportTransaction;
class JobContext;
struct ImportRequest;

// Reads a CSV file in the template layout (or a grower's table of plants) straight into the collection,
// inside the import's transaction: the records of the kinds the import type
// asks for are stored, plants linked to their schedules and logs to their
// plants by name.
class CsvImport {
public:
    struct Counts {
        int cacti = 0;
        int watering = 0;
        int logs = 0;
        bool any() const { return cacti + watering + logs > 0; }
    };
    // Which kinds of records are stored.
    struct Kinds {
        bool cacti = true;
        bool watering = true;
        bool logs = true;
    };
    static Kinds kindsOf(int importType);

    // Runs inside the import's transaction; false (with the reason in the
    // job's context) when nothing was found, the import failed or was cancelled.
    static bool merge(const ImportRequest& request, ImportTransaction& transaction);
    // Reads the records of a CSV file into an open database (no transaction
    // of its own). Lines that are no titles, headers or complete records are
    // skipped. The counts are of every record read, stored or not.
    // A file that does not begin with a section title is a table of plants
    // under a header line: its columns are placed by `mapping` (see
    // CsvMapping::explicitFor) or, without one, guessed from their headers.
    static Result<Counts> readFile(const QString& path, Connection* db, const Kinds& kinds,
                                   JobContext* context = nullptr, const QString& mapping = {});

    // The head of a file that is a table of plants (not the template's
    // sections): its header line and its first rows, for the mapping sheet.
    // None for a template file, or one that cannot be read.
    struct TablePreview {
        QStringList headers;
        QList<QStringList> rows;
    };
    static std::optional<TablePreview> previewTable(const QString& path, int rows = 5);
};

} // namespace spinora
