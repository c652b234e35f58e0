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
    int x = 0;
    for (const auto& present : children())
        x += present->rect().width();
    if (childCount() < maxChildren()) {
        m_rect.right = m_rect.left + x + child.rect().width();
        growAncestors(false);
    }
    return {x, 0};
}

void CUIRowLayout::arrangeBeforeParent()
{
    CUIWindow* window = parentWindow();
    if (window)
        m_rect = window->clientArea();
    int x = 0;
    int tallest = 0;
    const CUIElement* lastVisible = nullptr;
    for (const auto& child : children()) {
        const UIRect r = child->rect();
        child->setRect({x, 0, x + r.width(), r.height()});
        x += r.width();
        tallest = std::max(tallest, r.height());
        if (child->visible())
            lastVisible = child.get();
    }
    const CUIElement* last = lastVisible ? lastVisible : (children().empty() ? nullptr : children().front().get());
    const int lastRight = last ? last->rect().right : 0;
    if (insideLayout()) {
        m_rect.right = m_rect.left + lastRight;
        m_rect.bottom = m_rect.top + tallest;
    } else if (window && window->fitToChildren()) {
        window->fitAround(lastRight, tallest);
        m_rect = window->clientArea();
    }
}

void CUIRowLayout::arrangeAfterParent()
{
    if (const CUIWindow* window = parentWindow())
        m_rect = window->clientArea();
}

} // namespace orv
