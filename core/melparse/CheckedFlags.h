// The flags of a known command as the checks see them: every flag of its record (those
// without a value too), its two names and the number of values it takes.
#pragma once

#include <string_view>
#include <vector>

namespace orv {

// The number of values a flag of a type index takes: 0 without a type, -1 where the type
// leaves the count open (a list of any length, a range that may be written in one word or
// several, a type of no words).
int flagValueCount(int typeIndex);

struct CheckedFlag {
    std::string_view shortName;
    std::string_view longName;
    int typeIndex = -1;
    int valueCount = 0;  // as flagValueCount
};

// All flags of a command of the command table in record order; empty for a name the table
// does not know or a command whose record holds no flag (the database does not know it).
std::vector<CheckedFlag> checkedFlagsOf(std::string_view command);

// The flag that a word (without its dash) names, by short or long name; null when none does.
const CheckedFlag* findCheckedFlag(const std::vector<CheckedFlag>& flags, std::string_view name);

} // namespace orv
