// The designer view's form and the frame fitted to it when the view opens: a frame larger
// than the form shrinks to it, one smaller keeps its size, and the shrinking never hides
// part of the designed window.
#pragma once

#include "designmodel/PreviewFrame.h"

namespace orv {

// The view's empty form, 322 x 198 dialog units in the 8-point dialog font, whose
// characters average 6 x 13 pixels (a dialog unit is a quarter of the width and an eighth
// of the height).
UISize designerFormSize();

// The view's size after its frame shrinks to fit the form, each side on its own, but not
// below the window's outer size.
UISize shrinkToForm(UISize view, UISize form, UISize window);

} // namespace orv
