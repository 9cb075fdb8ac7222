#pragma once

#include "Timestamp.h"

#include <QString>
#include <QStringList>

class QIODevice;

namespace spinora {

class Cactus;
class LocaleFormats;
class Log;
class SpinoraDatabase;
class Water;

// Writes the collection (or part of it) as one comma-separated file in the
// fixed template layout that CsvImport reads back. Formatting is kept apart
// from the job, so each line can be checked on its own.
class CsvExport {
public:
    // Starts the export on a background thread and returns at once.
    static void exportCSVDatabase(SpinoraDatabase& document, const QString& destination, int exportType);
    // The work itself, on the calling thread; answers the status code.
    static int exportCSVThread(SpinoraDatabase& document);
    // True when every byte of the text went out in one write.
    static bool outputString(const QString& text, QIODevice& stream);

    // --- The layout
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
    static QString waterEvery(const Water& water);
    // "%@ %d": full month name and day of a no-water code; empty for 0.
    static QString noWaterDay(int64_t code);
    // In double quotes, with inner double quotes doubled.
    static QString quoted(const QString& text);
};

} // namespace spinora
