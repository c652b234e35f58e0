// Stored colours keep their red, green and blue bytes; Qt's other colour models go through RGB.
#include "framework/ColorRefs.h"

namespace orv {

QColor toQColor(ColorRef color)
{
    return QColor(colorRed(color), colorGreen(color), colorBlue(color));
}

ColorRef toColorRef(const QColor& color)
{
    const QColor rgb = color.toRgb();
    return makeColorRef(static_cast<std::uint8_t>(rgb.red()), static_cast<std::uint8_t>(rgb.green()),
                        static_cast<std::uint8_t>(rgb.blue()));
}

} // namespace orv
