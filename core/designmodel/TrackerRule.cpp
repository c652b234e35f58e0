// The tracker's position lock and grid.
#include "designmodel/TrackerRule.h"

namespace orv {

GridSettings GridSettings::from(const SettingsRecord& record)
{
    GridSettings grid;
    grid.enabled = record.designerGrid();
    grid.width = record.gridWidth == 0 ? 1 : record.gridWidth;
    grid.height = record.gridHeight == 0 ? 1 : record.gridHeight;
    return grid;
}

UIRect constrainTrackedRect(const UIRect& old, const UIRect& proposed, const GridSettings& grid)
{
    const int w = proposed.width();
    const int h = proposed.height();
    UIRect r = proposed;
    if (r.left != old.left) {
        r.left = old.left;
        r.right = old.left + w;
    }
    if (r.top != old.top) {
        r.top = old.top;
        r.bottom = old.top + h;
    }
    if (!grid.enabled)
        return r;
    const int gx = grid.width > 0 ? grid.width : 1;
    const int gy = grid.height > 0 ? grid.height : 1;
    // The lock keeps left and top, so only the far edges are rounded.
    if (r.right != old.right)
        r.right = r.left + (w / gx) * gx;
    if (r.bottom != old.bottom)
        r.bottom = r.top + (h / gy) * gy;
    return r;
}

} // namespace orv
