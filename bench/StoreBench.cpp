// Opening, loading, linking, flushing and sorting a large collection,
// making photos from a large JPEG, and keeping a snapshot of a collection.
#include "Backups.h"
#include "BenchSupport.h"
#include "SpinoraDatabase.h"
#include "SpinoraUtility.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageReader>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace spinora;

namespace {

QString collection(int cacti, int watering, int logs, int photos)
{
    return bench::makeCollection(QStringLiteral("c%1-%2-%3-%4.sdb").arg(cacti).arg(watering).arg(logs).arg(photos),
                                 SampleSize{cacti, watering, logs, photos, 64});
}

QString large() { return collection(10000, 2000, 50000, 0); }

void BM_OpenLoadFlushClose(benchmark::State& state)
{
    const QString path = large();
    for (auto _ : state) {
        SpinoraDatabase document(path);
        if (Result<> opened = document.readFromURL(path); !opened)
            state.SkipWithError(opened.failure().reason().toUtf8().constData());
        if (!document.close())
            state.SkipWithError("the collection could not be closed");
    }
    const double rows = 10000 + 2000 + 50000;
    state.counters["rows/s"] = benchmark::Counter(rows, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_OpenLoadFlushClose)->Unit(benchmark::kMillisecond);

void BM_OpenAndLoad(benchmark::State& state)
{
    const QString path = large();
    for (auto _ : state) {
        auto document = std::make_unique<SpinoraDatabase>(path);
        bench::orAbort(document->readFromURL(path));
        state.PauseTiming();
        document.reset();
        state.ResumeTiming();
    }
    state.counters["rows/s"] = benchmark::Counter(62000, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_OpenAndLoad)->Unit(benchmark::kMillisecond);

void BM_FlushAfterEditingEveryCactus(benchmark::State& state)
{
    const QString path = large();
    SpinoraDatabase document(path);
    bench::orAbort(document.readFromURL(path));
    int round = 0;
    for (auto _ : state) {
        state.PauseTiming();
        document.openDatabase(document.dbFilename());
        for (auto& cactus : document.cacti()) {
            if (!cactus->hydrate())
                state.SkipWithError("a cactus could not be read");
            cactus->setNotes(QStringLiteral("round %1").arg(round));
        }
        ++round;
        state.ResumeTiming();
        if (!document.flushDatabase(false))
            state.SkipWithError("the flush failed");
    }
    state.counters["rows/s"] = benchmark::Counter(10000, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_FlushAfterEditingEveryCactus)->Unit(benchmark::kMillisecond);

// 10,000 plants and 2,000 camera-sized photos: the database copied, the
// photo files linked, the manifest written. Its disk use (the counter) is
// what the snapshot adds: the linked photos take none.
void BM_TakeSnapshot(benchmark::State& state)
{
    const QString path = bench::makeCollection(QStringLiteral("snapshot.sdb"), SampleSize{10000, 3, 24, 2000, 1280, 8});
    SpinoraDatabase document(path);
    bench::orAbort(document.readFromURL(path));
    QTemporaryDir root;
    BackupSettings settings{true, root.path(), BackupSettings::kDefaultLimitBytes};
    double added = 0;
    for (auto _ : state) {
        Result<Backup> taken = BackupSet(path, settings).take(document, QStringLiteral("manual"));
        if (!taken)
            state.SkipWithError(taken.failure().message().toUtf8().constData());
        else
            added = 100.0 * double(QFileInfo(taken->packagePath() + QStringLiteral("/spinora.db")).size()) / double(taken->bytes);
    }
    state.counters["added %"] = benchmark::Counter(added);
}
BENCHMARK(BM_TakeSnapshot)->Unit(benchmark::kMillisecond);

void BM_LoadAndLinkWithPhotos(benchmark::State& state)
{
    const QString path = collection(10000, 2000, 50000, 20000);
    for (auto _ : state) {
        SpinoraDatabase document(path);
        bench::orAbort(document.readFromURL(path));
        state.PauseTiming();
        if (!document.close())
            state.SkipWithError("the collection could not be closed");
        state.ResumeTiming();
    }
    state.counters["rows/s"] = benchmark::Counter(82000, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_LoadAndLinkWithPhotos)->Unit(benchmark::kMillisecond);

void BM_SortCacti(benchmark::State& state)
{
    const QString path = large();
    SpinoraDatabase document(path);
    bench::orAbort(document.readFromURL(path));
    SpinoraUtility::sharedManager().getPreferences().setSortCactiBySpecies(state.range(0) == 1);
    bool ascending = false;
    for (auto _ : state) {
        document.setSortCactiAscending(ascending);
        ascending = !ascending;
        document.sortCacti();
    }
    SpinoraUtility::sharedManager().getPreferences().setSortCactiBySpecies(false);
    state.SetLabel(state.range(0) == 1 ? "by species" : "by name");
}
BENCHMARK(BM_SortCacti)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_FilterCactiByText(benchmark::State& state)
{
    const QString path = large();
    SpinoraDatabase document(path);
    bench::orAbort(document.readFromURL(path));
    const QString needle = QStringLiteral("mammillaria");
    size_t found = 0;
    for (auto _ : state) {
        std::vector<Cactus*> shown;
        for (const auto& cactus : document.cacti()) {
            if (cactus->name().contains(needle, Qt::CaseInsensitive) ||
                cactus->scientificName().contains(needle, Qt::CaseInsensitive) ||
                cactus->commonName().contains(needle, Qt::CaseInsensitive))
                shown.push_back(cactus.get());
        }
        found = shown.size();
        benchmark::DoNotOptimize(shown.data());
    }
    state.counters["found"] = double(found);
}
BENCHMARK(BM_FilterCactiByText)->Unit(benchmark::kMillisecond);

QByteArray largeJpeg()
{
    static const QByteArray data = [] {
        const QImage picture = SampleCollection::drawPhoto(3, 4000);
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        picture.save(&buffer, "JPG", 85);
        return bytes;
    }();
    return data;
}

// Full decode of a 4000 x 3000 JPEG, then the photo and thumbnail.
void BM_PhotoFromJpegFullDecode(benchmark::State& state)
{
    const QByteArray data = largeJpeg();
    for (auto _ : state) {
        QBuffer buffer;
        buffer.setData(data);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer);
        Image image;
        image.setPhoto(reader.read());
        benchmark::DoNotOptimize(image.thumbnail().bits());
    }
}
BENCHMARK(BM_PhotoFromJpegFullDecode)->Unit(benchmark::kMillisecond);

// The decoder scales to the photo size itself (what Image::readImageFile does).
void BM_PhotoFromJpegScaledDecode(benchmark::State& state)
{
    const QByteArray data = largeJpeg();
    for (auto _ : state) {
        QBuffer buffer;
        buffer.setData(data);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer);
        reader.setScaledSize(QSize(1280, 960));
        Image image;
        image.setPhoto(reader.read());
        benchmark::DoNotOptimize(image.thumbnail().bits());
    }
}
BENCHMARK(BM_PhotoFromJpegScaledDecode)->Unit(benchmark::kMillisecond);

} // namespace
