// Importing from a picture.
#include "iconmodel/ImportFrame.h"

#include <algorithm>

namespace orv {

FrameRect importFrameAt(int x, int y, int frameWidth, int frameHeight, bool snap)
{
    FrameRect r;
    if (snap) {
        // Points left of or above the picture belong to no cell; they snap to the first.
        r.left = std::max(0, x) / frameWidth * frameWidth;
        r.top = std::max(0, y) / frameHeight * frameHeight;
    } else {
        r.left = std::max(0, x - frameWidth / 2);
        r.top = std::max(0, y - frameHeight / 2);
    }
    r.right = r.left + frameWidth;
    r.bottom = r.top + frameHeight;
    return r;
}

void copyFrame(const PixelGrid& picture, const FrameRect& frame, IconImage& icon)
{
    if (picture.width < 0 || picture.height < 0
        || picture.pixels.size() != static_cast<std::size_t>(picture.width) * static_cast<std::size_t>(picture.height))
        return;
    for (int j = 0; j < icon.height() && frame.top + j < frame.bottom; ++j)
        for (int i = 0; i < icon.width() && frame.left + i < frame.right; ++i) {
            const PixelPos from{frame.left + i, frame.top + j};
            if (picture.contains(from))
                icon.setPixel({i, j}, picture.pixels[static_cast<std::size_t>(from.y) * picture.width + from.x]);
        }
}

} // namespace orv
