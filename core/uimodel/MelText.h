// How a text value is written inside MEL double quotes.
#pragma once

#include <string>

namespace orv {

// A backslash before every '"' and '\', and line ends as \n, \r and tabs kept: the
// result between double quotes is a MEL string literal with the same text.
std::string escapeMelString(const std::string& text);

} // namespace orv
