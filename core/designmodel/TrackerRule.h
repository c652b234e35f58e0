// What a resize on the design surface may do to a rectangle: the element's place is fixed
// (only the layouts place elements), and with the designer grid on, sizes snap down to
// whole grid steps.
#pragma once

#include "settings/SettingsRecord.h"
#include "uimodel/UIGeometry.h"

namespace orv {

struct GridSettings {
    bool enabled = false;
    int width = 1;   // a step of 0 counts as 1
    int height = 1;

    static GridSettings from(const SettingsRecord& record);
};

// The rectangle the tracker keeps when a drag turns old into proposed: the left and top
// edges stay where they were (a dragged left or top edge changes the size instead), then
// width and height are rounded down to grid steps.
UIRect constrainTrackedRect(const UIRect& old, const UIRect& proposed, const GridSettings& grid);

} // namespace orv
