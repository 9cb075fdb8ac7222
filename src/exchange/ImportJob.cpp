#include "ImportJob.h"

#include "Backups.h"
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
        return Failure(localized("The collection was opened read-only, so nothing can be imported into it."),
                       Failure::Cause::ReadOnly);
    // The job reads the collection from its file: every change made in the
    // window must be there.
    if (Result<> written = document.writePendingChanges(); !written)
        return written.failure();
    // A snapshot outlives the window's undo history: the collection as it
    // was before any import can be brought back later.
    if (Result<> kept = BackupSet(document.packageFilename()).takeIfEnabled(document, QStringLiteral("import")); !kept)
        return Failure(localized("%1. Nothing was imported. Free some space or choose another backup folder in "
                                 "Preferences, then try again.")
                           .arg(kept.failure().message()),
                       kept.failure().cause());
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
        result.imported = transaction.added();
    }
    if (result.status == kJobFinished && request.loadAfterwards) {
        // Read here, off the main thread, so that the window's swap is
        // quick; when it fails the main thread tries once more (adopt).
        QString why;
        result.loaded = SpinoraDatabase::loadCollection(request.collection, request.order, &why);
    }
    result.error = context.error();
    if (result.status == kJobFailed && result.error.isEmpty())
        result.error = localized("The import failed.");
    result.warnings = context.warnings();
    return result;
}

void ImportJob::adopt(SpinoraDatabase& document, Outcome& result)
{
    UndoHistory* history = document.undoHistory();
    const bool landed = result.status == kJobFinished;
    if (landed && !result.loaded) {
        // The job could not read the collection again; the window tries once more.
        QString why;
        result.loaded = SpinoraDatabase::loadCollection(document.packageFilename(), document.sortOrder(), &why);
        if (!result.loaded) {
            // The window's records are the collection as it was before the
            // import, and what the history kept for Undo: put back, the file
            // is what the window shows again, and the import simply failed.
            Result<> takenBack = history ? history->takeBackImport() : Result<>(Failure(QString()));
            if (takenBack) {
                result.status = kJobFailed;
                result.error = localized("The import was saved, but the collection could not be read again (%1), so "
                                         "it was taken back.")
                                   .arg(why);
                return;
            }
            // It stays in the file; with a history, the step takes it back.
            if (history)
                logFailure(takenBack.failure());
            result.warnings << (history ? localized("The import was saved, but the collection could not be read "
                                                    "again (%1). This window still shows the collection as it was "
                                                    "before: close it and open the collection again, or undo the "
                                                    "import (Edit > Undo Import).")
                                        : localized("The import was saved, but the collection could not be read "
                                                    "again (%1). This window still shows the collection as it was "
                                                    "before: close it and open the collection again."))
                                   .arg(why);
        }
    }
    if (landed && result.loaded) {
        document.adoptCollection(std::move(*result.loaded));
        result.loaded.reset();
    }
    // The step the snapshot of prepare() was kept for; a cancelled or
    // failed import changed nothing and leaves none.
    if (history)
        history->finishImport(localized("Import"), landed);
}

QString ImportJob::report(const Outcome& result, int shownWarnings)
{
    if (result.status == kJobCancelled)
        return {};
    if (result.status != kJobFinished)
        return result.error;
    QStringList lines{localized("Cacti imported: %1").arg(result.imported.cacti),
                      localized("Watering schedules imported: %1").arg(result.imported.watering),
                      localized("Logs imported: %1").arg(result.imported.logs)};
    if (!result.warnings.isEmpty()) {
        lines << QString() << localized("Not everything could be imported:");
        lines << result.warnings.mid(0, shownWarnings);
        if (result.warnings.size() > shownWarnings)
            lines << localized("... and %1 more.").arg(result.warnings.size() - shownWarnings);
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace spinora
