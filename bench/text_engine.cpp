// The text engine on a 100,000-line MEL file: loading, computing every line state,
// colouring every line with blocks, a search that fails over the whole file, typing and
// undoing, Tab over a large selection, Replace All of 100 to 10,000 matches, saving,
// redrawing a screen after an edit far down the file, and one keystroke (a character,
// Enter, a joining Backspace) in a 100-line and in a 1,000,000-line script.
#include "mel/CommandDatabase.h"
#include "settings/Profile.h"
#include "text/CTextBuffer.h"
#include "text/DisplayLengthCache.h"
#include "text/LineStateCache.h"
#include "text/MelColouring.h"
#include "text/ReplaceSession.h"
#include "text/TextEditModel.h"
#include "text/TextSearch.h"

#include "BenchScripts.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

constexpr int kLines = 100000;

const std::string& scriptPath()
{
    static const std::string path = [] {
        const auto file = std::filesystem::temp_directory_path() / "orvante_bench_100k.mel";
        std::ofstream(file, std::ios::binary) << orv::bench::melTestScript(kLines);
        return file.string();
    }();
    return path;
}

void loadWords()
{
    static const bool loaded = [] {
        orv::LoadMelCommandWords(std::string(ORVANTE_DATABASE_DIR) + "/MEL Commands.txt");
        return true;
    }();
    benchmark::DoNotOptimize(loaded);
}

// The script loaded once, shared by the benchmarks that do not change it.
orv::CTextBuffer& loadedScript()
{
    static orv::CTextBuffer buffer;
    static const bool loaded = buffer.LoadText(scriptPath());
    benchmark::DoNotOptimize(loaded);
    return buffer;
}

void BM_LoadFile100k(benchmark::State& state)
{
    const std::string& path = scriptPath();
    for (auto _ : state) {
        orv::CTextBuffer buffer;
        benchmark::DoNotOptimize(buffer.LoadText(path));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(std::filesystem::file_size(path)));
}
BENCHMARK(BM_LoadFile100k)->Unit(benchmark::kMillisecond);

void BM_ComputeAllLineStates100k(benchmark::State& state)
{
    auto& buffer = loadedScript();
    orv::SettingsRecord settings;
    orv::LineStateCache cache(buffer, orv::melLineColourer(settings));
    for (auto _ : state) {
        cache.forgetFrom(0);
        benchmark::DoNotOptimize(cache.stateBefore(buffer.LineCount()));
    }
}
BENCHMARK(BM_ComputeAllLineStates100k)->Unit(benchmark::kMillisecond);

void BM_ColourAllLinesWithBlocks100k(benchmark::State& state)
{
    loadWords();
    const auto& buffer = loadedScript();
    std::vector<orv::ColourBlock> blocks;
    std::size_t total = 0;
    for (auto _ : state) {
        std::uint32_t lineState = 0;
        total = 0;
        for (int line = 0; line < buffer.LineCount(); ++line) {
            blocks.clear();
            lineState = orv::ParseMelLine(lineState, buffer.LineText(line), &blocks);
            total += blocks.size();
        }
        benchmark::DoNotOptimize(total);
    }
    state.counters["blocks"] = static_cast<double>(total);
}
BENCHMARK(BM_ColourAllLinesWithBlocks100k)->Unit(benchmark::kMillisecond);

void failingSearch(benchmark::State& state, unsigned flags)
{
    const auto& buffer = loadedScript();
    for (auto _ : state)
        benchmark::DoNotOptimize(orv::FindInText(buffer, "notInTheScript", {0, 0}, flags, true));
}
void BM_FailingSearchIgnoreCase100k(benchmark::State& state) { failingSearch(state, 0); }
void BM_FailingSearchMatchCase100k(benchmark::State& state) { failingSearch(state, orv::find_flag::kMatchCase); }
void BM_FailingSearchWholeWordUp100k(benchmark::State& state)
{
    failingSearch(state, orv::find_flag::kWholeWord | orv::find_flag::kUp);
}
BENCHMARK(BM_FailingSearchIgnoreCase100k)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FailingSearchMatchCase100k)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FailingSearchWholeWordUp100k)->Unit(benchmark::kMillisecond);

