// The style bits of what an element shows, kept in the model and mirrored by its previews.
#pragma once

#include <cstdint>

namespace orv {

// Style bits a preview shows; which apply depends on the element's kind.
enum class PreviewStyle : std::uint32_t {
    caption = 0x0001,
    systemMenu = 0x0002,
    minimizeBox = 0x0004,
    maximizeBox = 0x0008,
    sizingFrame = 0x0010,
    toolWindow = 0x0020,
    vertical = 0x0040,     // sliders and separators
    readOnly = 0x0080,     // text entries
    alignLeft = 0x0100,    // labels of buttons, texts and check boxes
    alignRight = 0x0200,
    collapsable = 0x0400,  // frame layouts
    collapsed = 0x0800,
    titleHidden = 0x1000,
    border = 0x2000,
    lineHidden = 0x4000,   // separators: a style of no line,
    lineFlat = 0x8000,     // plain lines rather than an etched one,
    lineDouble = 0x10000,  // two of them,
    lineDashed = 0x20000,  // dashed,
    lineRaised = 0x40000,  // an etched line standing out rather than sunk in
};

constexpr std::uint32_t operator|(PreviewStyle a, PreviewStyle b)
{
    return static_cast<std::uint32_t>(a) | static_cast<std::uint32_t>(b);
}
constexpr std::uint32_t operator|(std::uint32_t a, PreviewStyle b) { return a | static_cast<std::uint32_t>(b); }
constexpr bool hasStyle(std::uint32_t styles, PreviewStyle s) { return (styles & static_cast<std::uint32_t>(s)) != 0; }

} // namespace orv
