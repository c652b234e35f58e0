// What the column and row layouts share: their first rectangle, their flags, and how
// they make their ancestors grow for a new child.
#pragma once

#include "uimodel/CUIElement.h"

namespace orv {

class CUIWindow;

struct LayoutFlagPositions {
    int backColor;
    int enable;
    int height;
    int visible;
    int width;
};

class CUILayout : public CUIElement {
public:
    bool IsContainer() const override { return true; }
    // Size, colour, enable and visible, then three arrangements.
    void ApplyFlags(const FlagValueTable& table) override;

protected:
    CUILayout(CUIElement& parent, const char* command, ElementTypeCode code, const char* namePattern,
              std::uint32_t maxChildren, const LayoutFlagPositions& positions);

    // The window when it is the parent, else null.
    CUIWindow* parentWindow() const;
    bool insideLayout() const { return m_parent && m_parent->isArranging(); }
    // Every ancestor whose bottom (taller) or right edge is not beyond this layout's
    // bottom or right edge, plus the frame of a window, grows to it.
    void growAncestors(bool taller);
    // Sum of each present child's height (or width) plus gap. While arranging is deferred,
    // only the children added since the previous call are visited.
    int childrenExtent(bool heights, int gap);
    // A full arrangement may have changed any child: the kept sum starts again.
    void forgetChildrenExtent() { m_summedChildren = 0; m_summedExtent = 0; }

private:
    LayoutFlagPositions m_positions;
    std::size_t m_summedChildren = 0;
    int m_summedExtent = 0;
};

} // namespace orv
