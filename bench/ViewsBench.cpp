// The document window over a large collection (10,000 cacti, 20,000
// photos): from launch to the first painted rows, one search keystroke
// (refilter and repaint), painting one screen of rows while scrolling, and
// the longest stall of the event loop while a list is searched, and while
// fifty camera photos are added in a plant's editor.
//   build/bench/views_bench
// SPINORA_BENCH_COLLECTION=<a copy of a collection> runs them on that one
// instead (it is opened for writing: give it a copy).
#include "BenchSupport.h"
#include "EventLoopGaps.h"

#include "CactusInfoViewController.h"
#include "CactusViewController.h"
#include "DocumentWindow.h"
#include "ExportJob.h"
#include "ImportExportBrowser.h"
#include "PhotoGridViewController.h"
#include "ThumbnailCache.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QProcess>
#include <QRadioButton>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

using namespace spinora;

namespace {

QString largeCollection()
{
    SampleSize size;
    size.cacti = 10000;
    size.watering = 40;
    size.logs = 20000;
    size.photos = 20000;
    size.photoWidth = 320;
    return bench::makeCollection(QStringLiteral("Large.sdb"), size);
}

QString benchCollection()
{
    const QString given = qEnvironmentVariable("SPINORA_BENCH_COLLECTION");
    return given.isEmpty() ? largeCollection() : QDir(given).absolutePath();
}

// The peak resident memory of a running process, from /proc.
double peakMegabytes(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    }
    return 0;
}

// An open collection and its shown window, made once for the benchmarks
// that work on an open window.
struct OpenWindow {
    OpenWindow() : document(benchCollection())
    {
        bench::orAbort(document.readFromURL(document.packageFilename()));
        window = std::make_unique<DocumentWindow>(document);
        window->resize(820, 900);
        window->show();
        (void)QTest::qWaitForWindowExposed(window.get());
        // A user's first keystroke comes a moment after the window shows:
        // what the application does in idle time meanwhile is done.
        QTest::qWait(3000);
    }
    ~OpenWindow()
    {
        window.reset();
        bench::orAbort(document.close());
    }
    SpinoraDatabase document;
    std::unique_ptr<DocumentWindow> window;
};

// Closed by main while the application still exists.
std::unique_ptr<OpenWindow> sharedWindow;

OpenWindow& openWindow()
{
    if (!sharedWindow)
        sharedWindow = std::make_unique<OpenWindow>();
    return *sharedWindow;
}

QImage paintViewport(QWidget* viewport)
{
    QImage canvas(viewport->size(), QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&canvas);
    viewport->render(&painter);
    return canvas;
}

// The whole application as a user starts it: process launch, loading,
// the window, until the list's first rows are painted (the app reports that
// moment on stderr when SPINORA_REPORT_FIRST_ROWS is set).
void BM_LaunchToFirstRows(benchmark::State& state)
{
    const QString path = benchCollection();
    QTemporaryDir runtime;
    double peak = 0;
    for (auto _ : state) {
        QProcess app;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("SPINORA_REPORT_FIRST_ROWS"), QStringLiteral("1"));
        // Its own instance, not one the user may have running.
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
        app.setProcessEnvironment(environment);
        QElapsedTimer clock;
        clock.start();
        app.start(QStringLiteral(SPINORA_APP), {path});
        QByteArray said;
        while (!said.contains("first rows painted") && app.state() != QProcess::NotRunning && clock.elapsed() < 60000) {
            app.waitForReadyRead(50);
            said += app.readAllStandardError();
        }
        const double seconds = clock.nsecsElapsed() / 1e9;
        if (!said.contains("first rows painted")) {
            state.SkipWithError(("no rows painted: " + said).constData());
            break;
        }
        state.SetIterationTime(seconds);
        peak = std::max(peak, peakMegabytes(app.processId()));
        app.terminate();
        app.waitForFinished(60000);
    }
    state.counters["peak_rss_MB"] = peak;
}
BENCHMARK(BM_LaunchToFirstRows)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);

