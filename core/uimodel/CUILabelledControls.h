// The controls that show a label: button, text and check box.
#pragma once

#include "uimodel/CUIElement.h"

namespace orv {

struct LabelledFlagPositions {
    int alignment;
    int backColor;  // -1: the control shows no colour of its own
    int enable;
    int height;
    int label;
    int visible;
    int width;
};

class CUILabelledControl : public CUIElement {
public:
    void ApplyFlags(const FlagValueTable& table) override;
    void StoreFlags(FlagValueTable& table) const override;

protected:
    CUILabelledControl(CUIElement& parent, const char* command, ElementTypeCode code, const char* namePattern,
                       std::uint32_t width, std::uint32_t height, const LabelledFlagPositions& positions);

private:
    LabelledFlagPositions m_positions;
};

class CUIButton final : public CUILabelledControl {
public:
    static constexpr LabelledFlagPositions kPositions{0, 2, 8, 9, 10, 15, 16};
    explicit CUIButton(CUIElement& parent);
};

class CUIText final : public CUILabelledControl {
public:
    static constexpr LabelledFlagPositions kPositions{0, -1, 7, 9, 10, 15, 16};
    explicit CUIText(CUIElement& parent);
};

class CUICheckBox final : public CUILabelledControl {
public:
    static constexpr LabelledFlagPositions kPositions{0, -1, 9, 10, 11, 19, 20};
    explicit CUICheckBox(CUIElement& parent);
};

} // namespace orv
