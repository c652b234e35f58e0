// The MEL checks over the 100,000-line test script: the time of one whole check, and the
// heap it needs at its peak beyond the script's own text (counted by this program's
// operator new), with the number of findings (the test script checks clean); the same lines
// as one file and as many small ones; hostile scripts (one long line, millions of tiny
// statements); a script of calls of other scripts' procedures; and the growth of the time
// with stray closing brackets and with calls, blocks and subscripts nested deep.
#include "mel/CommandDatabase.h"
#include "melparse/MelChecks.h"

#include "BenchScripts.h"

#include <benchmark/benchmark.h>

#include <malloc.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <new>
#include <string>
#include <vector>

namespace {

std::atomic<long long> g_heapBytes{0};
std::atomic<long long> g_heapPeak{0};

void* counted(std::size_t size)
{
    void* block = std::malloc(size == 0 ? 1 : size);
    if (block == nullptr)
        throw std::bad_alloc();
    const long long now = g_heapBytes += static_cast<long long>(malloc_usable_size(block));
    long long peak = g_heapPeak.load();
    while (now > peak && !g_heapPeak.compare_exchange_weak(peak, now)) {
    }
    return block;
}

void uncounted(void* block) noexcept
{
    if (block == nullptr)
        return;
    g_heapBytes -= static_cast<long long>(malloc_usable_size(block));
    std::free(block);
}

} // namespace

void* operator new(std::size_t size) { return counted(size); }
void* operator new[](std::size_t size) { return counted(size); }
void operator delete(void* block) noexcept { uncounted(block); }
void operator delete[](void* block) noexcept { uncounted(block); }
void operator delete(void* block, std::size_t) noexcept { uncounted(block); }
void operator delete[](void* block, std::size_t) noexcept { uncounted(block); }

