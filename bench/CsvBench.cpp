// CSV export and import of a generated collection, each beside its floor:
// the same output made with a plain CSV reader or writer and the plain SQLite
// C API, in the same run, so the x_floor counter of a job is its ratio to it.
//
// 5,000 cacti, 1,000 schedules and 25,000 logs by default;
// SPINORA_BENCH_CACTI=10000 for the large collection.
#include "CsvExport.h"
#include "CsvImport.h"
#include "FloorSupport.h"
#include "InterchangeImport.h"
#include "LocaleFormats.h"
#include "Resources.h"
#include "SpinoraDatabase.h"
#include "SpinoraUtility.h"
#include "SqlConnection.h"
#include "WorkFiles.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <ctime>
#include <string>
#include <unordered_map>

using namespace spinora;
using namespace spinora::bench;

namespace {

const int kCacti = benchCacti(5000);
const int kWatering = kCacti / 5;
const int kLogs = kCacti * 5;

QString collection()
{
    static const QString path = [] {
        const QString package = benchFolder() + QStringLiteral("/Csv-%1.sdb").arg(kCacti);
        if (QFileInfo::exists(package + "/spinora.db"))
            return package;
        SpinoraDatabase document(package);
        document.setTemplateChoice(true);
        document.readFromURL(package);
        SampleCollection::fill(document, SampleSize{kCacti, kWatering, kLogs, 0, 64});
        document.close();
        return package;
    }();
    return path;
}

const QString& csvFile()
{
    static const QString file = [] {
        const QString f = benchFolder() + QStringLiteral("/Csv-%1.csv").arg(kCacti);
        if (QFileInfo::exists(f))
            return f;
        SpinoraDatabase document(collection());
        document.readFromURL(collection());
        document.setImportExportFilename(f);
        document.setExportType(0);
        CsvExport::exportCSVThread(document);
        return f;
    }();
    return file;
}

// --- export-csv

std::string quotedField(const unsigned char* text)
{
    std::string out = "\"";
    for (const unsigned char* c = text; c && *c; ++c) {
        if (*c == '"')
            out += '"';
        out += char(*c);
    }
    return out + '"';
}

// A date column written as the export writes it: a local date and time.
std::string dateField(sqlite3_stmt* st, int column)
{
    const double seconds = sqlite3_column_double(st, column);
    if (seconds <= 0)
        return "\"\"";
    const std::time_t t = static_cast<std::time_t>(seconds);
    std::tm local{};
    localtime_r(&t, &local);
    char text[64];
    std::strftime(text, sizeof text, "\"%b %d, %Y %I:%M %p\"", &local);
    return text;
}

// One SELECT pass per section (the names of schedules and plants joined in),
// every field quoted, dates formatted, written to the file.
void BM_ExportCsv_Floor(benchmark::State& state)
{
    const QString out = benchFolder() + "/floor.csv";
    double total = 0;
    for (auto _ : state) {
        const Stopwatch watch;
        sqlite3* db = openPlain(collection() + "/spinora.db");
        execPlain(db, "BEGIN");
        FILE* file = std::fopen(out.toUtf8().constData(), "wb");
        struct Section {
            const char* title;
            const char* sql;
            std::vector<int> dates;
        };
        const Section sections[] = {
            {"Cacti",
             "SELECT c.name, c.scientific_name, c.common_name, c.type, w.name, c.last_watered, c.water_next, "
             "c.plant_date, c.source, c.date_acquired, c.purchase_price, c.value, c.location, c.height, c.width, "
             "c.weight, c.light, c.temperature, c.pot_size, c.pot_shape, c.pot_material, c.notes FROM cactus c "
             "LEFT JOIN watering w ON w.pk = c.watering_key",
             {5, 6, 7, 9}},
            {"Watering",
             "SELECT name, frequency, quantity, last_watered, no_water_ddmm1, no_water_ddmm2, no_water_ddmm3, "
             "no_water_ddmm4, no_water_ddmm5, no_water_ddmm6, water_next, notes FROM watering",
             {3, 10}},
            {"Logs", "SELECT l.event, l.type, l.date, c.name, l.notes FROM log l LEFT JOIN cactus c ON c.pk = l.cactus_key",
             {2}},
        };
        for (const Section& section : sections) {
            std::fprintf(file, "\n%s\n", section.title);
            sqlite3_stmt* st = preparePlain(db, section.sql);
            const int columns = sqlite3_column_count(st);
            while (sqlite3_step(st) == SQLITE_ROW) {
                std::string line;
                for (int c = 0; c < columns; ++c) {
                    if (c)
                        line += ',';
                    const bool date = std::find(section.dates.begin(), section.dates.end(), c) != section.dates.end();
                    line += date ? dateField(st, c) : quotedField(sqlite3_column_text(st, c));
                }
                line += '\n';
                std::fwrite(line.data(), 1, line.size(), file);
            }
            sqlite3_finalize(st);
        }
        std::fclose(file);
        execPlain(db, "COMMIT");
        sqlite3_close(db);
        const double s = watch.seconds();
        state.SetIterationTime(s);
        total += s;
    }
    recordTime(state, "export-csv/floor", total);
}
BENCHMARK(BM_ExportCsv_Floor)->Unit(benchmark::kMillisecond)->Iterations(3)->UseManualTime();

void BM_ExportCsv(benchmark::State& state)
{
    SpinoraDatabase document(collection());
    document.readFromURL(collection());
    double total = 0;
    for (auto _ : state) {
        document.setImportExportFilename(benchFolder() + "/out.csv");
        document.setExportType(0);
        const Stopwatch watch;
        if (CsvExport::exportCSVThread(document) != kJobFinished)
            state.SkipWithError("export failed");
        const double s = watch.seconds();
        state.SetIterationTime(s);
        total += s;
    }
    recordTime(state, "export-csv", total);
}
BENCHMARK(BM_ExportCsv)->Unit(benchmark::kMillisecond)->Iterations(3)->UseManualTime();

// --- import of the CSV export

// The records of a CSV file: quoted fields may hold commas, quotes and line ends.
std::vector<std::vector<std::string>> readCsv(const QString& path)
{
    const QByteArray data = readPlainFile(path);
    std::vector<std::vector<std::string>> records;
    std::vector<std::string> fields;
    std::string field;
    bool quoted = false;
    for (qsizetype i = 0; i < data.size(); ++i) {
        const char c = data[i];
        if (quoted) {
            if (c == '"' && i + 1 < data.size() && data[i + 1] == '"') {
                field += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            fields.push_back(std::move(field));
            field.clear();
        } else if (c == '\n' || c == '\r') {
            if (c == '\r' && i + 1 < data.size() && data[i + 1] == '\n')
                ++i;
            fields.push_back(std::move(field));
            field.clear();
            records.push_back(std::move(fields));
            fields.clear();
        } else {
            field += c;
        }
    }
    if (!field.empty() || !fields.empty()) {
        fields.push_back(std::move(field));
        records.push_back(std::move(fields));
    }
    return records;
}

// The CSV file read, then in one transaction of prepared inserts into a fresh
// database: schedules, plants with their schedule found by name, logs with
// their plant found by name (the lookups of the merge).
void BM_ImportCsv_Floor(benchmark::State& state)
{
    const QString file = csvFile();
    const QString database = benchFolder() + "/floor-csv.db";
    double total = 0;
    for (auto _ : state) {
        QFile::remove(database);
        const Stopwatch watch;
        std::vector<std::vector<std::string>> cacti, watering, logs;
        bool header = false;
        for (auto& record : readCsv(file)) {
            if (record.size() <= 1) { // a title or a comment: a header follows a title
                header = record.size() == 1 && !record[0].empty() && record[0].rfind("//", 0) != 0;
                continue;
            }
            if (header) {
                header = false;
                continue;
            }
            auto& into = record.size() == 22 ? cacti : record.size() == 12 ? watering : logs;
            into.push_back(std::move(record));
        }
        QFile::copy(Resources::path("spinora_emptydb.sdbi"), database);
        sqlite3* db = openPlain(database);
        execPlain(db, "BEGIN");
        auto insertAll = [db](const char* sql, const std::vector<std::vector<std::string>>& records, int keyField,
                              const std::unordered_map<std::string, sqlite3_int64>* keys,
                              std::unordered_map<std::string, sqlite3_int64>* named) {
            sqlite3_stmt* st = preparePlain(db, sql);
            for (const auto& record : records) {
                for (size_t f = 0; f < record.size(); ++f) {
                    if (int(f) == keyField) {
                        const auto found = keys->find(record[f]);
                        sqlite3_bind_int64(st, int(f) + 1, found == keys->end() ? -1 : found->second);
                    } else {
                        sqlite3_bind_text(st, int(f) + 1, record[f].data(), int(record[f].size()), SQLITE_STATIC);
                    }
                }
                sqlite3_step(st);
                sqlite3_reset(st);
                if (named)
                    named->emplace(record[0], sqlite3_last_insert_rowid(db));
            }
            sqlite3_finalize(st);
        };
        std::unordered_map<std::string, sqlite3_int64> scheduleKeys, cactusKeys;
        insertAll("INSERT INTO watering (name, frequency, quantity, last_watered, no_water_ddmm1, no_water_ddmm2, "
                  "no_water_ddmm3, no_water_ddmm4, no_water_ddmm5, no_water_ddmm6, water_next, notes) "
                  "VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
                  watering, -1, nullptr, &scheduleKeys);
        insertAll("INSERT INTO cactus (name, scientific_name, common_name, type, watering_key, last_watered, "
                  "water_next, plant_date, source, date_acquired, purchase_price, value, location, height, width, "
                  "weight, light, temperature, pot_size, pot_shape, pot_material, notes) "
                  "VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
                  cacti, 4, &scheduleKeys, &cactusKeys);
        insertAll("INSERT INTO log (event, type, date, cactus_key, notes) VALUES(?, ?, ?, ?, ?)", logs, 3, &cactusKeys,
                  nullptr);
        execPlain(db, "COMMIT");
        sqlite3_close(db);
        const double s = watch.seconds();
        state.SetIterationTime(s);
        total += s;
        if (cacti.size() != size_t(kCacti))
            state.SkipWithError("the floor did not read every cactus");
    }
    recordTime(state, "import-csv/floor", total);
}
BENCHMARK(BM_ImportCsv_Floor)->Unit(benchmark::kMillisecond)->Iterations(3)->UseManualTime();

// The whole job as the command line runs it: the file read into a work
// database, then merged into an empty collection.
void BM_ImportCsv(benchmark::State& state)
{
    const QString file = csvFile();
    int round = 0;
    double total = 0;
    for (auto _ : state) {
        const QString path = benchFolder() + QStringLiteral("/CsvEmpty%1.sdb").arg(round++);
        SpinoraUtility::removeFileIfExists(path);
        auto document = std::make_unique<SpinoraDatabase>(path);
        document->setTemplateChoice(true);
        document->readFromURL(path);
        const Stopwatch watch;
        const QString work = WorkFiles::importDatabase();
        SpinoraUtility::removeFileIfExists(work);
        SpinoraUtility::copyFileFrom(Resources::path("spinora_emptydb.sdbi"), work, SpinoraUtility::Durability::Fast);
        QString error;
        {
            auto db = Connection::open(work, Connection::Mode::ReadWrite, &error);
            db->execute("PRAGMA cache_size=50;");
            Transaction transaction(db.get());
            const CsvImport::Counts counts = CsvImport::readFile(file, db.get());
            db->execute("DELETE FROM version");
            CsvImport::insertExportHeader(db.get(), counts.cacti, counts.watering, counts.logs);
            transaction.commit();
            db->close();
            if (counts.cacti != kCacti)
                state.SkipWithError("not every cactus was read");
        }
        SpinoraUtility::removeFileIfExists(WorkFiles::importPhotos());
        QDir().mkpath(WorkFiles::importPhotos());
        document->setImportExportFilename(WorkFiles::importPhotos());
        document->setImportType(0);
        if (InterchangeImport::importDatabaseThread(*document) != kJobFinished)
            state.SkipWithError(document->jobError().toUtf8().constData());
        const double s = watch.seconds();
        state.SetIterationTime(s);
        total += s;
        document.reset();
        SpinoraUtility::removeFileIfExists(path);
    }
    recordTime(state, "import-csv", total);
}
BENCHMARK(BM_ImportCsv)->Unit(benchmark::kMillisecond)->Iterations(3)->UseManualTime();

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
