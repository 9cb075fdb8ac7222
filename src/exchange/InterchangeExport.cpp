#include "InterchangeExport.h"

#include "AppInfo.h"
#include "ExportJob.h"
#include "InternalError.h"
#include "Messages.h"
#include "SpinoraDatabase.h"
#include "SpinoraUtility.h"
#include "WorkFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace spinora {

namespace {

const char* const kStampVersion =
    "UPDATE version SET app_identifier=?, app_version=?, export_date=?, num_cacti=?, num_watering=?, num_logs=?, "
    "num_events=?, num_species=?, num_images=? WHERE pk=?";

// While the photos go into the snapshot the document's connection points at
// it; whatever happens, the document ends up on its own database again.
class BackToOwnDatabase {
public:
    explicit BackToOwnDatabase(SpinoraDatabase& document) : document_(document) {}
    ~BackToOwnDatabase()
    {
        if (!document_.database() || document_.database()->path() != document_.dbFilename())
            document_.openDatabase(document_.dbFilename());
    }

private:
    SpinoraDatabase& document_;
};

// The package is assembled beside its destination and renamed into place,
// so an existing package there is replaced whole or not at all.
QString partialPath(const QString& destination)
{
    return destination + QStringLiteral(".exporting-%1").arg(QCoreApplication::applicationPid());
}

void report(double percent)
{
    SpinoraUtility::sharedManager().exportProgressUpdate(percent);
}

} // namespace

bool InterchangeExport::isInterchangeFile(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix();
    return suffix == QLatin1String("sdbi") || suffix == QLatin1String("SDBI");
}

const char* InterchangeExport::filterScript(int exportType)
{
    switch (exportType) {
    case kCactiAndWatering: return "exportdb_cacti_and_watering.sql";
    case kCacti: return "exportdb_cacti.sql";
    case kWatering: return "exportdb_watering.sql";
    default: return nullptr;
    }
}

QString InterchangeExport::prepareDatabaseForExport(SpinoraDatabase& document, bool withPhotos)
{
    // A collection opened read-only may be changed by its writer meanwhile:
    // its snapshot is taken inside one read transaction, and the export stamp
    // goes into the snapshot instead of the collection's own file.
    std::unique_ptr<Connection> snapshotConnection;
    if (document.isReadOnly()) {
        const QString copy = WorkFiles::exportDatabase();
        if (copy.isEmpty())
            return {};
        SpinoraUtility::removeFileIfExists(copy);
        QString error, quotedCopy = copy;
        quotedCopy.replace(QLatin1Char('\''), QLatin1String("''"));
        if (!document.database()->execute(QStringLiteral("VACUUM INTO '%1'").arg(quotedCopy), &error) ||
            !(snapshotConnection = Connection::open(copy, Connection::Mode::ReadWrite, &error)))
            raiseInternalError(msg::kOpenFailed, error);
    }
    {
        Connection* stamped = snapshotConnection ? snapshotConnection.get() : document.database();
        Statement stamp(stamped, kStampVersion);
        if (!stamp.prepared())
            raiseInternalError(msg::kPrepareFailed, stamped->errorMessage());
        stamp.bind(0, kFormatVersionNumber, timestampToColumn(now()), int64_t(document.cacti().size()),
                   int64_t(document.watering().size()), int64_t(document.logs().size()),
                   int64_t(document.events().size()), int64_t(document.species().size()),
                   int64_t(document.images().size()), document.versionPrimaryKey());
        if (!stamp.stepDone())
            raiseInternalError(msg::kStampFailed, stamped->errorMessage());
    }
    if (snapshotConnection)
        snapshotConnection->close();
    BackToOwnDatabase restore(document);
    document.flushDatabase(true);

    const QString snapshot = WorkFiles::exportDatabase();
    if (snapshot.isEmpty())
        return {};
    if (!document.isReadOnly() &&
        !SpinoraUtility::copyFileFrom(document.dbFilename(), snapshot, SpinoraUtility::Durability::Fast))
        raiseInternalError(msg::kOpenFailed, QStringLiteral("the collection could not be copied to the work folder"));
    if (withPhotos) {
        if (!document.openDatabase(snapshot))
            raiseInternalError(msg::kOpenFailed, document.lastError());
        // The snapshot is scratch: a failed export throws it away, and the
        // copy to the destination is synced once before it is renamed into
        // place. So no journal, no sync per photo, and every photo in one
        // transaction instead of a commit (and its syncs) each.
        Connection* scratch = document.database();
        scratch->execute("PRAGMA journal_mode=OFF;");
        scratch->execute("PRAGMA synchronous=OFF;");
        Transaction photos(scratch, Transaction::Kind::Exclusive);
        if (!photos.begun())
            raiseInternalError(msg::kBeginFailed, scratch->errorMessage());
        for (const auto& image : document.images()) {
            image->addPhotosToDatabase();
            if (document.exportAborted())
                break;
        }
        QString error;
        if (!photos.commit(&error))
            raiseInternalError(msg::kCommitFailed, error);
        // The snapshot was compacted just above, before the photos went in;
        // compacting it again would only rewrite every blob once more.
        document.flushDatabase(false);
    }
    return snapshot;
}

