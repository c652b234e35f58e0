// Line-by-line search with case folding and whole-word checks.
#include "text/TextSearch.h"

#include "text/CharClass.h"
#include "text/TextConstants.h"

#include <algorithm>
#include <array>

namespace orv {

namespace {

// Upper case of a Windows-1252 byte: a-z and the accented lower-case letters of Latin-1, but
// not the division sign or the letters without a capital there. Without the accented letters,
// the upper case of a byte that begins a UTF-8 character (ASCII or a lead byte).
constexpr std::array<unsigned char, 256> makeUpperTable(bool accented)
{
    std::array<unsigned char, 256> table{};
    for (int c = 0; c < 256; ++c) {
        const bool lower = (c >= 'a' && c <= 'z') || (accented && c >= 0xE0 && c <= 0xFE && c != 0xF7);
        table[static_cast<std::size_t>(c)] = static_cast<unsigned char>(lower ? c - 0x20 : c);
    }
    return table;
}
constexpr auto kUpper = makeUpperTable(true);
constexpr auto kUpperAscii = makeUpperTable(false);

// The byte at i of a text, upper-cased. In UTF-8 only a-z and the accented letters of Latin-1
// fold: their second byte after the lead 0xC3 (which is never a continuation byte) moves down
// by 0x20, so a folded text keeps its length and every match stays where it was.
unsigned char upperAt(std::string_view text, std::size_t i, TextEncoding encoding)
{
    const auto c = static_cast<unsigned char>(text[i]);
    if (c < 0x80 || encoding == TextEncoding::windows1252)
        return kUpper[c];
    constexpr unsigned char kLatin1Lead = 0xC3;
    const bool latin1Lower = i > 0 && static_cast<unsigned char>(text[i - 1]) == kLatin1Lead && c >= 0xA0 &&
                             c <= 0xBE && c != 0xB7;
    return latin1Lower ? static_cast<unsigned char>(c - 0x20) : c;
}

// One search: the pattern in the text's encoding, how it compares, and where in a line a
// match may lie.
class Matcher {
public:
    Matcher(std::string_view what, unsigned flags, TextEncoding encoding)
        : m_what(Utf8ToEncoding(what, encoding)), m_matchCase((flags & find_flag::kMatchCase) != 0),
          m_wholeWord((flags & find_flag::kWholeWord) != 0), m_encoding(encoding)
    {
        for (std::size_t i = 0; i < m_what.size(); ++i)
            m_upperWhat += static_cast<char>(upperAt(m_what, i, encoding));
    }

    // The first (or last) accepted match that begins in [beginMin, beginMax) and ends by endMax.
    std::optional<int> find(std::string_view line, int beginMin, int beginMax, int endMax, bool last) const
    {
        const int size = static_cast<int>(m_what.size());
        endMax = std::min(endMax, static_cast<int>(line.size()));
        beginMax = std::min(beginMax, endMax - size + 1);
        std::optional<int> found;
        for (int from = beginMin; from < beginMax;) {
            const int at = next(line, from, beginMax - 1 + size);
            if (at < 0 || at >= beginMax)
                break;
            if (acceptsWord(line, at)) {
                found = at;
                if (!last)
                    break;
            }
            // A rejected (or superseded) match: resume one character after its start.
            from = at + 1;
        }
        return found;
    }

