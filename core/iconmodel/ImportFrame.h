// Importing from a picture: where the icon-sized frame stands under the mouse, and the copy of
// the pixels inside it into the icon.
#pragma once

#include "iconmodel/IconImage.h"

#include <vector>

namespace orv {

// A decoded picture as a plain grid of COLORREF pixels, row by row from the top.
struct PixelGrid {
    int width = 0;
    int height = 0;
    std::vector<ColorRef> pixels;

    bool contains(PixelPos p) const { return p.x >= 0 && p.y >= 0 && p.x < width && p.y < height; }
};

struct FrameRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const FrameRect&) const = default;
};

// The frame of frameWidth x frameHeight under the mouse point: snapped to the frame-sized grid,
// or centred on the point but never left of or above the picture.
FrameRect importFrameAt(int x, int y, int frameWidth, int frameHeight, bool snap);

// Copies the picture's pixels inside frame into the icon from its top left, leaving icon pixels
// whose picture pixel lies outside the picture unchanged. No undo snapshot is taken.
void copyFrame(const PixelGrid& picture, const FrameRect& frame, IconImage& icon);

} // namespace orv
