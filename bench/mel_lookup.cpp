// The lookups the colouring runs for every word drawn: keyword, flag (short-name hit, and
// the long-name scan on a hit late in the table and on a miss), command, command word.
#include "mel/CommandDatabase.h"
#include "mel/MelVocabulary.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <string>

namespace {

void lookupFlag(benchmark::State& state, const char* word)
{
    const int length = static_cast<int>(std::strlen(word));
    for (auto _ : state)
        benchmark::DoNotOptimize(orv::IsMelFlag(word, length));
}

void BM_IsMelFlagShortHit(benchmark::State& state) { lookupFlag(state, "w"); }
void BM_IsMelFlagLongHitEarly(benchmark::State& state) { lookupFlag(state, "abort"); }
void BM_IsMelFlagLongHitLate(benchmark::State& state) { lookupFlag(state, "zeroTransformPivots"); }
void BM_IsMelFlagMiss(benchmark::State& state) { lookupFlag(state, "notAFlagName"); }

void BM_IsMelKeyword(benchmark::State& state)
{
    for (auto _ : state) {
        benchmark::DoNotOptimize(orv::IsMelKeyword("string", 6));
        benchmark::DoNotOptimize(orv::IsMelKeyword("stringArray", 11));
    }
}

void BM_FindMelCommand(benchmark::State& state)
{
    for (auto _ : state) {
        benchmark::DoNotOptimize(orv::FindMelCommand("textScrollList"));
        benchmark::DoNotOptimize(orv::FindMelCommand("Window"));
    }
}

void BM_IsMelCommandWord(benchmark::State& state)
{
    orv::LoadMelCommandWords(std::string(ORVANTE_DATABASE_DIR) + "/MEL Commands.txt");
    for (auto _ : state) {
        benchmark::DoNotOptimize(orv::IsMelCommandWord("showWindow", 10));
        benchmark::DoNotOptimize(orv::IsMelCommandWord("myProcName", 10));
    }
    orv::FreeMelCommandWords();
}

void BM_CommandTypedFlags(benchmark::State& state)
{
    orv::LoadMelCommandDatabase(std::string(ORVANTE_DATABASE_DIR) + "/melcmd.dat");
    for (auto _ : state)
        benchmark::DoNotOptimize(orv::CommandTypedFlags("rowLayout"));
}

} // namespace

BENCHMARK(BM_IsMelFlagShortHit);
BENCHMARK(BM_IsMelFlagLongHitEarly);
BENCHMARK(BM_IsMelFlagLongHitLate);
BENCHMARK(BM_IsMelFlagMiss);
BENCHMARK(BM_IsMelKeyword);
BENCHMARK(BM_FindMelCommand);
BENCHMARK(BM_IsMelCommandWord);
BENCHMARK(BM_CommandTypedFlags);
