// A command's flags and value counts from its flag record and the flag type texts.
#include "melparse/CheckedFlags.h"

#include "mel/CommandDatabase.h"
#include "mel/MelVocabulary.h"
#include "mel/MelWordCompare.h"

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

std::vector<CheckedFlag> checkedFlagsOf(std::string_view command)
{
    std::vector<CheckedFlag> flags;
    const int index = FindMelCommand(std::string(command).c_str());
    if (index < 0)
        return flags;
    const CommandFlagRecord& record = GetCommandFlagRecord(index);
    flags.reserve(static_cast<std::size_t>(record.pairCount));
    for (int j = 0; j < record.pairCount; ++j) {
        const FlagPair& pair = record.pairs[static_cast<std::size_t>(j)];
        const mel_detail::FlagNames names = mel_detail::splitFlag(kMelFlags[pair.flagIndex]);
        flags.push_back({names.shortName, names.longName, pair.typeIndex, flagValueCount(pair.typeIndex)});
    }
    return flags;
}

const CheckedFlag* findCheckedFlag(const std::vector<CheckedFlag>& flags, std::string_view name)
{
    for (const CheckedFlag& flag : flags)
        if (flag.shortName == name || flag.longName == name)
            return &flag;
    return nullptr;
}

} // namespace orv
