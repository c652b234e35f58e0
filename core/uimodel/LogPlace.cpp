// Reading "file:line:column: " at the start of a log line.
#include "uimodel/LogPlace.h"

namespace orv {

namespace {

// The number of 1 to 9 digits at text[at]; at moves past them. None when there is none or
// it is 0 (lines and columns count from 1).
std::optional<int> readCount(std::string_view text, std::size_t& at)
{
    int value = 0;
    std::size_t digits = 0;
    while (at < text.size() && text[at] >= '0' && text[at] <= '9' && digits < 9) {
        value = value * 10 + (text[at] - '0');
        ++at;
        ++digits;
    }
    if (digits == 0 || value == 0 || (at < text.size() && text[at] >= '0' && text[at] <= '9'))
        return std::nullopt;
    return value;
}

} // namespace

std::optional<LogPlace> FindLogPlace(std::string_view line)
{
    for (std::size_t colon = line.find(':', 1); colon != std::string_view::npos; colon = line.find(':', colon + 1)) {
        std::size_t at = colon + 1;
        const std::optional<int> number = readCount(line, at);
        if (!number || at >= line.size() || line[at] != ':')
            continue;
        ++at;
        const std::optional<int> column = readCount(line, at);
        if (!column || line.substr(at, 2) != ": ")
            continue;
        return LogPlace{std::string(line.substr(0, colon)), *number, *column};
    }
    return std::nullopt;
}

} // namespace orv
