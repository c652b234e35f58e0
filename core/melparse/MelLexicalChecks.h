// The checks of a MEL script's text itself: strings and block comments left open, and
// brackets, braces and parentheses that do not pair up.
#pragma once

#include "melparse/MelDiagnostic.h"

#include <string_view>
#include <vector>

namespace orv {

// Appends the findings in the order they are met.
void checkMelLexically(std::string_view text, std::vector<MelDiagnostic>& findings);

} // namespace orv
