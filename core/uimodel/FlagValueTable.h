// The 256 flag values of an element: entry p is the p-th typed flag of its command,
// kept as text exactly as typed; an empty text means the flag is not given.
#pragma once

#include "uimodel/UIModelConstants.h"

#include <array>
#include <string>

namespace orv {

struct FlagValueTable {
    std::array<std::string, kFlagTableSize> values;

    std::string& operator[](int position) { return values[static_cast<std::size_t>(position)]; }
    const std::string& operator[](int position) const { return values[static_cast<std::size_t>(position)]; }
    bool operator==(const FlagValueTable&) const = default;
};

} // namespace orv
