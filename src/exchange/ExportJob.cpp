#include "ExportJob.h"

#include "AppInfo.h"
#include "CsvExport.h"
#include "InterchangeExport.h"
#include "InterruptedChange.h"
#include "Localization.h"
#include "Messages.h"
#include "PackageLock.h"
#include "SpinoraDatabase.h"
#include "WorkFiles.h"

#include <QDir>
#include <QFileInfo>

namespace spinora {

ExportRequest::Destination ExportJob::destinationKind(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix();
    if (suffix == QLatin1String("csv") || suffix == QLatin1String("CSV"))
        return ExportRequest::Destination::CsvFile;
    if (suffix == QLatin1String("sdbi") || suffix == QLatin1String("SDBI"))
        return ExportRequest::Destination::InterchangeFile;
    return ExportRequest::Destination::Collection;
}

ExportJob::Refusal ExportJob::checkDestination(const QString& path, bool overwriteAllowed)
{
    const QFileInfo info(path);
    const QString shown = QDir::toNativeSeparators(path);
    if (!info.exists() && !info.isSymLink())
        return {};
    if (info.isDir() && !info.isSymLink()) {
        const bool isCollection = QFileInfo(path + QLatin1Char('/') + QString::fromUtf8(kDatabaseFileName)).isFile();
        if (destinationKind(path) != ExportRequest::Destination::Collection)
            return {localized("%1 is a folder; an export never replaces a folder with a file.").arg(shown)};
        if (!isCollection)
            return {localized("%1 is a folder that is not a Spinora collection; an export never replaces it.")
                        .arg(shown)};
        if (const QString holder = PackageLock::holder(path); !holder.isEmpty())
            return {localized("%1 is a collection in use by %2; it cannot be replaced.").arg(shown, holder)};
        if (!overwriteAllowed)
            return {localized("%1 is an existing collection and was not replaced.").arg(shown), true};
        return {};
    }
    if (!overwriteAllowed)
        return {localized("%1 already exists and was not replaced.").arg(shown), true};
    return {};
}

Result<ExportRequest> ExportJob::prepare(SpinoraDatabase& document, const QString& destination, int type,
                                         bool overwriteAllowed)
{
    if (const Refusal refusal = checkDestination(destination, overwriteAllowed))
        return Failure(refusal.reason);
    // The job reads the collection from its file: every change made in the
    // window must be there. The collection's own version row records its
    // last export (a read-only collection's is not written).
    if (Result<> written = document.writePendingChanges(); !written)
        return written.failure();
    if (!document.isReadOnly() && document.database()) {
        const Result<> stamped = InterchangeExport::stampVersionRow(
            document.database(), document.versionPrimaryKey(),
            {int64_t(document.cacti().size()), int64_t(document.watering().size()), int64_t(document.logs().size()),
             int64_t(document.events().size()), int64_t(document.species().size()), int64_t(document.images().size())});
        if (!stamped)
            return stamped.failure();
    }
    ExportRequest request;
    request.collection = document.packageFilename();
    request.destination = destination;
    request.kind = destinationKind(destination);
    request.type = static_cast<ExchangeType>(type);
    request.order = document.sortOrder();
    return request;
}

ExportRequest ExportJob::deviceCopy(SpinoraDatabase& document)
{
    ExportRequest request;
    request.collection = document.packageFilename();
    request.destination = WorkFiles::exportDatabase();
    request.kind = ExportRequest::Destination::DeviceCopy;
    request.type = kExchangeComplete;
    // The copy is made from what the file holds; changes that cannot be
    // written yet stay in memory for the next save.
    if (Result<> written = document.writePendingChanges(); !written)
        logFailure(written.failure());
    return request;
}

int ExportJob::run(const ExportRequest& request, JobContext& context)
{
    return request.kind == ExportRequest::Destination::CsvFile ? CsvExport::run(request, context)
                                                                : InterchangeExport::run(request, context);
}

std::unique_ptr<Connection> ExportJob::openCollection(const QString& collection, JobContext& context)
{
    const QString path = collection + QLatin1Char('/') + QString::fromUtf8(kDatabaseFileName);
    QString error;
    // A read-only connection cannot undo a change that a crash cut short.
    std::unique_ptr<Connection> db;
    if (QFileInfo(path).isFile()) {
        if (Result<> readable = undoInterruptedChange(collection); readable)
            db = Connection::open(path, Connection::Mode::ReadOnly, &error);
        else
            error = readable.failure().message();
    }
    if (!db) {
        context.fail(localized("The collection %1 could not be read: %2")
                         .arg(QDir::toNativeSeparators(collection),
                              error.isEmpty() ? localized("it holds no %1.").arg(QLatin1String(kDatabaseFileName))
                                              : error));
        return nullptr;
    }
    db->execute("PRAGMA cache_size=-8192; PRAGMA mmap_size=268435456;");
    JobContext* job = &context;
    db->setInterruptCheck([job] { return job->cancelRequested(); });
    Statement version(db.get(), "SELECT version_num FROM version");
    if (version.prepared() && version.stepRow() && version.integer(0) > kSchemaVersion) {
        context.fail(localized("The collection %1 was made by a newer version of Spinora (schema %2; this "
                                    "version reads up to %3).")
                         .arg(QDir::toNativeSeparators(collection))
                         .arg(version.integer(0))
                         .arg(kSchemaVersion));
        return nullptr;
    }
    return db;
}

bool ExportJob::loadRecords(Connection* db, const QString& collection, const SortOrder& order, RecordSet& records,
                            JobContext& context)
{
    QString error;
    if (!records.load(db, collection, false, true, &error)) {
        context.fail(localized("The collection could not be read: %1").arg(error));
        return false;
    }
    records.link(order);
    records.sort(order);
    return true;
}

} // namespace spinora
