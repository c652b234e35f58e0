// Reading script text into lines by its line-end style, and writing a file safely: through
// a temporary file in the target's folder that replaces the target only when complete.
#pragma once

#include "text/TextConstants.h"
#include "text/TextLine.h"

#include <optional>
#include <string>
#include <string_view>
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

// Writes a file through a temporary file ("ORV" prefix) in the target's folder: the data is
// flushed to disk and then renamed over the target, so the target holds either its old or
// its whole new content at every moment. A writer that is not committed removes its
// temporary file and leaves the target as it was.
class SafeFileWriter {
public:
    SafeFileWriter() = default;
    SafeFileWriter(const SafeFileWriter&) = delete;
    SafeFileWriter& operator=(const SafeFileWriter&) = delete;
    ~SafeFileWriter();

    bool open(const std::string& targetPath);
    bool write(std::string_view bytes);
    bool commit();

    const std::string& error() const { return m_error; }

private:
    bool fail(const std::string& step);
    void discard();

    std::string m_target;
    std::string m_tempPath;
    int m_fd = -1;
    std::string m_error;
};

} // namespace orv
