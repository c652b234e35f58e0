// Reading and writing the settings block: done once at start and once at exit, measured
// to keep it that way.
#include "settings/SettingsRecord.h"

#include <benchmark/benchmark.h>

static void BM_SettingsRoundTrip(benchmark::State& state)
{
    const orv::SettingsRecord record;
    for (auto _ : state) {
        const auto bytes = record.serialize();
        benchmark::DoNotOptimize(orv::SettingsRecord::parse(bytes));
    }
}
BENCHMARK(BM_SettingsRoundTrip);
