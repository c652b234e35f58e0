// Tab-expanded columns.
#include "text/TabColumns.h"

#include "text/LineCharacters.h"

#include <algorithm>

namespace orv {

namespace {

// Calls step(start, length, columnBefore, columnAfter) for each character of the line, from the
// first, until it returns false.
template <typename Step>
void walkColumns(std::string_view line, int tabSize, TextEncoding encoding, Step step)
{
    tabSize = std::max(tabSize, 1);
    int column = 0;
    for (int at = 0; at < static_cast<int>(line.size());) {
        const char c = line[static_cast<std::size_t>(at)];
        int length = 1;
        int next = column + 1;
        if (c == '\t') {
            next = (column / tabSize + 1) * tabSize;
        } else if (encoding == TextEncoding::utf8 && static_cast<unsigned char>(c) >= 0x80) {
            const LineCharacter character = characterAt(line, at, encoding);
            length = character.length;
            next = column + characterColumns(character.codePoint);
        }
        if (!step(at, length, column, next))
            return;
        column = next;
        at += length;
    }
}

} // namespace

int displayColumn(std::string_view line, int ch, int tabSize, TextEncoding encoding)
{
    const int end = std::clamp(ch, 0, static_cast<int>(line.size()));
    int column = 0;
    walkColumns(line, tabSize, encoding, [&](int at, int, int, int next) {
        if (at >= end)
            return false;
        column = next;
        return true;
    });
    return column;
}

int charAtColumn(std::string_view line, int column, int tabSize, TextEncoding encoding)
{
    int found = static_cast<int>(line.size());
    walkColumns(line, tabSize, encoding, [&](int at, int, int, int next) {
        if (next > column) {
            found = at;
            return false;
        }
        return true;
    });
    return found;
}

std::string expandTabs(std::string_view line, int tabSize, TextEncoding encoding)
{
    std::string out;
    out.reserve(line.size());
    walkColumns(line, tabSize, encoding, [&](int at, int length, int column, int next) {
        if (line[static_cast<std::size_t>(at)] == '\t')
            out.append(static_cast<std::size_t>(next - column), ' ');
        else
            out.append(line.substr(static_cast<std::size_t>(at), static_cast<std::size_t>(length)));
        return true;
    });
    return out;
}

} // namespace orv
