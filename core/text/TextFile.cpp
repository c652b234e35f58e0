// File reading by line-end style.
#include "text/TextFile.h"

#include "files/FileReader.h"

#include <iterator>

namespace orv {

LineEnd detectLineEndStyle(std::string_view firstBlock)
{
    const auto lf = firstBlock.find('\n');
    if (lf == std::string_view::npos)
        return LineEnd::crLf;
    if (lf > 0 && firstBlock[lf - 1] == '\r')
        return LineEnd::crLf;
    if (lf + 1 < firstBlock.size() && firstBlock[lf + 1] == '\r')
        return LineEnd::lfCr;
    return LineEnd::lf;
}

void LineSplitter::feed(std::string_view bytes)
{
    while (!bytes.empty()) {
        if (m_matched > 0) {
            if (bytes.front() == m_separator[m_matched]) {
                bytes.remove_prefix(1);
                if (++m_matched == m_separator.size())
                    endLine();
                continue;
            }
            // A broken partial match keeps its bytes as text; the byte that broke it may
            // itself begin a separator (CR CR LF is a CR followed by a line end).
            m_line.append(m_separator.substr(0, m_matched));
            m_matched = 0;
        }
        const auto start = bytes.find(m_separator[0]);
        if (start == std::string_view::npos) {
            m_line.append(bytes);
            return;
        }
        m_line.append(bytes.substr(0, start));
        bytes.remove_prefix(start + 1);
        if (++m_matched == m_separator.size())
            endLine();
    }
}

void LineSplitter::endLine()
{
    m_lines.emplace_back(m_line);
    m_line.clear();
    m_matched = 0;
}

std::vector<TextLine> LineSplitter::finish()
{
    m_line.append(m_separator.substr(0, m_matched));
    endLine();
    return std::move(m_lines);
}

LoadedText splitText(std::string_view bytes, int style)
{
    LoadedText loaded;
    loaded.style = isLineEndStyle(style) ? static_cast<LineEnd>(style)
                                         : detectLineEndStyle(bytes.substr(0, text_limits::kFileBlockSize));
    LineSplitter splitter(loaded.style);
    splitter.feed(bytes);
    loaded.lines = splitter.finish();
    return loaded;
}

namespace {

// Reads path through the splitter, handing each batch of whole lines to onLines; meta takes
// the style and the read-only state.
bool readLines(const std::string& path, int style, LoadedText& meta,
               const std::function<void(std::vector<TextLine>&&)>& onLines, std::string& error)
{
    FileReader file;
    if (!file.open(path, text_limits::kMaxFileSize)) {
        error = file.error();
        return false;
    }
    meta.readOnly = !file.writable();
    std::optional<LineSplitter> splitter;
    if (isLineEndStyle(style)) {
        meta.style = static_cast<LineEnd>(style);
        splitter.emplace(meta.style);
    }
    for (;;) {
        const auto block = file.readBlock(text_limits::kFileBlockSize);
        if (!block) {
            error = file.error();
            return false;
        }
        if (block->empty())
            break;
        if (!splitter) {
            meta.style = detectLineEndStyle(*block);
            splitter.emplace(meta.style);
        }
        splitter->feed(*block);
        onLines(splitter->takeLines());
    }
    if (!splitter)
        splitter.emplace(meta.style);
    onLines(splitter->finish());
    return true;
}

} // namespace

std::optional<LoadedText> readTextFile(const std::string& path, int style, std::string& error)
{
    LoadedText loaded;
    const auto keep = [&loaded](std::vector<TextLine>&& lines) {
        if (loaded.lines.empty())
            loaded.lines = std::move(lines);
        else
            loaded.lines.insert(loaded.lines.end(), std::make_move_iterator(lines.begin()),
                                std::make_move_iterator(lines.end()));
    };
    if (!readLines(path, style, loaded, keep, error))
        return std::nullopt;
    return loaded;
}

bool readTextFileLines(const std::string& path, int style, const std::function<void(TextLine&&)>& onLine,
                       std::string& error)
{
    LoadedText meta;
    return readLines(
        path, style, meta,
        [&onLine](std::vector<TextLine>&& lines) {
            for (TextLine& line : lines)
                onLine(std::move(line));
        },
        error);
}

} // namespace orv
