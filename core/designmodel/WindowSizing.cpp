// The window preview's frame and caption boxes.
#include "designmodel/WindowSizing.h"

#include <algorithm>

namespace orv {

int frameEdgesAt(UISize size, UIPoint point, int frame)
{
    if (frame <= 0 || point.x < 0 || point.y < 0 || point.x >= size.width || point.y >= size.height)
        return 0;
    const auto edgesOf = [](int at, int length, int reach, int low, int high) {
        return at < reach ? low : at >= length - reach ? high : 0;
    };
    const int onX = edgesOf(point.x, size.width, frame, frame_edge::left, frame_edge::right);
    const int onY = edgesOf(point.y, size.height, frame, frame_edge::top, frame_edge::bottom);
    if (!onX && !onY)
        return 0;
    // On the frame near a corner: both edges of that corner.
    const int corner = frame + metrics::kCaption;
    return onX | onY | (onX ? edgesOf(point.y, size.height, corner, frame_edge::top, frame_edge::bottom) : 0) |
           (onY ? edgesOf(point.x, size.width, corner, frame_edge::left, frame_edge::right) : 0);
}

UISize draggedWindowSize(UISize start, int edges, UIPoint delta, UISize minimum)
{
    UISize size = start;
    if (edges & frame_edge::right)
        size.width += delta.x;
    else if (edges & frame_edge::left)
        size.width -= delta.x;
    if (edges & frame_edge::bottom)
        size.height += delta.y;
    else if (edges & frame_edge::top)
        size.height -= delta.y;
    return {std::max(size.width, minimum.width), std::max(size.height, minimum.height)};
}

WindowSizing WindowShowState::pressMinimizeBox(UISize current, UISize minimized)
{
    switch (m_shown) {
    case WindowShow::minimized:
        m_shown = m_beforeMinimize;
        return {m_shown == WindowShow::maximized ? m_maximized : m_normal, false};
    case WindowShow::maximized:
        m_maximized = current;
        break;
    case WindowShow::normal:
        m_normal = current;
        break;
    }
    m_beforeMinimize = m_shown;
    m_shown = WindowShow::minimized;
    return {minimized, false};
}

WindowSizing WindowShowState::pressMaximizeBox(UISize current, UISize area)
{
    if (m_shown == WindowShow::maximized) {
        m_shown = WindowShow::normal;
        return {m_normal, true};
    }
    if (m_shown == WindowShow::normal)
        m_normal = current;
    m_shown = WindowShow::maximized;
    return {area, true};
}

void WindowShowState::sizeSet(UISize size, UISize current)
{
    if (m_shown == WindowShow::minimized) {
        m_beforeMinimize = WindowShow::normal;
        m_normal = size;
    } else if (m_shown == WindowShow::maximized && size != current) {
        m_shown = WindowShow::normal;
    }
}

} // namespace orv
