// Export and import of interchange files and the report, each beside its
// floor: the same output made with the plain SQLite C API, in the same run,
// so the x_floor counter of a job is its ratio to that floor.
//
// The collection is made by the sample generator with camera-sized photos
// (1280 x 960 JPEGs of a few hundred kilobytes): 2,000 cacti by default,
// SPINORA_BENCH_CACTI=10000 for the large collection (400 / 2,000 photos).
#include "FloorSupport.h"
#include "InterchangeExport.h"
#include "InterchangeImport.h"
#include "ReportExport.h"
#include "Resources.h"
#include "SpinoraDatabase.h"
#include "SpinoraUtility.h"
#include "WorkFiles.h"

#include <QDir>
#include <QFileInfo>

#include <fcntl.h>
#include <unistd.h>

using namespace spinora;
using namespace spinora::bench;

namespace {

const int kCacti = benchCacti(2000);

QString largeCollection()
{
    static const QString path = [] {
        const QString package = benchFolder() + QStringLiteral("/Collection-%1.sdb").arg(kCacti);
        if (QFileInfo::exists(package + "/spinora.db"))
            return package;
        SampleSize size{kCacti, kCacti / 5, kCacti * 5, kCacti / 5, 1280};
        size.photoVariants = 8;
        SpinoraDatabase document(package);
        document.setTemplateChoice(false);
        document.readFromURL(package);
        SampleCollection::fill(document, size);
        document.close();
        return package;
    }();
    return path;
}

const QString& largeInterchangeFile()
{
    static const QString path = [] {
        const QString file = benchFolder() + QStringLiteral("/Collection-%1.sdbi").arg(kCacti);
        if (QFileInfo::exists(file))
            return file;
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

void syncFolder(const QString& folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY);
    if (fd >= 0) {
        ::syncfs(fd);
        ::close(fd);
    }
}

// --- export-sdbi

// A backup of the collection's database, then every photo's two files as
// blobs in one transaction.
void BM_ExportSdbi_Floor(benchmark::State& state)
{
    const QString package = largeCollection();
    const QString out = benchFolder() + "/floor.sdbi";
    double total = 0;
    for (auto _ : state) {
        QFile::remove(out);
        const Stopwatch watch;
        sqlite3* from = openPlain(package + "/spinora.db");
        sqlite3* to = openPlain(out);
        sqlite3_backup* backup = sqlite3_backup_init(to, "main", from, "main");
        sqlite3_backup_step(backup, -1);
        sqlite3_backup_finish(backup);
        sqlite3_close(from);
        execPlain(to, "BEGIN");
        std::vector<sqlite3_int64> keys;
        sqlite3_stmt* select = preparePlain(to, "SELECT pk FROM image");
        while (sqlite3_step(select) == SQLITE_ROW)
            keys.push_back(sqlite3_column_int64(select, 0));
        sqlite3_finalize(select);
        sqlite3_stmt* update = preparePlain(to, "UPDATE image SET photo=?, thumbnail=? WHERE pk=?");
        for (sqlite3_int64 key : keys) {
            const QByteArray photo = readPlainFile(package + QStringLiteral("/sp-%1.jpg").arg(key));
            const QByteArray thumbnail = readPlainFile(package + QStringLiteral("/sp-%1t.jpg").arg(key));
            sqlite3_bind_blob(update, 1, photo.constData(), int(photo.size()), SQLITE_STATIC);
            sqlite3_bind_blob(update, 2, thumbnail.constData(), int(thumbnail.size()), SQLITE_STATIC);
            sqlite3_bind_int64(update, 3, key);
            sqlite3_step(update);
            sqlite3_reset(update);
        }
        sqlite3_finalize(update);
        execPlain(to, "COMMIT");
        sqlite3_close(to);
        const double s = watch.seconds();
        state.SetIterationTime(s);
        total += s;
    }
    recordTime(state, "export-sdbi/floor", total);
}
BENCHMARK(BM_ExportSdbi_Floor)->Unit(benchmark::kMillisecond)->Iterations(3)->UseManualTime();

void BM_ExportSdbi(benchmark::State& state)
{
    SpinoraDatabase document(largeCollection());
    document.readFromURL(largeCollection());
    double total = 0;
    for (auto _ : state) {
        document.setImportExportFilename(benchFolder() + "/out.sdbi");
        document.setExportType(0);
        const Stopwatch watch;
        if (InterchangeExport::exportDatabaseThread(document) != kJobFinished)
            state.SkipWithError("export failed");
        const double s = watch.seconds();
        state.SetIterationTime(s);
        total += s;
    }
    recordTime(state, "export-sdbi", total);
}
BENCHMARK(BM_ExportSdbi)->Unit(benchmark::kMillisecond)->Iterations(3)->UseManualTime();

// --- import-sdbi

// A fresh database from the empty template, every table copied by
// INSERT..SELECT, every photo's blobs written out as its files, one sync.
void BM_ImportSdbi_Floor(benchmark::State& state)
{
    const QString file = largeInterchangeFile();
    const QString target = benchFolder() + "/floor-import";
    double total = 0;
    for (auto _ : state) {
        SpinoraUtility::removeFileIfExists(target);
        QDir().mkpath(target);
        const Stopwatch watch;
        const QString database = target + "/spinora.db";
        QFile::copy(Resources::path("spinora_emptydb.sdbi"), database);
        sqlite3* db = openPlain(database);
        execPlain(db, "ATTACH '" + file.toStdString() + "' AS incoming");
        execPlain(db, "BEGIN");
        for (const char* table : {"watering", "cactus", "log", "event", "species", "image"}) {
            std::string columns;
            for (const std::string& column : columnsOf(db, "main", table)) {
                if (column != "photo" && column != "thumbnail")
                    columns += (columns.empty() ? "" : ", ") + column;
            }
            execPlain(db, std::string("INSERT INTO main.") + table + " (" + columns + ") SELECT " + columns +
                              " FROM incoming." + table);
        }
        sqlite3_stmt* blobs = preparePlain(db, "SELECT pk, photo, thumbnail FROM incoming.image");
        while (sqlite3_step(blobs) == SQLITE_ROW) {
            const qint64 key = sqlite3_column_int64(blobs, 0);
            writePlainFile(target + QStringLiteral("/sp-%1.jpg").arg(key), sqlite3_column_blob(blobs, 1),
                           sqlite3_column_bytes(blobs, 1));
            writePlainFile(target + QStringLiteral("/sp-%1t.jpg").arg(key), sqlite3_column_blob(blobs, 2),
                           sqlite3_column_bytes(blobs, 2));
        }
        sqlite3_finalize(blobs);
        syncFolder(target);
        execPlain(db, "COMMIT");
        sqlite3_close(db);
        const double s = watch.seconds();
        state.SetIterationTime(s);
        total += s;
    }
    recordTime(state, "import-sdbi/floor", total);
}
BENCHMARK(BM_ImportSdbi_Floor)->Unit(benchmark::kMillisecond)->Iterations(3)->UseManualTime();

void BM_ImportSdbi(benchmark::State& state)
{
    const QString file = largeInterchangeFile();
    int round = 0;
    double total = 0;
    for (auto _ : state) {
        const QString path = benchFolder() + QStringLiteral("/Empty%1.sdb").arg(round++);
        SpinoraUtility::removeFileIfExists(path);
        auto document = std::make_unique<SpinoraDatabase>(path);
        document->setTemplateChoice(true);
        document->readFromURL(path);
        SpinoraUtility::copyFileFrom(file, WorkFiles::importDatabase());
        SpinoraUtility::removeFileIfExists(WorkFiles::importPhotos());
        QDir().mkpath(WorkFiles::importPhotos());
        document->setImportExportFilename(WorkFiles::importPhotos());
        document->setImportType(0);
        const Stopwatch watch;
        if (InterchangeImport::importDatabaseThread(*document) != kJobFinished)
            state.SkipWithError(document->jobError().toUtf8().constData());
        const double s = watch.seconds();
        state.SetIterationTime(s);
        total += s;
        document.reset();
        SpinoraUtility::removeFileIfExists(path);
    }
    recordTime(state, "import-sdbi", total);
}
BENCHMARK(BM_ImportSdbi)->Unit(benchmark::kMillisecond)->Iterations(3)->UseManualTime();

// --- report (thumbnails, the default photo size)

QByteArray htmlEscaped(const unsigned char* text)
{
    return text ? QString::fromUtf8(reinterpret_cast<const char*>(text)).toHtmlEscaped().toUtf8() : QByteArray();
}

// One SELECT pass over every table, each column written out as a line of
// the page, and each photo's thumbnail copied beside it.
void BM_Report_Floor(benchmark::State& state)
{
    const QString package = largeCollection();
    const QString folder = benchFolder() + "/floor-report";
    double total = 0;
    for (auto _ : state) {
        SpinoraUtility::removeFileIfExists(folder);
        QDir().mkpath(folder + "/photos");
        const Stopwatch watch;
        sqlite3* db = openPlain(package + "/spinora.db");
        execPlain(db, "BEGIN");
        FILE* page = std::fopen((folder + "/page.html").toUtf8().constData(), "wb");
        for (const char* sql : {"SELECT * FROM cactus", "SELECT * FROM watering", "SELECT * FROM log"}) {
            sqlite3_stmt* st = preparePlain(db, sql);
            while (sqlite3_step(st) == SQLITE_ROW) {
                std::fputs("<div class=\"record\">\n", page);
                for (int c = 0; c < sqlite3_column_count(st); ++c) {
                    const QByteArray text = htmlEscaped(sqlite3_column_text(st, c));
                    std::fprintf(page, "<p><b>%s</b> %s</p>\n", sqlite3_column_name(st, c), text.constData());
                }
                std::fputs("</div>\n", page);
            }
            sqlite3_finalize(st);
        }
        std::fclose(page);
        sqlite3_stmt* images = preparePlain(db, "SELECT pk FROM image");
        while (sqlite3_step(images) == SQLITE_ROW) {
            const qint64 key = sqlite3_column_int64(images, 0);
            const QByteArray thumbnail = readPlainFile(package + QStringLiteral("/sp-%1t.jpg").arg(key));
            writePlainFile(folder + QStringLiteral("/photos/%1.jpg").arg(key), thumbnail.constData(), int(thumbnail.size()));
        }
        sqlite3_finalize(images);
        execPlain(db, "COMMIT");
        sqlite3_close(db);
        const double s = watch.seconds();
        state.SetIterationTime(s);
        total += s;
    }
    recordTime(state, "report/floor", total);
}
BENCHMARK(BM_Report_Floor)->Unit(benchmark::kMillisecond)->Iterations(3)->UseManualTime();

void BM_Report(benchmark::State& state)
{
    SpinoraDatabase document(largeCollection());
    document.readFromURL(largeCollection());
    const QString folder = benchFolder() + "/report";
    QDir().mkpath(folder);
    double total = 0;
    for (auto _ : state) {
        SpinoraUtility::removeFileIfExists(folder + "/" + ReportExport::pageFileName("report.html"));
        SpinoraUtility::removeFileIfExists(folder + "/" + ReportExport::photoFolderName("report.html"));
        document.setImportExportPath(folder);
        document.setImportExportFilename("report.html");
        document.setExportType(1);
        const Stopwatch watch;
        if (ReportExport::exportReportThread(document) != kJobFinished)
            state.SkipWithError(document.jobError().toUtf8().constData());
        const double s = watch.seconds();
        state.SetIterationTime(s);
        total += s;
    }
    recordTime(state, "report", total);
}
BENCHMARK(BM_Report)->Unit(benchmark::kMillisecond)->Iterations(3)->UseManualTime();

} // namespace
