#pragma once

#include "DatabasePrintView.h"
#include "SpinoraDatabase.h"

#include <QPageSize>
#include <QString>

namespace spinora {

class Cactus;
class Log;
class Water;

// What a print prints: one of the displayed lists, or the sheet of one
// cactus, schedule or log.
struct PrintSubject {
    DatabasePrintView::Screen screen = DatabasePrintView::Screen::CactusList;
    const Cactus* cactus = nullptr;
    const Water* water = nullptr;
    const Log* log = nullptr;

    // The record of a sheet; null for the lists or when it is missing.
    Record* record() const;
    // A list, or a sheet with its record.
    bool isValid() const;
    DatabasePrintView::Screen printScreen() const { return screen; }

    // The list shown on a window's tab.
    static PrintSubject ofList(SpinoraDatabase::ListKind list);
};

// Writes the subject as a PDF file on paper of the given size, with the
// default margins. Answers the page count, or 0 on failure.
int printToPdf(SpinoraDatabase& document, const PrintSubject& subject, const QString& file, const QPageSize& pageSize);

} // namespace spinora
