// How the window preview's sizing frame and caption boxes size it. The window stays pinned
// at the view's top-left corner, so every edge of the frame changes the size and none the
// place: a left or top edge dragged outwards grows the window to the right or downwards,
// as the tracker's position lock does for the controls.
#pragma once

#include "designmodel/PreviewFrame.h"
#include "uimodel/UIGeometry.h"

namespace orv {

namespace frame_edge {
inline constexpr int left = 1;
inline constexpr int top = 2;
inline constexpr int right = 4;
inline constexpr int bottom = 8;
} // namespace frame_edge

// The edges a press at point grabs on a window of outer size size with a frame this thick;
// 0 inside the frame. A corner reaches along both edges as far as a caption is tall, so
// that it can be taken without aiming at the frame's 4 x 4 pixels.
int frameEdgesAt(UISize size, UIPoint point, int frame);

// The outer size after the grabbed edges were dragged by delta from a window of size
// start: right and bottom follow the pointer, left and top move the far edge the other
// way; never below minimum.
UISize draggedWindowSize(UISize start, int edges, UIPoint delta, UISize minimum);

enum class WindowShow { normal, minimized, maximized };

// A new outer size for the preview, and whether the window element takes it (a minimized
// window keeps its size for the file and the export).
struct WindowSizing {
    UISize size;
    bool stored = false;
    bool operator==(const WindowSizing&) const = default;
};

// The caption boxes: minimize shrinks the window to its caption and, pressed again,
// restores it as it was (normal or maximized); maximize fills the given area and, pressed
// again, gives back the size the window had before.
class WindowShowState {
public:
    WindowShow shown() const { return m_shown; }
    WindowSizing pressMinimizeBox(UISize current, UISize minimized);
    WindowSizing pressMaximizeBox(UISize current, UISize area);
    // The element's size was set from elsewhere (the flags grid): a minimized window comes
    // back at that size, a maximized one of another size is no longer maximized.
    void sizeSet(UISize size, UISize current);

private:
    WindowShow m_shown = WindowShow::normal;
    WindowShow m_beforeMinimize = WindowShow::normal;
    UISize m_normal;      // the size before maximizing (or minimizing a normal window)
    UISize m_maximized;   // the size a minimized maximized window comes back to
};

} // namespace orv
