// The HTML report: its exact pieces, the summary values and charts, photo
// sizes, the escaping of every user text, and (with Chromium installed) what
// a browser makes of it.
#include "ExchangeTestSupport.h"
#include "RecordBuilders.h"
#include "ReportExport.h"
#include "SampleCollection.h"
#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QProcess>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <tuple>

using namespace spinora;
using namespace spinora::test;

namespace {

class Report : public ::testing::Test {
protected:
    void SetUp() override
    {
        Clock::setFixedNow(localSeconds(2026, 12, 6, 12, 0));
        document = newCollection(folder.file("R.sdb"), true);
        QDir().mkpath(folder.file("out"));
    }
    void TearDown() override { Clock::clearFixedNow(); }
    QString report(int size = 1, const QString& name = "report.html")
    {
        EXPECT_EQ(reportTo(*document, folder.file("out"), name, size, false), kJobFinished);
        return QString::fromUtf8(readFile(folder.file("out/" + ReportExport::pageFileName(name.isEmpty() ? "spinora_report.html" : name))));
    }
    Cactus* addPlant(const QString& name, double price, double value, const Timestamp& planted = {})
    {
        Cactus* c = test::addPlant(*document, name);
        c->setPurchasePrice(price);
        c->setValue(value);
        c->setPlantDate(planted);
        return c;
    }

    TempFolder folder;
    std::unique_ptr<SpinoraDatabase> document;
};

QString chromium()
{
    for (const char* path : {"/usr/bin/chromium", "/usr/bin/chromium-browser"})
        if (QFile::exists(path))
            return path;
    return {};
}

// The page as Chromium builds it; empty when Chromium is not installed.
QString renderedDom(const QString& page, const TempFolder& profile)
{
    QProcess browser;
    browser.start(chromium(), {"--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
                               "--disable-background-networking", "--disable-component-update", "--disable-sync",
                               "--user-data-dir=" + profile.path(), "--virtual-time-budget=5000", "--dump-dom",
                               "file://" + page});
    if (!browser.waitForFinished(60000)) {
        browser.kill();
        return {};
    }
    return QString::fromUtf8(browser.readAllStandardOutput());
}

} // namespace

TEST_F(Report, SummaryCountsAndValues)
{
    addPlant("Priced", 20.0, 0.0)->setCommonName("golden barrel");
    Cactus* valued = addPlant("Valued", 5.0, 7.5);
    valued->setCommonName("Golden Barrel");
    valued->setScientificName("Echinocactus grusonii");
    const QString page = report();
    EXPECT_TRUE(page.startsWith("<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">\n"
                                "<title>Cacti Report</title>\n<style>html {background-color:#eeeeee}</style>\n"
                                "</head><style>.break { page-break-before: always; }</style><body>\n"));
    for (const char* row : {"<tr><td>Total Cacti:</td><td align=right>2</td></tr>\n",
                            "<tr><td>Total Value:</td><td align=right>27.50</td></tr>\n",
                            "<tr><td>Unique Species:</td><td align=right>1</td></tr>\n"})
        EXPECT_TRUE(page.contains(QString::fromUtf8(row))) << row;
    EXPECT_TRUE(page.endsWith("</body></html>\n"));
    // The four charts: inline SVG that an XML reader takes whole, no script.
    EXPECT_FALSE(page.contains("<script", Qt::CaseInsensitive));
    const QRegularExpression svg("<svg .*?</svg>", QRegularExpression::DotMatchesEverythingOption);
    QStringList titles;
    for (const QRegularExpressionMatch& chart : svg.globalMatch(page)) {
        QXmlStreamReader xml(chart.captured());
        while (!xml.atEnd())
            if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"title")
                titles << xml.readElementText();
        EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    }
    EXPECT_EQ(titles, (QStringList{"Plants by Date Acquired", "Value by Date Acquired", "Plants by Genus",
                                   "Waterings Due in the Next 14 Days"}));
    EXPECT_TRUE(page.contains(">Echinocactus</text>\n<rect ")) << "a genus and its bar";
}

TEST_F(Report, RowsOfAPlantAScheduleAndALog)
{
    Cactus* young = addPlant("Young", 0, 0, localSeconds(2026, 4, 6));
    // Every character the page escapes; "&" first, else "<" would come out as "&amp;lt;".
    young->setNotes("less < than & more > \"quoted\"\nsecond line");
    Water* rest = addSchedule(*document, "Rest");
    rest->setNoWaterDDMM(1, Water::dayMonthCode(1, 11));
    rest->setNoWaterDDMM(2, Water::dayMonthCode(28, 2));
    rest->setNoWaterDDMM(3, Water::dayMonthCode(1, 7)); // its partner is unset
    Log* log = addLog(*document, nullptr, "", localSeconds(2026, 5, 1));
    log->setLogType(Log::kNoteLog);
    log->setNotes("Ordered grit");
    log->setReminder(true);
    const QString page = report();
    for (const char* row : {"<tr><td width=180><b>Age:</b></td><td align=left>&lt; 1 year</td></tr>\n",
                            "<td align=left>less &lt; than &amp; more &gt; &quot;quoted&quot;<br />second line</td>",
                            "<tr><td width=300><b>No Water Between:</b></td><td align=left>\nNovember 1 - February 28<br /></td></tr>\n",
                            "<tr><td width=180><b>Type:</b></td><td align=left>Note</td></tr>\n",
                            "<tr><td width=180><b>Reminder:</b></td><td align=left>Yes</td></tr>\n",
                            "<tr><td width=180><b>Plant Date:</b></td><td align=left>Apr 6, 2026</td></tr>\n"})
        EXPECT_TRUE(page.contains(QString::fromUtf8(row))) << row;
}

