// Arrangement and stored columns of the row layout.
#include "uimodel/CUIRowLayout.h"

#include "uimodel/CUIWindow.h"
#include "uimodel/FlagText.h"

#include <algorithm>

namespace orv {

CUIRowLayout::CUIRowLayout(CUIElement& parent)
    : CUILayout(parent, "rowLayout", ElementTypeCode::rowLayout, "RowLayout%d", kRowLayoutMaxChildren,
                {kBackColor, kEnable, kHeight, kVisible, kWidth})
{
    finishConstruction();
}

void CUIRowLayout::StoreFlags(FlagValueTable& table) const
{
    table = m_flags;
    storeSize(table, kWidth, kHeight);
    table[kNumberOfColumns] = formatFlagInt(static_cast<int>(childCount()));
    for (std::uint32_t i = 0; i < kRowLayoutMaxChildren; ++i)
        table[kFirstColumnWidths + static_cast<int>(i)].clear();
    if (children().empty())
        return;
    std::string widths;
    for (const auto& child : children())
        widths += formatFlagInt(child->rect().width()) + " ";
    table[kFirstColumnWidths - 1 + static_cast<int>(childCount())] = widths;
}

// A full row takes no more children, so nothing grows for one it will refuse.
UIPoint CUIRowLayout::GetChildOrigin(const CUIElement& child)
{
    const int x = childrenExtent(false, 0);
    if (childCount() < maxChildren()) {
        m_rect.right = m_rect.left + x + child.rect().width();
        growAncestors(false);
    }
    return {x, 0};
}

void CUIRowLayout::placeChildren(Placing& state, std::size_t end) const
{
    for (; state.placed < end; ++state.placed) {
        CUIElement& child = *children()[state.placed];
        const UIRect r = child.rect();
        child.setRect({state.x, 0, state.x + r.width(), r.height()});
        state.x += r.width();
        state.tallest = std::max(state.tallest, r.height());
        if (child.visible())
            state.lastVisible = &child;
    }
}

void CUIRowLayout::takePlacedExtent(const Placing& state)
{
    CUIWindow* window = parentWindow();
    if (window)
        m_rect = window->clientArea();
    const CUIElement* last = state.lastVisible ? state.lastVisible : (children().empty() ? nullptr : children().front().get());
    const int lastRight = last ? last->rect().right : 0;
    if (insideLayout()) {
        m_rect.right = m_rect.left + lastRight;
        m_rect.bottom = m_rect.top + state.tallest;
    } else if (window && window->fitToChildren()) {
        window->fitAround(lastRight, state.tallest);
        m_rect = window->clientArea();
    }
}

void CUIRowLayout::arrangeBeforeParent()
{
    forgetChildrenExtent();
    m_placedBeforeNewest = {};
    Placing state;
    placeChildren(state, children().size());
    takePlacedExtent(state);
}

void CUIRowLayout::arrangeNewestBeforeParent()
{
    const std::size_t count = children().size();
    if (count > 0)
        placeChildren(m_placedBeforeNewest, count - 1);
    Placing state = m_placedBeforeNewest;
    placeChildren(state, count);
    takePlacedExtent(state);
}

void CUIRowLayout::arrangeAfterParent()
{
    if (const CUIWindow* window = parentWindow())
        m_rect = window->clientArea();
}

} // namespace orv
