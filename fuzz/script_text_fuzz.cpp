// Script text as any bytes: split into lines by its detected line-end style and joined
// back byte for byte; every line coloured with ordered blocks inside the line and the same
// state with and without blocks; inserted into a buffer, searched, undone and redone.
#include "text/CTextBuffer.h"
#include "text/MelColouring.h"
#include "text/TextFile.h"
#include "text/TextSearch.h"

#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

std::vector<std::string> linesOf(const orv::CTextBuffer& buffer)
{
    std::vector<std::string> lines;
    for (int i = 0; i < buffer.LineCount(); ++i)
        lines.emplace_back(buffer.LineText(i));
    return lines;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const orv::LineEnd style = orv::detectLineEndStyle(bytes.substr(0, 32768));
    orv::LineSplitter splitter(style);
    splitter.feed(bytes);
    const auto lines = splitter.finish();
    std::string joined;
    std::uint32_t state = 0;
    std::uint32_t stateOnly = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string_view text = lines[i].text();
        joined += text;
        if (i + 1 < lines.size())
            joined += orv::lineEndSeparator(style);
        std::vector<orv::ColourBlock> blocks;
        state = orv::ParseMelLine(state, text, &blocks);
        stateOnly = orv::ParseMelLine(stateOnly, text, nullptr);
        check(state == stateOnly);
        for (std::size_t b = 0; b < blocks.size(); ++b) {
            check(blocks[b].pos >= 0 && blocks[b].pos <= static_cast<int>(text.size()));
            check(b == 0 || blocks[b - 1].pos <= blocks[b].pos);
        }
    }
    check(joined == bytes);

    // Erasing everything and undoing brings back the very lines, stray CRs included.
    orv::CTextBuffer loaded;
    loaded.LoadBytes(bytes);
    const auto original = linesOf(loaded);
    check(static_cast<std::size_t>(loaded.LineCount()) == lines.size());
    check(loaded.EraseRange(nullptr, {0, 0}, loaded.EndPos()));
    orv::TextPos cursor;
    if (!bytes.empty() && original != std::vector<std::string>{""}) {
        check(loaded.UndoGroup(cursor));
        check(linesOf(loaded) == original);
    }

    orv::CTextBuffer buffer;
    buffer.CreateEmpty();
    orv::TextPos end;
    check(buffer.InsertTextAt(nullptr, {0, 0}, bytes, end));
    check(end == buffer.EndPos());
    const auto inserted = linesOf(buffer);
    const std::string_view needle = bytes.substr(size / 3, 3);
    if (const auto hit = orv::FindInText(buffer, needle, {0, 0}, orv::find_flag::kMatchCase, true))
        check(buffer.CopyRange(hit->start, hit->end) == needle);
    if (!bytes.empty()) {
        check(buffer.UndoGroup(cursor));
        check(buffer.LineCount() == 1 && buffer.LineLength(0) == 0);
        check(buffer.RedoGroup(cursor));
    }
    check(linesOf(buffer) == inserted);
    return 0;
}
