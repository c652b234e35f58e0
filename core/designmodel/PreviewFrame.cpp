// The frame sizes of the preview kinds.
#include "designmodel/PreviewFrame.h"

#include "uimodel/CUIWindow.h"

namespace orv {

UISize previewFrameSize(const CUIElement& element)
{
    const std::uint32_t styles = element.previewStyles();
    switch (element.typeCode()) {
    case ElementTypeCode::textScrollList:
        return {2 * metrics::kBorder + metrics::kScrollBar, 2 * metrics::kBorder};
    case ElementTypeCode::textEntry: {
        const int scroll = element.command() == "scrollField" ? metrics::kScrollBar : 0;
        return {3 * metrics::kEdge + scroll, 3 * metrics::kEdge};
    }
    case ElementTypeCode::window: {
        const int frame = hasStyle(styles, PreviewStyle::sizingFrame) ? 2 * metrics::kFrame : 0;
        const int caption = hasStyle(styles, PreviewStyle::caption) ? metrics::kCaption : 0;
        return {frame, frame + caption};
    }
    default:
        return {};
    }
}

void storePreviewClientSize(CUIElement& element, UISize client)
{
    if (element.isWindow() && static_cast<const CUIWindow&>(element).fitToChildren())
        return;
    const UISize frame = previewFrameSize(element);
    element.resizeFromPreview(client.width + frame.width, client.height + frame.height);
}

} // namespace orv

namespace orv {

const std::string* windowCaptionAfterSizing(const CUIElement& window, bool minimized)
{
    constexpr int kIconName = 6;
    const std::string& value = window.flags()[minimized ? kIconName : CUIWindow::kTitle];
    return value.empty() ? nullptr : &value;
}

} // namespace orv
