// The eleven 20 x 20 pictures of the icon editor's tools and buttons.
// The tool pictures double as cursors whose tips lie where the tool acts.
#pragma once

#include "iconmodel/IconTool.h"

#include <QCursor>
#include <QPixmap>

namespace orv {

enum class ToolPicture { pen, fill, move, zoom, pick, rotateRight, rotateLeft, hFlip, vFlip, clear, exportImage };

inline constexpr int kToolPictureSize = 20;

QPixmap toolPicture(ToolPicture picture);
// The tool's picture as a cursor: its hot spot is the picture's centre, and the tool's tip
// offset leads from there to the tip drawn in the picture.
QCursor toolCursor(IconTool tool);

} // namespace orv
