// CSV export and import of 10,000 cacti with schedules and logs, beside the
// floor: reading the same file line by line, and the plain SQLite inserts
// of as many rows.
#include "CsvExport.h"
#include "CsvImport.h"
#include "CsvReader.h"
#include "InterchangeImport.h"
#include "LocaleFormats.h"
#include "Resources.h"
#include "BenchSupport.h"
#include "SpinoraDatabase.h"
#include "SpinoraUtility.h"
#include "WorkFiles.h"

#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace spinora;

namespace {

constexpr int kCacti = 10000, kWatering = 2000, kLogs = 20000;

using bench::scratch;

QString collection()
{
    return bench::makeCollection("Csv.sdb", SampleSize{kCacti, kWatering, kLogs, 0, 64}, true);
}

const QString& csvFile()
{
    static const QString file = [] {
        const QString f = scratch().filePath("collection.csv");
        SpinoraDatabase document(collection());
        document.readFromURL(collection());
        document.setImportExportFilename(f);
        document.setExportType(0);
        CsvExport::exportCSVThread(document);
        return f;
    }();
    return file;
}

std::unique_ptr<Connection> freshDatabase(const QString& path)
{
    SpinoraUtility::copyFileFrom(Resources::path("spinora_emptydb.sdbi"), path, SpinoraUtility::Durability::Fast);
    QString error;
    return Connection::open(path, Connection::Mode::ReadWrite, &error);
}

void BM_CsvExport(benchmark::State& state)
{
    SpinoraDatabase document(collection());
    document.readFromURL(collection());
    for (auto _ : state) {
        document.setImportExportFilename(scratch().filePath("out.csv"));
        document.setExportType(0);
        CsvExport::exportCSVThread(document);
    }
    state.counters["rows/s"] = benchmark::Counter(kCacti + kWatering + kLogs, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_CsvExport)->Unit(benchmark::kMillisecond);

void BM_CsvReadLinesOnly(benchmark::State& state)
{
    const QString file = csvFile();
    for (auto _ : state) {
        InputTextStream stream;
        stream.open(file);
        QString line;
        int lines = 0;
        while (stream.readLine(line) == InputTextStream::kLine)
            ++lines;
        benchmark::DoNotOptimize(lines);
    }
}
BENCHMARK(BM_CsvReadLinesOnly)->Unit(benchmark::kMillisecond);

// The inserts the import needs, as plain statements: per record its INSERT
// and the UPDATE of every column (what the record pattern writes).
void BM_CsvFloorInserts(benchmark::State& state)
{
    const QString text = QStringLiteral("Some text of a field");
    for (auto _ : state) {
        state.PauseTiming();
        auto db = freshDatabase(scratch().filePath("floor.db"));
        state.ResumeTiming();
        Transaction transaction(db.get());
        for (int i = 0; i < kCacti; ++i) {
            Statement insert(db.get(), "INSERT INTO cactus (name) VALUES(?)");
            insert.bind(text);
            insert.step();
            Statement update(db.get(),
                "UPDATE cactus SET name=?, common_name=?, scientific_name=?, type=?, watering_key=?, last_watered=?, "
                "water_next=?, plant_date=?, source=?, date_acquired=?, purchase_price=?, value=?, location=?, height=?, "
                "width=?, weight=?, light=?, temperature=?, pot_size=?, pot_shape=?, pot_material=?, notes=? WHERE pk=?");
            update.bind(text, text, text, 1, 2, 1.0e9, 1.0e9, 1.0e9, 3, 1.0e9, 1.5, 2.5, text, text, text, text, text,
                        text, text, 4, 5, text, db->lastInsertRowId());
            update.step();
        }
        for (int i = 0; i < kWatering; ++i) {
            Statement insert(db.get(), "INSERT INTO watering (name) VALUES(?)");
            insert.bind(text);
            insert.step();
            Statement update(db.get(),
                "UPDATE watering SET name=?, frequency=?, frequency_units=?, quantity=?, last_watered=?, water_next=?, "
                "notification_set=?, no_water_ddmm1=?, no_water_ddmm2=?, no_water_ddmm3=?, no_water_ddmm4=?, "
                "no_water_ddmm5=?, no_water_ddmm6=?, notes=? WHERE pk=?");
            update.bind(text, 1, 2, 3, 1.0e9, 1.0e9, 0, 1, 2, 3, 4, 5, 6, text, db->lastInsertRowId());
            update.step();
        }
        for (int i = 0; i < kLogs; ++i) {
            Statement insert(db.get(), "INSERT INTO log (type, date, reminder, reminder_id, cactus_key, event, "
                                       "note_summary) VALUES(?, ?, ?, ?, ?, ?, ?)");
            insert.bind(0, 1.0e9, 0, text, 1, text, text);
            insert.step();
            Statement update(db.get(), "UPDATE log SET type=?, date=?, reminder=?, reminder_id=?, cactus_key=?, "
                                       "event=?, note_summary=?, notes=? WHERE pk=?");
            update.bind(0, 1.0e9, 0, text, 1, text, text, text, db->lastInsertRowId());
            update.step();
        }
        transaction.commit();
    }
}
BENCHMARK(BM_CsvFloorInserts)->Unit(benchmark::kMillisecond);

void BM_CsvReadIntoDatabase(benchmark::State& state)
{
    const QString file = csvFile();
    for (auto _ : state) {
        state.PauseTiming();
        auto db = freshDatabase(scratch().filePath("read.db"));
        state.ResumeTiming();
        Transaction transaction(db.get());
        const CsvImport::Counts counts = CsvImport::readFile(file, db.get());
        transaction.commit();
        if (counts.cacti != kCacti)
            state.SkipWithError("not every cactus was read");
    }
}
BENCHMARK(BM_CsvReadIntoDatabase)->Unit(benchmark::kMillisecond);

} // namespace

namespace {

void BM_ReadDateAndTime(benchmark::State& state)
{
    const spinora::LocaleFormats formats(QLocale(QLocale::English, QLocale::UnitedStates));
    const QString text = state.range(0) == 0 ? QStringLiteral("Nov 20, 2026 7:21 PM") : QStringLiteral("Never");
    for (auto _ : state)
        benchmark::DoNotOptimize(formats.readDateAndTime(text));
    state.SetLabel(text.toStdString());
}
BENCHMARK(BM_ReadDateAndTime)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace
