// Cuts a MEL script into the tokens the statement reader assembles: strings, variables,
// runs of word characters, brackets, backquotes and separators, comments dropped.
#pragma once

#include "melparse/MelStatementReader.h"

#include <string>
#include <string_view>
#include <vector>

namespace orv {

enum class MelTokenKind {
    string,     // text: escapes undone
    variable,   // $name
    run,        // a run of anything else that is not blank, bracket, quote or separator
    open,       // ( [ {
    close,      // ) ] }
    backquote,
    semicolon,
    comma,
};

struct MelToken {
    MelTokenKind kind = MelTokenKind::run;
    std::string text;    // a string's text with its escapes undone; the written bytes otherwise
    MelSourceSpan span;
    bool blankBefore = false;  // blanks, line ends or a comment right before it
};

// Every token in order; unterminated strings and comments go to problems.
std::vector<MelToken> LexMelScript(std::string_view text, std::vector<MelLexicalProblem>& problems);

} // namespace orv
