// What the controls-flags grid refuses to take into a row: a value longer than a window file
// line holds, and in a number row anything but numbers of its type (sizes not below 0), so
// that a typed value never turns into something else without a word.
#pragma once

#include "mel/CommandDatabase.h"

#include <string>
#include <string_view>

namespace orv {

// Whether every word of the flag's type is a number (Int, Float, Angle, Length, ...): its row
// takes numbers only.
bool isNumberType(std::string_view typeText);

// The status bar text that refuses value for the flag, naming the value kept; empty when the
// grid takes it. An empty value (the flag not given) is always taken.
std::string FlagValueRefusal(const TypedFlag& flag, std::string_view value, std::string_view kept);

} // namespace orv
