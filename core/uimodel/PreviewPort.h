// The element's preview on the design surface, as the model drives it. The model keeps
// every state (text, styles, list items); a port only mirrors what it is told.
#pragma once

#include "settings/Color.h"
#include "uimodel/UIGeometry.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace orv {

class CUIElement;

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
};

constexpr std::uint32_t operator|(PreviewStyle a, PreviewStyle b)
{
    return static_cast<std::uint32_t>(a) | static_cast<std::uint32_t>(b);
}
constexpr std::uint32_t operator|(std::uint32_t a, PreviewStyle b) { return a | static_cast<std::uint32_t>(b); }
constexpr bool hasStyle(std::uint32_t styles, PreviewStyle s) { return (styles & static_cast<std::uint32_t>(s)) != 0; }

class PreviewPort {
public:
    virtual ~PreviewPort() = default;
    virtual void setText(const std::string& text) = 0;
    virtual void setEnabled(bool enabled) = 0;
    virtual void setVisible(bool visible) = 0;
    virtual void setGeometry(const UIRect& rect) = 0;
    virtual void setStyles(std::uint32_t styles) = 0;
    virtual void setListItems(const std::vector<std::string>& items) = 0;
    virtual void setBackColor(ColorRef color) = 0;
};

// Makes the preview of a new element inside its parent's preview (null for the window).
class PreviewFactory {
public:
    virtual ~PreviewFactory() = default;
    virtual std::unique_ptr<PreviewPort> createPreview(const CUIElement& element, PreviewPort* parentPreview) = 0;
};

} // namespace orv
