// The list control's flags and items.
#include "uimodel/CUITextScrollList.h"

#include "uimodel/ScriptWalk.h"

namespace orv {

CUITextScrollList::CUITextScrollList(CUIElement& parent)
    : CUIElement(parent.context(), &parent, "textScrollList", ElementTypeCode::textScrollList)
{
    m_name = context().takeName("TextScrollList%d");
    m_rect = {0, 0, static_cast<int>(settings().listWidth), static_cast<int>(settings().listHeight)};
    finishConstruction();
}

void CUITextScrollList::AppendExtraFlags(ScriptWriter& out, bool shortFlags) const
{
    if (!m_listItems.empty())
        out.addRepeatedText(shortFlags ? mel_export::kListItemShort : mel_export::kListItemLong, m_listItems);
}

void CUITextScrollList::ApplyFlags(const FlagValueTable& table)
{
    m_flags = table;
    applySize(kWidth, kHeight);
    applyEnabled(kEnable);
    applyVisible(kVisible);
    finishApply();
}

void CUITextScrollList::StoreFlags(FlagValueTable& table) const
{
    table = m_flags;
    storeSize(table, kWidth, kHeight);
}

void CUITextScrollList::addItem(std::string item)
{
    m_listItems.push_back(std::move(item));
    announceShownState();
}

void CUITextScrollList::setItems(std::vector<std::string> items)
{
    m_listItems = std::move(items);
    announceShownState();
}

} // namespace orv
