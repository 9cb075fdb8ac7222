#pragma once

#include <QPageSize>
#include <QString>

class QPagedPaintDevice;
class QWidget;

namespace spinora {

class Cactus;
class Log;
class Record;
class SpinoraDatabase;
class Water;

// What the print command prints: screens 0-2 are the displayed cactus,
// watering and log lists; 3-5 the sheet of one cactus, schedule or log.
struct PrintSubject {
    int screen = 0;
    const Cactus* cactus = nullptr;
    const Water* water = nullptr;
    const Log* log = nullptr;

    // The record of a sheet; null for the lists or when it is missing.
    Record* record() const;
    // A sheet screen needs its record; 0 to 5 only.
    bool isValid() const;
};

// Shows the platform's print dialog for the subject and prints it.
void printWithDialog(QWidget* window, SpinoraDatabase& document, const PrintSubject& subject);
// Shows the print preview of the subject, from which it can be printed.
void printPreviewWithDialog(QWidget* window, SpinoraDatabase& document, const PrintSubject& subject);

// Draws the subject on a paged device (a QPdfWriter, or a QPrinter) with the
// device's page layout. False when nothing could be painted.
bool renderSubject(SpinoraDatabase& document, const PrintSubject& subject, QPagedPaintDevice& device);
// Writes the subject as a PDF file on paper of the given size, with the
// default margins. Answers the page count, or 0 on failure.
int printToPdf(SpinoraDatabase& document, const PrintSubject& subject, const QString& file, const QPageSize& pageSize);

} // namespace spinora
