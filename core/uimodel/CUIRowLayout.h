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
    void arrangeNewestBeforeParent() override;

private:
    // Where placing the children has got to: how many, where the next starts, the tallest
    // height, the last visible one.
    struct Placing {
        std::size_t placed = 0;
        int x = 0;
        int tallest = 0;
        const CUIElement* lastVisible = nullptr;
    };
    void placeChildren(Placing& state, std::size_t end) const;
    // The own extent from the placed children (or the window fitted around them).
    void takePlacedExtent(const Placing& state);

    Placing m_placedBeforeNewest;
};

} // namespace orv