void BM_StartToFirstPaintedRows(benchmark::State& state)
{
    const QString path = benchCollection();
    for (auto _ : state) {
        auto document = std::make_unique<SpinoraDatabase>(path);
        bench::orAbort(document->readFromURL(path));
        auto window = std::make_unique<DocumentWindow>(*document);
        window->resize(820, 900);
        window->show();
        const QImage rows = window->grab().toImage();
        benchmark::DoNotOptimize(rows.constBits());
        state.PauseTiming();
        window.reset();
        bench::orAbort(document->close());
        document.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartToFirstPaintedRows)->Unit(benchmark::kMillisecond)->Iterations(3);

// Typing one more letter, then taking it back: each is one keystroke.
// The argument is the list: 0 cacti, 1 watering, 2 logs.
void BM_SearchKeystroke(benchmark::State& state)
{
    DocumentWindow& window = *openWindow().window;
    window.selectTab(static_cast<SpinoraDatabase::ListKind>(state.range(0)));
    QLineEdit* field = window.searchField();
    field->setText(QStringLiteral("Go"));
    bool extend = true;
    for (auto _ : state) {
        if (extend)
            QTest::keyClick(field, Qt::Key_L);
        else
            QTest::keyClick(field, Qt::Key_Backspace);
        extend = !extend;
        benchmark::DoNotOptimize(paintViewport(window.visibleList()->tableView()->viewport()).constBits());
    }
    state.counters["rows"] = window.visibleList()->numberOfRows();
    field->clear();
    window.selectTab(SpinoraDatabase::kCactusList);
}
BENCHMARK(BM_SearchKeystroke)->Unit(benchmark::kMillisecond)->Arg(0)->Arg(1)->Arg(2);

// Typing a word into the search field at a quick typist's pace and clearing
// it again, while the event loop runs as in the application: the longest
// gap between its turns is the worst stall the user meets.
void BM_SearchWithoutStall(benchmark::State& state)
{
    DocumentWindow& window = *openWindow().window;
    window.selectTab(static_cast<SpinoraDatabase::ListKind>(state.range(0)));
    QLineEdit* field = window.searchField();
    field->clear();
    QTest::qWait(200);
    const int rows = window.visibleList()->numberOfRows();
    auto type = [field](Qt::Key key, const QString& text) {
        QCoreApplication::postEvent(field, new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier, text));
        QCoreApplication::postEvent(field, new QKeyEvent(QEvent::KeyRelease, key, Qt::NoModifier, text));
        QTest::qWait(80);
    };
    bench::EventLoopGaps gaps;
    qint64 longest = 0;
    for (auto _ : state) {
        gaps.start();
        for (const char letter : QByteArray("golden"))
            type(static_cast<Qt::Key>(Qt::Key_A + (letter - 'a')), QString(QLatin1Char(letter)));
        for (int i = 0; i < 6; ++i)
            type(Qt::Key_Backspace, QString());
        gaps.stop();
        longest = std::max(longest, gaps.longestGapMs());
    }
    state.counters["rows"] = rows;
    state.counters["longest_gap_ms"] = static_cast<double>(longest);
    window.selectTab(SpinoraDatabase::kCactusList);
}
BENCHMARK(BM_SearchWithoutStall)->Unit(benchmark::kMillisecond)->Arg(0)->Arg(2)->Iterations(2);

// One screen of rows with their thumbnails already scaled (scrolling back
// over rows seen before).
void BM_PaintOneScreenOfRows(benchmark::State& state)
{
    DocumentWindow& window = *openWindow().window;
    window.searchField()->clear();
    QTreeView* view = window.visibleList()->tableView();
    QScrollBar* bar = view->verticalScrollBar();
    const int screen = view->viewport()->height();
    constexpr int kScreens = 20;
    for (int i = 0; i < kScreens; ++i) {
        bar->setValue(i * screen);
        paintViewport(view->viewport());
        window.thumbnails().waitForPending();
    }
    int i = 0;
    for (auto _ : state) {
        bar->setValue((i++ % kScreens) * screen);
        benchmark::DoNotOptimize(paintViewport(view->viewport()).constBits());
    }
}
BENCHMARK(BM_PaintOneScreenOfRows)->Unit(benchmark::kMillisecond);

