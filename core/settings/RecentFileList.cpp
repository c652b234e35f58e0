// Ordering and storage of the recent file list.
#include "settings/RecentFileList.h"

#include <algorithm>

namespace orv {

RecentFileList::RecentFileList(int capacity) : m_capacity(std::max(0, capacity)) {}

std::string RecentFileList::keyName(int position)
{
    return "File" + std::to_string(position);
}

void RecentFileList::add(const std::string& path)
{
    if (m_capacity == 0 || path.empty())
        return;
    remove(path);
    m_entries.insert(m_entries.begin(), path);
    if (static_cast<int>(m_entries.size()) > m_capacity)
        m_entries.resize(static_cast<std::size_t>(m_capacity));
}

void RecentFileList::remove(const std::string& path)
{
    std::erase(m_entries, path);
}

void RecentFileList::load(const Profile& profile)
{
    m_entries.clear();
    for (int i = 1; i <= m_capacity; ++i) {
        const std::string path = profile.readString(kSection, keyName(i), "");
        if (!path.empty() && std::find(m_entries.begin(), m_entries.end(), path) == m_entries.end())
            m_entries.push_back(path);
    }
}

void RecentFileList::save(Profile& profile) const
{
    for (int i = 1; i <= m_capacity; ++i) {
        const auto index = static_cast<std::size_t>(i - 1);
        if (index < m_entries.size())
            profile.writeString(kSection, keyName(i), m_entries[index]);
        else
            profile.remove(kSection, keyName(i));
    }
}

} // namespace orv
