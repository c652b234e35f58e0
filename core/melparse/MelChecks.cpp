// All checks of a script, their findings merged in text order.
#include "melparse/MelChecks.h"

#include "melparse/MelLexicalChecks.h"

#include <algorithm>

namespace orv {

std::vector<MelDiagnostic> CheckMelScript(std::string_view text)
{
    std::vector<MelDiagnostic> findings;
    checkMelLexically(text, findings);
    std::stable_sort(findings.begin(), findings.end(), [](const MelDiagnostic& a, const MelDiagnostic& b) {
        return a.line != b.line ? a.line < b.line : a.column < b.column;
    });
    return findings;
}

} // namespace orv
