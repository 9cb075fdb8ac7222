// Adding a camera photo to an editor: reading, checking, scaling and
// encoding it (PhotoDecoder, on the import thread), then storing it
// (PhotoStore: the row and three files, on the main thread, where each
// photo holds up the window that long).
//   build/bench/photo_bench
#include "BenchSupport.h"

#include "PhotoDecoder.h"
#include "PhotoStore.h"

#include <QImage>
#include <QLinearGradient>
#include <QPainter>

#include <benchmark/benchmark.h>

using namespace spinora;

namespace {

// A 4000 x 3000 JPEG, as a camera makes them, written once.
QString cameraPicture()
{
    const QString path = bench::scratch().filePath(QStringLiteral("camera.jpg"));
    if (!QFileInfo::exists(path)) {
        QImage picture(4000, 3000, QImage::Format_RGB32);
        QPainter painter(&picture);
        QLinearGradient wash(0, 0, 4000, 3000);
        wash.setColorAt(0, QColor(200, 80, 60));
        wash.setColorAt(1, QColor(60, 160, 90));
        painter.fillRect(picture.rect(), wash);
        painter.setBrush(QColor(90, 200, 230));
        painter.drawEllipse(QRect(1200, 900, 1600, 1200));
        painter.end();
        picture.save(path, "JPEG", 90);
    }
    return path;
}

void BM_DecodeCameraPhoto(benchmark::State& state)
{
    const QString file = cameraPicture();
    for (auto _ : state) {
        QString reason;
        const auto prepared = PhotoDecoder::prepare(file, &reason);
        if (!prepared)
            state.SkipWithError(reason.toUtf8().constData());
        benchmark::DoNotOptimize(prepared);
    }
}
BENCHMARK(BM_DecodeCameraPhoto)->Unit(benchmark::kMillisecond);

void BM_StorePhoto(benchmark::State& state)
{
    QString reason;
    const auto prepared = PhotoDecoder::prepare(cameraPicture(), &reason);
    const QString path = bench::scratch().filePath(QStringLiteral("Photos.sdb"));
    SpinoraDatabase document(path);
    document.setTemplateChoice(true);
    document.readFromURL(path);
    PhotoStore store(document);
    for (auto _ : state) {
        Image* stored = store.store(*prepared, &reason);
        if (!stored)
            state.SkipWithError(reason.toUtf8().constData());
        benchmark::DoNotOptimize(stored);
    }
    document.close();
}
BENCHMARK(BM_StorePhoto)->Unit(benchmark::kMillisecond);

} // namespace
