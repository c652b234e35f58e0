// Word wrapping and page filling for printing.
#include "text/PrintLayout.h"

#include "text/LineCharacters.h"
#include "text/TabColumns.h"

#include <algorithm>

namespace orv {

namespace {

// The bytes of the longest prefix of whole characters that fits in the width (at least one
// character, so that printing ends).
std::size_t fittingPrefix(std::string_view text, int width, TextEncoding encoding)
{
    std::size_t fits = 0;
    int columns = 0;
    while (fits < text.size()) {
        const LineCharacter character = characterAt(text, static_cast<int>(fits), encoding);
        columns += characterColumns(character.codePoint);
        if (columns > width && fits > 0)
            break;
        fits += static_cast<std::size_t>(character.length);
    }
    return fits;
}

} // namespace

std::vector<std::string> wrapLine(std::string_view line, int tabSize, int width, TextEncoding encoding)
{
    const std::string expanded = expandTabs(line, tabSize, encoding);
    std::string_view rest = expanded;
    std::vector<std::string> rows;
    while (rest.size() > 0) {
        const std::size_t fits = fittingPrefix(rest, width, encoding);
        if (fits == rest.size()) {
            rows.emplace_back(rest);
            break;
        }
        // Break at the last blank that fits or directly follows the part that fits, when a
        // word stands before it (leading blanks are no break); the blanks at a break stay at
        // the end of the row, so that the next row starts with a word.
        const std::string_view candidates = rest.substr(0, fits + 1);
        const std::size_t firstWord = candidates.find_first_not_of(' ');
        const std::size_t blank = candidates.find_last_of(' ');
        std::size_t cut = fits;
        if (blank != std::string_view::npos && firstWord != std::string_view::npos && blank > firstWord) {
            cut = blank;
            while (cut < rest.size() && rest[cut] == ' ')
                ++cut;
        }
        rows.emplace_back(rest.substr(0, cut));
        rest.remove_prefix(cut);
    }
    if (rows.empty())
        rows.emplace_back();
    return rows;
}

std::vector<PrintedPage> PaginateText(const CTextBuffer& buffer, int tabSize, const PageMetrics& metrics)
{
    const int lineHeight = std::max(metrics.lineHeight, 1);
    const int rowsPerPage = std::max(metrics.height / lineHeight, 1);
    const int width = std::max(metrics.width, 1);
    std::vector<PrintedPage> pages(1);
    int used = 0;
    for (int line = 0; line < buffer.LineCount(); ++line) {
        const auto rows = wrapLine(buffer.LineText(line), tabSize, width, buffer.Encoding());
        const int count = static_cast<int>(rows.size());
        if (used > 0 && used + count > rowsPerPage) {
            pages.emplace_back();
            used = 0;
        }
        for (const auto& row : rows) {
            if (used == rowsPerPage) {
                pages.emplace_back();
                used = 0;
            }
            pages.back().rows.push_back({line, row});
            ++used;
        }
    }
    return pages;
}

} // namespace orv