void BM_Type10kCharsThenUndoAll(benchmark::State& state)
{
    for (auto _ : state) {
        orv::CTextBuffer buffer;
        buffer.CreateEmpty();
        orv::TextEditModel edit(&buffer);
        for (int i = 0; i < 10000; ++i)
            edit.typeChar(i % 60 == 59 ? '\r' : (i % 7 == 6 ? ' ' : static_cast<char>('a' + i % 26)));
        while (edit.undo()) {
        }
        benchmark::DoNotOptimize(buffer.LineCount());
    }
}
BENCHMARK(BM_Type10kCharsThenUndoAll)->Unit(benchmark::kMillisecond);

// Tab or Shift+Tab over a selection of `range(0)` lines: one undo group of a record per line,
// far past the record limit. The time grows with the line count, not with its square.
void reindentSelection(benchmark::State& state, bool indent)
{
    const int lines = static_cast<int>(state.range(0));
    std::string script;
    script.reserve(static_cast<std::size_t>(lines) * 7);
    for (int line = 0; line < lines; ++line)
        script += line + 1 < lines ? "\tline\r\n" : "\tline";
    for (auto _ : state) {
        state.PauseTiming();
        orv::CTextBuffer buffer;
        buffer.LoadBytes(script);
        orv::TextEditModel edit(&buffer);
        edit.setSelection({0, 0}, buffer.EndPos());
        state.ResumeTiming();
        if (indent)
            edit.tab();
        else
            edit.shiftTab();
        benchmark::DoNotOptimize(buffer.undoHistory().size());
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * lines);
}
void BM_TabOverSelection(benchmark::State& state) { reindentSelection(state, true); }
void BM_ShiftTabOverSelection(benchmark::State& state) { reindentSelection(state, false); }
BENCHMARK(BM_TabOverSelection)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ShiftTabOverSelection)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// Replace All of range(0) matches, one a line: two undo records a match, far past the
// record limit at the larger counts. The time grows with the matches, not faster.
void BM_ReplaceAll(benchmark::State& state)
{
    const int matches = static_cast<int>(state.range(0));
    std::string script;
    for (int line = 0; line < matches; ++line)
        script += "\tsetAttr $node.tx 1;\r\n";
    orv::MemoryProfile profile;
    for (auto _ : state) {
        state.PauseTiming();
        orv::CTextBuffer buffer;
        buffer.LoadBytes(script);
        orv::TextEditModel edit(&buffer);
        orv::ReplaceSession session(edit, profile);
        session.values.findWhat = "tx";
        session.values.replaceWith = "translateX";
        state.ResumeTiming();
        int replaced = 0;
        session.replaceAll(&replaced);
        if (replaced != matches)
            state.SkipWithError("not every match was replaced");
        state.PauseTiming();
        // The buffer and its history go outside the timing.
        buffer.CreateEmpty();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * matches);
}
BENCHMARK(BM_ReplaceAll)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_SaveFile100k(benchmark::State& state)
{
    auto& buffer = loadedScript();
    const auto target = std::filesystem::temp_directory_path() / "orvante_bench_save.mel";
    for (auto _ : state)
        benchmark::DoNotOptimize(buffer.StoreText(target.string(), -1, false));
    std::filesystem::remove(target);
}
BENCHMARK(BM_SaveFile100k)->Unit(benchmark::kMillisecond);

