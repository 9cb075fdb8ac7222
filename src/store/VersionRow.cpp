#include "VersionRow.h"

#include "AppInfo.h"
#include "Localization.h"
#include "SqlConnection.h"

#include <sqlite3.h>

namespace spinora {

namespace {

const char* const kSelectVersion = "SELECT pk, version_num, creation_date FROM version";
const char* const kInsertVersion = "INSERT INTO version (version_num, creation_date, comments) VALUES(?, ?, ?)";
const char* const kUpdateCreationDate = "UPDATE version SET creation_date=? WHERE pk=?";

Failure failed(Connection* db)
{
    return Failure(db->errorMessage(), Failure::causeOfSqliteCode(db->errorCode()));
}

} // namespace

VersionRow VersionRow::read(Connection* db)
{
    VersionRow row;
    Statement select(db, kSelectVersion);
    if (select.prepared() && select.stepRow()) {
        row.primaryKey = select.integer(0);
        row.version = select.integer(1);
        row.creationDate = select.date(2);
    }
    return row;
}

Result<VersionRow> VersionRow::checkAtOpen(Connection* db, bool newCollection)
{
    {
        Statement check(db, "PRAGMA quick_check(1)");
        if (!check.prepared() || !check.stepRow())
            return failed(db);
        if (check.text(0) != QLatin1String("ok"))
            return Failure(localized("the database is damaged (%1).").arg(check.text(0)), Failure::Cause::Damaged);
    }
    VersionRow row;
    Statement select(db, kSelectVersion);
    if (!select.prepared())
        return failed(db);
    const int rc = select.step();
    if (rc == SQLITE_ROW) {
        row.primaryKey = select.integer(0);
        row.version = select.integer(1);
        row.creationDate = select.date(2);
    } else if (rc != SQLITE_DONE) {
        return failed(db);
    } else {
        row.creationDate = now();
        row.version = kSchemaVersion;
        // A read-only collection without the row is read as one of this
        // version; the row is added when it is opened for writing.
        if (!db->isReadOnly()) {
            Statement insert(db, kInsertVersion);
            if (!insert.prepared())
                return failed(db);
            insert.bind(kSchemaVersion, timestampToColumn(row.creationDate), QStringLiteral("Full"));
            if (insert.step() != SQLITE_DONE)
                return failed(db);
            row.primaryKey = db->lastInsertRowId();
        }
    }
    if (newCollection) {
        row.creationDate = now();
        Statement update(db, kUpdateCreationDate);
        if (!update.prepared())
            return failed(db);
        update.bind(timestampToColumn(row.creationDate), row.primaryKey);
        if (update.step() != SQLITE_DONE)
            return failed(db);
    }
    return row;
}

} // namespace spinora
