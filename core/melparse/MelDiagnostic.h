// One finding of the MEL checks: where it is in the script, how bad it is, what it says.
#pragma once

#include <string>

namespace orv {

// A note tells what may be meant (a call of a proc that another script may define).
enum class MelSeverity { warning, error, note };

struct MelDiagnostic {
    int line = 1;     // from 1
    int column = 1;   // from 1, in bytes of the line
    int length = 1;   // the bytes it covers, at least 1
    MelSeverity severity = MelSeverity::warning;
    std::string text;
    friend bool operator==(const MelDiagnostic&, const MelDiagnostic&) = default;
};

} // namespace orv
