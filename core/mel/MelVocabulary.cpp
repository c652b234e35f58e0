// The lookups over the built-in MEL tables (the tables themselves are generated into
// MelTables.cpp).
#include "mel/MelVocabulary.h"

#include "mel/MelWordCompare.h"

#include <array>

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
    for (const mel_detail::FlagNames& entry : names) {
        if (entry.longName == word)
            return true;
    }
    return false;
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
