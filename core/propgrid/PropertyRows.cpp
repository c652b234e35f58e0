// Row arithmetic of collapsing and expanding categories, and the letter jump.
#include "propgrid/PropertyRows.h"

#include <algorithm>
#include <cctype>

namespace orv {

void PropertyRows::setPropertySet(CPropertySet* set)
{
    m_rows.clear();
    if (!set)
        return;
    for (const auto& category : set->categories()) {
        if (!category->visible())
            continue;
        category->setExpanded(false);
        m_rows.push_back(category.get());
        expand(count() - 1);
    }
}

CPropertyItem* PropertyRows::item(int row) const
{
    if (row < 0 || row >= count())
        return nullptr;
    return m_rows[static_cast<std::size_t>(row)];
}

CPropertyItemCategory* PropertyRows::category(int row) const
{
    CPropertyItem* found = item(row);
    return found && found->isCategory() ? static_cast<CPropertyItemCategory*>(found) : nullptr;
}

bool PropertyRows::expand(int row)
{
    CPropertyItemCategory* cat = category(row);
    if (!cat || cat->expanded())
        return false;
    auto at = m_rows.begin() + row + 1;
    for (const auto& child : cat->items())
        if (child->visible())
            at = m_rows.insert(at, child.get()) + 1;
    cat->setExpanded(true);
    return true;
}

bool PropertyRows::collapse(int row)
{
    CPropertyItemCategory* cat = category(row);
    if (!cat || !cat->expanded())
        return false;
    const auto first = m_rows.begin() + row + 1;
    m_rows.erase(first, first + std::min(cat->visibleItemCount(), count() - row - 1));
    cat->setExpanded(false);
    return true;
}

bool PropertyRows::toggle(int row)
{
    const CPropertyItemCategory* cat = category(row);
    return cat && (cat->expanded() ? collapse(row) : expand(row));
}

int PropertyRows::letterJump(int from, char letter) const
{
    const int n = count();
    if (n == 0)
        return -1;
    const int wanted = std::tolower(static_cast<unsigned char>(letter));
    const int start = from < 0 ? -1 : from;
    for (int step = 1; step <= n; ++step) {
        const int row = ((start + step) % n + n) % n;
        const std::string& name = m_rows[static_cast<std::size_t>(row)]->name();
        if (!name.empty() && std::tolower(static_cast<unsigned char>(name[0])) == wanted)
            return row;
    }
    return -1;
}

} // namespace orv
