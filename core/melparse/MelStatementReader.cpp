// Assembles the lexer's tokens into statements. Blocks and bracket groups are tracked on
// explicit stacks; the only recursion is into one backquoted command, which cannot nest.
#include "melparse/MelStatementReader.h"

#include "melparse/MelScriptLexer.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace orv {

namespace {

bool isNumber(std::string_view s)
{
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '-' || s[i] == '+'))
        ++i;
    const auto digit = [&](std::size_t at) { return at < s.size() && std::isdigit(static_cast<unsigned char>(s[at])); };
    if (i + 1 < s.size() && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X')) {
        i += 2;
        const std::size_t first = i;
        while (i < s.size() && std::isxdigit(static_cast<unsigned char>(s[i])))
            ++i;
        return i > first && i == s.size();
    }
    bool digits = false;
    while (digit(i)) {
        ++i;
        digits = true;
    }
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (digit(i)) {
            ++i;
            digits = true;
        }
    }
    if (!digits)
        return false;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '-' || s[i] == '+'))
            ++i;
        if (!digit(i))
            return false;
        while (digit(i))
            ++i;
    }
    return i == s.size();
}

bool isFlag(std::string_view s)
{
    return s.size() >= 2 && s[0] == '-' && std::isalpha(static_cast<unsigned char>(s[1]));
}

bool isIdentifier(std::string_view s)
{
    if (s.empty() || std::isdigit(static_cast<unsigned char>(s[0])))
        return false;
    return std::all_of(s.begin(), s.end(), [](char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; });
}

bool isTypeWord(std::string_view s)
{
    return s == "string" || s == "int" || s == "float" || s == "vector" || s == "matrix";
}

bool isAssignmentOperator(std::string_view s)
{
    if (s.empty())
        return false;
    if (s[0] == '=')
        return s.size() == 1 || s[1] != '=';
    return s.size() >= 2 && s[1] == '=' && (s[0] == '+' || s[0] == '-' || s[0] == '*' || s[0] == '/');
}

int bracketIndex(char c)
{
    switch (c) {
    case '(': case ')': return 0;
    case '[': case ']': return 1;
    default: return 2;
    }
}

// How the items after a statement's word are read.
enum class Form { command, expression, call };

class Reader {
public:
    explicit Reader(std::string_view text) : m_text(text)
    {
        m_tokens = LexMelScript(text, m_script.problems);
        m_backquoteStatement.assign(m_tokens.size(), -1);
    }

    MelScript run()
    {
        while (m_at < m_tokens.size()) {
            const MelToken& token = m_tokens[m_at];
            switch (token.kind) {
            case MelTokenKind::open:
                if (token.text == "{") {
                    openBlock();
                    continue;
                }
                break;
            case MelTokenKind::close:
                if (token.text == "}") {
                    closeBlock();
                } else {
                    unmatched(token);
                }
                ++m_at;
                continue;
            case MelTokenKind::semicolon:
                m_pendingBodies = 0;
                ++m_at;
                continue;
            default:
                break;
            }
            topStatement();
        }
        while (!m_blocks.empty()) {
            unclosed(m_tokens[m_blocks.back().openToken]);
            endBlock();
        }
        std::stable_sort(m_script.problems.begin(), m_script.problems.end(),
                         [](const MelLexicalProblem& a, const MelLexicalProblem& b) {
                             return a.span.offset < b.span.offset;
                         });
        return std::move(m_script);
    }

    std::vector<MelToken> takeTokens() { return std::move(m_tokens); }

private:
    struct Block {
        std::size_t openToken = 0;
        int conditions = 0;
        int proc = -1;
    };
    struct Group {
        std::size_t openToken = 0;
        int bracket = 0;
    };

