// The icon editor's tools, and where on each tool's cursor picture its tip lies.
#pragma once

namespace orv {

enum class IconTool { pen = 0, fill = 1, move = 2, zoom = 3, pick = 4 };

// The tip of a cursor relative to the mouse point, so that the pixel under the drawn tip is
// the one painted: the pen's nib, the paint pouring from the bucket, the dropper's point.
struct TipOffset {
    int dx = 0;
    int dy = 0;
};

constexpr TipOffset tipOffset(IconTool tool)
{
    switch (tool) {
    case IconTool::pen:
        return {-4, 6};
    case IconTool::fill:
        return {4, 6};
    case IconTool::pick:
        return {-7, 5};
    case IconTool::move:
    case IconTool::zoom:
        break;
    }
    return {};
}

} // namespace orv
