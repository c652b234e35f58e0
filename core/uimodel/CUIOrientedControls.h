// The controls with a horizontal flag: int and float sliders and the separator.
#pragma once

#include "uimodel/CUIElement.h"

namespace orv {

struct OrientedFlagPositions {
    int enable;
    int height;
    int horizontal;
    int visible;
    int width;
};

class CUIOrientedControl : public CUIElement {
public:
    // A horizontal control is never taller than wide, a vertical one never wider than
    // tall: width and height values swap in the table when they disagree.
    void ApplyFlags(const FlagValueTable& table) override;
    void StoreFlags(FlagValueTable& table) const override;

protected:
    CUIOrientedControl(CUIElement& parent, const char* command, ElementTypeCode code, const char* namePattern,
                       int width, int height, const OrientedFlagPositions& positions);

private:
    OrientedFlagPositions m_positions;
};

class CUIIntSlider final : public CUIOrientedControl {
public:
    static constexpr OrientedFlagPositions kPositions{8, 9, 10, 18, 19};
    explicit CUIIntSlider(CUIElement& parent);
};

class CUIFloatSlider final : public CUIOrientedControl {
public:
    static constexpr OrientedFlagPositions kPositions{8, 9, 10, 18, 19};
    explicit CUIFloatSlider(CUIElement& parent);
};

class CUISeparator final : public CUIOrientedControl {
public:
    static constexpr OrientedFlagPositions kPositions{6, 7, 8, 13, 14};
    static constexpr int kStyle = 11;
    explicit CUISeparator(CUIElement& parent);
    // The line its style draws ("in", the etched line, unless the style says otherwise), then
    // what every oriented control takes.
    void ApplyFlags(const FlagValueTable& table) override;
};

} // namespace orv
