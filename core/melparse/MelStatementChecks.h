// The checks of a script's statements against the command database and today's command facts:
// flags a known command does not have, flags given too few values or without the -query they
// need, misspelt command words; backquotes left open; and, on the same reading, the checks of
// calls and variables that follow the tokens.
#pragma once

#include "melparse/MelDiagnostic.h"

#include <atomic>
#include <string_view>
#include <vector>

namespace orv {

// Reads the script statement by statement and appends the findings, holding one statement
// at a time; ends early once stop (when given) is set.
void checkMelStatements(std::string_view text, std::vector<MelDiagnostic>& findings,
                        const std::atomic<bool>* stop = nullptr);

} // namespace orv
