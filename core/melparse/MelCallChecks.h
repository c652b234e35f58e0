// The checks of a script's calls: a call of a proc that nothing known defines (a note: it may
// come from another script), and a call of one of the script's procs with the wrong number of
// arguments.
#pragma once

#include "melparse/MelDiagnostic.h"
#include "melparse/MelScriptLexer.h"
#include "melparse/MelStatementReader.h"

#include <vector>

namespace orv {

// Appends the findings: calls written name(...) anywhere, and statements in command form
// (myProc "a" 2;). Known are the script's procs, MEL's keywords and built-in procedures, the
// commands of the word list, the command table and today's command facts, and the runtime
// commands, which begin with a capital and which no list holds.
void checkMelCalls(const std::vector<MelToken>& tokens, const MelScript& script, std::vector<MelDiagnostic>& findings);

} // namespace orv
