// Adding a camera photo to an editor: reading, checking, scaling, encoding
// and writing it (PhotoAddingJob, on its own thread), then storing it
// (PhotoStore: the row, and its three files moved in, on the main thread,
// where each photo holds up the window that long).
//   build/bench/photo_bench
#include "BenchSupport.h"

#include "PhotoAddingJob.h"
#include "PhotoStore.h"

#include <QDir>
#include <QImage>

#include <benchmark/benchmark.h>

using namespace spinora;

namespace {

QString cameraPicture()
{
    return bench::cameraPicture(bench::scratch().filePath(QStringLiteral("camera.jpg")));
}

void BM_PrepareCameraPhoto(benchmark::State& state)
{
    const QString file = cameraPicture();
    QTemporaryDir folder;
    int number = 0;
    for (auto _ : state) {
        const PreparedPhoto prepared = PhotoAddingJob::prepare(file, folder.path(), ++number, Image::PhotoLimits());
        if (!prepared.ok())
            state.SkipWithError(prepared.reason.toUtf8().constData());
        benchmark::DoNotOptimize(prepared.files);
    }
}
BENCHMARK(BM_PrepareCameraPhoto)->Unit(benchmark::kMillisecond);

void BM_StorePhoto(benchmark::State& state)
{
    const QString path = bench::scratch().filePath(QStringLiteral("Photos.sdb"));
    SpinoraDatabase document(path);
    document.setTemplateChoice(true);
    bench::orAbort(document.readFromURL(path));
    const QString folder = Image::addingFolder(path);
    QDir().mkpath(folder);
    PhotoStore store(document);
    const PreparedPhoto first = PhotoAddingJob::prepare(cameraPicture(), folder, 0, Image::PhotoLimits());
    if (!first.ok()) {
        state.SkipWithError(first.reason.toUtf8().constData());
        return;
    }
    int number = 0;
    for (auto _ : state) {
        state.PauseTiming();
        PreparedPhoto prepared = first;
        ++number;
        for (int i = 0; i < 3; ++i) {
            prepared.files[i] = QStringLiteral("%1/%2-%3.jpg").arg(folder).arg(number).arg(i);
            QFile::copy(first.files[i], prepared.files[i]);
        }
        state.ResumeTiming();
        const Result<Image*> stored = store.store(std::make_unique<Image>(), prepared);
        if (!stored)
            state.SkipWithError(stored.failure().logLine().toUtf8().constData());
        benchmark::DoNotOptimize(stored);
    }
    if (!document.close())
        state.SkipWithError("the collection could not be closed");
}
BENCHMARK(BM_StorePhoto)->Unit(benchmark::kMillisecond);

} // namespace
