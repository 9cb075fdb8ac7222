// Plant labels printed to PDF, turned into pictures with pdftoppm and read
// back with zbarimg, as a phone reads them off the pots.
#include "LabelSheet.h"
#include "PrintTestSupport.h"

#include "Cactus.h"
#include "TestSupport.h"

#include <QImage>

#include <gtest/gtest.h>

using namespace spinora;
using namespace spinora::test;

namespace {

constexpr int kResolution = 200;

class LabelSheetTest : public PrintableSuite<31, ::testing::TestWithParam<const char*>> {
protected:
    // 31 plants fill more than one page of either layout. One name is far too
    // long for any label and holds a lone "é" (which zbar took for Big5 until
    // the codes declared UTF-8); another is mostly beyond ASCII.
    static void SetUpTestSuite()
    {
        PrintableSuite::SetUpTestSuite();
        document_->displayedCacti()[3]->setName(
            QStringLiteral("Echinocactus grusonii, the golden barrel from the Querétaro highlands, grown from seed "
                           "sown in the spring of 2009 and given by the neighbour who moved to Lisbon"));
        document_->displayedCacti()[7]->setName(QStringLiteral("Mammillaria ‘Ōsaka’ №2 Кактус"));
    }
};

// Dark pixels that lie outside every label's inner rectangle: text or code
// spilling over the label's edge, or off it.
int strayInk(const QImage& page, const LabelLayout& layout)
{
    std::vector<QRect> allowed;
    const double scale = kResolution / 72.0;
    for (int i = 0; i < layout.labelsPerPage(); ++i) {
        const QRectF r = layout.contentRect(i);
        allowed.push_back(QRectF(r.topLeft() * scale, r.size() * scale).toAlignedRect().adjusted(-1, -1, 1, 1));
    }
    int stray = 0;
    for (int y = 0; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x) {
            if (qGray(page.pixel(x, y)) < 160 &&
                std::none_of(allowed.begin(), allowed.end(), [&](const QRect& r) { return r.contains(x, y); }))
                ++stray;
        }
    }
    return stray;
}

} // namespace

TEST_P(LabelSheetTest, EveryCodeNamesItsPlantAndNothingLeavesItsLabel)
{
    const LabelLayout* layout = findLabelLayout(QString::fromLatin1(GetParam()));
    ASSERT_NE(layout, nullptr);
    const LabelSheet sheet(*layout, *document_, document_->displayedCacti());
    const QString pdf = folder_->file(QStringLiteral("%1.pdf").arg(GetParam()));
    ASSERT_TRUE(sheet.printToPdf(pdf, QStringLiteral("Labels")));
    ASSERT_EQ(pdfPageCount(pdf), 2);

    const QString prefix = folder_->file(QString::fromLatin1(GetParam()));
    runTool("pdftoppm", {"-r", QString::number(kResolution), "-png", pdf, prefix});
    const QStringList pages = {prefix + "-1.png", prefix + "-2.png"};

    // Each label on its own, as a phone held over one pot sees it.
    QStringList labels;
    const double scale = kResolution / 72.0;
    for (int n = 0; n < 31; ++n) {
        const QImage page(pages.at(n / layout->labelsPerPage()));
        const QRectF label = layout->labelRect(n % layout->labelsPerPage());
        labels << folder_->file(QStringLiteral("%1-label-%2.png").arg(GetParam()).arg(n, 2, 10, QLatin1Char('0')));
        ASSERT_TRUE(page.copy(QRectF(label.topLeft() * scale, label.size() * scale).toRect()).save(labels.last()));
    }
    const QStringList decoded = runTool("zbarimg", QStringList{"--nodbus", "--quiet", "--raw"} + labels).split('\n', Qt::SkipEmptyParts);
    QStringList expected;
    for (const Cactus* cactus : document_->displayedCacti())
        expected << PlantLabel::codeText(QStringLiteral("Windowsill Garden"), *cactus);
    EXPECT_EQ(decoded, expected);
    EXPECT_EQ(expected.at(7), QStringLiteral("Windowsill Garden #%1 Mammillaria ‘Ōsaka’ №2 Кактус")
                                  .arg(document_->displayedCacti()[7]->primaryKey()));

    for (const QString& page : pages)
        EXPECT_EQ(strayInk(QImage(page), *layout), 0) << page.toStdString();
    if (qEnvironmentVariableIsSet("SPINORA_SHOTS") && layout == &labelLayouts().front())
        runTool("pdftoppm", {"-r", "100", "-png", "-singlefile", pdf, qEnvironmentVariable("SPINORA_SHOTS") + "/print-labels"});
}

INSTANTIATE_TEST_SUITE_P(Layouts, LabelSheetTest, ::testing::Values("a4-3x8", "letter-3x10"),
                         [](const auto& info) { return std::string(info.param[0] == 'a' ? "A4" : "Letter"); });
