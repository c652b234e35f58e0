// Display columns of a line: a tab advances to the next multiple of the tab size, a wide East
// Asian character takes two columns and every other character one. Positions are bytes of the
// line in its encoding; a UTF-8 sequence is one character.
#pragma once

#include "text/TextEncoding.h"

#include <string>
#include <string_view>

namespace orv {

// The column where the character at `ch` starts.
int displayColumn(std::string_view line, int ch, int tabSize, TextEncoding encoding = TextEncoding::windows1252);
// The character whose start column is the last one at or before `column` (the line's
// length when the line is shorter).
int charAtColumn(std::string_view line, int column, int tabSize, TextEncoding encoding = TextEncoding::windows1252);
// The width of a line in columns.
inline int displayLength(std::string_view line, int tabSize, TextEncoding encoding = TextEncoding::windows1252)
{
    return displayColumn(line, static_cast<int>(line.size()), tabSize, encoding);
}
// The line with its tabs replaced by blanks up to their tab stops.
std::string expandTabs(std::string_view line, int tabSize, TextEncoding encoding = TextEncoding::windows1252);

} // namespace orv
