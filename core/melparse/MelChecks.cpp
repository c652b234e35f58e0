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
    // A word one edit from a command has its warning; the note that nothing defines it would
    // say less.
    findings.erase(std::unique(findings.begin(), findings.end(),
                               [](const MelDiagnostic& kept, const MelDiagnostic& next) {
                                   return next.severity == MelSeverity::note && kept.line == next.line &&
                                          kept.column == next.column;
                               }),
                   findings.end());
    if (findings.size() > kMaxMelFindings)
        findings.resize(kMaxMelFindings);
    return findings;
}

} // namespace orv
