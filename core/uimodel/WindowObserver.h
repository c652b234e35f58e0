// What a window's views hear of its element tree: the model keeps no view state, and each
// view mirrors what it is told.
#pragma once

namespace orv {

class CUIElement;

class WindowObserver {
public:
    virtual ~WindowObserver() = default;
    // element, with its subtree, was linked under its parent.
    virtual void elementInserted(const CUIElement& element) = 0;
    // element, with its subtree, is about to be unlinked and destroyed; the window itself
    // when it goes.
    virtual void elementRemoving(const CUIElement& element) = 0;
    // element, with its subtree, has a new parent or a new place among its siblings.
    virtual void elementMoved(const CUIElement& element) = 0;
    // What the element shows (text, styles, enabled and visible state, list items, colour)
    // may have changed.
    virtual void flagsChanged(const CUIElement& element) = 0;
    // Rectangles of subtree's elements (subtree's own too) may have changed.
    virtual void geometryChanged(const CUIElement& subtree) = 0;
};

} // namespace orv
