// Print pagination: lines word-wrapped to the page width with tabs expanded, pages filled
// line by line without splitting a line across pages, and the "Page %d/%d" footer. Widths
// count the columns of the screen (a wide East Asian character takes two), as a page is
// printed in cells of one width like the view.
#pragma once

#include "text/CTextBuffer.h"

#include <string>
#include <string_view>
#include <vector>

namespace orv {

struct PageMetrics {
    int width = 80;       // of the text area, in columns
    int height = 60;      // of the text area, the footer band already taken off
    int lineHeight = 1;
};

// The band the footer takes below the text: one and a half print line heights.
inline int footerBand(int lineHeight)
{
    return lineHeight + lineHeight / 2;
}

struct PrintedRow {
    int line = 0;       // the buffer line the row belongs to
    std::string text;   // tabs expanded
};

struct PrintedPage {
    std::vector<PrintedRow> rows;
};

// The rows a line prints as: broken after the last blank that fits (the blanks at a break
// end the row), or where the width runs out when a word alone is wider, never inside a
// character; an empty line is one empty row.
std::vector<std::string> wrapLine(std::string_view line, int tabSize, int width,
                                  TextEncoding encoding = TextEncoding::windows1252);

// A line that does not fit below the previous ones starts a new page; only a line taller
// than a whole page continues on the next (no text is left out).
std::vector<PrintedPage> PaginateText(const CTextBuffer& buffer, int tabSize, const PageMetrics& metrics);

} // namespace orv