namespace {

constexpr int kLines = 100000;

bool databaseLoaded(benchmark::State& state)
{
    static const bool loaded = orv::LoadMelDatabases(std::string(ORVANTE_DATABASE_DIR) + "/..").records ==
                               orv::LoadResult::ok;
    if (!loaded)
        state.SkipWithError("no command database");
    return loaded;
}

void BM_LintTestScript(benchmark::State& state)
{
    if (!databaseLoaded(state))
        return;
    const std::string script = orv::bench::melTestScript(kLines);
    std::size_t findings = 0;
    long long peakBeyondScript = 0;
    for (auto _ : state) {
        const long long before = g_heapBytes.load();
        g_heapPeak = before;
        const auto result = orv::CheckMelScript(script);
        peakBeyondScript = std::max(peakBeyondScript, g_heapPeak.load() - before);
        findings = result.size();
        benchmark::DoNotOptimize(result.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(script.size()));
    state.counters["lines"] = kLines;
    state.counters["findings"] = static_cast<double>(findings);
    state.counters["script_MB"] = static_cast<double>(script.size()) / 1e6;
    state.counters["peak_heap_MB"] = static_cast<double>(peakBeyondScript) / 1e6;
    state.counters["peak_per_script"] = static_cast<double>(peakBeyondScript) / static_cast<double>(script.size());
}
BENCHMARK(BM_LintTestScript)->Unit(benchmark::kMillisecond);

// About 3 MB of the test script's lines, checked as one file (0) or as files of 160 lines
// each (1), as a project's scripts would be: a long file must cost no more per line.
void BM_LintOneFileOrSeparateFiles(benchmark::State& state)
{
    if (!databaseLoaded(state))
        return;
    constexpr int kFileLines = 160;
    const int lines = 80000;
    std::vector<std::string> files;
    if (state.range(0) == 0) {
        files.push_back(orv::bench::melTestScript(lines));
    } else {
        for (int i = 0; i < lines / kFileLines; ++i)
            files.push_back(orv::bench::melTestScript(kFileLines));
    }
    std::size_t bytes = 0;
    for (const std::string& file : files)
        bytes += file.size();
    for (auto _ : state)
        for (const std::string& file : files)
            benchmark::DoNotOptimize(orv::CheckMelScript(file).size());
    state.counters["files"] = static_cast<double>(files.size());
    state.counters["script_MB"] = static_cast<double>(bytes) / 1e6;
}
BENCHMARK(BM_LintOneFileOrSeparateFiles)->ArgName("separate")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Hostile scripts: 4 MB of statements on one line (0), and 30 MB of 15 million statements
// "a;" (1). Time and peak heap must stay in proportion to the size.
void BM_LintHostileScripts(benchmark::State& state)
{
    if (!databaseLoaded(state))
        return;
    std::string script;
    if (state.range(0) == 0) {
        const char* const body[] = {"string $w%d = `window -title \"Tool %d\" -wh 300 200`;",
                                    "columnLayout -adjustableColumn true -rowSpacing 4;",
                                    "button -label \"Apply\" -command (\"apply(\" + $count + \")\") -width 80;",
                                    "checkBox -l \"Enabled\" -value on;", "setParent ..;"};
        script = orv::bench::repeatScriptBody(body, 88000);
        std::replace(script.begin(), script.end(), '\r', ' ');
        std::replace(script.begin(), script.end(), '\n', ' ');
    } else {
        script.reserve(30000000);
        while (script.size() < 30000000)
            script += "a;";
    }
    long long peakBeyondScript = 0;
    for (auto _ : state) {
        const long long before = g_heapBytes.load();
        g_heapPeak = before;
        benchmark::DoNotOptimize(orv::CheckMelScript(script).size());
        peakBeyondScript = std::max(peakBeyondScript, g_heapPeak.load() - before);
    }
    state.counters["script_MB"] = static_cast<double>(script.size()) / 1e6;
    state.counters["peak_heap_MB"] = static_cast<double>(peakBeyondScript) / 1e6;
}
BENCHMARK(BM_LintHostileScripts)->ArgName("tiny_statements")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// 100,000 calls of procedures of other scripts, each a name of its own: every one is held
// against the command words of its length.
void BM_LintCallsOfOtherScriptsProcs(benchmark::State& state)
{
    if (!databaseLoaded(state))
        return;
    const char* const body[] = {"helperProc%d \"x\" -flag 1;", "setupTool%d;", "bake_%d_keys 1 2;"};
    const std::string script = orv::bench::repeatScriptBody(body, kLines);
    std::size_t findings = 0;
    for (auto _ : state)
        findings = orv::CheckMelScript(script).size();
    state.counters["findings"] = static_cast<double>(findings);
}
BENCHMARK(BM_LintCallsOfOtherScriptsProcs)->Unit(benchmark::kMillisecond);

// A hostile text: n open parentheses in a block, then n closing brackets that match none of
// them. Each stray closer must cost the same whatever is open.
void BM_LintStrayClosers(benchmark::State& state)
{
    const auto n = static_cast<std::size_t>(state.range(0));
    std::string script(2 * n + 1, '(');
    script.front() = '{';
    std::fill(script.begin() + static_cast<std::ptrdiff_t>(n) + 1, script.end(), ']');
    for (auto _ : state)
        benchmark::DoNotOptimize(orv::CheckMelScript(script).size());
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_LintStrayClosers)->RangeMultiplier(4)->Range(1 << 10, 1 << 16)->Complexity()->Unit(benchmark::kMillisecond);

// A hostile text for the call and variable checks: n calls nested in one another, each with a
// variable subscripted n deep left open, inside n blocks. Each must cost the same whatever
// surrounds it.
void BM_LintNestedCallsAndBlocks(benchmark::State& state)
{
    const auto n = static_cast<std::size_t>(state.range(0));
    std::string script = "proc int f(int $a) { return $a; }\nproc p() { int $v[];\n";
    for (std::size_t i = 0; i < n; ++i)
        script += "{ ";
    for (std::size_t i = 0; i < n; ++i)
        script += "f(";
    script += "1";
    for (std::size_t i = 0; i < n; ++i)
        script += ")";
    for (std::size_t i = 0; i < n; ++i)
        script += " $v[";
    script += "\n}";
    for (auto _ : state)
        benchmark::DoNotOptimize(orv::CheckMelScript(script).size());
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_LintNestedCallsAndBlocks)->RangeMultiplier(4)->Range(1 << 10, 1 << 16)->Complexity()->Unit(benchmark::kMillisecond);

} // namespace
