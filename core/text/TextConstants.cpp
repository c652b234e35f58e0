// The texts behind the text engine's codes.
#include "text/TextConstants.h"

#include <array>
#include <cstdio>

namespace orv {

std::string_view actionDescription(UndoAction action)
{
    static constexpr std::array<std::string_view, 11> kDescriptions = {
        "Unknown", "Paste", "Delete Selection", "Cut", "Typing", "Backspace",
        "Indent", "Drag And Drop", "Replace", "Delete", "Auto Indent"};
    const int code = static_cast<int>(action);
    return code >= 0 && code < static_cast<int>(kDescriptions.size()) ? kDescriptions[code] : std::string_view();
}

int line_flag::marginMarkCell(std::uint32_t flags)
{
    static constexpr std::array<std::uint32_t, 15> kOrder = {0x10000, 0x20000, 0x40000, 0x2,  0x4,
                                                             0x8,     0x10,    0x20,    0x40, 0x80,
                                                             0x100,   0x200,   0x1,     kBookmark, 0x100000};
    for (std::size_t cell = 0; cell < kOrder.size(); ++cell)
        if (flags & kOrder[cell])
            return static_cast<int>(cell);
    return -1;
}

std::string_view lineEndSeparator(LineEnd style)
{
    switch (style) {
    case LineEnd::lfCr: return "\n\r";
    case LineEnd::lf: return "\n";
    case LineEnd::crLf: break;
    }
    return "\r\n";
}

std::string_view lineEndName(LineEnd style)
{
    switch (style) {
    case LineEnd::lfCr: return "UNIX";
    case LineEnd::lf: return "MAC";
    case LineEnd::crLf: break;
    }
    return "DOS";
}

bool isLineEndStyle(int style)
{
    return style >= 0 && style <= 2;
}

std::string cannotFindMessage(std::string_view searched)
{
    return "Cannot find string\"" + std::string(searched) + "\"";
}

namespace {
std::string formatTwoNumbers(const char* format, int a, int b)
{
    char text[64];
    std::snprintf(text, sizeof text, format, a, b);
    return text;
}
} // namespace

std::string positionIndicator(int line, int ch)
{
    return formatTwoNumbers(text_messages::kPosition, line + 1, ch + 1);
}

std::string pageFooter(int page, int pageCount)
{
    return formatTwoNumbers(text_messages::kPageFooter, page, pageCount);
}

} // namespace orv
