// Assembles the lexer's tokens into statements. Blocks and bracket groups are tracked on
// explicit stacks; the only recursion is into one backquoted command, which cannot nest.
// Tokens come from the lexer as they are needed and are dropped once read, except those of a
// call's group, whose items are taken once the group is read.
#include "melparse/MelStatementReader.h"

#include "melparse/MelScriptLexer.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <deque>

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
    Reader(std::string_view text, MelStatementSink& sink, std::size_t maxArguments, const std::atomic<bool>* stop)
        : m_text(text), m_lexer(text), m_sink(sink), m_maxArguments(maxArguments), m_stop(stop)
    {
    }

    std::vector<MelProc> run()
    {
        while (!atEnd()) {
            const MelToken& token = current();
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
                advance();
                continue;
            case MelTokenKind::semicolon:
                m_pendingBodies = 0;
                advance();
                continue;
            default:
                break;
            }
            topStatement();
            flush();
            dropRead();
        }
        while (!m_blocks.empty()) {
            unclosed(m_blocks.back().opening, '{');
            endBlock();
        }
        drainLexerProblems();
        return std::move(m_procs);
    }

private:
    struct Block {
        MelSourceSpan opening;
        int conditions = 0;
        int proc = -1;
    };
    struct Group {
        MelSourceSpan opening;
        char bracket = '(';
    };
    // A token as the reader keeps it until it is dropped.
    struct Slot {
        MelToken token;
        int statement = -1;  // an opening backquote: the statement read inside it
    };

    // Tokens by their index in the script, read from the lexer as far as needed.
    bool has(std::size_t at)
    {
        while (at >= m_first + m_tokens.size() && !m_lexerDone) {
            Slot slot;
            if (m_lexer.next(slot.token, m_lexerProblems)) {
                m_tokens.push_back(slot);
                m_sink.token(m_tokens.back().token);
            } else {
                m_lexerDone = true;
            }
            drainLexerProblems();
            // Asked to stop, the reader sees the end of the text.
            if (m_stop && ++m_tokensRead % kStopCheckTokens == 0 && m_stop->load(std::memory_order_relaxed))
                m_lexerDone = true;
        }
        return at < m_first + m_tokens.size();
    }
    Slot& slot(std::size_t at) { return m_tokens[at - m_first]; }
    const MelToken& token(std::size_t at) { return slot(at).token; }
    bool atEnd() { return !has(m_at); }
    const MelToken& current() { return token(m_at); }
    bool currentIs(MelTokenKind kind) { return !atEnd() && current().kind == kind; }
    void advance() { ++m_at; }
    // Drops the tokens read, those of a call's group under way excepted.
    void dropRead()
    {
        const std::size_t keep = m_callOpenings.empty() ? m_at : std::min(m_at, m_callOpenings.front());
        while (m_first < keep && !m_tokens.empty()) {
            m_tokens.pop_front();
            ++m_first;
        }
    }
    void drainLexerProblems()
    {
        for (MelLexicalProblem& problem : m_lexerProblems)
            m_sink.problem(std::move(problem));
        m_lexerProblems.clear();
    }

    // The bodies of control statements around the next statement: those of the blocks open,
    // and those of the statements just read whose body has not started yet.
    int conditionsHere() const { return (m_blocks.empty() ? 0 : m_blocks.back().conditions) + m_pendingBodies; }
    int currentProc() const { return m_blocks.empty() ? -1 : m_blocks.back().proc; }

    void problem(MelLexicalProblemKind kind, const MelSourceSpan& span, std::string text)
    {
        m_sink.problem(MelLexicalProblem{kind, span, std::move(text)});
    }
    void unclosed(const MelSourceSpan& opening, char bracket)
    {
        problem(MelLexicalProblemKind::unclosedBracket, opening, std::string("unclosed '") + bracket + "'");
    }
    void unmatched(const MelToken& closing)
    {
        problem(MelLexicalProblemKind::unmatchedClosingBracket, closing.span,
                "unmatched '" + std::string(closing.text) + "'");
    }

    void openBlock()
    {
        Block block{current().span, conditionsHere(), currentProc()};
        if (m_pendingProc >= 0) {
            block.proc = m_pendingProc;
            m_procs[static_cast<std::size_t>(m_pendingProc)].firstStatement = m_count;
        }
        m_pendingProc = -1;
        m_pendingBodies = 0;
        m_blocks.push_back(block);
        advance();
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
            MelProc& proc = m_procs[static_cast<std::size_t>(block.proc)];
            proc.statementCount = m_count - proc.firstStatement;
        }
    }

    static MelSourceSpan spanFrom(const MelSourceSpan& first, std::size_t endOffset)
    {
        MelSourceSpan span = first;
        span.length = endOffset > first.offset ? endOffset - first.offset : 0;
        return span;
    }
    static std::size_t endOf(const MelToken& token) { return token.span.offset + token.span.length; }

    // One statement at block level: a proc header, a control keyword's head or a statement.
    void topStatement()
    {
        m_pendingProc = -1;
        const MelToken& first = current();
        if (first.kind == MelTokenKind::run) {
            const bool global = first.text == "global" && has(m_at + 1) && token(m_at + 1).kind == MelTokenKind::run
                                && token(m_at + 1).text == "proc";
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
        proc.firstStatement = m_count;
        while (!atEnd() && current().kind != MelTokenKind::semicolon && current().text != "{"
               && current().text != "(" && current().text != "}") {
            if (current().kind == MelTokenKind::run) {
                proc.name = current().text;
                proc.nameSpan = current().span;
            }
            advance();
        }
        if (currentIs(MelTokenKind::open) && current().text == "(") {
            std::vector<MelArgument> ignored;
            std::vector<int> inner;
            group(false, false, ignored, inner);
        }
        m_procs.push_back(proc);
        m_pendingProc = static_cast<int>(m_procs.size()) - 1;
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
        const MelToken first = current();
        st.span = first.span;
        if (first.kind == MelTokenKind::run && first.text == "default:") {
            st.kind = MelStatementKind::control;
            st.word = "default";
            st.wordSpan = first.span;
            st.wordSpan.length = st.word.size();
            advance();
            return pushStatement(std::move(st), {}, inBackquote, false);
        }
        std::vector<int> inner;
        Form form = Form::expression;
        bool bodyFollows = false;

        if (first.kind == MelTokenKind::run && isControlWord(first.text)) {
            st.kind = MelStatementKind::control;
            st.word = first.text;
            st.wordSpan = first.span;
            advance();
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
            MelToken type = first;
            advance();
            if (first.text == "global" && currentIs(MelTokenKind::run) && isTypeWord(current().text)) {
                type = current();
                advance();
            }
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
            advance();
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
            advance();
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
        const int index = m_count++;
        m_pending.push_back(std::move(st));
        for (const int i : inner)
            m_pending[static_cast<std::size_t>(i - m_pendingFirst)].enclosing = index;
        // A control statement in a body that has not started (for (...) if (...) text;) adds its
        // own body to that one.
        if (!inBackquote)
            m_pendingBodies = bodyFollows ? m_pendingBodies + 1 : 0;
        return index;
    }

    // Hands the statements read to the sink.
    void flush()
    {
        for (MelStatement& st : m_pending)
            m_sink.statement(st, m_pendingFirst++);
        m_pending.clear();
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

    // Where the next argument of a statement goes: its list, or nowhere once the list is full.
    std::vector<MelArgument>& argumentsOf(MelStatement& st)
    {
        if (m_maxArguments == 0 || st.arguments.size() < m_maxArguments)
            return st.arguments;
        st.cut = true;
        m_leftOut.clear();
        return m_leftOut;
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
                group(false, inBackquote, argumentsOf(st), inner);
                continue;
            }
            const bool last = token.kind == MelTokenKind::run && token.text.ends_with(':');
            if (!(token.kind == MelTokenKind::run && token.text == ":"))
                argumentsOf(st).push_back(simpleArgument(token, Form::expression));
            advance();
            if (last) {
                // A lone ":" ("default :", "case :") leaves the label without a value.
                if (st.arguments.empty() || st.cut)
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

    static MelArgument simpleArgument(const MelToken& token, Form form)
    {
        MelArgument argument;
        argument.span = token.span;
        switch (token.kind) {
        case MelTokenKind::string:
            argument.kind = MelArgumentKind::string;
            argument.text = MelStringText(token.text);
            return argument;
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
        argument.text = token.text;
        return argument;
    }

    // The items after a statement's word, up to ';' (taken), '}' or the end of a backquote (left).
    void items(Form form, bool inBackquote, MelStatement& st, std::vector<int>& inner)
    {
        if (form == Form::call) {
            std::vector<MelArgument> whole;
            const std::size_t open = m_at;
            m_callOpenings.push_back(open);
            group(false, inBackquote, whole, inner);
            callItems(open, st);
            m_callOpenings.pop_back();
            if (!whole.empty()) {
                // The group's extent, so that the statement's span covers it.
                st.span = spanFrom(st.span, whole.back().span.offset + whole.back().span.length);
            }
        }
        while (!atEnd()) {
            const MelToken& token = current();
            switch (token.kind) {
            case MelTokenKind::semicolon:
                advance();
                return;
            case MelTokenKind::backquote:
                if (inBackquote)
                    return;
                {
                    MelArgument argument = backquoted(inner);
                    argumentsOf(st).push_back(std::move(argument));
                }
                continue;
            case MelTokenKind::open: {
                const bool subscript = token.text == "[" && !token.blankBefore && !st.arguments.empty() && !st.cut
                                       && st.arguments.back().kind == MelArgumentKind::variable;
                std::vector<MelArgument>& out = argumentsOf(st);
                group(false, inBackquote, out, inner);
                if (subscript && &out == &st.arguments) {
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
                advance();
                continue;
            case MelTokenKind::comma:
                if (form != Form::command) {
                    advance();
                    continue;
                }
                break;
            default:
                break;
            }
            std::vector<MelArgument>& arguments = argumentsOf(st);
            arguments.push_back(simpleArgument(token, form));
            if (arguments.back().kind == MelArgumentKind::flag)
                splitJoinedFlags(arguments);
            advance();
            if (m_callOpenings.empty() && m_tokens.size() > kDropEvery)
                dropRead();
        }
    }

    // "-e-keyable", as Maya echoes it, is two flags: MEL ends a flag at the next '-'. Split only
    // when every part is a flag, so that "-a-1" stays one word.
    static void splitJoinedFlags(std::vector<MelArgument>& arguments)
    {
        if (arguments.back().text.find('-', 1) == std::string::npos)
            return;
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
    void callItems(std::size_t open, MelStatement& st)
    {
        const std::size_t close = m_at;  // one past the group
        std::size_t depth = 0;
        std::size_t itemStart = 0;
        for (std::size_t i = open + 1; i < close; ++i) {
            const MelToken& token = this->token(i);
            const bool last = i + 1 == close;
            if (token.kind == MelTokenKind::open) {
                if (depth++ == 0)
                    itemStart = i;
                continue;
            }
            if (token.kind == MelTokenKind::close && depth > 0) {
                if (--depth == 0)
                    argumentsOf(st).push_back(groupArgument(this->token(itemStart).span, endOf(token)));
                continue;
            }
            if (depth > 0 || (last && token.kind == MelTokenKind::close))
                continue;
            if (token.kind == MelTokenKind::comma)
                continue;
            if (token.kind == MelTokenKind::backquote) {
                // The backquoted statement was listed by group(); its argument spans both quotes.
                std::size_t j = i + 1;
                while (j < close && this->token(j).kind != MelTokenKind::backquote)
                    ++j;
                MelArgument argument;
                argument.kind = MelArgumentKind::backquote;
                argument.span = spanFrom(token.span, endOf(this->token(std::min(j, close - 1))));
                argument.text = std::string(m_text.substr(argument.span.offset, argument.span.length));
                argument.statement = slot(i).statement;
                argumentsOf(st).push_back(std::move(argument));
                i = j;
                continue;
            }
            argumentsOf(st).push_back(simpleArgument(token, Form::expression));
        }
    }

    MelArgument groupArgument(const MelSourceSpan& opening, std::size_t end) const
    {
        MelArgument argument;
        argument.kind = m_text[opening.offset] == '(' ? MelArgumentKind::expression : MelArgumentKind::other;
        argument.span = spanFrom(opening, end);
        argument.text = std::string(m_text.substr(argument.span.offset, argument.span.length));
        return argument;
    }

    // `command ...`: the statement inside is listed first; the argument spans both backquotes.
    MelArgument backquoted(std::vector<int>& inner)
    {
        const std::size_t openingIndex = m_at;
        const MelSourceSpan opening = current().span;
        MelArgument argument;
        argument.kind = MelArgumentKind::backquote;
        advance();
        std::size_t end = opening.offset + 1;
        if (!atEnd() && current().kind != MelTokenKind::backquote && current().kind != MelTokenKind::semicolon
            && !(current().kind == MelTokenKind::close && current().text == "}")) {
            argument.statement = statement(true);
            inner.push_back(argument.statement);
            // Only a call's items look back at it, and a call keeps its group's tokens.
            if (openingIndex >= m_first)
                slot(openingIndex).statement = argument.statement;
            const MelStatement& read = m_pending.back();
            end = read.span.offset + read.span.length;
        }
        if (currentIs(MelTokenKind::backquote)) {
            end = endOf(current());
            advance();
        } else {
            MelSourceSpan span = opening;
            span.length = 1;
            problem(MelLexicalProblemKind::unterminatedBackquote, span, "unterminated backquote");
        }
        argument.span = spanFrom(opening, end);
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
        const MelSourceSpan opening = current().span;
        std::vector<Group> stack{{opening, current().text[0]}};
        std::array<std::size_t, 3> counts{};
        ++counts[static_cast<std::size_t>(bracketIndex(stack.back().bracket))];
        advance();
        std::size_t lastEnd = endOf(token(m_at - 1));
        while (!atEnd() && !stack.empty()) {
            const MelToken& token = current();
            if (token.kind == MelTokenKind::open) {
                stack.push_back({token.span, token.text[0]});
                ++counts[static_cast<std::size_t>(bracketIndex(token.text[0]))];
            } else if (token.kind == MelTokenKind::close) {
                const auto bracket = static_cast<std::size_t>(bracketIndex(token.text[0]));
                if (counts[bracket] == 0) {
                    if (token.text == "}")
                        break;
                    unmatched(token);
                } else {
                    while (static_cast<std::size_t>(bracketIndex(stack.back().bracket)) != bracket) {
                        unclosed(stack.back().opening, stack.back().bracket);
                        --counts[static_cast<std::size_t>(bracketIndex(stack.back().bracket))];
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
                lastEnd = endOf(this->token(m_at - 1));
                continue;
            }
            lastEnd = endOf(token);
            advance();
            if (m_callOpenings.empty() && m_tokens.size() > kDropEvery)
                dropRead();
        }
        while (!stack.empty()) {
            unclosed(stack.back().opening, stack.back().bracket);
            stack.pop_back();
        }
        out.push_back(groupArgument(opening, lastEnd));
    }

    // How many tokens may gather before those read are dropped inside one long statement.
    static constexpr std::size_t kDropEvery = 4096;
    // How often, in tokens, the reader looks whether it was asked to stop.
    static constexpr std::size_t kStopCheckTokens = 4096;

    std::string_view m_text;
    MelLexer m_lexer;
    MelStatementSink& m_sink;
    std::size_t m_maxArguments;
    const std::atomic<bool>* m_stop;
    std::size_t m_tokensRead = 0;
    std::vector<MelLexicalProblem> m_lexerProblems;
    bool m_lexerDone = false;
    // The tokens from index m_first on that are still needed, and the reader's place.
    std::deque<Slot> m_tokens;
    std::size_t m_first = 0;
    std::size_t m_at = 0;
    // The opening tokens of the calls whose groups are being read.
    std::vector<std::size_t> m_callOpenings;
    std::vector<Block> m_blocks;
    std::vector<MelProc> m_procs;
    // The statements read since the last flush; the first has index m_pendingFirst.
    std::vector<MelStatement> m_pending;
    int m_pendingFirst = 0;
    int m_count = 0;
    std::vector<MelArgument> m_leftOut;
    int m_pendingBodies = 0;
    int m_pendingProc = -1;
};

// Keeps everything, for the readers that look back and forth.
class ScriptCollector final : public MelStatementSink {
public:
    void statement(MelStatement& statement, int) override { script.statements.push_back(std::move(statement)); }
    void problem(MelLexicalProblem&& problem) override { script.problems.push_back(std::move(problem)); }
    MelScript script;
};

} // namespace

MelScript ReadMelStatements(std::string_view text)
{
    ScriptCollector collector;
    collector.script.procs = Reader(text, collector, 0, nullptr).run();
    std::stable_sort(collector.script.problems.begin(), collector.script.problems.end(),
                     [](const MelLexicalProblem& a, const MelLexicalProblem& b) { return a.span.offset < b.span.offset; });
    return std::move(collector.script);
}

std::vector<MelProc> StreamMelStatements(std::string_view text, MelStatementSink& sink, std::size_t maxArguments,
                                         const std::atomic<bool>* stop)
{
    return Reader(text, sink, maxArguments, stop).run();
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
