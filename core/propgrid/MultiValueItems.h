// The items of a multi-use text flag's value as the window file keeps it: MEL string
// literals separated by blanks, e.g. "a" "b c".
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orv {

// A bare word counts as one item; an open quote ends the value at the text read so far.
std::vector<std::string> splitMultiValue(std::string_view value);
// Every item quoted and escaped, so that splitMultiValue gives them back.
std::string joinMultiValue(const std::vector<std::string>& items);

} // namespace orv
