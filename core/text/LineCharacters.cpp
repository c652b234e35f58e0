// Stepping over the characters of a line and their widths.
#include "text/LineCharacters.h"

#include <algorithm>
#include <array>

namespace orv {

namespace {

constexpr int kLongestSequence = 4;

// The code points shown two columns wide, first and last of each range.
struct WideRange {
    char32_t first;
    char32_t last;
};
constexpr std::array<WideRange, 17> kWide = {{
    {0x1100, 0x115F},   {0x2E80, 0x303E},   {0x3041, 0x33FF},   {0x3400, 0x4DBF}, {0x4E00, 0x9FFF},
    {0xA000, 0xA4CF},   {0xA960, 0xA97F},   {0xAC00, 0xD7A3},   {0xF900, 0xFAFF}, {0xFE10, 0xFE19},
    {0xFE30, 0xFE6F},   {0xFF00, 0xFF60},   {0xFFE0, 0xFFE6},   {0x1F300, 0x1F64F}, {0x1F900, 0x1F9FF},
    {0x20000, 0x2FFFD}, {0x30000, 0x3FFFD},
}};

int size(std::string_view line)
{
    return static_cast<int>(line.size());
}

} // namespace

LineCharacter characterAt(std::string_view line, int ch, TextEncoding encoding)
{
    if (ch < 0 || ch >= size(line))
        return {0, 0};
    const auto byte = static_cast<unsigned char>(line[static_cast<std::size_t>(ch)]);
    if (encoding == TextEncoding::windows1252)
        return {Windows1252ToCodePoint(byte), 1};
    if (byte < 0x80)
        return {byte, 1};
    LineCharacter found{byte, 1};
    if (const std::size_t length = DecodeUtf8At(line, static_cast<std::size_t>(ch), found.codePoint); length > 0)
        found.length = static_cast<int>(length);
    return found;
}

int nextCharStart(std::string_view line, int ch, TextEncoding encoding)
{
    if (ch >= size(line))
        return ch;
    return std::max(ch, 0) + characterAt(line, std::max(ch, 0), encoding).length;
}

int charStartAt(std::string_view line, int ch, TextEncoding encoding)
{
    if (encoding == TextEncoding::windows1252 || ch <= 0 || ch >= size(line) ||
        static_cast<unsigned char>(line[static_cast<std::size_t>(ch)]) < 0x80)
        return ch;
    // A sequence holding ch starts at most three bytes before it.
    for (int start = ch - 1; start >= std::max(0, ch - (kLongestSequence - 1)); --start)
        if (start + characterAt(line, start, encoding).length > ch)
            return start;
    return ch;
}

int prevCharStart(std::string_view line, int ch, TextEncoding encoding)
{
    ch = std::min(ch, size(line));
    if (ch <= 0)
        return 0;
    return charStartAt(line, ch - 1, encoding);
}

int charactersBefore(std::string_view line, int ch, TextEncoding encoding)
{
    ch = std::clamp(ch, 0, size(line));
    if (encoding == TextEncoding::windows1252)
        return ch;
    int count = 0;
    for (int at = 0; at < ch; at = nextCharStart(line, at, encoding))
        ++count;
    return count;
}

int characterColumns(char32_t codePoint)
{
    if (codePoint < kWide.front().first)
        return 1;
    const auto range = std::find_if(kWide.begin(), kWide.end(), [codePoint](const WideRange& r) {
        return codePoint >= r.first && codePoint <= r.last;
    });
    return range == kWide.end() ? 1 : 2;
}

} // namespace orv
