// Arrangement and shown state of the frame layout.
#include "uimodel/CUIFrameLayout.h"

#include "uimodel/CUIWindow.h"
#include "uimodel/FlagText.h"

#include <algorithm>
#include <cstdlib>

namespace orv {
namespace {

bool booleanValue(const std::string& value, bool otherwise)
{
    return readBooleanWord(value).value_or(otherwise);
}

} // namespace

CUIFrameLayout::CUIFrameLayout(CUIElement& parent)
    : CUILayout(parent, "frameLayout", element_code::frameLayout, "FrameLayout%d", 1,
                {kBackColor, kEnable, kHeight, kVisible, kWidth})
{
    m_rect.bottom = m_rect.top + heightAround(0);
    finishConstruction();
}

void CUIFrameLayout::ApplyFlags(const FlagValueTable& table)
{
    if (!table[kLabel].empty())
        setPreviewText(table[kLabel]);
    setStyle(PreviewStyle::collapsable, booleanValue(table[kCollapsable], false));
    setStyle(PreviewStyle::collapsed, booleanValue(table[kCollapse], false));
    setStyle(PreviewStyle::titleHidden, !booleanValue(table[kLabelVisible], true));
    setStyle(PreviewStyle::border, booleanValue(table[kBorderVisible], false));
    CUILayout::ApplyFlags(table);
}

void CUIFrameLayout::StoreFlags(FlagValueTable& table) const
{
    table = m_flags;
    storeSize(table, kWidth, kHeight);
    table[kLabel] = m_previewText;
}

CUIFrameLayout::Margins CUIFrameLayout::margins() const
{
    return {std::abs(readFlagLength(m_flags[kMarginWidth])), std::abs(readFlagLength(m_flags[kMarginHeight]))};
}

int CUIFrameLayout::titleHeight() const
{
    return hasStyle(m_styles, PreviewStyle::titleHidden) ? 0 : metrics::kFrameTitleHeight;
}

int CUIFrameLayout::heightAround(int childHeight) const
{
    if (hasStyle(m_styles, PreviewStyle::collapsed))
        return titleHeight();
    return titleHeight() + childHeight + 2 * margins().height;
}

UIPoint CUIFrameLayout::GetChildOrigin(const CUIElement& child)
{
    if (childCount() < maxChildren()) {
        m_rect.bottom = m_rect.top + heightAround(child.rect().height());
        growAncestors(true);
    }
    const Margins m = margins();
    return {m.width, titleHeight() + m.height};
}

void CUIFrameLayout::arrangeBeforeParent()
{
    CUIWindow* window = parentWindow();
    if (window)
        m_rect = window->clientArea();
    const Margins m = margins();
    int childHeight = 0;
    int neededWidth = 2 * m.width;
    if (!children().empty()) {
        CUIElement& child = *children().front();
        UIRect r = child.rect();
        const int height = r.height();
        r.top = titleHeight() + m.height;
        r.bottom = r.top + height;
        child.setRect(r);
        if (child.visible())
            childHeight = height;
        neededWidth = r.right + m.width;
    }
    if (insideLayout()) {
        m_rect.bottom = m_rect.top + heightAround(childHeight);
    } else if (window && window->fitToChildren()) {
        window->fitAround(neededWidth, heightAround(childHeight));
        m_rect = window->clientArea();
    }
}

void CUIFrameLayout::arrangeAfterParent()
{
    if (const CUIWindow* window = parentWindow())
        m_rect = window->clientArea();
    if (children().empty())
        return;
    CUIElement& child = *children().front();
    const Margins m = margins();
    UIRect r = child.rect();
    r.left = m.width;
    r.right = std::max(r.left, m_rect.width() - m.width);
    child.setRect(r);
}

} // namespace orv
