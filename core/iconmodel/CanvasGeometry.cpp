// The canvas addressing.
#include "iconmodel/CanvasGeometry.h"

#include <algorithm>

namespace orv {

namespace {

// Division rounding towards minus infinity, so that a point a few pixels left of or above the
// canvas falls in column or row -1 (ignored) and not in 0.
int floorDiv(int a, int b)
{
    const int q = a / b;
    return (a % b != 0 && a < 0) ? q - 1 : q;
}

} // namespace

CanvasGeometry::CanvasGeometry(int clientWidth, int clientHeight, int imageWidthExponent, int imageHeightExponent)
    : m_imageWidth(1 << imageWidthExponent),
      m_imageHeight(1 << imageHeightExponent),
      m_cellWidth(std::max(1, clientWidth / m_imageWidth)),
      m_cellHeight(std::max(1, clientHeight / m_imageHeight))
{
}

std::optional<PixelPos> CanvasGeometry::pixelAt(int x, int y, IconTool tool) const
{
    const TipOffset tip = tipOffset(tool);
    const PixelPos p{floorDiv(x + tip.dx, m_cellWidth), floorDiv(y + tip.dy, m_cellHeight)};
    if (p.x < 0 || p.y < 0 || p.x >= m_imageWidth || p.y >= m_imageHeight)
        return std::nullopt;
    return p;
}

} // namespace orv
