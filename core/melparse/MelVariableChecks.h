// The check of a script's variables: a variable read where no declaration of it is in scope,
// which MEL refuses before it runs a line of the script.
#pragma once

#include "melparse/MelDiagnostic.h"
#include "melparse/MelScriptLexer.h"

#include <cstddef>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace orv {

// Follows the tokens of a script, one at a time, then reports. Inside a proc every variable
// must be declared in it (a parameter, a declaration, a global declaration, or a first
// assignment); outside the procs a variable may be left by an earlier script, so only a read
// before the script's own later declaration is reported.
class MelVariableChecks {
public:
    explicit MelVariableChecks(std::vector<MelDiagnostic>& findings);
    void take(const MelToken& token);
    void finish();

private:
    // A stretch of the stack of names declared: from firstName to the stack's top.
    struct Scope {
        bool procBody = false;
        bool block = true;  // false: the braces of an array literal
        std::size_t firstName = 0;
    };
    // A variable met, waiting for what follows it (and its subscripts): "=" or "in" declare it.
    struct Waiting {
        std::string_view name;
        MelSourceSpan span;
        int depth = 0;
    };
    struct Use {
        std::string_view name;
        MelSourceSpan span;
    };

    void resolveWaiting(const MelToken& next);
    void resolve(const Waiting& variable, bool declares);
    void openBrace();
    void closeBrace();
    bool visible(std::string_view name) const;
    void declare(std::string_view name, const MelSourceSpan& span);
    void report(const std::unordered_map<std::string_view, MelSourceSpan>& declarations, bool inBody);

    std::vector<MelDiagnostic>& m_findings;
    std::vector<Scope> m_scopes;
    std::vector<std::string_view> m_names;  // the names declared in the scopes open
    // Where each name stands in m_names, innermost last.
    std::unordered_map<std::string_view, std::vector<std::size_t>> m_where;
    std::size_t m_bodyFirstName = 0;  // the first name of the proc body open (procs do not nest)
    std::vector<Waiting> m_waiting;
    MelToken m_previous;
    bool m_havePrevious = false;
    int m_depth = 0;  // parentheses, brackets and array braces open
    bool m_procHeader = false;
    bool m_parameters = false;
    std::vector<std::pair<std::string_view, MelSourceSpan>> m_pendingParameters;
    bool m_afterTypeWord = false;
    bool m_declaring = false;
    bool m_expectName = false;
    int m_declarationDepth = 0;
    bool m_inBody = false;  // in a proc's body
    // The first declaration of each name in the proc body open, and outside the procs.
    std::unordered_map<std::string_view, MelSourceSpan> m_bodyDeclarations;
    std::unordered_map<std::string_view, MelSourceSpan> m_topDeclarations;
    std::vector<Use> m_undeclared;  // reads of the part being read (and those outside the procs)
};

} // namespace orv
