// Points and rectangles of the element model, in pixels of the parent's preview.
#pragma once

namespace orv {

struct UIPoint {
    int x = 0;
    int y = 0;
    bool operator==(const UIPoint&) const = default;
};

struct UIRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    void offset(UIPoint by)
    {
        left += by.x;
        right += by.x;
        top += by.y;
        bottom += by.y;
    }
    bool operator==(const UIRect&) const = default;
};

} // namespace orv
