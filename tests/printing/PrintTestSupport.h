#pragma once

#include "SpinoraDatabase.h"
#include "TestSupport.h"

#include <QPageLayout>
#include <QString>
#include <QStringList>

#include <memory>

#include <gtest/gtest.h>

namespace spinora::test {

// A collection of `cacti` plants with photos, logs, several-line locations
// and notes long enough to run over many lines, like a real keeper's.
std::unique_ptr<SpinoraDatabase> printableCollection(const QString& path, int cacti);

// The fixture of a suite that prints one such collection of `Cacti` plants,
// made once for all its tests: making it takes longer than most of them.
template <int Cacti, class Base = ::testing::Test>
class PrintableSuite : public Base {
protected:
    static void SetUpTestSuite()
    {
        folder_ = new TempFolder;
        document_ = printableCollection(folder_->file(QStringLiteral("Windowsill Garden.sdb")), Cacti).release();
    }
    static void TearDownTestSuite()
    {
        expectOk(document_->close());
        delete document_;
        delete folder_;
    }

    static inline TempFolder* folder_ = nullptr;
    static inline SpinoraDatabase* document_ = nullptr;
};

// A page of the given size in points without margins: the printed
// rectangle is the whole page.
QPageLayout bareLayout(double width, double height);

// Runs a poppler tool and answers its standard output (fails the test when it fails).
QString runTool(const QString& program, const QStringList& arguments);
int pdfPageCount(const QString& pdf);
// The text of one page (from 1).
QString pdfPageText(const QString& pdf, int page);

} // namespace spinora::test
