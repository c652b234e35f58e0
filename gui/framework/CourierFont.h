// "Courier", the font of the script views and of the panes, as it is shown here: families of
// its shape that Linux desktops have (Liberation Mono, else DejaVu Sans Mono), named outright
// so the font is found at once rather than through a search of the font configuration's
// substitutes for a family it does not have.
#pragma once

#include <QFont>
#include <QStringList>

namespace orv {

// pixelSize 0: the desktop's size.
QFont courierFont(int pixelSize = 0);

} // namespace orv
