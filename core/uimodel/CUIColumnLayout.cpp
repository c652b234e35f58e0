// Arrangement of the column layout.
#include "uimodel/CUIColumnLayout.h"

#include "uimodel/CUIWindow.h"
#include "uimodel/FlagText.h"

#include <algorithm>
#include <cstdlib>

namespace orv {

CUIColumnLayout::CUIColumnLayout(CUIElement& parent)
    : CUILayout(parent, "columnLayout", ElementTypeCode::columnLayout, "ColumnLayout%d", kUnlimitedChildren,
                {kBackColor, kEnable, kHeight, kVisible, kWidth})
{
    finishConstruction();
}

void CUIColumnLayout::StoreFlags(FlagValueTable& table) const
{
    table = m_flags;
    storeSize(table, kWidth, kHeight);
    table[kColumnWidth] = table[kWidth];
}

CUIColumnLayout::Attachment CUIColumnLayout::attachment() const
{
    const std::string& value = m_flags[kColumnAttach].empty() ? m_flags[kColumnOffset] : m_flags[kColumnAttach];
    const auto [word, rest] = splitAtFirstBlank(value);
    Attachment result;
    if (word == "left")
        result.side = Side::left;
    else if (word == "right")
        result.side = Side::right;
    else if (word == "both")
        result.side = Side::both;
    result.offset = readFlagLength(rest);
    return result;
}

int CUIColumnLayout::spacing() const
{
    const int s = readFlagLength(m_flags[kRowSpacing]);
    return s < 0 ? -s : s;
}

UIPoint CUIColumnLayout::GetChildOrigin(const CUIElement& child)
{
    const int y = childrenExtent(true, spacing());
    m_rect.bottom = m_rect.top + y + child.rect().height();
    growAncestors(true);
    return {0, y};
}

CUIColumnLayout::StackRule CUIColumnLayout::stackRule() const
{
    const Attachment attach = attachment();
    // Left out on purpose for an adjustable column attached left or to no side: its child
    // reaches the right edge and so already spans the offset; adding the offset again would
    // make a fitted window grow by it at every pass.
    const bool gluedRight = flagExactlyTrue(kAdjustableColumn) && (attach.side == Side::none || attach.side == Side::left);
    return {spacing(), gluedRight ? 0 : attach.offset};
}

void CUIColumnLayout::stackChildren(Stacking& state, std::size_t end, const StackRule& rule) const
{
    const int s = rule.spacing;
    const int margin = rule.margin;
    for (; state.stacked < end; ++state.stacked) {
        CUIElement& child = *children()[state.stacked];
        UIRect r = child.rect();
        const int height = r.height();
        r.top = (state.lastVisible ? state.lastVisible->rect().bottom : 0) + s;
        r.bottom = r.top + height;
        child.setRect(r);
        state.neededWidth = std::max(state.neededWidth, r.right + margin);
        if (child.visible())
            state.lastVisible = &child;
    }
}

void CUIColumnLayout::takeStackedExtent(const Stacking& state, const StackRule& rule)
{
    CUIWindow* window = parentWindow();
    if (window)
        m_rect = window->clientArea();
    const int s = rule.spacing;
    const CUIElement* last = state.lastVisible ? state.lastVisible : (children().empty() ? nullptr : children().front().get());
    const int lastBottom = last ? last->rect().bottom : 0;
    if (insideLayout()) {
        m_rect.bottom = m_rect.top + lastBottom;
    } else if (window && window->fitToChildren()) {
        window->fitAround(state.neededWidth, lastBottom + s);
        m_rect = window->clientArea();
    }
    m_rect.bottom += s;
}

void CUIColumnLayout::arrangeBeforeParent()
{
    forgetChildrenExtent();
    m_stackedBeforeNewest = {};
    const StackRule rule = stackRule();
    Stacking state;
    stackChildren(state, children().size(), rule);
    takeStackedExtent(state, rule);
}

void CUIColumnLayout::arrangeNewestBeforeParent()
{
    const StackRule rule = stackRule();
    const std::size_t count = children().size();
    if (count > 0)
        stackChildren(m_stackedBeforeNewest, count - 1, rule);
    Stacking state = m_stackedBeforeNewest;
    stackChildren(state, count, rule);
    takeStackedExtent(state, rule);
}

CUIColumnLayout::AcrossRule CUIColumnLayout::acrossRule() const
{
    return {attachment(), m_rect.width(), flagExactlyTrue(kAdjustableColumn), !m_flags[kColumnAttach].empty()};
}

void CUIColumnLayout::placeAcross(CUIElement& child, const AcrossRule& rule)
{
    const Attachment& attach = rule.attach;
    const int o = attach.offset;
    const int width = rule.width;
    const bool adjustable = rule.adjustable;
    const bool attachGiven = rule.attachGiven;
    UIRect r = child.rect();
    const int w = r.width();
    if (!adjustable && !attachGiven) {
        r = {0, r.top, w, r.bottom};  // an offset alone does not move children
    } else {
        switch (attach.side) {
        case Side::none:
            if (!adjustable)
                break;
            [[fallthrough]];
        case Side::left:
            r.left = o;
            r.right = adjustable ? width : o + w;
            break;
        case Side::right:
            r.left = adjustable ? 0 : width - o - w;
            r.right = width - o;
            break;
        case Side::both:
            r.left = o;
            r.right = width - o;
            break;
        }
    }
    child.setRect(r);
}

void CUIColumnLayout::arrangeAfterParent()
{
    if (const CUIWindow* window = parentWindow())
        m_rect = window->clientArea();
    const AcrossRule rule = acrossRule();
    for (const auto& child : children())
        placeAcross(*child, rule);
}

void CUIColumnLayout::arrangeNewestAfterParent()
{
    if (const CUIWindow* window = parentWindow())
        m_rect = window->clientArea();
    if (!children().empty())
        placeAcross(*children().back(), acrossRule());
}

} // namespace orv
