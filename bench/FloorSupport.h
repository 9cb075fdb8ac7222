#pragma once

// What the job benchmarks and their floors share: the size of the generated
// collection, a folder that may outlive the run (to time the command-line
// jobs on the same files), plain SQLite helpers for the floors, and the
// ratio of a job to its floor measured in the same run.
#include "BenchSupport.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

#include <sqlite3.h>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

namespace spinora::bench {

// SPINORA_BENCH_CACTI sets the number of cacti (default `fallback`); the
// other records scale with it as in a real collection: a fifth as many
// schedules and photos, five times as many logs.
inline int benchCacti(int fallback)
{
    const char* text = std::getenv("SPINORA_BENCH_CACTI");
    const int n = text ? std::atoi(text) : 0;
    return n > 0 ? n : fallback;
}

// SPINORA_BENCH_DIR keeps the generated collections and files there, so
// they are made once and the command-line jobs can be timed on them.
inline QString benchFolder()
{
    const char* text = std::getenv("SPINORA_BENCH_DIR");
    if (text && *text) {
        QDir().mkpath(QString::fromUtf8(text));
        return QString::fromUtf8(text);
    }
    return scratch().path();
}

// Seconds of the timed part of one iteration, for UseManualTime().
class Stopwatch {
public:
    Stopwatch() : start_(std::chrono::steady_clock::now()) {}
    double seconds() const { return std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count(); }

private:
    std::chrono::steady_clock::time_point start_;
};

// The mean time of every floor and job measured in this run; a job's
// benchmark shows its ratio to the floor that ran before it.
inline std::map<std::string, double>& meanSeconds()
{
    static std::map<std::string, double> times;
    return times;
}

inline void recordTime(benchmark::State& state, const std::string& name, double totalSeconds)
{
    if (state.iterations() == 0)
        return;
    const double mean = totalSeconds / double(state.iterations());
    meanSeconds()[name] = mean;
    const auto floor = meanSeconds().find(name + "/floor");
    if (floor != meanSeconds().end() && floor->second > 0)
        state.counters["x_floor"] = mean / floor->second;
}

// --- Plain SQLite for the floors: no Spinora code, errors end the benchmark.

inline sqlite3* openPlain(const QString& path)
{
    sqlite3* db = nullptr;
    if (sqlite3_open(path.toUtf8().constData(), &db) != SQLITE_OK) {
        std::fprintf(stderr, "floor: cannot open %s\n", path.toUtf8().constData());
        std::abort();
    }
    return db;
}

inline void execPlain(sqlite3* db, const std::string& sql)
{
    char* error = nullptr;
    if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
        std::fprintf(stderr, "floor: %s: %s\n", sql.c_str(), error ? error : "?");
        std::abort();
    }
}

inline sqlite3_stmt* preparePlain(sqlite3* db, const std::string& sql)
{
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &st, nullptr) != SQLITE_OK) {
        std::fprintf(stderr, "floor: %s: %s\n", sql.c_str(), sqlite3_errmsg(db));
        std::abort();
    }
    return st;
}

// Columns of a table, in order.
inline std::vector<std::string> columnsOf(sqlite3* db, const std::string& schema, const std::string& table)
{
    std::vector<std::string> columns;
    sqlite3_stmt* st = preparePlain(db, "PRAGMA " + schema + ".table_info(" + table + ")");
    while (sqlite3_step(st) == SQLITE_ROW)
        columns.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(st, 1)));
    sqlite3_finalize(st);
    return columns;
}

inline QByteArray readPlainFile(const QString& path)
{
    QByteArray data;
    if (FILE* in = std::fopen(path.toUtf8().constData(), "rb")) {
        std::fseek(in, 0, SEEK_END);
        data.resize(std::ftell(in));
        std::fseek(in, 0, SEEK_SET);
        data.resize(static_cast<qsizetype>(std::fread(data.data(), 1, static_cast<size_t>(data.size()), in)));
        std::fclose(in);
    }
    return data;
}

inline void writePlainFile(const QString& path, const void* data, int size)
{
    if (FILE* out = std::fopen(path.toUtf8().constData(), "wb")) {
        std::fwrite(data, 1, static_cast<size_t>(size), out);
        std::fclose(out);
    }
}

} // namespace spinora::bench
