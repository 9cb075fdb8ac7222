// The document window over a large collection (10,000 cacti, 20,000
// photos): from opening to the first painted rows, one search keystroke
// (refilter and repaint), and painting one screen of rows while scrolling.
//   build/bench/views_bench
#include "BenchSupport.h"

#include "CactusViewController.h"
#include "DocumentWindow.h"
#include "ThumbnailCache.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
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

// An open collection and its shown window, made once for the benchmarks
// that work on an open window.
struct OpenWindow {
    OpenWindow() : document(largeCollection())
    {
        document.readFromURL(document.packageFilename());
        window = std::make_unique<DocumentWindow>(document);
        window->resize(820, 900);
        window->show();
        (void)QTest::qWaitForWindowExposed(window.get());
    }
    ~OpenWindow()
    {
        window.reset();
        document.close();
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

void BM_StartToFirstPaintedRows(benchmark::State& state)
{
    const QString path = largeCollection();
    for (auto _ : state) {
        auto document = std::make_unique<SpinoraDatabase>(path);
        document->readFromURL(path);
        auto window = std::make_unique<DocumentWindow>(*document);
        window->resize(820, 900);
        window->show();
        const QImage rows = window->grab().toImage();
        benchmark::DoNotOptimize(rows.constBits());
        state.PauseTiming();
        window.reset();
        document->close();
        document.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartToFirstPaintedRows)->Unit(benchmark::kMillisecond)->Iterations(3);

// Typing one more letter, then taking it back: each is one keystroke.
void BM_SearchKeystroke(benchmark::State& state)
{
    DocumentWindow& window = *openWindow().window;
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
}
BENCHMARK(BM_SearchKeystroke)->Unit(benchmark::kMillisecond);

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
