#pragma once

#include "SpinoraStrings.h"
#include "Timestamp.h"

#include <QString>
#include <QStringList>

class QIODevice;

namespace spinora {

class Cactus;
class JobContext;
class LocaleFormats;
class Log;
class Water;
struct ExportRequest;

// Writes the collection (or part of it) as one comma-separated file in the
// fixed template layout that CsvImport reads back. Formatting is kept apart
// from the job, so each line can be checked on its own.
class CsvExport {
public:
    // The job (see ExportJob): answers the status code.
    static int run(const ExportRequest& request, JobContext& context);
    // True when every byte of the text went out in one write.
    static bool outputString(const QString& text, QIODevice& stream);

    // --- The layout (titles, headers and pick-list words stay English: the
    // import reads them back under any language)
    static const QStringList& cactusHeaders();
    static const QStringList& waterHeaders();
    static const QStringList& logHeaders();
    static QString commentLines(const LocaleFormats& formats, const Timestamp& moment);
    static QString sectionStart(const QString& title, const QStringList& headers);
    // A record line (without the line feed); empty for a record without a name.
    static QString cactusLine(const Cactus& cactus, const LocaleFormats& formats);
    static QString waterLine(const Water& water, const LocaleFormats& formats);
    static QString logLine(const Log& log, const LocaleFormats& formats);
    // "%d %@": the count and its unit word, singular for 1.
    static QString waterEvery(const Water& water, SpinoraStrings::Words words = SpinoraStrings::Words::Shown);
    // "%@ %d": full month name and day of a no-water code; empty for 0.
    static QString noWaterDay(int64_t code);
    // The template a grower fills in: the comment lines, each section's
    // title and header as an export writes them, and one example record a
    // section.
    static QString templateText(const LocaleFormats& formats);
    // In double quotes, with inner double quotes doubled.
    static QString quoted(const QString& text);
};

} // namespace spinora
