// Benchmarks run with their own settings and caches folders.
#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include "Timestamp.h"

#include <benchmark/benchmark.h>

#include <cstdlib>

int main(int argc, char** argv)
{
    spinora::settleLocalTimeZone();
    QTemporaryDir home(QDir::tempPath() + QStringLiteral("/spinora-bench-XXXXXX"));
    const QByteArray root = home.path().toUtf8();
    for (const char* name : {"XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME"})
        setenv(name, (root + "/" + name).constData(), 1);
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
