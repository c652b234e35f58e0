// What each kind of preview adds around its client area, with the fixed system metrics:
// an element's rectangle is its preview's outer size.
#pragma once

#include "uimodel/CUIElement.h"

namespace orv {

struct UISize {
    int width = 0;
    int height = 0;
    bool operator==(const UISize&) const = default;
};

namespace metrics {
inline constexpr int kEdge = 2;        // SM_CXEDGE, SM_CYEDGE
inline constexpr int kScrollBar = 16;  // SM_CXVSCROLL, SM_CYHSCROLL
} // namespace metrics

// The frame of the element's preview, both sides together: the list's border and scroll
// bar, a text entry's edge and border (and the scroll field's scroll bar), the window's
// sizing frame and caption; nothing for the others.
UISize previewFrameSize(const CUIElement& element);

// The designer resized the preview to a client size: the element keeps the outer size at
// position (0, 0), for the next arrangement to place. A window fitted to its children keeps
// its rectangle.
void storePreviewClientSize(CUIElement& element, UISize client);

} // namespace orv

namespace orv {

// The window preview's caption after it was minimized (the icon name) or restored (the
// title); nothing when that value is empty and the caption stays.
const std::string* windowCaptionAfterSizing(const CUIElement& window, bool minimized);

} // namespace orv