    bool atEnd() const { return m_at >= m_tokens.size(); }
    const MelToken& current() const { return m_tokens[m_at]; }
    bool currentIs(MelTokenKind kind) const { return !atEnd() && current().kind == kind; }
    bool currentIsRun(std::string_view text) const
    {
        return currentIs(MelTokenKind::run) && current().text == text;
    }
    // The bodies of control statements around the next statement: those of the blocks open,
    // and those of the statements just read whose body has not started yet.
    int conditionsHere() const { return (m_blocks.empty() ? 0 : m_blocks.back().conditions) + m_pendingBodies; }
    int currentProc() const { return m_blocks.empty() ? -1 : m_blocks.back().proc; }

    void problem(MelLexicalProblemKind kind, const MelSourceSpan& span, std::string text)
    {
        m_script.problems.push_back(MelLexicalProblem{kind, span, std::move(text)});
    }
    void unclosed(const MelToken& opening)
    {
        problem(MelLexicalProblemKind::unclosedBracket, opening.span, "unclosed '" + opening.text + "'");
    }
    void unmatched(const MelToken& closing)
    {
        problem(MelLexicalProblemKind::unmatchedClosingBracket, closing.span,
                "unmatched '" + closing.text + "'");
    }

    void openBlock()
    {
        Block block{m_at, conditionsHere(), currentProc()};
        if (m_pendingProc >= 0) {
            block.proc = m_pendingProc;
            m_script.procs[static_cast<std::size_t>(m_pendingProc)].firstStatement =
                static_cast<int>(m_script.statements.size());
        }
        m_pendingProc = -1;
        m_pendingBodies = 0;
        m_blocks.push_back(block);
        ++m_at;
    }
    void closeBlock()
    {
        if (m_blocks.empty()) {
            unmatched(current());
            return;
        }
        endBlock();
        m_pendingBodies = 0;
    }
    void endBlock()
    {
        const Block block = m_blocks.back();
        m_blocks.pop_back();
        if (block.proc >= 0 && currentProc() != block.proc) {
            MelProc& proc = m_script.procs[static_cast<std::size_t>(block.proc)];
            proc.statementCount = static_cast<int>(m_script.statements.size()) - proc.firstStatement;
        }
    }

    MelSourceSpan spanFrom(const MelSourceSpan& first, std::size_t endOffset) const
    {
        MelSourceSpan span = first;
        span.length = endOffset > first.offset ? endOffset - first.offset : 0;
        return span;
    }
    std::size_t endOf(std::size_t token) const
    {
        return m_tokens[token].span.offset + m_tokens[token].span.length;
    }

    // One statement at block level: a proc header, a control keyword's head or a statement.
    void topStatement()
    {
        m_pendingProc = -1;
        const MelToken& first = current();
        if (first.kind == MelTokenKind::run) {
            const bool global = first.text == "global" && m_at + 1 < m_tokens.size()
                                && m_tokens[m_at + 1].kind == MelTokenKind::run
                                && m_tokens[m_at + 1].text == "proc";
            if (first.text == "proc" || global) {
                procHeader(global);
                return;
            }
        }
        statement(false);
    }

    // [global] proc [type[]] name(params): the next block is its body.
    void procHeader(bool global)
    {
        m_at += global ? 2 : 1;
        MelProc proc;
        proc.global = global;
        proc.firstStatement = static_cast<int>(m_script.statements.size());
        while (!atEnd() && current().kind != MelTokenKind::semicolon && current().text != "{"
               && current().text != "(" && current().text != "}") {
            if (current().kind == MelTokenKind::run) {
                proc.name = current().text;
                proc.nameSpan = current().span;
            }
            ++m_at;
        }
        if (currentIs(MelTokenKind::open) && current().text == "(") {
            std::vector<MelArgument> ignored;
            std::vector<int> inner;
            group(false, false, ignored, inner);
        }
        m_script.procs.push_back(proc);
        m_pendingProc = static_cast<int>(m_script.procs.size()) - 1;
        m_pendingBodies = 0;
    }

