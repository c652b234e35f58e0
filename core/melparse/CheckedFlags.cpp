// A command's flags and value counts from its flag record and the flag type texts, merged with
// today's command facts.
#include "melparse/CheckedFlags.h"

#include "mel/CommandDatabase.h"
#include "mel/CommandFacts.h"
#include "mel/MelVocabulary.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace orv {

int flagValueCount(int typeIndex)
{
    if (typeIndex == mel_type::kNone)
        return 0;
    if (typeIndex < 0 || typeIndex >= kMelFlagTypeCount)
        return -1;
    const std::string_view type = kMelFlagTypes[typeIndex];
    int count = 0;
    std::size_t pos = 0;
    while (pos < type.size()) {
        std::size_t end = type.find(' ', pos);
        if (end == std::string_view::npos)
            end = type.size();
        const std::string_view word = type.substr(pos, end - pos);
        if (word.ends_with("[...]") || word.ends_with("Range"))
            return -1;
        if (word != "(multi-use)" && !word.empty())
            ++count;
        pos = end + 1;
    }
    return count == 0 ? -1 : count;
}

namespace {

// The smaller of two value counts, an open count (-1) being the smallest.
int smallerCount(int a, int b)
{
    return (a < 0 || b < 0) ? -1 : std::min(a, b);
}

void addFacts(const CommandFact& fact, std::vector<CheckedFlag>& flags)
{
    const std::size_t fromRecord = flags.size();
    for (const FactFlag& f : fact.flags) {
        const int count = factValueCount(f.arguments);
        const bool queryOnly = (f.modes & flag_mode::kQueryOnly) != 0;
        auto same = std::find_if(flags.begin(), flags.begin() + static_cast<std::ptrdiff_t>(fromRecord),
                                 [&f](const CheckedFlag& c) {
                                     return f.longName.empty() ? c.shortName == f.shortName && c.longName.empty()
                                                               : c.longName == f.longName;
                                 });
        if (same == flags.begin() + static_cast<std::ptrdiff_t>(fromRecord)) {
            flags.push_back({f.shortName, f.longName, mel_type::kNone, count < 0 ? -1 : count, f.arguments, queryOnly});
            continue;
        }
        // A boolean of the facts may be written without its value: the record tells.
        if (f.arguments != "boolean")
            same->valueCount = smallerCount(same->valueCount, count);
        if (same->shortName.empty())
            same->shortName = f.shortName;
        same->queryOnly = queryOnly;
    }
}

} // namespace

std::vector<CheckedFlag> checkedFlagsOf(std::string_view command)
{
    std::vector<CheckedFlag> flags;
    for (const CommandFlag& flag : CommandFlags(std::string(command).c_str()))
        flags.push_back({flag.shortName, flag.longName, flag.typeIndex, flagValueCount(flag.typeIndex), flag.typeText, false});
    if (const CommandFact* fact = FindCommandFact(command))
        addFacts(*fact, flags);
    return flags;
}

bool mayBeUntoldShortName(const std::vector<CheckedFlag>& flags, std::string_view word)
{
    const auto lower = [](char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); };
    for (const CheckedFlag& flag : flags) {
        if (!flag.shortName.empty() || flag.longName.empty() || word.empty() || lower(word[0]) != lower(flag.longName[0]))
            continue;
        std::size_t at = 1;
        for (std::size_t i = 1; i < flag.longName.size() && at < word.size(); ++i)
            if (lower(flag.longName[i]) == lower(word[at]))
                ++at;
        if (at == word.size())
            return true;
    }
    return false;
}

const CheckedFlag* findCheckedFlag(const std::vector<CheckedFlag>& flags, std::string_view name)
{
    for (const CheckedFlag& flag : flags)
        if (flag.shortName == name || flag.longName == name)
            return &flag;
    return nullptr;
}

} // namespace orv
