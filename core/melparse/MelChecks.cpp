// All checks of a script, their findings merged in text order.
#include "melparse/MelChecks.h"

#include "melparse/MelLexicalChecks.h"
#include "melparse/MelStatementChecks.h"

#include <algorithm>
#include <string>

namespace orv {

std::vector<MelDiagnostic> CheckMelScript(std::string_view text, const std::atomic<bool>* stop)
{
    std::vector<MelDiagnostic> findings;
    checkMelLexically(text, findings, stop);
    if (text.size() <= kMaxStatementCheckedBytes)
        checkMelStatements(text, findings, stop);
    else
        findings.push_back({1, 1, 1, MelSeverity::warning,
                            "script larger than " + std::to_string(kMaxStatementCheckedBytes >> 20) +
                                " MB: flags and commands are not checked"});
    std::stable_sort(findings.begin(), findings.end(), [](const MelDiagnostic& a, const MelDiagnostic& b) {
        return a.line != b.line ? a.line < b.line : a.column < b.column;
    });
    if (findings.size() > kMaxMelFindings)
        findings.resize(kMaxMelFindings);
    return findings;
}

} // namespace orv