    // Reads one statement from the current token and lists it (and before it, the statements of
    // its backquotes); returns its index. Inside backquotes it ends before the closing backquote.
    int statement(bool inBackquote)
    {
        MelStatement st;
        st.proc = currentProc();
        st.depth = static_cast<int>(m_blocks.size());
        st.conditions = conditionsHere();
        const MelToken& first = current();
        st.span = first.span;
        if (first.kind == MelTokenKind::run && first.text == "default:") {
            st.kind = MelStatementKind::control;
            st.word = "default";
            st.wordSpan = first.span;
            st.wordSpan.length = st.word.size();
            ++m_at;
            return pushStatement(std::move(st), {}, inBackquote, false);
        }
        std::vector<int> inner;
        Form form = Form::expression;
        bool bodyFollows = false;

        if (first.kind == MelTokenKind::run && isControlWord(first.text)) {
            st.kind = MelStatementKind::control;
            st.word = first.text;
            st.wordSpan = first.span;
            ++m_at;
            const std::string& word = st.word;
            if (word == "if" || word == "while" || word == "for" || word == "switch") {
                if (currentIs(MelTokenKind::open) && current().text == "(")
                    group(word == "for", inBackquote, st.arguments, inner);
                bodyFollows = true;
            } else if (word == "else" || word == "do") {
                bodyFollows = true;
            } else if (word == "case" || word == "default") {
                caseLabel(st, inBackquote, inner);
            } else {
                items(Form::expression, inBackquote, st, inner);
            }
        } else if (first.kind == MelTokenKind::run && (isTypeWord(first.text) || first.text == "global")) {
            st.kind = MelStatementKind::assignment;
            ++m_at;
            if (first.text == "global" && currentIs(MelTokenKind::run) && isTypeWord(current().text))
                ++m_at;
            const MelToken& type = m_tokens[m_at - 1];
            st.word = type.text;
            st.wordSpan = type.span;
            items(Form::expression, inBackquote, st, inner);
            for (const MelArgument& argument : st.arguments) {
                if (argument.kind == MelArgumentKind::variable) {
                    st.target = variableName(argument.text);
                    break;
                }
            }
        } else if (first.kind == MelTokenKind::variable) {
            st.word = first.text;
            st.wordSpan = first.span;
            ++m_at;
            items(Form::expression, inBackquote, st, inner);
            // $a[2] = ...: the subscript is the first item, the operator follows it.
            std::size_t op = 0;
            if (!st.arguments.empty() && st.arguments[0].kind == MelArgumentKind::other
                && st.arguments[0].text.starts_with('[') && st.arguments[0].span.offset == first.span.offset + first.span.length)
                op = 1;
            if (op < st.arguments.size() && isAssignmentOperator(st.arguments[op].text)) {
                st.kind = MelStatementKind::assignment;
                st.target = first.text;
            } else {
                st.kind = MelStatementKind::other;
            }
        } else if (first.kind == MelTokenKind::run) {
            st.word = first.text;
            st.wordSpan = first.span;
            ++m_at;
            if (currentIs(MelTokenKind::open) && current().text == "(" && !current().blankBefore) {
                st.kind = MelStatementKind::call;
                form = Form::call;
            } else {
                st.kind = MelStatementKind::command;
                form = Form::command;
            }
            items(form, inBackquote, st, inner);
        } else {
            st.kind = MelStatementKind::other;
            items(Form::expression, inBackquote, st, inner);
        }

        return pushStatement(std::move(st), inner, inBackquote, bodyFollows);
    }

    int pushStatement(MelStatement st, const std::vector<int>& inner, bool inBackquote, bool bodyFollows)
    {
        std::size_t end = st.span.offset + st.span.length;
        if (!st.arguments.empty())
            end = std::max(end, st.arguments.back().span.offset + st.arguments.back().span.length);
        if (st.wordSpan.length > 0)
            end = std::max(end, st.wordSpan.offset + st.wordSpan.length);
        st.span = spanFrom(st.span, end);
        m_script.statements.push_back(std::move(st));
        const int index = static_cast<int>(m_script.statements.size()) - 1;
        for (const int i : inner)
            m_script.statements[static_cast<std::size_t>(i)].enclosing = index;
        // A control statement in a body that has not started (for (...) if (...) text;) adds its
        // own body to that one.
        if (!inBackquote)
            m_pendingBodies = bodyFollows ? m_pendingBodies + 1 : 0;
        return index;
    }

