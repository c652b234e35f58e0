// The application's picture: a rounded tile with a stylised "O" and a script line, any size.
#pragma once

#include <QPixmap>

namespace orv {

QPixmap appLogo(int size);

} // namespace orv
