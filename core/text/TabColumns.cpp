// Tab-expanded columns.
#include "text/TabColumns.h"

#include <algorithm>

namespace orv {

namespace {
int advance(int column, char c, int tabSize)
{
    return c == '\t' ? (column / tabSize + 1) * tabSize : column + 1;
}
} // namespace

int displayColumn(std::string_view line, int ch, int tabSize)
{
    tabSize = std::max(tabSize, 1);
    const int end = std::clamp(ch, 0, static_cast<int>(line.size()));
    int column = 0;
    for (int i = 0; i < end; ++i)
        column = advance(column, line[static_cast<std::size_t>(i)], tabSize);
    return column;
}

int charAtColumn(std::string_view line, int column, int tabSize)
{
    tabSize = std::max(tabSize, 1);
    int at = 0;
    for (int i = 0; i < static_cast<int>(line.size()); ++i) {
        const int next = advance(at, line[static_cast<std::size_t>(i)], tabSize);
        if (next > column)
            return i;
        at = next;
    }
    return static_cast<int>(line.size());
}

std::string expandTabs(std::string_view line, int tabSize)
{
    tabSize = std::max(tabSize, 1);
    std::string out;
    out.reserve(line.size());
    for (const char c : line) {
        if (c == '\t')
            out.append(static_cast<std::size_t>(tabSize - static_cast<int>(out.size()) % tabSize), ' ');
        else
            out.push_back(c);
    }
    return out;
}

} // namespace orv
