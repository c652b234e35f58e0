// A position in a text buffer: character index and line index, both from 0.
#pragma once

#include <compare>

namespace orv {

struct TextPos {
    int ch = 0;    // character index within the line
    int line = 0;  // line index

    friend constexpr bool operator==(const TextPos&, const TextPos&) = default;
    friend constexpr std::strong_ordering operator<=>(const TextPos& a, const TextPos& b)
    {
        if (const auto byLine = a.line <=> b.line; byLine != 0)
            return byLine;
        return a.ch <=> b.ch;
    }
};

// Where a position ends up after text from `start` to `end` was inserted: positions at or
// after the insertion point move with the text that follows them.
constexpr TextPos shiftForInsert(TextPos p, TextPos start, TextPos end)
{
    if (p < start)
        return p;
    if (p.line == start.line)
        return {end.ch + (p.ch - start.ch), end.line};
    return {p.ch, p.line + (end.line - start.line)};
}

// Where a position ends up after the range from `start` to `end` was erased: positions
// inside the range collapse onto its start.
constexpr TextPos shiftForErase(TextPos p, TextPos start, TextPos end)
{
    if (p <= start)
        return p;
    if (p < end)
        return start;
    if (p.line == end.line)
        return {start.ch + (p.ch - end.ch), start.line};
    return {p.ch, p.line - (end.line - start.line)};
}

// An ordered range of text, start included, end excluded.
struct TextRange {
    TextPos start;
    TextPos end;

    constexpr bool empty() const { return start == end; }
    friend constexpr bool operator==(const TextRange&, const TextRange&) = default;
};

} // namespace orv
