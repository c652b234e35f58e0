// Reads a MEL script as a flat list of statements (command word, arguments with their kinds and
// places), the procs that hold them, and the lexical problems met on the way.
#pragma once

#include <atomic>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace orv {

// A stretch of the script: where it starts and how many bytes it covers.
struct MelSourceSpan {
    int line = 1;            // from 1
    int column = 1;          // from 1, in bytes of the line
    std::size_t offset = 0;  // bytes from the start of the script
    std::size_t length = 0;  // bytes covered
    friend bool operator==(const MelSourceSpan&, const MelSourceSpan&) = default;
};

enum class MelArgumentKind {
    flag,        // -label, -l: a '-' then a letter, in a command's arguments
    string,      // "text": MelArgument::text holds the text with its escapes undone
    number,      // 12, -0.5, 1e3, 0x1F
    word,        // a bare word: okButton, .., myWindow|column1, true
    variable,    // $name, with its subscripts if written right after it: $list[2]
    expression,  // a parenthesised group: ("a" + $b)
    backquote,   // `command ...`: MelArgument::statement is the statement inside
    other,       // anything else: { array literal }, [ ], an operator, '=', ','
};

struct MelArgument {
    MelArgumentKind kind = MelArgumentKind::other;
    // The text as written (a flag with its '-'), except for a string: the text with its
    // escapes undone, without the quotes.
    std::string text;
    MelSourceSpan span;  // as written: a string's quotes, a group's brackets included
    int statement = -1;  // backquote: index in MelScript::statements of the command inside
    friend bool operator==(const MelArgument&, const MelArgument&) = default;
};

enum class MelStatementKind {
    command,     // word followed by arguments in command form: button -l "OK" okButton;
    call,        // word followed directly by '(': myProc("a", 2);  arguments are the group's items
    assignment,  // a declaration or an assignment: string $w = `window`;  $i = 3;  int $n;
    control,     // if, else, while, for, do, switch, case, default, return, break, continue
    other,       // anything else, kept so that nothing read is lost: $i++;  "text";
};

struct MelStatement {
    MelStatementKind kind = MelStatementKind::command;
    // The first word as written: the command or proc name, the declared type ("string"), the
    // assigned variable ("$i"), the control keyword ("if"). Empty for kind other when the
    // statement does not start with a word.
    std::string word;
    MelSourceSpan wordSpan;
    // What follows the word up to the end of the statement (for if/while/for/switch: the
    // condition group; for an assignment the '=' and the value items; for a declaration the
    // variables and values; for a call the items of its parenthesised group, without the
    // commas: each word, string, number, variable or inner group is one argument).
    std::vector<MelArgument> arguments;
    MelSourceSpan span;  // the whole statement without its ';'
    // The variable an assignment or declaration gives a value to ("$w"), empty otherwise.
    std::string target;
    int proc = -1;       // index in MelScript::procs of the proc whose body holds it, -1 outside
    int depth = 0;       // braces open around it ({ } blocks, a proc's body included)
    // How many bodies of if, else, while, for, do and switch hold it: one that is not 0 runs
    // only when a condition holds or in a loop.
    int conditions = 0;
    // Written inside backquotes (or as a condition's command): the statement that holds it, by
    // index in MelScript::statements; -1 for a statement on its own. A statement is listed after
    // the statements inside its backquotes, in the order the script runs them.
    int enclosing = -1;
    // Arguments past the reader's limit were left out (only a streamed reading has a limit).
    bool cut = false;
    friend bool operator==(const MelStatement&, const MelStatement&) = default;
};

struct MelProc {
    std::string name;
    MelSourceSpan nameSpan;
    bool global = false;
    // The statements of its body (those inside nested blocks included): [first, first + count).
    int firstStatement = 0;
    int statementCount = 0;
};

enum class MelLexicalProblemKind {
    unterminatedString,     // a '"' with no closing '"' on its line: its statement ends there
    unterminatedComment,    // a "/*" with no "*/"
    unterminatedBackquote,  // a '`' with no closing '`' before the statement ends
    unclosedBracket,        // a '{', '(' or '[' never closed: the span is the opening one
    unmatchedClosingBracket,// a '}', ')' or ']' with nothing open to close
};

struct MelLexicalProblem {
    MelLexicalProblemKind kind = MelLexicalProblemKind::unclosedBracket;
    MelSourceSpan span;  // the opening quote, comment, backquote or bracket; a stray closing one
    std::string text;    // a sentence for the user: "unterminated string"
    friend bool operator==(const MelLexicalProblem&, const MelLexicalProblem&) = default;
};

struct MelScript {
    std::vector<MelStatement> statements;
    std::vector<MelProc> procs;
    std::vector<MelLexicalProblem> problems;  // in the order of their places in the script
};

// Reads the whole text. Never fails: what cannot be read whole is read as far as it goes and
// reported among the problems. Time linear in the text; nesting depth costs no stack.
MelScript ReadMelStatements(std::string_view text);

struct MelToken;

// Receives what a streamed reading finds, as it finds it.
class MelStatementSink {
public:
    virtual ~MelStatementSink() = default;
    // A statement and its index among all of the script's statements. The statements of one
    // statement at block level come together once it is read, those of its backquotes first,
    // so that enclosing is known; each index comes once, in increasing order. The sink may
    // take what the statement holds.
    virtual void statement(MelStatement& statement, int index) = 0;
    // A problem, as it is met (not in the order of places).
    virtual void problem(MelLexicalProblem&& problem) = 0;
    // Each token (MelScriptLexer.h) as the text is cut, in order, for checks that follow the
    // tokens rather than the statements; the text is cut once for both.
    virtual void token(const MelToken&) {}
};

// Reads the text as ReadMelStatements does, but keeps only the statement at hand: memory stays
// within what one statement at block level needs, whatever the script's length. A statement
// keeps at most maxArguments arguments (0: all); one that had more is marked cut. Once stop
// (when given) is set, reading ends soon as if the text ended. Returns the procs.
std::vector<MelProc> StreamMelStatements(std::string_view text, MelStatementSink& sink, std::size_t maxArguments = 0,
                                         const std::atomic<bool>* stop = nullptr);

// Whether a statement's arguments hold the flag (by either name: "-q" or "-query"), e.g. to
// skip query and edit statements.
bool HasMelFlag(const MelStatement& statement, std::string_view longName, std::string_view shortName);

} // namespace orv