// A screen never seen: painting only queues the decodes.
void BM_PaintOneNewScreenOfRows(benchmark::State& state)
{
    DocumentWindow& window = *openWindow().window;
    QTreeView* view = window.visibleList()->tableView();
    QScrollBar* bar = view->verticalScrollBar();
    const int screen = view->viewport()->height();
    int i = 100;
    for (auto _ : state) {
        bar->setValue((i++) * screen % std::max(1, bar->maximum()));
        benchmark::DoNotOptimize(paintViewport(view->viewport()).constBits());
        state.PauseTiming();
        window.thumbnails().waitForPending();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_PaintOneNewScreenOfRows)->Unit(benchmark::kMillisecond)->Iterations(50);

// Fifty 4000 x 3000 JPEGs as a camera makes them, written once: one picture
// painted and copied (decoding costs the same for each).
QStringList cameraPictures()
{
    const QString folder = bench::scratch().filePath(QStringLiteral("camera"));
    QStringList files;
    for (int i = 0; i < 50; ++i)
        files << QStringLiteral("%1/IMG_%2.jpg").arg(folder).arg(1000 + i);
    if (QFileInfo::exists(files.back()))
        return files;
    QDir().mkpath(folder);
    bench::cameraPicture(files.front());
    for (int i = 1; i < files.size(); ++i)
        QFile::copy(files.front(), files[i]);
    return files;
}

// The photos are chosen in a plant's editor and arrive one by one while the
// event loop runs as in the application; then the editor is cancelled, which
// takes them out of the collection again. The longest gap between the event
// loop's turns is the worst stall the user meets meanwhile.
void BM_AddCameraPhotosWithoutStall(benchmark::State& state)
{
    const QStringList files = cameraPictures();
    const QString path = bench::scratch().filePath(QStringLiteral("Photos.sdb"));
    SpinoraDatabase document(path);
    document.setTemplateChoice(true);
    bench::orAbort(document.readFromURL(path));
    auto plant = std::make_unique<Cactus>();
    plant->setName(QStringLiteral("Photogenic"));
    Cactus* cactus = bench::orAbort(document.addCactus(std::move(plant)));
    QWidget window;
    window.resize(820, 700);
    window.show();
    bench::EventLoopGaps gaps;
    qint64 longest = 0;
    size_t added = 0;
    for (auto _ : state) {
        CactusInfoViewController editor(document, &window);
        editor.prepareView(cactus);
        editor.show();
        PhotoGridViewController* grid = editor.photos().grid();
        grid->setShowsAlerts(false);
        QTest::qWait(100);
        QEventLoop loop;
        QObject::connect(grid, &PhotoGridViewController::importFinished, &loop, &QEventLoop::quit);
        gaps.start();
        grid->addPhotosWithPaths(files);
        loop.exec();
        gaps.stop();
        longest = std::max(longest, gaps.longestGapMs());
        added = editor.photos().updatedImageArray().size();
        state.PauseTiming();
        QTest::mouseClick(editor.cancelButton(), Qt::LeftButton);
        state.ResumeTiming();
    }
    state.counters["photos"] = static_cast<double>(added);
    state.counters["longest_gap_ms"] = static_cast<double>(longest);
    bench::orAbort(document.close());
}
BENCHMARK(BM_AddCameraPhotosWithoutStall)->Unit(benchmark::kMillisecond)->Iterations(2);

// Typing into a list from the moment the window shows, while the logs are
// still read behind the first screen and when they arrive: the longest gap
// between the event loop's turns until half a second after their arrival.
// The argument is the list: 0 cacti, 2 logs.
void BM_TypeWhileLogsArrive(benchmark::State& state)
{
    const QString path = benchCollection();
    bench::EventLoopGaps gaps;
    qint64 longest = 0;
    for (auto _ : state) {
        SpinoraDatabase document(path);
        bench::orAbort(document.readFromURL(path));
        DocumentWindow window(document);
        window.resize(820, 900);
        window.show();
        window.selectTab(static_cast<SpinoraDatabase::ListKind>(state.range(0)));
        QLineEdit* field = window.searchField();
        gaps.start();
        QElapsedTimer sinceArrival;
        int typed = 0;
        while (!sinceArrival.isValid() || sinceArrival.elapsed() < 500) {
            const bool backspace = (typed / 3) % 2 == 1;
            QCoreApplication::postEvent(field, new QKeyEvent(QEvent::KeyPress, backspace ? Qt::Key_Backspace : Qt::Key_A,
                                                             Qt::NoModifier, backspace ? QString() : QStringLiteral("a")));
            ++typed;
            QTest::qWait(80);
            if (!sinceArrival.isValid() && !document.logsLoadingBehind())
                sinceArrival.start();
        }
        gaps.stop();
        longest = std::max(longest, gaps.longestGapMs());
        state.counters["keys"] = typed;
        state.PauseTiming();
        field->clear();
        bench::orAbort(document.close());
        state.ResumeTiming();
    }
    state.counters["longest_gap_ms"] = static_cast<double>(longest);
}
BENCHMARK(BM_TypeWhileLogsArrive)->Unit(benchmark::kMillisecond)->Arg(0)->Arg(2)->Iterations(3);

// An interchange file of 3,000 plants (300 schedules, 6,000 logs, 200
// photos) imported through the window's sheet into a collection of 10,000
// plants whose list is shown: the job runs on its own thread, and the
// window takes the new records when it ends. The longest gap between the
// event loop's turns, from the click on Import to the alert, is the worst
// stall the user meets. With argument 1 the list is searched meanwhile, so
// the records read again must also be searched before they are drawn.
void BM_ImportWithoutStall(benchmark::State& state)
{
    const QString file = bench::scratch().filePath(QStringLiteral("import.sdbi"));
    if (!QFileInfo::exists(file)) {
        SpinoraDatabase source(bench::makeCollection(QStringLiteral("ImportSource.sdb"),
                                                     SampleSize{3000, 300, 6000, 200, 160}));
        bench::orAbort(source.readFromURL(source.packageFilename()));
        const Result<ExportRequest> request = ExportJob::prepare(source, file, 0, true);
        JobContext context;
        if (!request || ExportJob::run(*request, context) != kJobFinished) {
            state.SkipWithError("the interchange file could not be made");
            return;
        }
        bench::orAbort(source.close());
    }
    SampleSize size;
    size.cacti = 10000;
    size.watering = 40;
    size.logs = 20000;
    size.photos = 0;
    const QString path = bench::makeCollection(QStringLiteral("ImportTarget.sdb"), size);
    bench::EventLoopGaps gaps;
    qint64 longest = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const QString copy = bench::scratch().filePath(QStringLiteral("ImportTargetCopy.sdb"));
        QDir(copy).removeRecursively();
        QProcess::execute(QStringLiteral("cp"), {QStringLiteral("-r"), path, copy});
        SpinoraDatabase document(copy);
        bench::orAbort(document.readFromURL(copy));
        DocumentWindow window(document);
        window.resize(820, 900);
        window.show();
        (void)QTest::qWaitForWindowExposed(&window);
        if (state.range(0) == 1)
            window.searchField()->setText(QStringLiteral("a"));
        QTest::qWait(500);
        ImportExportBrowser sheet(document, &window);
        sheet.setAlertFunction([](QWidget*, const QString&, const QString&) {});
        sheet.presentImportExportBrowser(ExchangeFunction::ImportFromSdbi);
        sheet.optionButton(kExchangeCactiAndWatering)->click();
        sheet.fileChosen(file);
        state.ResumeTiming();
        gaps.start();
        QTest::mouseClick(sheet.importExportButton(), Qt::LeftButton);
        QElapsedTimer clock;
        clock.start();
        while (sheet.isRunning() && clock.elapsed() < 120000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        gaps.stop();
        longest = std::max(longest, gaps.longestGapMs());
        state.counters["cacti"] = static_cast<double>(document.cacti().size());
        state.counters["rows"] = window.visibleList()->numberOfRows();
        state.PauseTiming();
        sheet.hide();
        bench::orAbort(document.close());
        state.ResumeTiming();
    }
    state.counters["longest_gap_ms"] = static_cast<double>(longest);
}
BENCHMARK(BM_ImportWithoutStall)->Unit(benchmark::kMillisecond)->Arg(0)->Arg(1)->Iterations(2);

} // namespace

int main(int argc, char** argv)
{
    spinora::settleLocalTimeZone();
    QTemporaryDir home(QDir::tempPath() + QStringLiteral("/spinora-bench-XXXXXX"));
    const QByteArray root = home.path().toUtf8();
    for (const char* name : {"XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME"})
        setenv(name, (root + "/" + name).constData(), 1);
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    sharedWindow.reset();
    benchmark::Shutdown();
    return 0;
}
