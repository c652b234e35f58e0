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

private:
    LayoutFlagPositions m_positions;
};

} // namespace orv
