#pragma once

#include "ExchangeRequests.h"
#include "ExportJob.h"

#include <QString>

#include <optional>

namespace spinora {

class Cactus;
class JobContext;
class LocaleFormats;
class Log;
class SpinoraDatabase;
class Water;
struct RecordSet;

// Writes the whole collection as one static web page: a summary box, the
// charts, then a box per plant, schedule and log entry, with the photos
// exported as JPEG files into a folder beside the page.
class ReportExport {
public:
    // Photo size options: 1 thumbnails, 2 medium (512), 3 large (1024), 4 extra large (1280).
    static int pageWidth(int photoSize);

    // An existing page or photo folder is replaced only when `overwriteAllowed`.
    static ExportJob::Refusal checkDestination(const QString& folder, const QString& fileName, bool overwriteAllowed);
    // Main thread: the request for the document's report (the file name may
    // be empty for the default), after its pending changes are written;
    // the failure when the destination is refused.
    static Result<ReportRequest> prepare(SpinoraDatabase& document, const QString& folder, const QString& fileName,
                                         int photoSize, bool overwriteAllowed);
    // The work itself, on any thread; answers the status code.
    static int run(const ReportRequest& request, JobContext& context);

    static QString encodeStringToHTML(const QString& text);
    // The page's file name and its photo folder's name for a chosen file name.
    static QString pageFileName(const QString& fileName);
    static QString photoFolderName(const QString& fileName);

    // --- The pieces of the page
    struct Context {
        const LocaleFormats& formats;
        QString photoFolder; // as written in the page's links
        int width;
    };
    static QString head(const Context& context, const RecordSet& records, double totalValue, int uniqueSpecies);
    static QString cactusPiece(const Context& context, const Cactus& cactus, int number);
    static QString waterPiece(const Context& context, const Water& water, int number);
    static QString logPiece(const Context& context, const Log& log, int number);
};

} // namespace spinora
