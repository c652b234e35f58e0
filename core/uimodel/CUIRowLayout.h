// The row layout: up to six children side by side.
#pragma once

#include "uimodel/CUILayout.h"

namespace orv {

class CUIRowLayout final : public CUILayout {
public:
    static constexpr int kBackColor = 8;
    static constexpr int kFirstColumnWidths = 30;  // -cw1 .. -cw6 at 30 .. 35
    static constexpr int kEnable = 40;
    static constexpr int kHeight = 41;
    static constexpr int kNumberOfColumns = 43;
    static constexpr int kVisible = 47;
    static constexpr int kWidth = 48;

    explicit CUIRowLayout(CUIElement& parent);

    // Width, height, the number of children and their widths ("80 100 60 ") at the
    // column-width position of that number; the other column-width positions are emptied.
    void StoreFlags(FlagValueTable& table) const override;
    UIPoint GetChildOrigin(const CUIElement& child) override;
    // Places the children left to right and takes their extent (or fits the window).
    void arrangeBeforeParent() override;
    void arrangeAfterParent() override;
};

} // namespace orv
