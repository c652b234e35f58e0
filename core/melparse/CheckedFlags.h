// The number of values a flag takes, as the checks count them from its type.
#pragma once

namespace orv {

// The number of values a flag of a type index takes: 0 without a type, -1 where the type
// leaves the count open (a list of any length, a range that may be written in one word or
// several, a type of no words).
int flagValueCount(int typeIndex);

} // namespace orv
