// The checks of a script's statements against the command database: flags a known command
// does not have, flags given too few values, misspelt command words; and backquotes left open.
#pragma once

#include "melparse/MelDiagnostic.h"
#include "melparse/MelStatementReader.h"

#include <vector>

namespace orv {

// Appends the findings statement by statement.
void checkMelStatements(const MelScript& script, std::vector<MelDiagnostic>& findings);

} // namespace orv
