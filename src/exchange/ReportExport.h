#pragma once

#include <QString>

namespace spinora {

class Cactus;
class LocaleFormats;
class Log;
class SpinoraDatabase;
class Water;

// Writes the whole collection as one static web page: a summary box, then
// a box per plant, schedule and log entry, with the photos exported as JPEG
// files into a folder beside the page.
class ReportExport {
public:
    // Photo size options: 1 thumbnails, 2 medium (512), 3 large (1024), 4 extra large (1280).
    static int pageWidth(int photoSize);

    // Starts the report on a background thread and returns at once.
    static void exportReport(SpinoraDatabase& document, const QString& folder, const QString& fileName, int photoSize);
    // The work itself, on the calling thread; answers the status code.
    static int exportReportThread(SpinoraDatabase& document);

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
    static QString head(const Context& context, SpinoraDatabase& document, double totalValue, int uniqueSpecies);
    static QString cactusPiece(const Context& context, const Cactus& cactus, int number);
    static QString waterPiece(const Context& context, const Water& water, int number);
    static QString logPiece(const Context& context, const Log& log, int number);
};

} // namespace spinora