    static bool isControlWord(std::string_view word)
    {
        static constexpr std::array<std::string_view, 11> kWords{
            "if", "else", "while", "for", "do", "switch", "case", "default", "return", "break", "continue"};
        return std::find(kWords.begin(), kWords.end(), word) != kWords.end();
    }

    static std::string variableName(const std::string& written)
    {
        return written.substr(0, written.find('['));
    }

    // case VALUE:  /  default:  up to and with the run that ends in ':'.
    void caseLabel(MelStatement& st, bool inBackquote, std::vector<int>& inner)
    {
        while (!atEnd()) {
            const MelToken& token = current();
            if (token.kind == MelTokenKind::semicolon || token.kind == MelTokenKind::backquote
                || (token.kind == MelTokenKind::close && token.text == "}"))
                return;
            if (token.kind == MelTokenKind::open) {
                group(false, inBackquote, st.arguments, inner);
                continue;
            }
            const bool last = token.kind == MelTokenKind::run && token.text.ends_with(':');
            if (!(token.kind == MelTokenKind::run && token.text == ":"))
                st.arguments.push_back(simpleArgument(token, Form::expression));
            ++m_at;
            if (last) {
                // A lone ":" ("default :", "case :") leaves the label without a value.
                if (st.arguments.empty())
                    return;
                MelArgument& label = st.arguments.back();
                if (label.kind != MelArgumentKind::string && label.text.size() > 1) {
                    label.text.pop_back();
                    --label.span.length;
                    label.kind = isNumber(label.text) ? MelArgumentKind::number : MelArgumentKind::word;
                }
                return;
            }
        }
    }

    MelArgument simpleArgument(const MelToken& token, Form form) const
    {
        MelArgument argument;
        argument.text = token.text;
        argument.span = token.span;
        switch (token.kind) {
        case MelTokenKind::string:
            argument.kind = MelArgumentKind::string;
            break;
        case MelTokenKind::variable:
            argument.kind = MelArgumentKind::variable;
            break;
        case MelTokenKind::run:
            if (form == Form::command && isFlag(token.text))
                argument.kind = MelArgumentKind::flag;
            else if (isNumber(token.text))
                argument.kind = MelArgumentKind::number;
            else if (form == Form::command || isIdentifier(token.text))
                argument.kind = MelArgumentKind::word;
            else
                argument.kind = MelArgumentKind::other;
            break;
        default:
            argument.kind = MelArgumentKind::other;
        }
        return argument;
    }

    // The items after a statement's word, up to ';' (taken), '}' or the end of a backquote (left).
    void items(Form form, bool inBackquote, MelStatement& st, std::vector<int>& inner)
    {
        if (form == Form::call) {
            std::vector<MelArgument> whole;
            const std::size_t open = m_at;
            group(false, inBackquote, whole, inner);
            callItems(open, st.arguments);
            if (!whole.empty()) {
                // The group's extent, so that the statement's span covers it.
                st.span = spanFrom(st.span, whole.back().span.offset + whole.back().span.length);
            }
        }
        while (!atEnd()) {
            const MelToken& token = current();
            switch (token.kind) {
            case MelTokenKind::semicolon:
                ++m_at;
                return;
            case MelTokenKind::backquote:
                if (inBackquote)
                    return;
                st.arguments.push_back(backquoted(inner));
                continue;
            case MelTokenKind::open: {
                const bool subscript = token.text == "[" && !token.blankBefore && !st.arguments.empty()
                                       && st.arguments.back().kind == MelArgumentKind::variable;
                group(false, inBackquote, st.arguments, inner);
                if (subscript) {
                    MelArgument index = std::move(st.arguments.back());
                    st.arguments.pop_back();
                    MelArgument& variable = st.arguments.back();
                    variable.text += index.text;
                    variable.span.length = index.span.offset + index.span.length - variable.span.offset;
                }
                continue;
            }
            case MelTokenKind::close:
                if (token.text == "}")
                    return;
                unmatched(token);
                ++m_at;
                continue;
            case MelTokenKind::comma:
                if (form != Form::command) {
                    ++m_at;
                    continue;
                }
                break;
            default:
                break;
            }
            st.arguments.push_back(simpleArgument(token, form));
            if (st.arguments.back().kind == MelArgumentKind::flag)
                splitJoinedFlags(st.arguments);
            ++m_at;
        }
    }

