// The helpers shared by every MEL table lookup: the word comparison (unsigned bytes,
// case-sensitive, a proper prefix sorting first), the bisection and the flag entry split.
#pragma once

#include <cstring>
#include <string_view>

namespace orv::mel_detail {

// < 0, 0 or > 0 as the word sorts before, equal to or after the entry.
inline int compareWord(std::string_view word, std::string_view entry)
{
    const std::size_t common = word.size() < entry.size() ? word.size() : entry.size();
    if (common > 0) {
        const int byBytes = std::memcmp(word.data(), entry.data(), common);  // unsigned bytes
        if (byBytes != 0)
            return byBytes;
    }
    if (word.size() == entry.size())
        return 0;
    return word.size() < entry.size() ? -1 : 1;
}

// The bisection of the sorted tables: probes entryAt(mid) for mid in [0, count]; the entry
// past the end or an empty entry ends the search unsuccessfully. Returns the index or -1.
template <typename EntryAt>
int bisect(std::string_view word, int count, EntryAt entryAt)
{
    int lo = 0;
    int hi = count;
    if (hi < 0)
        return -1;
    while (lo <= hi) {
        const int mid = (lo + hi) >> 1;
        if (mid >= count)
            return -1;
        const std::string_view entry = entryAt(mid);
        if (entry.empty())
            return -1;
        const int order = compareWord(word, entry);
        if (order == 0)
            return mid;
        if (order < 0)
            hi = mid - 1;
        else
            lo = mid + 1;
    }
    return -1;
}

struct FlagNames {
    std::string_view shortName;
    std::string_view longName;
};

// "-ztp-zeroTransformPivots" -> "ztp", "zeroTransformPivots"; one leading dash is skipped,
// the short name runs to the next dash, the long name is everything after that dash.
inline FlagNames splitFlag(const char* entry)
{
    if (entry == nullptr)
        return {};
    std::string_view rest(entry);
    if (!rest.empty() && rest.front() == '-')
        rest.remove_prefix(1);
    const std::size_t dash = rest.find('-');
    if (dash == std::string_view::npos)
        return {rest, {}};
    return {rest.substr(0, dash), rest.substr(dash + 1)};
}

// The word a caller passes as (text, length); nothing for a null text or a negative length.
inline std::string_view wordOf(const char* text, int length)
{
    if (text == nullptr || length < 0)
        return {};
    return {text, static_cast<std::size_t>(length)};
}

} // namespace orv::mel_detail
