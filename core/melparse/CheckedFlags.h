// The flags of a known command as the checks see them: every flag of its record (those
// without a value too) and of today's command facts, its two names and the number of values
// it takes.
#pragma once

#include <string_view>
#include <vector>

namespace orv {

// The number of values a flag of a type index takes: 0 without a type, -1 where the type
// leaves the count open (a list of any length, a range that may be written in one word or
// several, a type of no words).
int flagValueCount(int typeIndex);

struct CheckedFlag {
    std::string_view shortName;  // empty when only today's facts know the flag and not its short name
    std::string_view longName;
    int typeIndex = -1;          // in the built-in type table; -1 for a flag only today's facts know
    int valueCount = 0;          // as flagValueCount; -1 where the facts leave it open
    std::string_view typeText;   // "Float Float Float", or the facts' "float,float,float"
    bool queryOnly = false;      // answers a query and means nothing without -query
};

// All flags of a command: those of its record in the database in record order, then those that
// only today's command facts know. Where both know a flag and disagree on its value count, the
// smaller count holds (a false alarm costs more than a missed fault). Empty for a name that
// neither knows, or a command of the table whose record holds no flag and that the facts lack.
std::vector<CheckedFlag> checkedFlagsOf(std::string_view command);

// Whether a word may be the short name of a flag whose short name no fact tells: its letters
// appear in that order in the long name, the first one first (-sbm for -statusBarMessage).
bool mayBeUntoldShortName(const std::vector<CheckedFlag>& flags, std::string_view word);

// The flag that a word (without its dash) names, by short or long name; null when none does.
const CheckedFlag* findCheckedFlag(const std::vector<CheckedFlag>& flags, std::string_view name);

} // namespace orv