    // "-e-keyable", as Maya echoes it, is two flags: MEL ends a flag at the next '-'. Split only
    // when every part is a flag, so that "-a-1" stays one word.
    static void splitJoinedFlags(std::vector<MelArgument>& arguments)
    {
        const MelArgument joined = arguments.back();
        std::vector<std::size_t> starts{0};
        for (std::size_t i = 1; i < joined.text.size(); ++i)
            if (joined.text[i] == '-')
                starts.push_back(i);
        if (starts.size() == 1)
            return;
        starts.push_back(joined.text.size());
        for (std::size_t p = 0; p + 1 < starts.size(); ++p)
            if (!isFlag(std::string_view(joined.text).substr(starts[p], starts[p + 1] - starts[p])))
                return;
        arguments.pop_back();
        for (std::size_t p = 0; p + 1 < starts.size(); ++p) {
            MelArgument part = joined;
            part.text = joined.text.substr(starts[p], starts[p + 1] - starts[p]);
            part.span.offset += starts[p];
            part.span.column += static_cast<int>(starts[p]);
            part.span.length = part.text.size();
            arguments.push_back(std::move(part));
        }
    }

    // A call's items: the group's tokens and inner groups at its first level, commas left out.
    void callItems(std::size_t open, std::vector<MelArgument>& out)
    {
        const std::size_t close = m_at;  // one past the group
        std::size_t depth = 0;
        std::size_t itemStart = 0;
        for (std::size_t i = open + 1; i < close; ++i) {
            const MelToken& token = m_tokens[i];
            const bool last = i + 1 == close;
            if (token.kind == MelTokenKind::open) {
                if (depth++ == 0)
                    itemStart = i;
                continue;
            }
            if (token.kind == MelTokenKind::close && depth > 0) {
                if (--depth == 0)
                    out.push_back(groupArgument(itemStart, i));
                continue;
            }
            if (depth > 0 || (last && token.kind == MelTokenKind::close))
                continue;
            if (token.kind == MelTokenKind::comma)
                continue;
            if (token.kind == MelTokenKind::backquote) {
                // The backquoted statement was listed by group(); its argument spans both quotes.
                std::size_t j = i + 1;
                while (j < close && m_tokens[j].kind != MelTokenKind::backquote)
                    ++j;
                MelArgument argument;
                argument.kind = MelArgumentKind::backquote;
                argument.span = spanFrom(token.span, endOf(std::min(j, close - 1)));
                argument.text = std::string(m_text.substr(argument.span.offset, argument.span.length));
                argument.statement = m_backquoteStatement[i];
                out.push_back(std::move(argument));
                i = j;
                continue;
            }
            out.push_back(simpleArgument(token, Form::expression));
        }
    }

    MelArgument groupArgument(std::size_t open, std::size_t close) const
    {
        MelArgument argument;
        argument.kind = m_tokens[open].text == "(" ? MelArgumentKind::expression : MelArgumentKind::other;
        argument.span = spanFrom(m_tokens[open].span, endOf(close));
        argument.text = std::string(m_text.substr(argument.span.offset, argument.span.length));
        return argument;
    }

