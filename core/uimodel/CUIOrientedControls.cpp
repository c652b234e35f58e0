// Sliders and separator: orientation, size, enable and visible flags.
#include "uimodel/CUIOrientedControls.h"

#include "uimodel/FlagText.h"
#include "uimodel/FlagWords.h"

#include <utility>

namespace orv {

CUIOrientedControl::CUIOrientedControl(CUIElement& parent, const char* command, ElementTypeCode code,
                                       const char* namePattern, int width, int height,
                                       const OrientedFlagPositions& positions)
    : CUIElement(parent.context(), &parent, command, code), m_positions(positions)
{
    m_name = context().takeName(namePattern);
    m_rect = {0, 0, width, height};
}

void CUIOrientedControl::ApplyFlags(const FlagValueTable& table)
{
    m_flags = table;
    const bool horizontal = flagOn(m_positions.horizontal);
    const int width = readFlagLength(flags()[m_positions.width]);
    const int height = readFlagLength(flags()[m_positions.height]);
    m_flagsRewritten = (horizontal && width < height) || (!horizontal && width > height);
    if (m_flagsRewritten)
        std::swap(m_flags[m_positions.width], m_flags[m_positions.height]);
    applySize(m_positions.width, m_positions.height);
    setStyle(PreviewStyle::vertical, !horizontal);
    applyEnabled(m_positions.enable);
    applyVisible(m_positions.visible);
    finishApply();
}

void CUIOrientedControl::StoreFlags(FlagValueTable& table) const
{
    table = m_flags;
    storeSize(table, m_positions.width, m_positions.height);
}

CUIIntSlider::CUIIntSlider(CUIElement& parent)
    : CUIOrientedControl(parent, "intSlider", ElementTypeCode::slider, "IntSlider%d",
                         static_cast<int>(parent.context().settings().sliderWidth),
                         static_cast<int>(parent.context().settings().sliderHeight), kPositions)
{
    finishConstruction();
}

CUIFloatSlider::CUIFloatSlider(CUIElement& parent)
    : CUIOrientedControl(parent, "floatSlider", ElementTypeCode::slider, "FloatSlider%d",
                         static_cast<int>(parent.context().settings().sliderWidth),
                         static_cast<int>(parent.context().settings().sliderHeight), kPositions)
{
    finishConstruction();
}

CUISeparator::CUISeparator(CUIElement& parent)
    : CUIOrientedControl(parent, "separator", ElementTypeCode::separator, "Separator%d", parent.rect().width(),
                         metrics::kSeparatorHeight, kPositions)
{
    finishConstruction();
}

void CUISeparator::ApplyFlags(const FlagValueTable& table)
{
    namespace ss = separator_style;
    const std::string& style = table[kStyle];
    const bool flat = style == ss::single || style == ss::doubleLine || style == ss::singleDash || style == ss::doubleDash;
    setStyle(PreviewStyle::lineHidden, style == ss::none);
    setStyle(PreviewStyle::lineFlat, flat);
    setStyle(PreviewStyle::lineDouble, style == ss::doubleLine || style == ss::doubleDash);
    setStyle(PreviewStyle::lineDashed, style == ss::singleDash || style == ss::doubleDash);
    setStyle(PreviewStyle::lineRaised, style == ss::out);
    CUIOrientedControl::ApplyFlags(table);
}

} // namespace orv
