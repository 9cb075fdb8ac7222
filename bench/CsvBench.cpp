// Reading the CSV file's dates: the part of the CSV import that depends on
// the user's locale (the whole import is timed in exchange_bench).
#include "BenchSupport.h"
#include "LocaleFormats.h"

#include <benchmark/benchmark.h>

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
