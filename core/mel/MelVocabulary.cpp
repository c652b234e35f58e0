// The lookups over the built-in MEL tables (the tables themselves are generated into
// MelTables.cpp).
#include "mel/MelVocabulary.h"

#include "mel/MelWordCompare.h"

#include <algorithm>
#include <array>
#include <vector>

namespace orv {

using mel_detail::bisect;
using mel_detail::splitFlag;
using mel_detail::wordOf;

int FindMelCommand(const char* name)
{
    if (name == nullptr)
        return -1;
    return bisect(name, kMelCommandCount, [](int i) { return std::string_view(kMelCommands[i]); });
}

bool IsMelKeyword(const char* text, int length)
{
    if (text == nullptr || length < 0)
        return false;
    return bisect(wordOf(text, length), kMelKeywordCount,
                  [](int i) { return std::string_view(kMelKeywords[i]); }) >= 0;
}

namespace {
// The flag table's entries split once, so that the colouring's per-word lookups do not
// split (and measure) every entry they pass.
const std::array<mel_detail::FlagNames, kMelFlagCount>& splitFlagTable()
{
    static const auto names = [] {
        std::array<mel_detail::FlagNames, kMelFlagCount> split{};
        for (int i = 0; i < kMelFlagCount; ++i)
            split[static_cast<std::size_t>(i)] = splitFlag(kMelFlags[i]);
        return split;
    }();
    return names;
}
} // namespace

// The long names in byte order, so that a word that is no short name is looked up by
// bisection instead of the scan over every entry: the answer is the same (some entry has
// that long name or none has), and the colouring asks this for most words after a "-".
namespace {
const std::vector<std::string_view>& sortedLongNames()
{
    static const auto names = [] {
        std::vector<std::string_view> sorted;
        sorted.reserve(kMelFlagCount);
        for (const mel_detail::FlagNames& entry : splitFlagTable()) {
            if (!entry.longName.empty())
                sorted.push_back(entry.longName);
        }
        std::sort(sorted.begin(), sorted.end());
        return sorted;
    }();
    return names;
}
} // namespace

bool IsMelFlag(const char* text, int length)
{
    // An empty word would match the entries without a long name; it names no flag.
    if (text == nullptr || length <= 0)
        return false;
    const std::string_view word = wordOf(text, length);
    const auto& names = splitFlagTable();
    // The table is ordered by short name, so any of a short name's duplicates is a hit.
    if (bisect(word, kMelFlagCount, [&names](int i) { return names[static_cast<std::size_t>(i)].shortName; }) >= 0)
        return true;
    return std::binary_search(sortedLongNames().begin(), sortedLongNames().end(), word);
}

void SplitMelFlag(const char* entry, std::string* shortOut, std::string* longOut)
{
    const mel_detail::FlagNames names = splitFlag(entry);
    if (shortOut != nullptr)
        shortOut->assign(names.shortName);
    if (longOut != nullptr)
        longOut->assign(names.longName);
}

namespace {
int booleanStyle(int style)
{
    return (style >= 0 && style <= 2) ? style : 0;
}
} // namespace

const char* MelTrueWord(int style)
{
    return kMelBooleanWords[2 * booleanStyle(style)];
}

const char* MelFalseWord(int style)
{
    return kMelBooleanWords[2 * booleanStyle(style) + 1];
}

} // namespace orv
