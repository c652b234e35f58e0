// The pictures of the selection margin: one 16 x 16 mark per cell of the line-flag order, and
// the right-pointing arrow of the margin pointer.
#pragma once

#include <QCursor>
#include <QPixmap>

namespace orv {

inline constexpr int kMarkSize = 16;

// The mark of a cell (see line_flag::marginMarkCell): cells 3..12 are the numbered
// bookmarks 1..9 and 0 with their digit, cell 13 the plain bookmark, the others plain shapes.
const QPixmap& marginMark(int cell);
// The pointer over the margin: an arrow pointing right, at the line it selects.
const QCursor& marginCursor();

} // namespace orv
