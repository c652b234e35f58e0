// The canvas addressing: which image pixel a mouse point on the enlarged canvas names, and
// where each pixel's cell and the grid lines lie.
#pragma once

#include "iconmodel/IconImage.h"
#include "iconmodel/IconTool.h"

#include <optional>

namespace orv {

class CanvasGeometry {
public:
    static constexpr int kCanvasSize = 256;

    CanvasGeometry(int clientWidth, int clientHeight, int imageWidthExponent, int imageHeightExponent);

    int cellWidth() const { return m_cellWidth; }
    int cellHeight() const { return m_cellHeight; }

    // The pixel under point (x, y) once shifted by the tool's tip; nothing when the shifted
    // point lies off the image on any side.
    std::optional<PixelPos> pixelAt(int x, int y, IconTool tool) const;

private:
    int m_imageWidth;
    int m_imageHeight;
    int m_cellWidth;
    int m_cellHeight;
};

} // namespace orv
