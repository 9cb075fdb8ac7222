#pragma once

#include "PrintSubject.h"

#include <functional>

class QImage;
class QPrinter;
class QWidget;

namespace spinora {

// Shows the platform's print dialog for the subject and prints it.
void printWithDialog(QWidget* window, SpinoraDatabase& document, const PrintSubject& subject);
// Runs `print` (which answers whether it printed) on the printer; when the
// printer's file cannot be written or `print` fails, the user is told why.
void printOrTell(QWidget* window, QPrinter& printer, const std::function<bool()>& print);
// Shows the print dialog for one photo and prints it on one page: as large
// as the page's margins allow, its caption below it.
void printPhotoWithDialog(QWidget* window, SpinoraDatabase& document, const QImage& photo, const QString& caption);
// The same page on a printer set up already (tests print to a PDF file).
bool printPhoto(QPrinter& printer, const QImage& photo, const QString& caption);
// Shows the print preview of the subject, from which it can be printed.
void printPreviewWithDialog(QWidget* window, SpinoraDatabase& document, const PrintSubject& subject);

} // namespace spinora
