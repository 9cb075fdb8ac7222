// The exchange jobs, each timed as a whole process beside its floor: the same
// output made by a process that uses nothing but the SQLite C API and plain
// file writes (Floors.cpp). Job and floor take turns in one run; each
// benchmark prints the medians, their ratio (x_floor) and the peak memory of
// both processes.
//
// The collection is made by `spinora-cli sample --camera` (camera-sized
// photos): 2,000 cacti by default; SPINORA_BENCH_CACTI=10000 for the large
// collection (2,000 schedules, 50,000 logs, 2,000 photos). SPINORA_BENCH_DIR
// keeps the files between runs; SPINORA_BENCH_RUNS sets the turns (3).
//   build/bench/exchange_bench
#include "Floors.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringList>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

int setting(const char* name, int fallback)
{
    const char* text = std::getenv(name);
    const int n = text ? std::atoi(text) : 0;
    return n > 0 ? n : fallback;
}

const int kCacti = setting("SPINORA_BENCH_CACTI", 2000);
const int kRuns = setting("SPINORA_BENCH_RUNS", 3);
QString self;

QString benchFolder()
{
    static QTemporaryDir scratch;
    const char* kept = std::getenv("SPINORA_BENCH_DIR");
    const QString folder = kept && *kept ? QString::fromUtf8(kept) : scratch.path();
    QDir().mkpath(folder);
    return folder;
}

QString file(const QString& name)
{
    return benchFolder() + QLatin1Char('/') + name;
}

// One finished process: its wall time, its CPU time (user + system, less
// disturbed by other load on the machine) and its peak resident memory.
struct Run {
    double seconds = 0;
    double cpuSeconds = 0;
    double peakMegabytes = 0;
    int status = -1;
};

Run spawn(const QStringList& command)
{
    std::vector<std::string> words;
    for (const QString& word : command)
        words.push_back(word.toStdString());
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    // The jobs' progress lines are not wanted on the bench's terminal.
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    Run run;
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) == 0) {
        int status = 0;
        rusage usage{};
        wait4(pid, &status, 0, &usage);
        run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        run.peakMegabytes = double(usage.ru_maxrss) / 1024.0;
        auto seconds = [](const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
        run.cpuSeconds = seconds(usage.ru_utime) + seconds(usage.ru_stime);
    }
    run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    posix_spawn_file_actions_destroy(&actions);
    return run;
}

QStringList cli(const QStringList& arguments)
{
    return QStringList{QStringLiteral(SPINORA_CLI)} + arguments;
}

QStringList floor(const QStringList& arguments)
{
    return QStringList{self, QStringLiteral("--floor")} + arguments;
}

// The collection and its exports, made once (kept with SPINORA_BENCH_DIR).
QString made(const QString& path, const QStringList& command)
{
    if (!QFileInfo::exists(path) && spawn(command).status != 0) {
        std::fprintf(stderr, "could not make %s\n", qPrintable(path));
        std::exit(1);
    }
    return path;
}

QString collection()
{
    const QString path = file(QStringLiteral("Sample-%1.sdb").arg(kCacti));
    return made(path, cli({"sample", path, "--cacti", QString::number(kCacti), "--watering", QString::number(kCacti / 5),
                           "--logs", QString::number(kCacti * 5), "--photos", QString::number(kCacti / 5), "--camera"}));
}

QString interchangeFile()
{
    const QString path = file(QStringLiteral("Sample-%1.sdbi").arg(kCacti));
    return made(path, cli({"export-sdbi", collection(), path}));
}

QString csvFile()
{
    const QString path = file(QStringLiteral("Sample-%1.csv").arg(kCacti));
    return made(path, cli({"export-csv", collection(), path}));
}

