// Export and import of interchange files, set beside the floor: a plain
// SQLite backup of the same database plus copying its photo files.
#include "InterchangeExport.h"
#include "InterchangeImport.h"
#include "BenchSupport.h"
#include "SpinoraDatabase.h"
#include "SpinoraUtility.h"
#include "WorkFiles.h"

#include <QDir>
#include <QTemporaryDir>

#include <sqlite3.h>

#include <benchmark/benchmark.h>

using namespace spinora;

namespace {

using bench::scratch;

// 10,000 cacti, 2,000 schedules, 50,000 logs and 2,000 photos.
QString largeCollection()
{
    return bench::makeCollection("Large.sdb", SampleSize{10000, 2000, 50000, 2000, 480});
}

const QString& largeInterchangeFile()
{
    static const QString path = [] {
        const QString file = scratch().filePath("Large.sdbi");
        SpinoraDatabase document(largeCollection());
        document.readFromURL(largeCollection());
        document.setImportExportFilename(file);
        document.setExportType(0);
        InterchangeExport::exportDatabaseThread(document);
        document.close();
        return file;
    }();
    return path;
}

void BM_FloorBackupAndCopyPhotos(benchmark::State& state)
{
    const QString package = largeCollection();
    for (auto _ : state) {
        const QString target = scratch().filePath("floor");
        SpinoraUtility::removeFileIfExists(target);
        QDir().mkpath(target);
        sqlite3* from = nullptr;
        sqlite3* to = nullptr;
        sqlite3_open((package + "/spinora.db").toUtf8().constData(), &from);
        sqlite3_open((target + "/spinora.db").toUtf8().constData(), &to);
        sqlite3_backup* backup = sqlite3_backup_init(to, "main", from, "main");
        sqlite3_backup_step(backup, -1);
        sqlite3_backup_finish(backup);
        sqlite3_close(to);
        sqlite3_close(from);
        for (const QString& file : QDir(package).entryList({"*.jpg"}, QDir::Files))
            QFile::copy(package + "/" + file, target + "/" + file);
    }
}
BENCHMARK(BM_FloorBackupAndCopyPhotos)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_ExportInterchangeFile(benchmark::State& state)
{
    SpinoraDatabase document(largeCollection());
    document.readFromURL(largeCollection());
    for (auto _ : state) {
        document.setImportExportFilename(scratch().filePath("out.sdbi"));
        document.setExportType(0);
        if (InterchangeExport::exportDatabaseThread(document) != kJobFinished)
            state.SkipWithError("export failed");
    }
}
BENCHMARK(BM_ExportInterchangeFile)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_ImportInterchangeFileIntoEmptyCollection(benchmark::State& state)
{
    const QString file = largeInterchangeFile();
    int round = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const QString path = scratch().filePath(QStringLiteral("Empty%1.sdb").arg(round++));
        auto document = std::make_unique<SpinoraDatabase>(path);
        document->setTemplateChoice(true);
        document->readFromURL(path);
        SpinoraUtility::copyFileFrom(file, WorkFiles::importDatabase());
        SpinoraUtility::removeFileIfExists(WorkFiles::importPhotos());
        QDir().mkpath(WorkFiles::importPhotos());
        document->setImportExportFilename(WorkFiles::importPhotos());
        document->setImportType(0);
        state.ResumeTiming();
        if (InterchangeImport::importDatabaseThread(*document) != kJobFinished)
            state.SkipWithError(document->jobError().toUtf8().constData());
        state.PauseTiming();
        document.reset();
        SpinoraUtility::removeFileIfExists(path);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ImportInterchangeFileIntoEmptyCollection)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
