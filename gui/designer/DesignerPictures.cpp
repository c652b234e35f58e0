// Which picture (gui/pictures) each control, layout and element type shows.
#include "designer/DesignerPictures.h"

#include "framework/Pictures.h"

namespace orv {

QIcon controlPicture(int index)
{
    switch (index) {
    case 0: return pictureIcon("control-button", kPictureSize);
    case 1: return pictureIcon("control-check-box", kPictureSize);
    case 2: return pictureIcon("control-radio-button", kPictureSize);
    case 3: return pictureIcon("control-option-menu", kPictureSize);
    case 4: return pictureIcon("control-slider", kPictureSize);
    case 5: return pictureIcon("control-text-field", kPictureSize);
    case 6: return pictureIcon("control-text", kPictureSize);
    case 8: return pictureIcon("control-grid", kPictureSize);
    case 11: return pictureIcon("control-list", kPictureSize);
    case 12: return pictureIcon("control-colour-slider", kPictureSize);
    case 16: return pictureIcon("control-separator", kPictureSize);
    default: return pictureIcon("control-picture", kPictureSize);
    }
}

QIcon layoutPicture(int index)
{
    switch (index) {
    case 0: return pictureIcon("layout-column", kPictureSize);
    case 1: return pictureIcon("layout-row", kPictureSize);
    case 2: return pictureIcon("layout-frame", kPictureSize);
    default: return {};
    }
}

QIcon typeCodePicture(ElementTypeCode code)
{
    switch (code) {
    case ElementTypeCode::window: return pictureIcon("element-window", kPictureSize);
    case ElementTypeCode::button: return controlPicture(0);
    case ElementTypeCode::checkBox: return controlPicture(1);
    case ElementTypeCode::slider: return controlPicture(4);
    case ElementTypeCode::textEntry: return controlPicture(5);
    case ElementTypeCode::text: return controlPicture(6);
    case ElementTypeCode::textScrollList: return controlPicture(11);
    case ElementTypeCode::columnLayout: return layoutPicture(0);
    case ElementTypeCode::rowLayout: return layoutPicture(1);
    case ElementTypeCode::separator: return controlPicture(16);
    }
    return {};
}

} // namespace orv