// A keystroke on line 50,000 and the redraw of the 60 lines around it: the cache only
// re-parses from the changed line, never from line 0.
void BM_TypeAndRedrawScreenAtLine50k(benchmark::State& state)
{
    loadWords();
    orv::CTextBuffer buffer;
    buffer.LoadText(scriptPath());
    orv::SettingsRecord settings;
    orv::LineStateCache cache(buffer, orv::melLineColourer(settings));
    orv::TextEditModel edit(&buffer);
    cache.stateBefore(buffer.LineCount());
    edit.setCursor({0, 50000});
    std::vector<orv::ColourBlock> blocks;
    for (auto _ : state) {
        edit.typeChar('x');
        for (int line = 49990; line < 50050; ++line)
            cache.colourLine(line, blocks);
        state.PauseTiming();
        edit.backspace();  // the line as it was
        state.ResumeTiming();
    }
}
BENCHMARK(BM_TypeAndRedrawScreenAtLine50k)->Unit(benchmark::kMicrosecond);

// One keystroke and the redraw it causes (the 60 lines of a screen coloured, the scroll
// range asked for) at the top, the middle or the end of a script of range(0) lines: the
// figures must not grow with the script. range(1): 0 top, 1 middle, 2 end.
class KeystrokeScene {
public:
    KeystrokeScene(int lines, int where) : m_cache(m_buffer, orv::melLineColourer(m_settings)), m_widths(m_buffer, 4)
    {
        loadWords();
        m_buffer.LoadBytes(orv::bench::melTestScript(lines));
        m_cache.stateBefore(m_buffer.LineCount());
        // A line "{" of the procedure body, so no indent is involved.
        const int line = where == 0 ? 1 : where == 1 ? lines / 32 * 16 + 1 : (lines - 20) / 16 * 16 + 1;
        m_edit.setAutoIndent(false);
        m_edit.setCursor({0, line});
        m_top = std::max(0, line - 30);
    }
    orv::TextEditModel& edit() { return m_edit; }
    void redraw()
    {
        for (int line = m_top; line < m_top + 60; ++line)
            m_cache.colourLine(line, m_blocks);
        benchmark::DoNotOptimize(m_widths.longestLine());
    }

private:
    orv::CTextBuffer m_buffer;
    orv::SettingsRecord m_settings;
    orv::LineStateCache m_cache;
    orv::DisplayLengthCache m_widths;
    orv::TextEditModel m_edit{&m_buffer};
    std::vector<orv::ColourBlock> m_blocks;
    int m_top = 0;
};

void keystrokeArgs(benchmark::internal::Benchmark* bench)
{
    bench->ArgNames({"lines", "where"});
    for (const int lines : {100, 1000000})
        for (const int where : {0, 1, 2})
            bench->Args({lines, where});
}

void BM_TypeCharAndRedraw(benchmark::State& state)
{
    KeystrokeScene scene(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    for (auto _ : state) {
        scene.edit().typeChar('x');
        scene.redraw();
        // The line goes back as it was, untimed, so it does not grow from one key to the next.
        state.PauseTiming();
        scene.edit().backspace();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_TypeCharAndRedraw)->Apply(keystrokeArgs)->Unit(benchmark::kMicrosecond);

// Enter splits the line; the join that restores it runs outside the timing.
void BM_EnterAndRedraw(benchmark::State& state)
{
    KeystrokeScene scene(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    for (auto _ : state) {
        scene.edit().typeChar('\r');
        scene.redraw();
        state.PauseTiming();
        scene.edit().backspace();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_EnterAndRedraw)->Apply(keystrokeArgs)->Unit(benchmark::kMicrosecond);

// Backspace at a line's start joins it to the line above; the split that restores it runs
// outside the timing.
void BM_BackspaceJoinAndRedraw(benchmark::State& state)
{
    KeystrokeScene scene(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    for (auto _ : state) {
        state.PauseTiming();
        scene.edit().typeChar('\r');
        state.ResumeTiming();
        scene.edit().backspace();
        scene.redraw();
    }
}
BENCHMARK(BM_BackspaceJoinAndRedraw)->Apply(keystrokeArgs)->Unit(benchmark::kMicrosecond);

} // namespace
