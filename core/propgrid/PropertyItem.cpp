// Category bookkeeping and the shown text of a chosen entry.
#include "propgrid/PropertyItem.h"

#include <algorithm>

namespace orv {

CPropertyItem& CPropertyItemCategory::add(std::unique_ptr<CPropertyItem> item)
{
    m_items.push_back(std::move(item));
    return *m_items.back();
}

int CPropertyItemCategory::visibleItemCount() const
{
    return static_cast<int>(std::count_if(m_items.begin(), m_items.end(), [](const auto& i) { return i->visible(); }));
}

std::string CPropertyItemList::valueText() const
{
    if (m_value == 0)
        return {};
    return choice(m_value).value_or(std::string());
}

int CPropertyItemList::choiceCount() const
{
    int count = 0;
    while (choice(count))
        ++count;
    return count;
}

void CPropertyItemList::setValue(int index)
{
    if (index >= 0 && index < choiceCount())
        m_value = index;
}

std::optional<std::string> CPropertyItemBool::choice(int index) const
{
    if (index < 0 || index >= static_cast<int>(m_choices.size()))
        return std::nullopt;
    return m_choices[static_cast<std::size_t>(index)];
}

std::optional<std::string> CPropertyItemWords::choice(int index) const
{
    if (index == 0)
        return std::string(kDefaultChoice);
    if (index < 0 || index > static_cast<int>(m_words.size()))
        return std::nullopt;
    return m_words[static_cast<std::size_t>(index - 1)];
}

int CPropertyItemWords::entryOf(const std::string& word) const
{
    const auto it = std::find(m_words.begin(), m_words.end(), word);
    return it == m_words.end() ? 0 : static_cast<int>(it - m_words.begin()) + 1;
}

} // namespace orv
