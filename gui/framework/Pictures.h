// The program's pictures: SVG files compiled in under ":/pictures/", drawn at the size asked for.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QStringList>

namespace orv {

// The picture ":/pictures/NAME.svg" drawn to fill the size; a transparent pixmap of that size when
// no such picture is compiled in or it does not parse, so a lost file shows as a gap, not a crash.
QPixmap picture(const char* name, QSize size);
QPixmap picture(const char* name, int size);
// The picture as an icon of that size, drawn when shown at the pixels the screen asks for; with
// a second name, that picture is the icon's checked ("on") state.
QIcon pictureIcon(const char* name, int size, const char* checkedName = nullptr);
// The names (without ".svg") of every picture compiled in, in alphabetical order.
QStringList pictureNames();

} // namespace orv
