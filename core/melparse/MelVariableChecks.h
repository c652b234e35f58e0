// The check of a script's variables: a variable read where no declaration of it is in scope,
// which MEL refuses before it runs a line of the script.
#pragma once

#include "melparse/MelDiagnostic.h"
#include "melparse/MelScriptLexer.h"

#include <vector>

namespace orv {

// Appends the findings in the order they are met. Inside a proc every variable must be declared
// in it (a parameter, a declaration, a global declaration, or a first assignment); outside the
// procs a variable may be left by an earlier script, so only a read before the script's own
// later declaration is reported.
void checkMelVariables(const std::vector<MelToken>& tokens, std::vector<MelDiagnostic>& findings);

} // namespace orv
