// The checks of a MEL script: what would fail or surprise in Maya and can be told from the
// text, the command database and today's command facts alone (misspelt flags and commands,
// flags given the wrong number of values or without the -query they need, variables read
// undeclared, procs called with the wrong number of arguments, unterminated strings and
// comments, unbalanced brackets), and notes on calls of procs that nothing known defines.
#pragma once

#include "melparse/MelDiagnostic.h"

#include <atomic>
#include <cstddef>
#include <string_view>
#include <vector>

namespace orv {

// At most this many findings come back, the first ones met: a text of nothing but stray
// brackets would otherwise give one a byte.
inline constexpr std::size_t kMaxMelFindings = 10000;
// A larger script gets the checks of the text alone (and one warning that says so): the
// statements of a script take many times its size in memory.
inline constexpr std::size_t kMaxStatementCheckedBytes = std::size_t{32} << 20;

// The findings of a whole script, sorted by line and column. Lines end at LF (a CR before it
// belongs to the line end). The flag and command checks read the loaded command word list
// and flag records; without them only the checks of the text itself run. Where a variable,
// an expression or a procedure of the script leaves the answer open, nothing is reported.
// Once stop (when given) is set, from any thread, the check ends soon with what it found.
std::vector<MelDiagnostic> CheckMelScript(std::string_view text, const std::atomic<bool>* stop = nullptr);

} // namespace orv
