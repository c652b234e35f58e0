// The flag values of an element, holding only the flags given.
#include "uimodel/FlagValueTable.h"

#include <algorithm>
#include <iterator>

namespace orv {

namespace {

bool given(const FlagValueTable::Entries::value_type& entry)
{
    return !entry.second.empty();
}

} // namespace

FlagValueTable::FlagValueTable(const FlagValueTable& other)
{
    std::copy_if(other.m_entries.begin(), other.m_entries.end(), std::inserter(m_entries, m_entries.end()), given);
}

FlagValueTable::FlagValueTable(FlagValueTable&& other) noexcept : m_entries(std::move(other.m_entries))
{
    dropEmpty();
}

FlagValueTable& FlagValueTable::operator=(const FlagValueTable& other)
{
    if (this != &other)
        *this = FlagValueTable(other);
    return *this;
}

FlagValueTable& FlagValueTable::operator=(FlagValueTable&& other) noexcept
{
    if (this != &other) {
        m_entries = std::move(other.m_entries);
        dropEmpty();
    }
    return *this;
}

const std::string& FlagValueTable::operator[](int position) const
{
    static const std::string notGiven;
    const auto it = m_entries.find(position);
    return it == m_entries.end() ? notGiven : it->second;
}

bool FlagValueTable::operator==(const FlagValueTable& other) const
{
    auto a = m_entries.begin();
    auto b = other.m_entries.begin();
    for (;;) {
        a = std::find_if(a, m_entries.end(), given);
        b = std::find_if(b, other.m_entries.end(), given);
        if (a == m_entries.end() || b == other.m_entries.end())
            return a == m_entries.end() && b == other.m_entries.end();
        if (*a++ != *b++)
            return false;
    }
}

void FlagValueTable::dropEmpty()
{
    std::erase_if(m_entries, [](const Entries::value_type& entry) { return !given(entry); });
}

} // namespace orv
