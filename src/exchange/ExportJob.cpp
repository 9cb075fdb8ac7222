#include "ExportJob.h"

#include "AppInfo.h"
#include "BackgroundJobs.h"
#include "PackageLock.h"
#include "SpinoraDatabase.h"
#include "SpinoraUtility.h"

#include <QDir>
#include <QFileInfo>

namespace spinora {

void ExportJob::start(SpinoraDatabase& document, const QString& destination, int exportType, Work work, Done done)
{
    document.setExportAborted(false);
    document.setExportType(exportType);
    document.setImportExportFilename(destination);
    document.setJobError(QString());
    BackgroundJobs::start([&document, work, done] {
        const int status = work(document);
        BackgroundJobs::postToMainThread([&document, status, done] { done(document, status); });
    });
}

void ExportJob::report(SpinoraDatabase&, int status)
{
    SpinoraUtility::sharedManager().reportDatabaseExportComplete(status);
}

void ExportJob::failBeforeStart(SpinoraDatabase& document, const QString& reason)
{
    document.setJobError(reason);
    BackgroundJobs::postToMainThread([] { SpinoraUtility::sharedManager().reportDatabaseExportComplete(kJobFailed); });
}

ExportJob::Refusal ExportJob::checkDestination(const QString& path, Destination kind, bool overwriteAllowed)
{
    const QFileInfo info(path);
    const QString shown = QDir::toNativeSeparators(path);
    if (!info.exists() && !info.isSymLink())
        return {};
    if (info.isDir() && !info.isSymLink()) {
        const bool isCollection = QFileInfo(path + QLatin1Char('/') + QString::fromUtf8(kDatabaseFileName)).isFile();
        if (kind == Destination::File)
            return {QStringLiteral("%1 is a folder; an export never replaces a folder with a file.").arg(shown)};
        if (!isCollection)
            return {QStringLiteral("%1 is a folder that is not a Spinora collection; an export never replaces it.")
                        .arg(shown)};
        if (const QString holder = PackageLock::holder(path); !holder.isEmpty())
            return {QStringLiteral("%1 is a collection in use by %2; it cannot be replaced.").arg(shown, holder)};
        if (!overwriteAllowed)
            return {QStringLiteral("%1 is an existing collection and was not replaced.").arg(shown), true};
        return {};
    }
    if (!overwriteAllowed)
        return {QStringLiteral("%1 already exists and was not replaced.").arg(shown), true};
    return {};
}

} // namespace spinora
