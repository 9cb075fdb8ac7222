#include "InterruptedChange.h"

#include "AppInfo.h"
#include "FileHelpers.h"
#include "Localization.h"
#include "PackageLock.h"
#include "SqlConnection.h"

#include <QFileInfo>

#include <sqlite3.h>

namespace spinora {

namespace {

const char* const kFirstRead = "SELECT count(*) FROM sqlite_master";

// The journal stands in the way of a read-only reader: SQLite found a change to undo.
bool stopsReadOnlyReaders(const QString& database)
{
    QString error;
    auto connection = Connection::open(database, Connection::Mode::ReadOnly, &error);
    if (!connection || Statement(connection.get(), kFirstRead).stepRow())
        return false;
    return sqlite3_extended_errcode(connection->handle()) == SQLITE_READONLY_ROLLBACK;
}

} // namespace

Result<> undoInterruptedChange(const QString& packagePath)
{
    const QString database = packagePath + QLatin1Char('/') + QString::fromUtf8(kDatabaseFileName);
    if (!QFileInfo::exists(database + QStringLiteral("-journal")))
        return {};
    const QString cutShort = localized("a change to it was cut short when Spinora or the computer stopped");
    if (!FileHelpers::hasWritePermission(packagePath) || !FileHelpers::hasWritePermission(database)) {
        if (!stopsReadOnlyReaders(database))
            return {};
        return Failure(localized("%1, and must be undone before the collection can be read. That takes writing, "
                                "and the collection is read-only here. Copy the whole collection, with the file "
                                "%2-journal in it, to a writable place and open the copy.")
                           .arg(cutShort, QString::fromUtf8(kDatabaseFileName)),
                       Failure::Cause::ReadOnly);
    }
    QString why;
    auto lock = PackageLock::acquire(packagePath, &why);
    if (!lock) {
        // A writer at work: the journal is its own, and the read waits for its change.
        if (!PackageLock::holder(packagePath).isEmpty())
            return {};
        return Failure(localized("%1, and cannot be undone: %2").arg(cutShort, why));
    }
    // Any read through a writing connection undoes the change first.
    auto connection = Connection::open(database, Connection::Mode::ReadWrite, &why);
    const bool undone = connection && Statement(connection.get(), kFirstRead).stepRow();
    if (connection && !undone)
        why = connection->errorMessage();
    connection.reset();
    // The package is left as it was found, but for the change undone.
    lock->discard();
    if (!undone)
        return Failure(localized("%1, and undoing it failed: %2.").arg(cutShort, why));
    return {};
}

} // namespace spinora
