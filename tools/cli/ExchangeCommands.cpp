#include "ExchangeCommands.h"

#include "AppInfo.h"
#include "CollectionCommands.h"
#include "ConsoleJob.h"
#include "CsvExport.h"
#include "CsvMapping.h"
#include "ExportJob.h"
#include "ImportJob.h"
#include "LocaleFormats.h"
#include "Localization.h"
#include "ReportExport.h"
#include "SpinoraDatabase.h"
#include "SpinoraUtility.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace spinora::cli {

namespace {

int typeOption(Arguments& arguments)
{
    const auto type = arguments.takeOption(QStringLiteral("--type"));
    return type ? parseInteger(*type, QStringLiteral("--type"), 0, 3) : 0;
}

QString absolute(const QString& path)
{
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

// Exports and imports never read from or write into the collection itself.
void refuseSameCollection(const QString& collection, const QString& other, const QString& refusal)
{
    const QString package = QFileInfo(collection).canonicalFilePath();
    const QFileInfo info(other);
    // A destination need not exist yet: its folder does.
    const QString candidate = info.exists() ? info.canonicalFilePath()
                                            : QFileInfo(info.absolutePath()).canonicalFilePath() + QLatin1Char('/') +
                                                  info.fileName();
    if (!candidate.isEmpty() && (candidate == package || candidate.startsWith(package + QLatin1Char('/'))))
        throw CliError(refusal, 2);
}

// An existing destination is replaced only with --force; a folder that is
// not a collection never.
void refuseDestination(const ExportJob::Refusal& refusal)
{
    if (refusal)
        throw CliError(refusal.allowedWouldHelp ? localized("%1 Add --force to replace it.").arg(refusal.reason)
                                                : localized("%1 Nothing was written.").arg(refusal.reason));
}

// Exports only read the collection, through the job's own read-only
// connection: no document is opened, nothing is locked, and they work while
// another program changes the collection.
QString exportedCollection(const QString& path)
{
    if (!QFileInfo::exists(path))
        throw CliError(localized("no collection at %1").arg(path));
    return absolute(path);
}

// The order the window shows by default.
SortOrder defaultOrder()
{
    SortOrder order;
    order.cactiBySpecies = SpinoraUtility::sharedManager().getPreferences().sortCactiBySpecies();
    return order;
}

int exportCollection(const QString& path, const QString& destination, int type, bool force)
{
    ExportRequest request;
    request.collection = exportedCollection(path);
    request.destination = absolute(destination);
    refuseSameCollection(request.collection, request.destination,
                         localized("Exporting to the open collection itself is not permitted"));
    if (!QFileInfo(QFileInfo(request.destination).absolutePath()).isDir())
        throw CliError(localized("the folder %1 does not exist").arg(QFileInfo(request.destination).absolutePath()));
    refuseDestination(ExportJob::checkDestination(request.destination, force));
    request.kind = ExportJob::destinationKind(request.destination);
    request.type = static_cast<ExchangeType>(type);
    request.order = defaultOrder();
    ConsoleJob job;
    const int status = ExportJob::run(request, job.context());
    return job.finish(status, job.context().error(), job.context().warnings());
}

} // namespace

int runExportSdbi(Arguments& arguments)
{
    const int type = typeOption(arguments);
    const bool force = arguments.takeFlag(QStringLiteral("--force"));
    const QStringList words =
        arguments.positional(2, QStringLiteral("spinora-cli export-sdbi PATH.sdb OUT.sdbi [--type 0..3] [--force]"));
    if (ExportJob::destinationKind(words[1]) == ExportRequest::Destination::CsvFile)
        throw CliError(localized("%1: use export-csv for CSV files").arg(words[1]), 2);
    return exportCollection(words[0], words[1], type, force);
}

int runExportCsv(Arguments& arguments)
{
    const int type = typeOption(arguments);
    const bool force = arguments.takeFlag(QStringLiteral("--force"));
    const QStringList words =
        arguments.positional(2, QStringLiteral("spinora-cli export-csv PATH.sdb OUT.csv [--type 0..3] [--force]"));
    if (ExportJob::destinationKind(words[1]) != ExportRequest::Destination::CsvFile)
        throw CliError(localized("%1: a CSV file's name must end in .csv").arg(words[1]), 2);
    return exportCollection(words[0], words[1], type, force);
}

int runReport(Arguments& arguments)
{
    const auto size = arguments.takeOption(QStringLiteral("--size"));
    const int photoSize = size ? parseInteger(*size, QStringLiteral("--size"), 1, 4) : 1;
    const bool force = arguments.takeFlag(QStringLiteral("--force"));
    const QStringList words =
        arguments.positional(2, QStringLiteral("spinora-cli report PATH.sdb OUT.html [--size 1..4] [--force]"));
    ReportRequest request;
    request.collection = exportedCollection(words[0]);
    const QFileInfo out(absolute(words[1]));
    refuseSameCollection(request.collection, out.absoluteFilePath(),
                         localized("Writing a report into the open collection itself is not permitted"));
    if (!QFileInfo(out.absolutePath()).isDir())
        throw CliError(localized("the folder %1 does not exist").arg(out.absolutePath()));
    refuseDestination(ReportExport::checkDestination(out.absolutePath(), out.fileName(), force));
    request.folder = out.absolutePath();
    request.fileName = out.fileName();
    request.photoSize = photoSize;
    request.order = defaultOrder();
    ConsoleJob job;
    const int status = ReportExport::run(request, job.context());
    return job.finish(status, job.context().error(), job.context().warnings());
}

int runCsvTemplate(Arguments& arguments)
{
    const bool force = arguments.takeFlag(QStringLiteral("--force"));
    const QStringList words = arguments.positional(1, QStringLiteral("spinora-cli csv-template OUT.csv [--force]"));
    const QString out = absolute(words[0]);
    if (ExportJob::destinationKind(out) != ExportRequest::Destination::CsvFile)
        throw CliError(localized("%1: a CSV file's name must end in .csv").arg(words[0]), 2);
    refuseDestination(ExportJob::checkDestination(out, force));
    QSaveFile file(out);
    if (!file.open(QIODevice::WriteOnly) || !CsvExport::outputString(CsvExport::templateText(LocaleFormats()), file) ||
        !file.commit())
        throw CliError(localized("the file %1 could not be written").arg(words[0]));
    return 0;
}

int runImport(Arguments& arguments)
{
    const int type = typeOption(arguments);
    const QString mapping = arguments.takeOption(QStringLiteral("--map")).value_or(QString());
    const QStringList words = arguments.positional(
        2, QStringLiteral("spinora-cli import PATH.sdb IN [--type 0..3] [--map \"COLUMN=FIELD,...\"]"));
    const QString in = absolute(words[1]);
    if (!QFileInfo::exists(in))
        throw CliError(localized("nothing to import at %1").arg(words[1]));
    if (!mapping.isEmpty() && ImportJob::sourceKind(in) != ImportRequest::Source::CsvFile)
        throw CliError(localized("--map is for CSV files"), 2);
    if (const QString wrong = CsvMapping::checkSpec(mapping); !wrong.isEmpty())
        throw CliError(localized("--map: %1").arg(wrong), 2);
    // The collection is opened for writing: it is locked against every other
    // writer until the import has ended.
    auto document = openCollection(words[0]);
    refuseSameCollection(document->packageFilename(), in, localized("Importing from the open collection itself is not permitted"));
    ConsoleJob job;
    Result<ImportRequest> request = ImportJob::prepare(*document, in, type, false);
    int status = kJobFailed;
    ImportJob::Outcome result;
    if (request) {
        // Nothing is shown afterwards: the collection need not be read again.
        request->loadAfterwards = false;
        request->csvMapping = mapping;
        result = ImportJob::run(*request, job.context());
        status = result.status;
    } else {
        logFailure(request.failure());
        result.error = request.failure().reason();
    }
    // The exit status is the job's: an import that landed exits 0 even when
    // closing afterwards has trouble (that is reported on its own).
    if (Result<> closed = document->close(); !closed) {
        logFailure(closed.failure());
        printError(closed.failure().reason());
    }
    if (status == kJobFinished)
        printLine(QStringLiteral("imported: %1 cacti, %2 watering schedules, %3 logs")
                      .arg(result.imported.cacti)
                      .arg(result.imported.watering)
                      .arg(result.imported.logs));
    return job.finish(status, result.error, result.warnings);
}

} // namespace spinora::cli
