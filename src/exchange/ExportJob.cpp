#include "ExportJob.h"

#include "BackgroundJobs.h"
#include "SpinoraDatabase.h"
#include "SpinoraUtility.h"

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

} // namespace spinora
