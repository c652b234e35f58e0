// Each tool's picture (gui/pictures/tool-*.svg), and the cursor made of it.
#include "icon/ToolPictures.h"

#include "framework/Pictures.h"

namespace orv {

QPixmap toolPicture(ToolPicture picture)
{
    const char* name = "";
    switch (picture) {
    case ToolPicture::pen: name = "tool-pen"; break;
    case ToolPicture::fill: name = "tool-fill"; break;
    case ToolPicture::move: name = "tool-move"; break;
    case ToolPicture::zoom: name = "tool-zoom"; break;
    case ToolPicture::pick: name = "tool-pick"; break;
    case ToolPicture::rotateRight: name = "tool-rotate-right"; break;
    case ToolPicture::rotateLeft: name = "tool-rotate-left"; break;
    case ToolPicture::hFlip: name = "tool-flip-horizontal"; break;
    case ToolPicture::vFlip: name = "tool-flip-vertical"; break;
    case ToolPicture::clear: name = "tool-clear"; break;
    case ToolPicture::exportImage: name = "tool-export"; break;
    }
    return orv::picture(name, kToolPictureSize);
}

QCursor toolCursor(IconTool tool)
{
    return QCursor(toolPicture(static_cast<ToolPicture>(tool)), kToolPictureSize / 2, kToolPictureSize / 2);
}

} // namespace orv
