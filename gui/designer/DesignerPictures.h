// The 16-pixel pictures of the designer: the controls' and the layouts' (palette, insertion
// menu) and one per element type code (hierarchy tree).
#pragma once

#include "uimodel/UIModelConstants.h"

#include <QIcon>

namespace orv {

inline constexpr int kPictureSize = 16;

// Index 0 button, 1 check box, 2 radio button, 3 option menu, 4 slider, 5 text field,
// 6 text, 7 picture, 8 grid, 9 icon and text, 11 list, 12 colour slider, 13 layer,
// 14 tool, 15 shelf, 16 separator; picture, icon and text, layer, tool, shelf and any other
// index show a framed picture.
QIcon controlPicture(int index);
// Index 0 column layout, 1 row layout, 2 frame layout; a null icon for any other.
QIcon layoutPicture(int index);
QIcon typeCodePicture(ElementTypeCode code);

} // namespace orv
