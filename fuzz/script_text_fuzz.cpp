// Script text as any bytes: split into lines by its detected line-end style and joined
// back byte for byte; every line coloured with ordered blocks inside the line and the same
// state with and without blocks; inserted into a buffer, searched, undone and redone; and
// edited by the editing commands the bytes spell, which undo and redo exactly.
#include "text/CTextBuffer.h"
#include "meltext/MelColouring.h"
#include "text/TextEditModel.h"
#include "text/TextFile.h"
#include "text/TextSearch.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void check(bool condition, int line = __builtin_LINE())
{
    if (!condition) {
        std::fprintf(stderr, "check failed at line %d\n", line);
        std::abort();
    }
}

std::vector<std::string> linesOf(const orv::CTextBuffer& buffer)
{
    std::vector<std::string> lines;
    for (int i = 0; i < buffer.LineCount(); ++i)
        lines.emplace_back(buffer.LineText(i));
    return lines;
}

// Counts the changes of the text: an edit adds one undo record for each change.
struct ChangeCounter : orv::TextBufferWatcher {
    void onTextUpdate(const orv::TextBufferWatcher*, const orv::TextChange* change, unsigned, int) override
    {
        changes += change ? 1 : 0;
    }
    int changes = 0;
};

// Runs the editing commands that the bytes spell on the text; then, from the end of the
// history, undoing everything brings back the original lines and redoing everything the
// edited ones.
void editByCommands(std::string_view text, std::string_view commands)
{
    orv::CTextBuffer buffer;
    buffer.LoadBytes(text);
    const auto original = linesOf(buffer);
    orv::MemoryClipboard clipboard;
    orv::TextEditModel edit(&buffer, &clipboard);
    ChangeCounter counter;
    buffer.AttachView(&counter);
    int recordsAdded = 0;
    edit.setTabSize(static_cast<int>(commands.size() % 9));
    std::size_t next = 0;
    const auto byte = [&]() -> unsigned char {
        return next < commands.size() ? static_cast<unsigned char>(commands[next++]) : 0;
    };
    const auto position = [&]() {
        const int line = byte() % buffer.LineCount();
        return orv::TextPos{byte() % (buffer.LineLength(line) + 1), line};
    };
    for (int step = 0; step < 200 && next < commands.size(); ++step) {
        const int code = byte() % 14;
        const int changesBefore = counter.changes;
        switch (code) {
        case 0: edit.typeChar(static_cast<char>(byte())); break;
        case 1: edit.deleteForward(); break;
        case 2: edit.backspace(); break;
        case 3: edit.tab(); break;
        case 4: edit.shiftTab(); break;
        case 5: edit.toggleOverwrite(); break;
        case 6: edit.cut(); break;
        case 7: edit.paste(); break;
        case 8: edit.undo(); break;
        case 9: edit.redo(); break;
        case 10: edit.move(static_cast<orv::CursorMove>(byte() % 12), (byte() & 1) != 0); break;
        case 11: {
            const orv::TextPos anchor = position();
            edit.setSelection(anchor, position());
            break;
        }
        case 12: edit.selectWordAt(position()); break;
        default: edit.selectAll(); break;
        }
        check(buffer.Clamp(edit.cursor()) == edit.cursor() && buffer.Clamp(edit.anchor()) == edit.anchor());
        // Undo and redo add no records; only a history that reached the limit was trimmed.
        if (code != 8 && code != 9)
            recordsAdded += counter.changes - changesBefore;
    }
    buffer.DetachView(&counter);
    const bool trimmed = recordsAdded >= buffer.undoHistory().limit();
    orv::TextPos cursor;
    while (buffer.HasRedo())
        check(buffer.RedoGroup(cursor));
    const auto edited = linesOf(buffer);
    while (buffer.HasUndo())
        check(buffer.UndoGroup(cursor));
    if (!trimmed)
        check(linesOf(buffer) == original);
    while (buffer.HasRedo())
        check(buffer.RedoGroup(cursor));
    check(linesOf(buffer) == edited);
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

    editByCommands(bytes.substr(0, size / 2), bytes.substr(size / 2));
    return 0;
}
