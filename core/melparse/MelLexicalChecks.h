// The checks of a MEL script's text itself: strings and block comments left open, and
// brackets, braces and parentheses that do not pair up.
#pragma once

#include "melparse/MelDiagnostic.h"

#include <atomic>
#include <string_view>
#include <vector>

namespace orv {

// Appends the findings in the order they are met; ends early once stop (when given) is set.
void checkMelLexically(std::string_view text, std::vector<MelDiagnostic>& findings,
                       const std::atomic<bool>* stop = nullptr);

} // namespace orv
