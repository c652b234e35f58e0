// The MEL token cutter: one pass over the bytes, counting lines as it goes.
#include "melparse/MelScriptLexer.h"

namespace orv {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v'; }
bool isNameChar(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}
int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

class Lexer {
public:
    Lexer(std::string_view text, std::vector<MelLexicalProblem>& problems)
        : m_text(text), m_problems(problems)
    {
    }

    std::vector<MelToken> run()
    {
        std::vector<MelToken> tokens;
        bool blank = false;
        while (m_pos < m_text.size()) {
            const char c = m_text[m_pos];
            if (c == '\n') {
                newLine(m_pos + 1);
                blank = true;
            } else if (isBlank(c)) {
                ++m_pos;
                blank = true;
            } else if (continuationLength(m_pos) > 0) {
                newLine(m_pos + continuationLength(m_pos));
                blank = true;
            } else if (c == '/' && next(1) == '/') {
                while (m_pos < m_text.size() && m_text[m_pos] != '\n')
                    ++m_pos;
                blank = true;
            } else if (c == '/' && next(1) == '*') {
                blockComment();
                blank = true;
            } else {
                tokens.push_back(token());
                tokens.back().blankBefore = blank;
                blank = false;
                if (m_openStringEnded) {
                    // The line end after a string left open ends its statement too, so that
                    // the next line's statement is read as its own.
                    MelToken end;
                    end.kind = MelTokenKind::semicolon;
                    end.span = here();
                    tokens.push_back(std::move(end));
                    m_openStringEnded = false;
                }
            }
        }
        return tokens;
    }

private:
    char next(std::size_t ahead) const
    {
        return m_pos + ahead < m_text.size() ? m_text[m_pos + ahead] : '\0';
    }
    // A backslash ending its line joins the next one: the bytes it takes, or 0.
    std::size_t continuationLength(std::size_t at) const
    {
        if (at >= m_text.size() || m_text[at] != '\\')
            return 0;
        if (at + 1 < m_text.size() && m_text[at + 1] == '\n')
            return 2;
        if (at + 2 < m_text.size() && m_text[at + 1] == '\r' && m_text[at + 2] == '\n')
            return 3;
        return 0;
    }
    void newLine(std::size_t nextLineStart)
    {
        m_pos = nextLineStart;
        ++m_line;
        m_lineStart = nextLineStart;
    }
    MelSourceSpan here() const
    {
        return MelSourceSpan{m_line, static_cast<int>(m_pos - m_lineStart) + 1, m_pos, 0};
    }
    void problem(MelLexicalProblemKind kind, MelSourceSpan span, const char* text)
    {
        m_problems.push_back(MelLexicalProblem{kind, span, text});
    }

    void blockComment()
    {
        MelSourceSpan start = here();
        start.length = 2;
        m_pos += 2;
        while (m_pos < m_text.size()) {
            if (m_text[m_pos] == '*' && next(1) == '/') {
                m_pos += 2;
                return;
            }
            if (m_text[m_pos] == '\n')
                newLine(m_pos + 1);
            else
                ++m_pos;
        }
        problem(MelLexicalProblemKind::unterminatedComment, start, "unterminated comment");
    }

    MelToken token()
    {
        MelToken token;
        token.span = here();
        const char c = m_text[m_pos];
        switch (c) {
        case '"':
            readString(token);
            break;
        case '(':
        case '[':
        case '{':
            single(token, MelTokenKind::open);
            break;
        case ')':
        case ']':
        case '}':
            single(token, MelTokenKind::close);
            break;
        case '`':
            single(token, MelTokenKind::backquote);
            break;
        case ';':
            single(token, MelTokenKind::semicolon);
            break;
        case ',':
            single(token, MelTokenKind::comma);
            break;
        case '$':
            token.kind = MelTokenKind::variable;
            ++m_pos;
            while (m_pos < m_text.size() && isNameChar(m_text[m_pos]))
                ++m_pos;
            break;
        default:
            token.kind = MelTokenKind::run;
            while (m_pos < m_text.size() && !endsRun(m_pos))
                ++m_pos;
        }
        token.span.length = m_pos - token.span.offset;
        if (token.kind != MelTokenKind::string)
            token.text = std::string(m_text.substr(token.span.offset, token.span.length));
        return token;
    }

    bool endsRun(std::size_t at) const
    {
        const char c = m_text[at];
        switch (c) {
        case '"': case '(': case ')': case '[': case ']': case '{': case '}':
        case '`': case ';': case ',': case '$': case '\n':
            return true;
        case '/':
            return at + 1 < m_text.size() && (m_text[at + 1] == '/' || m_text[at + 1] == '*');
        default:
            return isBlank(c) || continuationLength(at) > 0;
        }
    }

    void single(MelToken& token, MelTokenKind kind)
    {
        token.kind = kind;
        ++m_pos;
    }

    // Escapes: \n \t \r \\ \" and \x with two hex digits; a backslash before a line end joins
    // the lines; before anything else it stands for that character. A line end without a
    // backslash ends the string unterminated, so one missing quote spoils one line only.
    void readString(MelToken& token)
    {
        token.kind = MelTokenKind::string;
        ++m_pos;
        while (m_pos < m_text.size()) {
            const char c = m_text[m_pos];
            if (c == '"') {
                ++m_pos;
                return;
            }
            if (c == '\n')
                break;
            if (c == '\r' && next(1) == '\n')
                break;
            if (c != '\\') {
                token.text += c;
                ++m_pos;
                continue;
            }
            if (const std::size_t join = continuationLength(m_pos)) {
                // The token's span stays on its first line; the line count moves on.
                const std::size_t lineStart = m_pos + join;
                ++m_line;
                m_lineStart = lineStart;
                m_pos = lineStart;
                continue;
            }
            const char e = next(1);
            if (e == '\0' && m_pos + 1 >= m_text.size()) {
                ++m_pos;
                break;
            }
            m_pos += 2;
            switch (e) {
            case 'n': token.text += '\n'; break;
            case 't': token.text += '\t'; break;
            case 'r': token.text += '\r'; break;
            case 'x': {
                const int high = hexValue(next(0));
                const int low = hexValue(next(1));
                if (high >= 0 && low >= 0) {
                    token.text += static_cast<char>(high * 16 + low);
                    m_pos += 2;
                } else {
                    token.text += 'x';
                }
                break;
            }
            default: token.text += e;
            }
        }
        MelSourceSpan start = token.span;
        start.length = 1;
        problem(MelLexicalProblemKind::unterminatedString, start, "unterminated string");
        m_openStringEnded = true;
    }

    std::string_view m_text;
    std::vector<MelLexicalProblem>& m_problems;
    std::size_t m_pos = 0;
    std::size_t m_lineStart = 0;
    int m_line = 1;
    bool m_openStringEnded = false;
};

} // namespace

std::vector<MelToken> LexMelScript(std::string_view text, std::vector<MelLexicalProblem>& problems)
{
    return Lexer(text, problems).run();
}

} // namespace orv