void InterchangeExport::cleanupAfterExport(SpinoraDatabase&)
{
    SpinoraUtility::removeFileIfExists(WorkFiles::exportDatabase());
}

void InterchangeExport::exportDatabase(SpinoraDatabase& document, const QString& destination, int exportType)
{
    ExportJob::start(document, destination, exportType, exportDatabaseThread, cleanupAfterLocalExport);
}

int InterchangeExport::exportDatabaseThread(SpinoraDatabase& document)
{
    const QString destination = document.importExportFilename();
    const int type = document.exportType();
    const bool toFile = isInterchangeFile(destination);
    QString reason;
    if (!WorkFiles::lockExport(&document, &reason)) {
        document.setJobError(reason);
        return kJobFailed;
    }
    int status = kJobFinished;
    try {
        const QString snapshot = prepareDatabaseForExport(document, toFile);
        if (snapshot.isEmpty())
            raiseInternalError(msg::kOpenFailed, QStringLiteral("no caches folder for the work files"));
        report(25);
        if (const char* script = filterScript(type))
            document.databaseFilter(snapshot, QString::fromUtf8(script));
        report(50);
        if (toFile) {
            if (!document.exportAborted() && !SpinoraUtility::copyFileFrom(snapshot, destination))
                raiseInternalError(msg::kOpenFailed, QStringLiteral("%1 could not be written").arg(destination));
            report(75);
        } else {
            const QString partial = partialPath(destination);
            SpinoraUtility::removeFileIfExists(partial);
            if (!QDir().mkdir(partial) ||
                !SpinoraUtility::copyFileFrom(snapshot, partial + QLatin1Char('/') + QString::fromUtf8(kDatabaseFileName),
                                              SpinoraUtility::Durability::Fast))
                raiseInternalError(msg::kOpenFailed, QStringLiteral("%1 could not be written").arg(destination));
            report(75);
            for (const auto& image : document.images()) {
                const bool cactusPhoto = image->linkedType() == Image::kCactusPhoto && type != kWatering;
                const bool logPhoto = image->linkedType() == Image::kLogPhoto && type == kComplete;
                if (cactusPhoto || logPhoto)
                    image->copyPhotosToPath(partial);
                if (document.exportAborted())
                    break;
            }
            if (!document.exportAborted()) {
                SpinoraUtility::syncFileSystem(partial);
                const QString previous = destination + QStringLiteral(".replaced");
                SpinoraUtility::removeFileIfExists(previous);
                const bool hadDestination = QFileInfo::exists(destination);
                if (hadDestination && !QDir().rename(destination, previous))
                    raiseInternalError(msg::kOpenFailed, QStringLiteral("%1 could not be replaced").arg(destination));
                if (!QDir().rename(partial, destination)) {
                    if (hadDestination)
                        QDir().rename(previous, destination);
                    raiseInternalError(msg::kOpenFailed, QStringLiteral("%1 could not be written").arg(destination));
                }
                SpinoraUtility::removeFileIfExists(previous);
            }
            SpinoraUtility::removeFileIfExists(partial);
        }
        status = document.exportAborted() ? kJobCancelled : kJobFinished;
    } catch (const InternalError& error) {
        logInternalError(error);
        document.setJobError(error.message());
        SpinoraUtility::removeFileIfExists(partialPath(destination));
        status = kJobFailed;
    }
    SpinoraUtility::removeFileIfExists(WorkFiles::exportDatabase());
    report(100);
    WorkFiles::unlockExport(&document);
    return status;
}

void InterchangeExport::cleanupAfterLocalExport(SpinoraDatabase&, int status)
{
    // Nothing to remove: a cancelled or failed export never wrote its
    // destination (files and packages are swapped in only when complete), so
    // a file that was there before is still intact.
    SpinoraUtility::sharedManager().reportDatabaseExportComplete(status);
}

} // namespace spinora