    int size() const { return static_cast<int>(m_what.size()); }

private:
    // The first match at or after `from` that ends by `end`, or -1.
    int next(std::string_view line, int from, int end) const
    {
        const std::string_view piece = line.substr(0, static_cast<std::size_t>(end));
        if (m_matchCase) {
            const auto at = piece.find(m_what, static_cast<std::size_t>(from));
            return at == std::string_view::npos ? -1 : static_cast<int>(at);
        }
        // A match begins a character, whose first byte folds on its own: it is looked for first,
        // the rest compared only where it stands.
        const auto& foldFirst = m_encoding == TextEncoding::windows1252 ? kUpper : kUpperAscii;
        const std::size_t length = m_upperWhat.size();
        if (piece.size() < length)
            return -1;
        const auto first = static_cast<unsigned char>(m_upperWhat[0]);
        const auto last = piece.end() - static_cast<std::ptrdiff_t>(length - 1);
        for (auto it = piece.begin() + from; it < last; ++it) {
            it = std::find_if(it, last, [&](char c) { return foldFirst[static_cast<unsigned char>(c)] == first; });
            if (it == last)
                break;
            const auto at = static_cast<std::size_t>(it - piece.begin());
            std::size_t i = 1;
            while (i < length && upperAt(piece, at + i, m_encoding) == static_cast<unsigned char>(m_upperWhat[i]))
                ++i;
            if (i == length)
                return static_cast<int>(at);
        }
        return -1;
    }

    bool acceptsWord(std::string_view line, int at) const
    {
        if (!m_wholeWord)
            return true;
        const std::size_t end = static_cast<std::size_t>(at + size());
        const bool wordBefore = at > 0 && isWordChar(line[static_cast<std::size_t>(at - 1)]);
        const bool wordAfter = end < line.size() && isWordChar(line[end]);
        return !wordBefore && !wordAfter;
    }

    std::string m_what;
    std::string m_upperWhat;
    bool m_matchCase;
    bool m_wholeWord;
    TextEncoding m_encoding;
};

} // namespace

std::optional<TextRange> FindInBlock(const CTextBuffer& buffer, std::string_view what, TextPos start,
                                     TextPos blockStart, TextPos blockEnd, unsigned flags, bool wrap)
{
    blockStart = buffer.Clamp(blockStart);
    blockEnd = buffer.Clamp(blockEnd);
    if (what.empty() || blockEnd <= blockStart)
        return std::nullopt;
    start = std::clamp(buffer.Clamp(start), blockStart, blockEnd);
    const Matcher matcher(what, flags, buffer.Encoding());
    const bool up = (flags & find_flag::kUp) != 0;

    // Searches one line between the block's limits and `from`/`before` on that line.
    const auto searchLine = [&](int line, int from, int before) -> std::optional<TextRange> {
        const std::string_view text = buffer.LineText(line);
        const int lineFrom = line == blockStart.line ? std::max(from, blockStart.ch) : from;
        const int lineEnd = line == blockEnd.line ? blockEnd.ch : static_cast<int>(text.size());
        const auto at = matcher.find(text, lineFrom, before, lineEnd, up);
        if (!at)
            return std::nullopt;
        return TextRange{{*at, line}, {*at + matcher.size(), line}};
    };
    constexpr int kWholeLine = 1 << 30;

    if (!up) {
        if (auto hit = searchLine(start.line, start.ch, kWholeLine))
            return hit;
        for (int line = start.line + 1; line <= blockEnd.line; ++line)
            if (auto hit = searchLine(line, 0, kWholeLine))
                return hit;
        if (wrap)
            for (int line = blockStart.line; line <= blockEnd.line; ++line)
                if (auto hit = searchLine(line, 0, kWholeLine))
                    return hit;
        return std::nullopt;
    }
    if (auto hit = searchLine(start.line, 0, start.ch))
        return hit;
    for (int line = start.line - 1; line >= blockStart.line; --line)
        if (auto hit = searchLine(line, 0, kWholeLine))
            return hit;
    if (wrap)
        for (int line = blockEnd.line; line >= blockStart.line; --line)
            if (auto hit = searchLine(line, 0, kWholeLine))
                return hit;
    return std::nullopt;
}

std::optional<TextRange> FindInText(const CTextBuffer& buffer, std::string_view what, TextPos start,
                                    unsigned flags, bool wrap)
{
    return FindInBlock(buffer, what, start, {0, 0}, buffer.EndPos(), flags, wrap);
}

} // namespace orv
