// The hierarchy tree's picture of an element kind: the type code's picture, and for the kinds
// added beside the first thirteen the palette's picture of the same control.
#pragma once

#include "uimodel/UIModelConstants.h"

#include <QIcon>

namespace orv {

QIcon elementPicture(ElementTypeCode code);

} // namespace orv
