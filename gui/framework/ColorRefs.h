// A stored colour (0x00BBGGRR) as Qt paints it, and back.
#pragma once

#include "colour/Color.h"

#include <QColor>

namespace orv {

QColor toQColor(ColorRef color);
ColorRef toColorRef(const QColor& color);

} // namespace orv
