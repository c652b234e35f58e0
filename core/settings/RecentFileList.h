// The recent file list: most recent first, at most `capacity` entries, stored as "File1".."FileN".
#pragma once

#include "settings/Profile.h"

#include <string>
#include <vector>

namespace orv {

class RecentFileList {
public:
    static constexpr const char* kSection = "Recent File List";

    // A capacity of 0 means there is no list at all: nothing is kept, loaded or saved.
    explicit RecentFileList(int capacity = 0);

    int capacity() const { return m_capacity; }
    const std::vector<std::string>& entries() const { return m_entries; }
    bool empty() const { return m_entries.empty(); }

    // Puts path first; an entry already in the list moves up instead of appearing twice.
    void add(const std::string& path);
    // Drops the entry equal to path (a file that could not be opened).
    void remove(const std::string& path);

    // Reads "File1".."File<capacity>", skipping empty values and duplicates.
    void load(const Profile& profile);
    // Writes the entries as "File1".. and removes the values of positions left empty.
    void save(Profile& profile) const;

    // "File<n>" for position n counted from 1.
    static std::string keyName(int position);

private:
    int m_capacity;
    std::vector<std::string> m_entries;
};

} // namespace orv
