// An element's preview in one designer view, as the view's preview tree drives it. The
// model keeps every state (text, styles, list items); a port only mirrors what it is told.
#pragma once

#include "settings/Color.h"
#include "uimodel/PreviewStyle.h"
#include "uimodel/UIGeometry.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace orv {

class CUIElement;

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

// Makes the preview of an element inside its parent's preview (null for the window).
class PreviewFactory {
public:
    virtual ~PreviewFactory() = default;
    virtual std::unique_ptr<PreviewPort> createPreview(const CUIElement& element, PreviewPort* parentPreview) = 0;
};

} // namespace orv
