// Pasting any clipboard text (UTF-8, as the desktop's clipboard holds it) over any selection
// of any text, UTF-8 or Windows-1252: the paste puts no line feed inside a line (a file of
// CR LF lines may hold some of its own), every other byte of the text, the selection replaced
// by the clipboard's text in the script's encoding, is where it belongs, the cursor ends after
// the pasted text, and one undo gives back the text as it was and one redo the pasted one.
// The same again with a second paste of the same text.
#include "text/CTextBuffer.h"
#include "text/Clipboard.h"
#include "text/TextEditModel.h"
#include "text/TextEncoding.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

void check(bool condition, int line = __builtin_LINE())
{
    if (!condition) {
        std::fprintf(stderr, "check failed at line %d\n", line);
        std::abort();
    }
}

std::size_t lineFeedsInLines(const orv::CTextBuffer& buffer)
{
    std::size_t count = 0;
    for (int i = 0; i < buffer.LineCount(); ++i)
        count += static_cast<std::size_t>(std::count(buffer.LineText(i).begin(), buffer.LineText(i).end(), '\n'));
    return count;
}

std::vector<std::string> linesOf(const orv::CTextBuffer& buffer)
{
    std::vector<std::string> lines;
    for (int i = 0; i < buffer.LineCount(); ++i)
        lines.emplace_back(buffer.LineText(i));
    return lines;
}

// The bytes that are no line-end byte: what every way of splitting lines keeps in order.
std::string withoutLineEnds(std::string_view text)
{
    std::string out;
    std::copy_if(text.begin(), text.end(), std::back_inserter(out), [](char c) { return c != '\r' && c != '\n'; });
    return out;
}

std::string wholeText(const orv::CTextBuffer& buffer)
{
    return buffer.CopyRange({0, 0}, buffer.EndPos(), "\n");
}

void pasteOnce(orv::CTextBuffer& buffer, orv::TextEditModel& edit, const std::string& clip)
{
    const auto before = linesOf(buffer);
    const orv::TextPos start = std::min(edit.anchor(), edit.cursor());
    const orv::TextPos stop = std::max(edit.anchor(), edit.cursor());
    const std::string head = buffer.CopyRange({0, 0}, start, "\n");
    const std::string tail = buffer.CopyRange(stop, buffer.EndPos(), "\n");

    const std::string pasted = orv::Utf8ToEncoding(clip, buffer.Encoding());
    const std::size_t lineFeeds = lineFeedsInLines(buffer);
    check(edit.paste());
    check(lineFeedsInLines(buffer) <= lineFeeds);
    check(withoutLineEnds(wholeText(buffer)) == withoutLineEnds(head) + withoutLineEnds(pasted) + withoutLineEnds(tail));
    // The text before the selection is untouched, and the cursor is where the pasted text ends.
    check(buffer.CopyRange({0, 0}, start, "\n") == head);
    check(buffer.Clamp(edit.cursor()) == edit.cursor() && !(edit.cursor() < start));
    check(withoutLineEnds(buffer.CopyRange(start, edit.cursor(), "\n")) == withoutLineEnds(pasted));
    check(withoutLineEnds(buffer.CopyRange(edit.cursor(), buffer.EndPos(), "\n")) == withoutLineEnds(tail));

    const auto after = linesOf(buffer);
    if (clip.empty() && start == stop) {
        check(after == before);
        return;
    }
    check(edit.undo());
    check(linesOf(buffer) == before);
    check(edit.redo());
    check(linesOf(buffer) == after);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (bytes.size() < 5)
        return 0;
    // Five bytes of choices, then the text, then the clipboard's text.
    const auto choice = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
    const std::string_view rest = bytes.substr(5);
    const std::size_t split = rest.empty() ? 0 : (choice(0) * rest.size()) / 256;
    orv::CTextBuffer buffer;
    buffer.LoadBytes(rest.substr(0, split));
    orv::MemoryClipboard clipboard;
    std::string clip(rest.substr(split));
    if (!orv::IsValidUtf8(clip))
        clip = orv::Windows1252ToUtf8(clip);
    clipboard.setText(clip);
    orv::TextEditModel edit(&buffer, &clipboard);
    const auto position = [&](unsigned lineChoice, unsigned chChoice) {
        const int line = static_cast<int>(lineChoice) % buffer.LineCount();
        return orv::TextPos{static_cast<int>(chChoice) % (buffer.LineLength(line) + 1), line};
    };
    edit.setSelection(position(choice(1), choice(2)), position(choice(3), choice(4)));
    pasteOnce(buffer, edit, clip);
    pasteOnce(buffer, edit, clip);
    return 0;
}
