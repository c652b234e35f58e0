// The form's pixel size and the shrink-only fit.
#include "designmodel/FormFit.h"

#include <algorithm>

namespace orv {

namespace {
constexpr int kFormWidthUnits = 322;
constexpr int kFormHeightUnits = 198;
constexpr int kFontWidth = 6;
constexpr int kFontHeight = 13;

// Dialog units to pixels, rounded to the nearest pixel.
int toPixels(int units, int fontSize, int unitsPerCharacter)
{
    return (units * fontSize + unitsPerCharacter / 2) / unitsPerCharacter;
}
} // namespace

UISize designerFormSize()
{
    return {toPixels(kFormWidthUnits, kFontWidth, 4), toPixels(kFormHeightUnits, kFontHeight, 8)};
}

UISize shrinkToForm(UISize view, UISize form, UISize window)
{
    return {std::min(view.width, std::max(form.width, window.width)),
            std::min(view.height, std::max(form.height, window.height))};
}

} // namespace orv
