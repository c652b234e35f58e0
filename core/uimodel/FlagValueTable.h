// The flag values of an element: entry p is the p-th typed flag of its command (0 to 255),
// kept as text exactly as typed; an empty text means the flag is not given. Only the flags
// that are given take room: a command has up to 256 typed flags and an element sets a few.
#pragma once

#include "uimodel/UIModelConstants.h"

#include <map>
#include <string>

namespace orv {

class FlagValueTable {
public:
    using Entries = std::map<int, std::string>;

    FlagValueTable() = default;
    // A copy holds the given flags only; so does a table that takes another's.
    FlagValueTable(const FlagValueTable& other);
    FlagValueTable(FlagValueTable&& other) noexcept;
    FlagValueTable& operator=(const FlagValueTable& other);
    FlagValueTable& operator=(FlagValueTable&& other) noexcept;
    ~FlagValueTable() = default;

    // The value at a position, to read and write: an entry is made for a flag not held, so
    // read through a const table where nothing is written. The reference stays valid while
    // other positions are used.
    std::string& operator[](int position) { return m_entries[position]; }
    // The value at a position; empty when the flag is not given.
    const std::string& operator[](int position) const;
    // Equal when every position holds the same text (an empty entry is a flag not given).
    bool operator==(const FlagValueTable& other) const;

    // The entries in position order; a value may be empty (a flag cleared).
    Entries::const_iterator begin() const { return m_entries.begin(); }
    Entries::const_iterator end() const { return m_entries.end(); }

private:
    // Leaves out the entries whose flag is not given.
    void dropEmpty();

    Entries m_entries;
};

} // namespace orv
