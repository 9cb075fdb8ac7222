#include "ExchangeCommands.h"

#include "CollectionCommands.h"
#include "ExchangeRelay.h"
#include "InternalError.h"
#include "JobWaiter.h"
#include "SpinoraDatabase.h"

#include <QDir>
#include <QFileInfo>

#include <csignal>

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

// Exports and imports never read from or write into the open collection itself.
void refuseSameCollection(const SpinoraDatabase& document, const QString& other, const char* what)
{
    const QString package = QFileInfo(document.packageFilename()).canonicalFilePath();
    const QFileInfo info(other);
    // A destination need not exist yet: its folder does.
    const QString candidate = info.exists() ? info.canonicalFilePath()
                                            : QFileInfo(info.absolutePath()).canonicalFilePath() + QLatin1Char('/') +
                                                  info.fileName();
    if (!candidate.isEmpty() && (candidate == package || candidate.startsWith(package + QLatin1Char('/'))))
        throw CliError(QStringLiteral("%1 the open collection itself is not permitted").arg(QLatin1String(what)), 2);
}

// Starts a job with a waiter as its observer, waits, and closes the
// collection. The exit status is the job's: an import that landed exits 0
// even when closing afterwards has trouble (that is reported on its own).
template <class Start>
int runJob(std::unique_ptr<SpinoraDatabase> document, Start start)
{
    int status = -1;
    {
        JobWaiter waiter(*document);
        start(&waiter);
        status = waiter.wait();
        try {
            document->close();
        } catch (const InternalError& error) {
            logInternalError(error);
            printError(error.message());
        }
    }
    // The job has ended: a Ctrl-C now is too late to change anything and must
    // not turn a finished job's exit status into death by signal.
    std::signal(SIGINT, SIG_IGN);
    std::signal(SIGTERM, SIG_IGN);
    return status == 0 ? 0 : 1;
}

// An existing destination is replaced only with --force; a folder that is
// not a collection never.
void refuseDestination(const ExportJob::Refusal& refusal)
{
    if (refusal)
        throw CliError(refusal.reason + (refusal.allowedWouldHelp ? QStringLiteral(" Add --force to replace it.")
                                                                  : QStringLiteral(" Nothing was written.")));
}

} // namespace

namespace {

// The relay picks the kind of export from the destination's name.
int exportCollection(const QString& path, const QString& destination, int type, bool force)
{
    // Exports only read the collection: they work while another program changes it.
    auto document = openCollection(path, true);
    const QString out = absolute(destination);
    refuseSameCollection(*document, out, "Exporting to");
    if (!QFileInfo(QFileInfo(out).absolutePath()).isDir())
        throw CliError(QStringLiteral("the folder %1 does not exist").arg(QFileInfo(out).absolutePath()));
    refuseDestination(ExchangeRelay::checkExportDestination(out, force));
    return runJob(std::move(document),
                  [&](TransferObserver* waiter) { ExchangeRelay::exportLocalDatabase(out, type, waiter, force); });
}

} // namespace

int runExportSdbi(Arguments& arguments)
{
    const int type = typeOption(arguments);
    const bool force = arguments.takeFlag(QStringLiteral("--force"));
    const QStringList words =
        arguments.positional(2, QStringLiteral("spinora-cli export-sdbi PATH.sdb OUT.sdbi [--type 0..3] [--force]"));
    if (ExchangeRelay::isCsvFile(words[1]))
        throw CliError(QStringLiteral("%1: use export-csv for CSV files").arg(words[1]), 2);
    return exportCollection(words[0], words[1], type, force);
}

int runExportCsv(Arguments& arguments)
{
    const int type = typeOption(arguments);
    const bool force = arguments.takeFlag(QStringLiteral("--force"));
    const QStringList words =
        arguments.positional(2, QStringLiteral("spinora-cli export-csv PATH.sdb OUT.csv [--type 0..3] [--force]"));
    if (!ExchangeRelay::isCsvFile(words[1]))
        throw CliError(QStringLiteral("%1: a CSV file's name must end in .csv").arg(words[1]), 2);
    return exportCollection(words[0], words[1], type, force);
}

int runReport(Arguments& arguments)
{
    const auto size = arguments.takeOption(QStringLiteral("--size"));
    const int photoSize = size ? parseInteger(*size, QStringLiteral("--size"), 1, 4) : 1;
    const bool force = arguments.takeFlag(QStringLiteral("--force"));
    const QStringList words =
        arguments.positional(2, QStringLiteral("spinora-cli report PATH.sdb OUT.html [--size 1..4] [--force]"));
    auto document = openCollection(words[0], true);
    const QString out = absolute(words[1]);
    refuseSameCollection(*document, out, "Writing a report into");
    const QFileInfo info(out);
    if (!QFileInfo(info.absolutePath()).isDir())
        throw CliError(QStringLiteral("the folder %1 does not exist").arg(info.absolutePath()));
    refuseDestination(ExchangeRelay::checkReportDestination(info.absolutePath(), info.fileName(), force));
    return runJob(std::move(document), [&](TransferObserver* waiter) {
        ExchangeRelay::exportReport(info.absolutePath(), info.fileName(), photoSize, waiter, force);
    });
}

int runImport(Arguments& arguments)
{
    const int type = typeOption(arguments);
    const QStringList words = arguments.positional(2, QStringLiteral("spinora-cli import PATH.sdb IN [--type 0..3]"));
    const QString in = absolute(words[1]);
    if (!QFileInfo::exists(in))
        throw CliError(QStringLiteral("nothing to import at %1").arg(words[1]));
    auto document = openCollection(words[0]);
    refuseSameCollection(*document, in, "Importing from");
    return runJob(std::move(document), [&](TransferObserver* waiter) { ExchangeRelay::importLocalDatabase(in, type, waiter); });
}

} // namespace spinora::cli
