// The "Courier" font of the views and panes.
#include "framework/CourierFont.h"

namespace orv {

QFont courierFont(int pixelSize)
{
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Mono"), QStringLiteral("DejaVu Sans Mono")});
    font.setStyleHint(QFont::TypeWriter);
    if (pixelSize > 0)
        font.setPixelSize(pixelSize);
    return font;
}

} // namespace orv
