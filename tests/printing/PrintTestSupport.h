#pragma once

#include "SpinoraDatabase.h"

#include <QPageLayout>
#include <QString>
#include <QStringList>

#include <memory>

namespace spinora::test {

// A collection of `cacti` plants with photos, logs, several-line locations
// and notes long enough to run over many lines, like a real keeper's.
std::unique_ptr<SpinoraDatabase> printableCollection(const QString& path, int cacti);

// A page of the given size in points without margins: the printed
// rectangle is the whole page.
QPageLayout bareLayout(double width, double height);

// Runs a poppler tool and answers its standard output (fails the test when it fails).
QString runTool(const QString& program, const QStringList& arguments);
int pdfPageCount(const QString& pdf);
// The text of one page (from 1).
QString pdfPageText(const QString& pdf, int page);

} // namespace spinora::test
