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
    result.offset = readFlagInt(rest);
    return result;
}

int CUIColumnLayout::spacing() const
{
    const int s = readFlagInt(m_flags[kRowSpacing]);
    return s < 0 ? -s : s;
}

UIPoint CUIColumnLayout::GetChildOrigin(const CUIElement& child)
{
    const int s = spacing();
    int y = 0;
    for (const auto& present : children())
        y += present->rect().height() + s;
    m_rect.bottom = m_rect.top + y + child.rect().height();
    growAncestors(true);
    return {0, y};
}

void CUIColumnLayout::arrangeBeforeParent()
{
    const Attachment attach = attachment();
    CUIWindow* window = parentWindow();
    if (window)
        m_rect = window->clientArea();
    const int s = spacing();
    // A child glued to the right edge already spans the offset; adding it again would make
    // a fitted window grow at every pass.
    const bool gluedRight = flagExactlyTrue(kAdjustableColumn) && (attach.side == Side::none || attach.side == Side::left);
    const int margin = gluedRight ? 0 : attach.offset;
    const CUIElement* lastVisible = nullptr;
    int neededWidth = 0;
    for (const auto& child : children()) {
        UIRect r = child->rect();
        const int height = r.height();
        r.top = (lastVisible ? lastVisible->rect().bottom : 0) + s;
        r.bottom = r.top + height;
        child->setRect(r);
        neededWidth = std::max(neededWidth, r.right + margin);
        if (child->visible())
            lastVisible = child.get();
    }
    const CUIElement* last = lastVisible ? lastVisible : (children().empty() ? nullptr : children().front().get());
    const int lastBottom = last ? last->rect().bottom : 0;
    if (insideLayout()) {
        m_rect.bottom = m_rect.top + lastBottom;
    } else if (window && window->fitToChildren()) {
        window->fitAround(neededWidth, lastBottom + s);
        m_rect = window->clientArea();
    }
    m_rect.bottom += s;
}

void CUIColumnLayout::arrangeAfterParent()
{
    if (const CUIWindow* window = parentWindow())
        m_rect = window->clientArea();
    const Attachment attach = attachment();
    const int o = attach.offset;
    const int width = m_rect.width();
    const bool adjustable = flagExactlyTrue(kAdjustableColumn);
    const bool attachGiven = !m_flags[kColumnAttach].empty();
    for (const auto& child : children()) {
        UIRect r = child->rect();
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
        child->setRect(r);
    }
}

} // namespace orv
