// The message log: an export writes a whole script into it at once, and the log only grows
// during a session, so appending must stay linear in the text added.
#include "log/OutputLog.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

std::string exportedScript(int lines)
{
    std::string text;
    for (int i = 0; i < lines; ++i)
        text += "button -label \"Button" + std::to_string(i) + "\" -width 80 -height 28 Button" + std::to_string(i)
              + ";\n";
    return text;
}

} // namespace

// One export of N lines appended to a log that already holds ten earlier exports.
static void BM_AppendExport(benchmark::State& state)
{
    const std::string script = exportedScript(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        orv::OutputLog log;
        for (int i = 0; i < 10; ++i)
            log.AppendText(script, true);
        state.ResumeTiming();
        log.AppendText(script, true);
        benchmark::DoNotOptimize(log.text().data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(script.size()));
}
BENCHMARK(BM_AppendExport)->Arg(100)->Arg(1000)->Arg(10000);

// The loader's one-line error appended many times: each append costs the line, not the log.
static void BM_AppendShortLines(benchmark::State& state)
{
    for (auto _ : state) {
        orv::OutputLog log;
        for (int i = 0; i < state.range(0); ++i)
            log.AppendText("Error while loading the window hierarchy file\n", true);
        benchmark::DoNotOptimize(log.text().data());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_AppendShortLines)->Arg(1000)->Arg(100000);
