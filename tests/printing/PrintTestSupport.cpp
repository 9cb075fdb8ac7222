#include "PrintTestSupport.h"

#include "SampleCollection.h"
#include "TestSupport.h"

#include <QProcess>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace spinora::test {

std::unique_ptr<SpinoraDatabase> printableCollection(const QString& path, int cacti)
{
    auto document = newCollection(path);
    EXPECT_TRUE(SampleCollection::fill(*document, SampleSize{cacti, 2, cacti * 2, cacti + cacti / 4, 240}).ok());
    const QString longNote = QStringLiteral(
        "Repotted into a mix of pumice, lava grit and a little loam after the roots had filled the old pot. "
        "Keep dry for a week afterwards, then water sparingly until new spines show at the crown.\n"
        "Flowered twice last summer; the second flush was paler. Watch for mealybugs in the areoles.");
    int n = 0;
    for (const auto& cactus : document->cacti()) {
        expectOk(cactus->hydrate());
        if (n % 3 == 0)
            cactus->setNotes(longNote + QStringLiteral("\nPlant number %1.").arg(n + 1));
        if (n % 4 == 0)
            cactus->setLocation(QStringLiteral("Greenhouse, bench %1\nTop shelf, south side").arg(n % 7 + 1));
        expectOk(cactus->dehydrate());
        ++n;
    }
    return document;
}

QPageLayout bareLayout(double width, double height)
{
    return QPageLayout(QPageSize(QSizeF(width, height), QPageSize::Point), QPageLayout::Portrait, QMarginsF(),
                       QPageLayout::Point);
}

QString runTool(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished(60000)) << program.toStdString();
    EXPECT_EQ(process.exitCode(), 0) << program.toStdString() << ": " << process.readAllStandardError().toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

int pdfPageCount(const QString& pdf)
{
    const QRegularExpression pages(QStringLiteral("^Pages:\\s+(\\d+)$"), QRegularExpression::MultilineOption);
    const auto match = pages.match(runTool(QStringLiteral("pdfinfo"), {pdf}));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

QString pdfPageText(const QString& pdf, int page)
{
    return runTool("pdftotext", {"-f", QString::number(page), "-l", QString::number(page), "-layout", pdf, "-"});
}

} // namespace spinora::test
