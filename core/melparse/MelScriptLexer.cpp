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

// The bytes a backslash at `at` and the line end after it take, or 0 when none follows.
std::size_t lineJoinLength(std::string_view text, std::size_t at)
{
    if (at >= text.size() || text[at] != '\\')
        return 0;
    if (at + 1 < text.size() && text[at + 1] == '\n')
        return 2;
    if (at + 2 < text.size() && text[at + 1] == '\r' && text[at + 2] == '\n')
        return 3;
    return 0;
}

} // namespace

char MelLexer::peek(std::size_t ahead) const
{
    return m_pos + ahead < m_text.size() ? m_text[m_pos + ahead] : '\0';
}

// A backslash ending its line joins the next one: the bytes it takes, or 0.
std::size_t MelLexer::continuationLength(std::size_t at) const
{
    return lineJoinLength(m_text, at);
}

void MelLexer::newLine(std::size_t nextLineStart)
{
    m_pos = nextLineStart;
    ++m_line;
    m_lineStart = nextLineStart;
}

MelSourceSpan MelLexer::here() const
{
    return MelSourceSpan{m_line, static_cast<int>(m_pos - m_lineStart) + 1, m_pos, 0};
}

bool MelLexer::next(MelToken& token, std::vector<MelLexicalProblem>& problems)
{
    if (m_openStringEnded) {
        // The line end after a string left open ends its statement too, so that the next
        // line's statement is read as its own.
        m_openStringEnded = false;
        token.kind = MelTokenKind::semicolon;
        token.blankBefore = false;
        token.span = here();
        token.text = m_text.substr(m_pos, 0);
        return true;
    }
    bool blank = false;
    while (m_pos < m_text.size()) {
        const char c = m_text[m_pos];
        if (c == '\n') {
            newLine(m_pos + 1);
        } else if (isBlank(c)) {
            ++m_pos;
        } else if (const std::size_t join = continuationLength(m_pos)) {
            newLine(m_pos + join);
        } else if (c == '/' && peek(1) == '/') {
            while (m_pos < m_text.size() && m_text[m_pos] != '\n')
                ++m_pos;
        } else if (c == '/' && peek(1) == '*') {
            blockComment(problems);
        } else {
            break;
        }
        blank = true;
    }
    if (m_pos >= m_text.size())
        return false;
    token.blankBefore = blank;
    token.span = here();
    switch (m_text[m_pos]) {
    case '"':
        readString(token, problems);
        break;
    case '(': case '[': case '{':
        token.kind = MelTokenKind::open;
        ++m_pos;
        break;
    case ')': case ']': case '}':
        token.kind = MelTokenKind::close;
        ++m_pos;
        break;
    case '`':
        token.kind = MelTokenKind::backquote;
        ++m_pos;
        break;
    case ';':
        token.kind = MelTokenKind::semicolon;
        ++m_pos;
        break;
    case ',':
        token.kind = MelTokenKind::comma;
        ++m_pos;
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
    token.text = m_text.substr(token.span.offset, token.span.length);
    return true;
}

void MelLexer::blockComment(std::vector<MelLexicalProblem>& problems)
{
    MelSourceSpan start = here();
    start.length = 2;
    m_pos += 2;
    while (m_pos < m_text.size()) {
        if (m_text[m_pos] == '*' && peek(1) == '/') {
            m_pos += 2;
            return;
        }
        if (m_text[m_pos] == '\n')
            newLine(m_pos + 1);
        else
            ++m_pos;
    }
    problems.push_back({MelLexicalProblemKind::unterminatedComment, start, "unterminated comment"});
}

bool MelLexer::endsRun(std::size_t at) const
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

// Escapes are MelStringText's to undo; here the string's end and lines are found. A line end
// without a backslash ends the string unterminated, so one missing quote spoils one line only.
void MelLexer::readString(MelToken& token, std::vector<MelLexicalProblem>& problems)
{
    token.kind = MelTokenKind::string;
    ++m_pos;
    while (m_pos < m_text.size()) {
        const char c = m_text[m_pos];
        if (c == '"') {
            ++m_pos;
            return;
        }
        if (c == '\n' || (c == '\r' && peek(1) == '\n'))
            break;
        if (c != '\\') {
            ++m_pos;
            continue;
        }
        if (const std::size_t join = continuationLength(m_pos)) {
            // The token's span stays on its first line; the line count moves on.
            m_pos += join;
            ++m_line;
            m_lineStart = m_pos;
            continue;
        }
        if (m_pos + 1 >= m_text.size()) {
            ++m_pos;
            break;
        }
        m_pos += 2;
        if (m_text[m_pos - 1] == 'x' && hexValue(peek(0)) >= 0 && hexValue(peek(1)) >= 0)
            m_pos += 2;
    }
    MelSourceSpan start = token.span;
    start.length = 1;
    problems.push_back({MelLexicalProblemKind::unterminatedString, start, "unterminated string"});
    m_openStringEnded = true;
}

// Escapes: \n \t \r \\ \" and \x with two hex digits; before anything else a backslash stands
// for the character after it.
std::string MelStringText(std::string_view written)
{
    std::string text;
    std::size_t pos = written.empty() ? 0 : 1;
    std::size_t end = written.size();
    // The closing quote, unless the string was left open (a quote escaped at the end is text).
    if (end >= 2 && written[end - 1] == '"') {
        std::size_t backslashes = 0;
        while (end - 2 - backslashes >= 1 && written[end - 2 - backslashes] == '\\')
            ++backslashes;
        if (backslashes % 2 == 0)
            --end;
    }
    text.reserve(end - pos);
    while (pos < end) {
        const char c = written[pos];
        if (c != '\\') {
            text += c;
            ++pos;
            continue;
        }
        if (const std::size_t join = lineJoinLength(written.substr(0, end), pos)) {
            pos += join;
            continue;
        }
        if (pos + 1 >= end)
            break;
        const char e = written[pos + 1];
        pos += 2;
        switch (e) {
        case 'n': text += '\n'; break;
        case 't': text += '\t'; break;
        case 'r': text += '\r'; break;
        case 'x': {
            const int high = pos < end ? hexValue(written[pos]) : -1;
            const int low = pos + 1 < end ? hexValue(written[pos + 1]) : -1;
            if (high >= 0 && low >= 0) {
                text += static_cast<char>(high * 16 + low);
                pos += 2;
            } else {
                text += 'x';
            }
            break;
        }
        default: text += e;
        }
    }
    return text;
}

} // namespace orv
