#include "ImportJob.h"

#include "CsvImport.h"
#include "ImportTransaction.h"
#include "InterchangeImport.h"
#include "Localization.h"
#include "Resources.h"
#include "UndoHistory.h"

#include <QFileInfo>

namespace spinora {

ImportRequest::Source ImportJob::sourceKind(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix();
    if (suffix == QLatin1String("csv") || suffix == QLatin1String("CSV"))
        return ImportRequest::Source::CsvFile;
    if (suffix == QLatin1String("sdbi") || suffix == QLatin1String("SDBI"))
        return ImportRequest::Source::InterchangeFile;
    return ImportRequest::Source::Collection;
}

Result<ImportRequest> ImportJob::prepare(SpinoraDatabase& document, const QString& source, int type,
                                         bool replaceAllowed)
{
    if (!document.holdsPackageLock())
        return Failure(QStringLiteral("The collection was opened read-only, so nothing can be imported into it."),
                       Failure::Cause::ReadOnly);
    // The job reads the collection from its file: every change made in the
    // window must be there.
    if (Result<> written = document.writePendingChanges(); !written)
        return written.failure();
    // The collection as it is now is kept for Edit > Undo (the window's
    // history; none without a window). An import that could not be undone
    // is not started.
    if (UndoHistory* history = document.undoHistory()) {
        if (Result<> kept = history->beginImport(); !kept)
            return kept.failure();
    }
    ImportRequest request;
    request.collection = document.packageFilename();
    request.source = source;
    request.sourceKind = sourceKind(source);
    request.type = static_cast<ExchangeType>(type);
    request.order = document.sortOrder();
    request.replaceCollection = replaceAllowed && type == kExchangeComplete;
    request.templateDatabase = Resources::path(document.usesEmptyTemplate() ? QStringLiteral("spinora_emptydb.sdbi")
                                                                             : QStringLiteral("spinoradb.sdbi"));
    return request;
}

ImportJob::Outcome ImportJob::run(const ImportRequest& request, JobContext& context)
{
    Outcome result;
    {
        ImportTransaction transaction(request, context);
        const bool merged = transaction.open() && (request.sourceKind == ImportRequest::Source::CsvFile
                                                       ? CsvImport::merge(request, transaction)
                                                       : InterchangeImport::merge(request, transaction));
        result.status = transaction.finish(merged);
    }
    if (result.status == kJobFinished && request.loadAfterwards) {
        // Read here, off the main thread, so that the window's swap is quick.
        QString why;
        result.loaded = SpinoraDatabase::loadCollection(request.collection, request.order, &why);
        if (!result.loaded)
            context.addWarning(QStringLiteral("The import was saved, but the collection could not be read again: %1").arg(why));
    }
    result.error = context.error();
    if (result.status == kJobFailed && result.error.isEmpty())
        result.error = QStringLiteral("The import failed.");
    result.warnings = context.warnings();
    return result;
}

void ImportJob::adopt(SpinoraDatabase& document, Outcome& result)
{
    const bool landed = result.status == kJobFinished;
    if (landed && !result.loaded) {
        // The job could not read the collection again; the window tries once more.
        QString why;
        result.loaded = SpinoraDatabase::loadCollection(document.packageFilename(), document.sortOrder(), &why);
    }
    if (landed && result.loaded) {
        document.adoptCollection(std::move(*result.loaded));
        result.loaded.reset();
    }
    // The step the snapshot of prepare() was kept for; a cancelled or
    // failed import changed nothing and leaves none.
    if (UndoHistory* history = document.undoHistory())
        history->finishImport(localized("Import"), landed);
}

} // namespace spinora
