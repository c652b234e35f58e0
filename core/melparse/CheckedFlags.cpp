// A flag's value count from the words of its type text.
#include "melparse/CheckedFlags.h"

#include "mel/MelVocabulary.h"

#include <string_view>

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

} // namespace orv
