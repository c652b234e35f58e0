// The checks of a script's calls: a call of a proc that nothing known defines (a note: it may
// come from another script), and a call of one of the script's procs with the wrong number of
// arguments. Calls written name(...) and the procs' headers come from the tokens; statements in
// command form (myProc "a" 2;) from the statement checks.
#pragma once

#include "melparse/MelDiagnostic.h"
#include "melparse/MelScriptLexer.h"

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace orv {

// Whether a word is known without the script: MEL's keywords and built-in procedures, the
// commands of the word list, the command table and today's command facts, and the runtime
// commands, which begin with a capital and which no list holds.
bool IsKnownOutsideTheScript(std::string_view word);

// Follows the tokens of a script, one at a time (they must stay valid until finish: views into
// the script). A call of a proc whose header came before is judged at once; one of a word not
// known yet waits for the end of the script (at most kMaxMelFindings of them).
class MelCallChecks {
public:
    explicit MelCallChecks(std::vector<MelDiagnostic>& findings) : m_findings(findings) {}
    void take(const MelToken& token);
    // A statement in command form; given -1 when its arguments leave the count open.
    void command(std::string_view word, const MelSourceSpan& span, int given);
    void finish();

private:
    struct Group {
        std::string_view callee;  // empty for a group that is no call
        MelSourceSpan span;       // the callee's
        bool header = false;      // a proc header's parameters: callee is the proc's name
        int commas = 0;
        int variables = 0;
        bool empty = true;
        bool sound = true;        // no ';' inside
    };
    struct Waiting {
        std::string word;
        MelSourceSpan span;
        int given = -1;
    };

    void call(std::string_view word, const MelSourceSpan& span, int given);
    void judge(std::string_view word, const MelSourceSpan& span, int given, bool final);

    std::vector<MelDiagnostic>& m_findings;
    std::unordered_map<std::string_view, int> m_parameters;  // by proc; -1: defined with different counts
    std::vector<Waiting> m_waiting;
    std::vector<Group> m_groups;
    std::size_t m_tooDeep = 0;  // groups open past the deepest followed
    MelTokenKind m_previousKind = MelTokenKind::semicolon;
    std::string_view m_previousText;
    MelSourceSpan m_previousSpan;
    int m_headerLeft = 0;       // tokens of a proc header still to come
    std::string_view m_headerName;
    bool m_inBackquote = false;
};

} // namespace orv
