// Importing a hand-written MEL window script: the statement reader alone and the whole
// import (reader, element tree, window file reading and arranging) for 1,000, 10,000 and
// 100,000 controls, to show the growth is linear.
#include "mel/CommandDatabase.h"
#include "melparse/MelStatementReader.h"
#include "uimodel/CUIWindow.h"
#include "uimodel/MelWindowImport.h"

#include <benchmark/benchmark.h>

#include <string>

using namespace orv;

namespace {

// A tool window as people write them: a proc, a query guarding a delete, comments, long and
// short flags, escaped strings, a continued line, rows of five controls in columns of a
// thousand, and a frameLayout holding a button every 50 rows.
std::string toolScript(int controls)
{
    std::string s = "// generated tool window\nglobal proc buildTool()\n{\n"
                    "    if (`window -exists toolWin`) deleteUI toolWin;\n"
                    "    string $w = `window -title \"Tool \\\"big\\\"\" -widthHeight 400 600 toolWin`;\n"
                    "    columnLayout -adjustableColumn true mainColumn;\n";
    int made = 0;
    for (int row = 0; made < controls; ++row) {
        if (row % 200 == 0) {
            if (row > 0)
                s += "        setParent ..;\n";
            s += "        columnLayout -rowSpacing 2 column" + std::to_string(row / 200) + ";\n";
        }
        if (row % 50 == 49)
            s += "        frameLayout -label \"More\"; button -l \"hidden\"; setParent ..;\n";
        s += "        rowLayout -numberOfColumns 5 row" + std::to_string(row) + "; /* one row */\n";
        const std::string n = std::to_string(row);
        s += "            button -label \"Press \\\"" + n + "\\\"\" -command \"doIt(" + n + ")\" -w 80;\n";
        s += "            checkBox -l \"Option\" -value on -annotation \"tick \\\n    it\";\n";
        s += "            intField -minValue 0 -maxValue 100 -v " + n + ";\n";
        s += "            floatSlider -min 0 -max 1 -value 0.5 -horizontal true;\n";
        s += "            text -label \"Label " + n + "\" -align \"left\"; // a comment\n";
        s += "        setParent ..;\n";
        made += 5;
    }
    s += "        setParent ..;\n    setParent ..;\n    showWindow $w;\n}\n";
    return s;
}

void loadDatabase()
{
    static const bool loaded = LoadMelCommandDatabase(std::string(ORVANTE_DATABASE_DIR) + "/melcmd.dat") == LoadResult::ok;
    (void)loaded;
}

void BM_ReadStatements(benchmark::State& state)
{
    const std::string script = toolScript(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadMelStatements(script));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(script.size()));
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ReadStatements)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

void BM_ImportWindow(benchmark::State& state)
{
    loadDatabase();
    const std::string script = toolScript(static_cast<int>(state.range(0)));
    SettingsRecord settings;
    for (auto _ : state) {
        UIModelContext context(settings);
        CUIWindow window(context);
        const MelWindowImport import = ImportMelWindow(script, window);
        if (!import.built)
            state.SkipWithError("no window built");
        benchmark::DoNotOptimize(window.children().size());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(script.size()));
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ImportWindow)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

} // namespace
