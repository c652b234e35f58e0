// Shared behaviour of the two layouts.
#include "uimodel/CUILayout.h"

#include "uimodel/CUIWindow.h"

namespace orv {

CUILayout::CUILayout(CUIElement& parent, const char* command, ElementTypeCode code, const char* namePattern,
                     std::uint32_t maxChildren, const LayoutFlagPositions& positions)
    : CUIElement(parent.context(), &parent, command, code), m_positions(positions)
{
    m_name = context().takeName(namePattern);
    m_previewText = m_name;
    m_maxChildren = maxChildren;
    const UIRect& outer = parent.rect();
    if (parent.isWindow())
        m_rect = {0, 0, outer.width() - metrics::kNewLayoutWidthInset, outer.height() - metrics::kNewLayoutHeightInset};
    else
        m_rect = {0, 0, outer.width(), 0};
}

void CUILayout::ApplyFlags(const FlagValueTable& table)
{
    m_flags = table;
    applySize(m_positions.width, m_positions.height);
    applyBackColor(m_positions.backColor);
    applyEnabled(m_positions.enable);
    applyVisible(m_positions.visible);
    announceShownState();
    for (int pass = 0; pass < 3; ++pass)
        arrange(nullptr);
    announceTreeGeometry();
}

CUIWindow* CUILayout::parentWindow() const
{
    return m_parent && m_parent->isWindow() ? static_cast<CUIWindow*>(m_parent) : nullptr;
}

int CUILayout::childrenExtent(bool heights, int gap)
{
    if (!context().arrangementDeferred())
        forgetChildrenExtent();
    for (; m_summedChildren < children().size(); ++m_summedChildren) {
        const UIRect& r = children()[m_summedChildren]->rect();
        m_summedExtent += (heights ? r.height() : r.width()) + gap;
    }
    return m_summedExtent;
}

void CUILayout::growAncestors(bool taller)
{
    for (CUIElement* ancestor = m_parent; ancestor; ancestor = ancestor->parent()) {
        UIRect r = ancestor->rect();
        int& edge = taller ? r.bottom : r.right;
        const int origin = taller ? r.top : r.left;
        int needed = (taller ? m_rect.bottom : m_rect.right) + origin;
        if (ancestor->isWindow()) {
            const auto* window = static_cast<const CUIWindow*>(ancestor);
            needed += taller ? window->frameHeight() : window->frameWidth();
        }
        if (needed >= edge) {
            edge = origin + needed;
            ancestor->setRect(r);
        }
    }
}

} // namespace orv
