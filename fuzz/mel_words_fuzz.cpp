// "MEL Commands.txt" of any bytes: the list loads without overrunning anything, and every
// word of the file that a command name could be is then found by the lookup.
#include "mel/CommandDatabase.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    orv::ParseMelCommandWords(text);
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; };
    // The list holds the first 32767 words (its count is a signed 16-bit number).
    std::size_t at = 0;
    for (int words = 0; at < text.size() && words < 32767;) {
        if (blank(text[at])) {
            ++at;
            continue;
        }
        const std::size_t start = at;
        while (at < text.size() && !blank(text[at]))
            ++at;
        const std::size_t length = at - start;
        if (length > 255)
            continue;
        ++words;
        if (!orv::IsMelCommandWord(text.data() + start, static_cast<int>(length)))
            std::abort();
    }
    orv::FreeMelCommandWords();
    return 0;
}
