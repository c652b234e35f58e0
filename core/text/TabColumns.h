// Display columns of a line: a tab advances to the next multiple of the tab size, every
// other character takes one column.
#pragma once

#include <string>
#include <string_view>

namespace orv {

// The column where the character at `ch` starts.
int displayColumn(std::string_view line, int ch, int tabSize);
// The character whose start column is the last one at or before `column` (the line's
// length when the line is shorter).
int charAtColumn(std::string_view line, int column, int tabSize);
// The width of a line in columns.
inline int displayLength(std::string_view line, int tabSize)
{
    return displayColumn(line, static_cast<int>(line.size()), tabSize);
}
// The line with its tabs replaced by blanks up to their tab stops.
std::string expandTabs(std::string_view line, int tabSize);

} // namespace orv
