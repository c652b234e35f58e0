// Reading script text into lines by its line-end style; script text is written by the
// safe file writer.
#pragma once

#include "files/SafeFileWriter.h"

#include "text/TextConstants.h"
#include "text/TextLine.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace orv {

// The style of a text from its first block: the first LF decides (CR before it: DOS; CR
// after it: UNIX; neither: MAC); a block without LF is DOS.
LineEnd detectLineEndStyle(std::string_view firstBlock);

// Splits bytes fed in any pieces into lines at the separator of one style; every other
// byte, a stray CR or LF included, stays in its line.
class LineSplitter {
public:
    explicit LineSplitter(LineEnd style) : m_separator(lineEndSeparator(style)) {}
    void feed(std::string_view bytes);
    // The lines made whole since the last call, handed over.
    std::vector<TextLine> takeLines() { return std::exchange(m_lines, {}); }
    // The lines, the rest after the last separator (possibly empty) as the last line.
    std::vector<TextLine> finish();

private:
    void endLine();

    std::string_view m_separator;
    std::size_t m_matched = 0;
    std::string m_line;
    std::vector<TextLine> m_lines;
};

struct LoadedText {
    std::vector<TextLine> lines;
    LineEnd style = LineEnd::crLf;
    bool readOnly = false;
};

// Splits text held in memory the way a file is read; `style` -1 detects it.
LoadedText splitText(std::string_view bytes, int style);

// Reads a whole file; `style` -1 detects it. Nothing when the file cannot be opened or read,
// with the reason in `error`.
std::optional<LoadedText> readTextFile(const std::string& path, int style, std::string& error);

// Reads a file block by block and hands out each line once it is whole, so that memory holds
// the lines of one block and not those of the whole file; `style` -1 detects it. False, with
// the reason in `error`, when the file cannot be opened or read (the lines handed out so far stand).
bool readTextFileLines(const std::string& path, int style, const std::function<void(TextLine&&)>& onLine,
                       std::string& error);

} // namespace orv
