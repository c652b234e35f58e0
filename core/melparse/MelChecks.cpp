// All checks of a script, their findings merged in text order.
#include "melparse/MelChecks.h"

#include "melparse/MelCallChecks.h"
#include "melparse/MelLexicalChecks.h"
#include "melparse/MelScriptLexer.h"
#include "melparse/MelStatementChecks.h"
#include "melparse/MelVariableChecks.h"

#include <algorithm>
#include <string>

namespace orv {
namespace {

// The checks that follow the tokens (variables, calls written name(...)), in one pass.
void checkMelTokens(std::string_view text, const std::vector<MelProc>& procs, std::vector<MelDiagnostic>& findings,
                    const std::atomic<bool>* stop)
{
    const MelProcArguments arguments(procs);
    MelCallChecks calls(arguments, findings);
    MelVariableChecks variables(findings);
    MelLexer lexer(text);
    MelToken token;
    std::vector<MelLexicalProblem> told;  // the text checks have reported these
    for (std::size_t count = 0; lexer.next(token, told); ++count) {
        if (stop != nullptr && count % 4096 == 0 && stop->load(std::memory_order_relaxed))
            return;
        told.clear();
        calls.take(token);
        variables.take(token);
    }
    variables.finish();
}

} // namespace

std::vector<MelDiagnostic> CheckMelScript(std::string_view text, const std::atomic<bool>* stop)
{
    std::vector<MelDiagnostic> findings;
    checkMelLexically(text, findings, stop);
    if (text.size() <= kMaxStatementCheckedBytes)
        checkMelTokens(text, checkMelStatements(text, findings, stop), findings, stop);
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
