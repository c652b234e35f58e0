// The column layout: children stacked top to bottom, placed by attachment and offset.
#pragma once

#include "uimodel/CUILayout.h"

namespace orv {

class CUIColumnLayout final : public CUILayout {
public:
    static constexpr int kAdjustableColumn = 0;
    static constexpr int kBackColor = 2;
    static constexpr int kColumnAttach = 4;
    static constexpr int kColumnOffset = 5;
    static constexpr int kColumnWidth = 6;
    static constexpr int kEnable = 11;
    static constexpr int kHeight = 12;
    static constexpr int kRowSpacing = 15;
    static constexpr int kVisible = 17;
    static constexpr int kWidth = 18;

    explicit CUIColumnLayout(CUIElement& parent);

    void StoreFlags(FlagValueTable& table) const override;
    UIPoint GetChildOrigin(const CUIElement& child) override;
    // Stacks the children, sets the own height (or fits the window around them).
    void arrangeBeforeParent() override;
    // Takes the window's client area when in the window, places the children across.
    void arrangeAfterParent() override;

private:
    enum class Side { none, left, right, both };
    struct Attachment {
        Side side = Side::none;
        int offset = 0;
    };
    Attachment attachment() const;
    int spacing() const;
};

} // namespace orv
