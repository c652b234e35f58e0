// Margin marks and the margin pointer (gui/pictures/mark-*.svg, margin-pointer.svg), drawn once and kept.
#include "editor/MarginMarks.h"

#include "framework/Pictures.h"

#include <array>

namespace orv {

namespace {

// The picture of each cell of the line-flag order: cells 3..11 are bookmarks 1..9, cell 12 is 0.
constexpr std::array<const char*, 15> kMarks{
    "mark-dot",        "mark-diamond",    "mark-square-amber", "mark-bookmark-1",  "mark-bookmark-2",
    "mark-bookmark-3", "mark-bookmark-4", "mark-bookmark-5",   "mark-bookmark-6",  "mark-bookmark-7",
    "mark-bookmark-8", "mark-bookmark-9", "mark-bookmark-0",   "mark-bookmark",    "mark-square-grey",
};

} // namespace

const QPixmap& marginMark(int cell)
{
    static const std::array<QPixmap, kMarks.size()> marks = [] {
        std::array<QPixmap, kMarks.size()> all;
        for (std::size_t each = 0; each < kMarks.size(); ++each)
            all[each] = picture(kMarks[each], kMarkSize);
        return all;
    }();
    static const QPixmap none;
    return cell >= 0 && cell < static_cast<int>(kMarks.size()) ? marks[static_cast<std::size_t>(cell)] : none;
}

const QCursor& marginCursor()
{
    // The tip of the arrow, where the picture points at the line it selects.
    static const QCursor cursor(picture("margin-pointer", 32), 20, 10);
    return cursor;
}

} // namespace orv
