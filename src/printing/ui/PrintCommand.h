#pragma once

#include "PrintSubject.h"

class QWidget;

namespace spinora {

// Shows the platform's print dialog for the subject and prints it.
void printWithDialog(QWidget* window, SpinoraDatabase& document, const PrintSubject& subject);
// Shows the print preview of the subject, from which it can be printed.
void printPreviewWithDialog(QWidget* window, SpinoraDatabase& document, const PrintSubject& subject);

} // namespace spinora
