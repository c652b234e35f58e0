// Cuts a MEL script into the tokens the statement reader assembles: strings, variables,
// runs of word characters, brackets, backquotes and separators, comments dropped. Tokens are
// views into the script and come one at a time, so that reading holds no copy of the text.
#pragma once

#include "melparse/MelStatementReader.h"

#include <string>
#include <string_view>
#include <vector>

namespace orv {

enum class MelTokenKind : unsigned char {
    string,     // "text": text holds the quotes and the escapes as written
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
    bool blankBefore = false;  // blanks, line ends or a comment right before it
    std::string_view text;     // the bytes as written: span.length bytes at span.offset
    MelSourceSpan span;
};

class MelLexer {
public:
    explicit MelLexer(std::string_view text) : m_text(text) {}

    // The next token; false at the end of the script. Unterminated strings and comments met
    // on the way are added to problems.
    bool next(MelToken& token, std::vector<MelLexicalProblem>& problems);

private:
    char peek(std::size_t ahead) const;
    std::size_t continuationLength(std::size_t at) const;
    void newLine(std::size_t nextLineStart);
    MelSourceSpan here() const;
    void blockComment(std::vector<MelLexicalProblem>& problems);
    void readString(MelToken& token, std::vector<MelLexicalProblem>& problems);
    bool endsRun(std::size_t at) const;

    std::string_view m_text;
    std::size_t m_pos = 0;
    std::size_t m_lineStart = 0;
    int m_line = 1;
    bool m_openStringEnded = false;
};

// The text a string token stands for: its escapes undone, a backslash before a line end
// joining the lines, without the quotes.
std::string MelStringText(std::string_view written);

} // namespace orv