TEST_F(Report, SmallPhotosAreTheThumbnails)
{
    addPhoto(*document, addPlant("P", 0, 0), SampleCollection::drawPhoto(0, 900));
    report(1);
    EXPECT_EQ(readFile(folder.file("out/report_photos/spinora_1.jpg")), readFile(document->images()[0]->thumbnailFile()));
    report(2, "medium.html");
    EXPECT_EQ(QImageReader(folder.file("out/medium_photos/spinora_1.jpg")).size(), QSize(512, 384));
}

TEST_F(Report, PageAndPhotoFolderTakeTheNameWithItsDotsDroppingOnlyHtml)
{
    // An empty collection still gets its page, folder and icon; no name gives the default one.
    for (const auto& [name, page, photos] : {std::tuple{"", "spinora_report.html", "spinora_report_photos"},
                                             std::tuple{"garden.2024", "garden.2024.html", "garden.2024_photos"},
                                             std::tuple{"v1.2.HTML", "v1.2.html", "v1.2_photos"}}) {
        const QString text = report(1, name);
        EXPECT_TRUE(QFile::exists(folder.file(QStringLiteral("out/") + page))) << name;
        EXPECT_TRUE(QFile::exists(folder.file(QStringLiteral("out/") + photos + "/Spinora.jpg"))) << name;
        EXPECT_TRUE(text.contains("<tr><td>Total Cacti:</td><td align=right>0</td></tr>")) << name;
    }
}

TEST_F(Report, AHostileFileNameStaysInTheFolderAndTheAttribute)
{
    addPhoto(*document, addPlant("P", 0, 0), SampleCollection::drawPhoto(0, 200));
    const QString page = report(1, "../\"><b>x.html");
    EXPECT_TRUE(QFile::exists(folder.file("out/\"><b>x.html")));
    EXPECT_FALSE(page.contains("src=\"\"><b>"));
    EXPECT_TRUE(page.contains("src=\"%22%3E%3Cb%3Ex_photos/spinora_1.jpg\""));
}

TEST_F(Report, ChromiumShowsHostileTextAsText)
{
    if (chromium().isEmpty())
        GTEST_SKIP() << "Chromium is not installed";
    Cactus* evil = addPlant("<script>document.title='owned'</script>", 0, 0);
    evil->setNotes("<img src=x onerror=\"document.title='owned'\">");
    evil->setScientificName("\"><script>alert(1)</script>");
    report();
    TempFolder profile;
    const QString dom = renderedDom(folder.file("out/report.html"), profile);
    ASSERT_FALSE(dom.isEmpty());
    for (const char* text : {"<title>Cacti Report</title>", "&lt;script&gt;document.title='owned'&lt;/script&gt;", "&lt;img src=x onerror="})
        EXPECT_TRUE(dom.contains(QString::fromUtf8(text))) << text;
    for (const char* markup : {"<script>", "<img src=\"x\"", "owned</title>"})
        EXPECT_FALSE(dom.contains(QString::fromUtf8(markup))) << markup;
}

// The page's charts as Chromium draws them: each of the four shows the
// series' colour in its own quarter of the charts' box, which is saved.
TEST_F(Report, ChromiumDrawsTheFourChartsOfASampleCollection)
{
    if (chromium().isEmpty())
        GTEST_SKIP() << "Chromium is not installed";
    ASSERT_TRUE(SampleCollection::fill(*document, SampleSize{30, 5, 60, 0, 320}).ok());
    report();
    TempFolder profile;
    QProcess browser;
    browser.start(chromium(), {"--headless", "--no-sandbox", "--disable-gpu", "--hide-scrollbars", "--no-first-run",
                               "--user-data-dir=" + profile.path(), "--window-size=1100,1300",
                               "--screenshot=" + folder.file("page.png"), "file://" + folder.file("out/report.html")});
    ASSERT_TRUE(browser.waitForFinished(60000));
    const QImage page = QImage(folder.file("page.png")).convertToFormat(QImage::Format_RGB32);
    QRect drawn; // the series' colour, #209fdf
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (page.pixel(x, y) == qRgb(0x20, 0x9f, 0xdf))
                drawn |= QRect(x, y, 1, 1);
    ASSERT_FALSE(drawn.isEmpty());
    const QImage charts = page.copy(drawn.adjusted(-64, -90, 30, 60));
    EXPECT_TRUE(charts.save(screenshotFolder() + "/report-charts.png"));
    for (const QPoint quarter : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(1, 1)}) {
        const QRect area(quarter.x() * charts.width() / 2, quarter.y() * charts.height() / 2, charts.width() / 2,
                         charts.height() / 2);
        int painted = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                painted += charts.pixel(x, y) == qRgb(0x20, 0x9f, 0xdf);
        EXPECT_GE(painted, 100) << quarter.x() << "," << quarter.y();
    }
}
