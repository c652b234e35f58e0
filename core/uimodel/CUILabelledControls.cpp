// Button, text and check box: size, label, colour, alignment, enable and visible flags.
#include "uimodel/CUILabelledControls.h"

namespace orv {

CUILabelledControl::CUILabelledControl(CUIElement& parent, const char* command, ElementTypeCode code,
                                       const char* namePattern, std::uint32_t width, std::uint32_t height,
                                       const LabelledFlagPositions& positions)
    : CUIElement(parent.context(), &parent, command, code), m_positions(positions)
{
    m_name = context().takeName(namePattern);
    m_previewText = m_name;
    m_rect = {0, 0, static_cast<int>(width), static_cast<int>(height)};
}

void CUILabelledControl::ApplyFlags(const FlagValueTable& table)
{
    m_flags = table;
    applySize(m_positions.width, m_positions.height);
    if (m_positions.backColor >= 0)
        applyBackColor(m_positions.backColor);
    if (!flags()[m_positions.label].empty())
        setPreviewText(flags()[m_positions.label]);
    applyEnabled(m_positions.enable);
    applyAlignment(m_positions.alignment);
    applyVisible(m_positions.visible);
    finishApply();
}

void CUILabelledControl::StoreFlags(FlagValueTable& table) const
{
    table = m_flags;
    storeSize(table, m_positions.width, m_positions.height);
    table[m_positions.label] = m_previewText;
}

CUIButton::CUIButton(CUIElement& parent)
    : CUILabelledControl(parent, "button", ElementTypeCode::button, "Button%d", parent.context().settings().buttonWidth,
                         parent.context().settings().buttonHeight, kPositions)
{
    finishConstruction();
}

CUIText::CUIText(CUIElement& parent)
    : CUILabelledControl(parent, "text", ElementTypeCode::text, "Text%d", parent.context().settings().textWidth,
                         parent.context().settings().textHeight, kPositions)
{
    finishConstruction();
}

CUICheckBox::CUICheckBox(CUIElement& parent)
    : CUILabelledControl(parent, "checkBox", ElementTypeCode::checkBox, "CheckBox%d",
                         parent.context().settings().checkBoxWidth, parent.context().settings().checkBoxHeight,
                         kPositions)
{
    finishConstruction();
}

} // namespace orv