    // `command ...`: the statement inside is listed first; the argument spans both backquotes.
    MelArgument backquoted(std::vector<int>& inner)
    {
        const std::size_t openingIndex = m_at;
        const MelToken& opening = current();
        MelArgument argument;
        argument.kind = MelArgumentKind::backquote;
        ++m_at;
        std::size_t end = opening.span.offset + 1;
        if (!atEnd() && current().kind != MelTokenKind::backquote && current().kind != MelTokenKind::semicolon
            && !(current().kind == MelTokenKind::close && current().text == "}")) {
            argument.statement = statement(true);
            inner.push_back(argument.statement);
            m_backquoteStatement[openingIndex] = argument.statement;
            end = m_script.statements.back().span.offset + m_script.statements.back().span.length;
        }
        if (currentIs(MelTokenKind::backquote)) {
            end = endOf(m_at);
            ++m_at;
        } else {
            MelSourceSpan span = opening.span;
            span.length = 1;
            problem(MelLexicalProblemKind::unterminatedBackquote, span, "unterminated backquote");
        }
        argument.span = spanFrom(opening.span, end);
        argument.text = std::string(m_text.substr(argument.span.offset, argument.span.length));
        return argument;
    }

    // A bracket group from the current opening token to its closing one, as one argument.
    // Nesting is counted on a stack; a closing bracket of another kind closes the groups above
    // its own (each reported), or is reported as unmatched when none of its kind is open.
    // Backquotes inside list their statements. It stops early, the open groups reported, at a
    // '}' that closes none of them, at a ';' (except between a for's parentheses) and at the
    // end of the enclosing backquote.
    void group(bool forHeader, bool inBackquote, std::vector<MelArgument>& out, std::vector<int>& inner)
    {
        const std::size_t open = m_at;
        std::vector<Group> stack{{m_at, bracketIndex(current().text[0])}};
        std::array<std::size_t, 3> counts{};
        ++counts[static_cast<std::size_t>(stack.back().bracket)];
        ++m_at;
        std::size_t last = open;
        while (!atEnd() && !stack.empty()) {
            const MelToken& token = current();
            if (token.kind == MelTokenKind::open) {
                stack.push_back({m_at, bracketIndex(token.text[0])});
                ++counts[static_cast<std::size_t>(stack.back().bracket)];
            } else if (token.kind == MelTokenKind::close) {
                const auto bracket = static_cast<std::size_t>(bracketIndex(token.text[0]));
                if (counts[bracket] == 0) {
                    if (token.text == "}")
                        break;
                    unmatched(token);
                } else {
                    while (static_cast<std::size_t>(stack.back().bracket) != bracket) {
                        unclosed(m_tokens[stack.back().openToken]);
                        --counts[static_cast<std::size_t>(stack.back().bracket)];
                        stack.pop_back();
                    }
                    --counts[bracket];
                    stack.pop_back();
                }
            } else if (token.kind == MelTokenKind::semicolon) {
                if (!(forHeader && stack.size() == 1))
                    break;
            } else if (token.kind == MelTokenKind::backquote) {
                if (inBackquote)
                    break;
                backquoted(inner);
                last = m_at - 1;
                continue;
            }
            last = m_at;
            ++m_at;
        }
        while (!stack.empty()) {
            unclosed(m_tokens[stack.back().openToken]);
            stack.pop_back();
        }
        out.push_back(groupArgument(open, last));
    }

    std::string_view m_text;
    std::vector<MelToken> m_tokens;
    MelScript m_script;
    std::size_t m_at = 0;
    std::vector<Block> m_blocks;
    // For each opening backquote token, the statement read inside it.
    std::vector<int> m_backquoteStatement;
    int m_pendingBodies = 0;
    int m_pendingProc = -1;
};

} // namespace

MelScript ReadMelStatements(std::string_view text)
{
    return Reader(text).run();
}

MelScript ReadMelStatements(std::string_view text, std::vector<MelToken>& tokens)
{
    Reader reader(text);
    MelScript script = reader.run();
    tokens = reader.takeTokens();
    return script;
}

bool HasMelFlag(const MelStatement& statement, std::string_view longName, std::string_view shortName)
{
    return std::any_of(statement.arguments.begin(), statement.arguments.end(), [&](const MelArgument& a) {
        if (a.kind != MelArgumentKind::flag)
            return false;
        const std::string_view name = std::string_view(a.text).substr(1);
        return name == longName || name == shortName;
    });
}

} // namespace orv
