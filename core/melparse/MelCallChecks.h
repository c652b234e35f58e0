// The checks of a script's calls: a call of a proc that nothing known defines (a note: it may
// come from another script), and a call of one of the script's procs with the wrong number of
// arguments. Calls written name(...) come from the tokens; the statements in command form
// (myProc "a" 2;) from the statement checks.
#pragma once

#include "melparse/MelDiagnostic.h"
#include "melparse/MelScriptLexer.h"
#include "melparse/MelStatementReader.h"

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace orv {

// Whether a word is known without the script: MEL's keywords and built-in procedures, the
// commands of the word list, the command table and today's command facts, and the runtime
// commands, which begin with a capital and which no list holds.
bool IsKnownOutsideTheScript(std::string_view word);

// The script's procs by name with their numbers of parameters, and the verdict on a call.
class MelProcArguments {
public:
    explicit MelProcArguments(const std::vector<MelProc>& procs);
    // Appends a warning for a call of a proc with the wrong number of arguments (given -1: not
    // known), a note for a call of a word that neither the script nor anything known defines.
    void check(std::string_view word, const MelSourceSpan& span, int given, std::vector<MelDiagnostic>& findings) const;

private:
    std::unordered_map<std::string_view, int> m_parameters;  // -1: defined with different counts
};

// Follows the tokens of a script, one at a time, for its calls written name(...).
class MelCallChecks {
public:
    MelCallChecks(const MelProcArguments& procs, std::vector<MelDiagnostic>& findings)
        : m_procs(procs), m_findings(findings)
    {
    }
    void take(const MelToken& token);

private:
    struct Group {
        std::string_view callee;  // empty for a group that is no call
        MelSourceSpan span;       // the callee's
        int commas = 0;
        bool empty = true;
        bool sound = true;        // no ';' inside
    };

    const MelProcArguments& m_procs;
    std::vector<MelDiagnostic>& m_findings;
    std::vector<Group> m_groups;
    std::size_t m_tooDeep = 0;    // groups open past kDeepestGroup, not followed
    MelToken m_previous;
    bool m_havePrevious = false;
    int m_headerLeft = 0;         // tokens of a proc header still to come
    bool m_inBackquote = false;
};

} // namespace orv
