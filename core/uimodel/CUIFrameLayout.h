// The frame layout: a title bar with a label (and a collapse arrow when it collapses) over
// one child, which it stretches across its width.
#pragma once

#include "uimodel/CUILayout.h"

namespace orv {

class CUIFrameLayout final : public CUILayout {
public:
    static constexpr int kBackColor = 1;
    static constexpr int kBorderVisible = 3;
    static constexpr int kCollapse = 5;
    static constexpr int kCollapsable = 6;
    static constexpr int kEnable = 12;
    static constexpr int kHeight = 14;
    static constexpr int kLabel = 15;
    static constexpr int kLabelVisible = 18;
    static constexpr int kMarginHeight = 21;
    static constexpr int kMarginWidth = 22;
    static constexpr int kVisible = 27;
    static constexpr int kWidth = 28;

    explicit CUIFrameLayout(CUIElement& parent);

    // The label, whether it collapses, is collapsed, shows its title and its border, then
    // what every layout takes.
    void ApplyFlags(const FlagValueTable& table) override;
    // Width, height and the label it shows.
    void StoreFlags(FlagValueTable& table) const override;
    // Below the title and inside the margins; an empty frame grows for its child.
    UIPoint GetChildOrigin(const CUIElement& child) override;
    // Places the child below the title and takes the title, the margins and the child's
    // height (the title alone when collapsed), or fits the window around them.
    void arrangeBeforeParent() override;
    // Takes the window's client area when in the window, stretches the child across.
    void arrangeAfterParent() override;

private:
    struct Margins {
        int width = 0;
        int height = 0;
    };
    Margins margins() const;
    int titleHeight() const;
    // The own height around a child of the given height (0: none or hidden).
    int heightAround(int childHeight) const;
};

} // namespace orv
