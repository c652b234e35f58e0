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
    void arrangeNewestBeforeParent() override;
    void arrangeNewestAfterParent() override;

private:
    enum class Side { none, left, right, both };
    struct Attachment {
        Side side = Side::none;
        int offset = 0;
    };
    // Where stacking the children has got to: how many, the last visible one, the width
    // they need.
    struct Stacking {
        std::size_t stacked = 0;
        const CUIElement* lastVisible = nullptr;
        int neededWidth = 0;
    };
    Attachment attachment() const;
    int spacing() const;
    // The spacing between children and the margin a fitted window keeps right of them.
    struct StackRule {
        int spacing = 0;
        int margin = 0;
    };
    StackRule stackRule() const;
    // Stacks the children from state.stacked up to end below the ones before.
    void stackChildren(Stacking& state, std::size_t end, const StackRule& rule) const;
    // The own height from the stacked children (or the window fitted around them).
    void takeStackedExtent(const Stacking& state, const StackRule& rule);
    // How the children are placed across: by attachment, offset and adjustable column, in
    // the own width.
    struct AcrossRule {
        Attachment attach;
        int width = 0;
        bool adjustable = false;
        bool attachGiven = false;
    };
    AcrossRule acrossRule() const;
    static void placeAcross(CUIElement& child, const AcrossRule& rule);

    Stacking m_stackedBeforeNewest;
};

} // namespace orv