QString emptyTemplate()
{
    return QStringLiteral(SPINORA_RESOURCES) + QStringLiteral("/spinora_emptydb.sdbi");
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

// The floor and the job take turns; `prepare` runs untimed before each
// (a fresh empty collection for the imports). x_floor is the ratio of the
// medians, x_min and x_max the range of the ratios of the turns; the cpu_s
// counters are the medians of user + system time.
void compare(benchmark::State& state, const std::function<void()>& prepare, const QStringList& floorCommand,
             const QStringList& jobCommand)
{
    std::vector<double> floors, jobs, floorCpu, jobCpu, ratios;
    double floorPeak = 0, jobPeak = 0;
    // Both processes sync the file system before they end, which would make
    // each pay for writing out what `prepare` left (the files of the last
    // turn deleted, a new collection): that is written out untimed.
    auto ready = [&prepare] {
        prepare();
        ::sync();
    };
    for (auto _ : state) {
        ready();
        const Run base = spawn(floorCommand);
        ready();
        const Run job = spawn(jobCommand);
        if (base.status != 0 || job.status != 0) {
            state.SkipWithError("a process failed");
            return;
        }
        floors.push_back(base.seconds);
        jobs.push_back(job.seconds);
        floorCpu.push_back(base.cpuSeconds);
        jobCpu.push_back(job.cpuSeconds);
        ratios.push_back(job.seconds / std::max(1e-9, base.seconds));
        floorPeak = std::max(floorPeak, base.peakMegabytes);
        jobPeak = std::max(jobPeak, job.peakMegabytes);
        state.SetIterationTime(job.seconds);
    }
    state.counters["job_s"] = median(jobs);
    state.counters["floor_s"] = median(floors);
    state.counters["x_floor"] = median(jobs) / std::max(1e-9, median(floors));
    state.counters["x_min"] = *std::min_element(ratios.begin(), ratios.end());
    state.counters["x_max"] = *std::max_element(ratios.begin(), ratios.end());
    state.counters["job_cpu_s"] = median(jobCpu);
    state.counters["floor_cpu_s"] = median(floorCpu);
    state.counters["job_MB"] = jobPeak;
    state.counters["floor_MB"] = floorPeak;
}

void fresh(const QString& path, bool collectionToo)
{
    QDir(path).removeRecursively();
    if (collectionToo)
        spawn(cli({"new", path, "--empty"}));
    else
        QDir().mkpath(path);
}

void BM_ExportSdbi(benchmark::State& state)
{
    compare(state, [] {}, floor({"export-sdbi", collection(), file("floor.sdbi")}),
            cli({"export-sdbi", collection(), file("job.sdbi"), "--force"}));
}
BENCHMARK(BM_ExportSdbi)->Unit(benchmark::kMillisecond)->Iterations(kRuns)->UseManualTime();

void BM_ImportSdbi(benchmark::State& state)
{
    const QString file = interchangeFile();
    compare(
        state,
        [] {
            fresh(::file("FloorImport"), false);
            fresh(::file("JobImport.sdb"), true);
        },
        floor({"import-sdbi", file, ::file("FloorImport"), emptyTemplate()}), cli({"import", ::file("JobImport.sdb"), file}));
}
BENCHMARK(BM_ImportSdbi)->Unit(benchmark::kMillisecond)->Iterations(kRuns)->UseManualTime();

void BM_ImportCsv(benchmark::State& state)
{
    const QString csv = csvFile();
    compare(
        state,
        [] {
            QFile::remove(file("floor-csv.db"));
            fresh(file("CsvImport.sdb"), true);
        },
        floor({"import-csv", csv, file("floor-csv.db"), emptyTemplate()}), cli({"import", file("CsvImport.sdb"), csv}));
}
BENCHMARK(BM_ImportCsv)->Unit(benchmark::kMillisecond)->Iterations(kRuns)->UseManualTime();

void BM_ExportCsv(benchmark::State& state)
{
    compare(state, [] {}, floor({"export-csv", collection(), file("floor.csv")}),
            cli({"export-csv", collection(), file("job.csv"), "--force"}));
}
BENCHMARK(BM_ExportCsv)->Unit(benchmark::kMillisecond)->Iterations(kRuns)->UseManualTime();

void BM_Report(benchmark::State& state)
{
    compare(state, [] { fresh(file("floor-report"), false); }, floor({"report", collection(), file("floor-report")}),
            cli({"report", collection(), file("job-report.html"), "--force"}));
}
BENCHMARK(BM_Report)->Unit(benchmark::kMillisecond)->Iterations(kRuns)->UseManualTime();

} // namespace

int main(int argc, char** argv)
{
    if (argc > 1 && std::string(argv[1]) == "--floor")
        return spinora::bench::runFloor(argc - 2, argv + 2);
    QCoreApplication app(argc, argv);
    self = QCoreApplication::applicationFilePath();
    // The jobs run with caches and settings folders of their own.
    QTemporaryDir home;
    for (const char* name : {"XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME"})
        setenv(name, (home.path() + QLatin1Char('/') + QLatin1String(name)).toUtf8().constData(), 1);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
