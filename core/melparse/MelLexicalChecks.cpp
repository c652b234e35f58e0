// One pass over the bytes: comments and strings are stepped over (their brackets do not
// count), open brackets are stacked, and whatever is left open at the end is reported.
#include "melparse/MelLexicalChecks.h"

#include "melparse/MelChecks.h"

#include <array>
#include <string>

namespace orv {
namespace {

struct Opening {
    char bracket;
    int line;
    int column;
};

char closerOf(char opener)
{
    switch (opener) {
    case '(': return ')';
    case '[': return ']';
    default: return '}';
    }
}

class LexicalScan {
public:
    LexicalScan(std::string_view text, std::vector<MelDiagnostic>& findings, const std::atomic<bool>* stop)
        : m_text(text), m_findings(findings), m_stop(stop)
    {
    }

    void run()
    {
        std::size_t nextStopCheck = kStopCheckBytes;
        while (m_pos < m_text.size()) {
            if (m_pos >= nextStopCheck) {
                if (m_stop && m_stop->load(std::memory_order_relaxed))
                    return;
                nextStopCheck = m_pos + kStopCheckBytes;
            }
            const char c = m_text[m_pos];
            if (c == '/' && next() == '/') {
                skipLineComment();
            } else if (c == '/' && next() == '*') {
                skipBlockComment();
            } else if (c == '"') {
                skipString();
            } else if (c == '#' && !m_codeOnLine) {
                skipLineComment();  // a "#" line reads as a comment, as the colouring shows it
            } else {
                if (c == '(' || c == '[' || c == '{')
                    open(c);
                else if (c == ')' || c == ']' || c == '}')
                    close(c);
                if (c != ' ' && c != '\t' && c != '\r' && c != '\n')
                    m_codeOnLine = true;
                step();
            }
        }
        for (const Opening& opening : m_open)
            report(opening.line, opening.column, 1, std::string(1, opening.bracket) + " is never closed");
    }

private:
    char next() const { return m_pos + 1 < m_text.size() ? m_text[m_pos + 1] : '\0'; }
    int column() const { return static_cast<int>(m_pos - m_lineStart) + 1; }

    void step()
    {
        if (m_text[m_pos] == '\n') {
            ++m_line;
            m_lineStart = m_pos + 1;
            m_codeOnLine = false;
        }
        ++m_pos;
    }

    // The bytes of the current line from m_pos to its end, a CR before the LF left out. The
    // line's end is looked for once a line, so that a line of many strings costs no more than
    // many lines.
    int restOfLine()
    {
        if (m_lineEndOf != m_line) {
            m_lineEnd = m_text.find('\n', m_pos);
            if (m_lineEnd == std::string_view::npos)
                m_lineEnd = m_text.size();
            if (m_lineEnd > m_pos && m_text[m_lineEnd - 1] == '\r')
                --m_lineEnd;
            m_lineEndOf = m_line;
        }
        return static_cast<int>(m_lineEnd > m_pos ? m_lineEnd - m_pos : 0);
    }

    void report(int line, int column, int length, std::string text)
    {
        if (m_findings.size() >= kMaxMelFindings)
            return;
        m_findings.push_back({line, column, length < 1 ? 1 : length, MelSeverity::error, std::move(text)});
    }

    // To the end of the line; a backslash before the line end carries it to the next line.
    void skipLineComment()
    {
        while (m_pos < m_text.size()) {
            if (m_text[m_pos] == '\\' && next() == '\n')
                step();
            else if (m_text[m_pos] == '\\' && next() == '\r' && m_pos + 2 < m_text.size() && m_text[m_pos + 2] == '\n') {
                step();
                step();
            } else if (m_text[m_pos] == '\n')
                return;
            step();
        }
    }

    void skipBlockComment()
    {
        const int line = m_line;
        const int col = column();
        step();
        step();
        while (m_pos < m_text.size()) {
            if (m_text[m_pos] == '*' && next() == '/') {
                step();
                step();
                m_codeOnLine = true;
                return;
            }
            step();
        }
        report(line, col, 2, "unterminated block comment");
    }

    // A string ends at its unescaped closing quote; a backslash escapes the next byte, a line
    // end included (the string goes on on the next line). An unescaped line end leaves it open.
    void skipString()
    {
        const int line = m_line;
        const int col = column();
        const int length = restOfLine();
        m_codeOnLine = true;
        step();
        while (m_pos < m_text.size()) {
            const char c = m_text[m_pos];
            if (c == '"') {
                step();
                return;
            }
            if (c == '\n' || (c == '\r' && next() == '\n'))
                break;
            if (c == '\\' && m_pos + 1 < m_text.size()) {
                step();
                if (m_text[m_pos] == '\r' && next() == '\n')
                    step();
            }
            step();
        }
        report(line, col, length, "unterminated string");
    }

    void open(char opener)
    {
        m_open.push_back({opener, m_line, column()});
        if (opener == '{')
            m_blocks.push_back({});
        else
            ++m_blocks.back()[opener == '(' ? 0 : 1];
    }

    void popOpen()
    {
        if (m_open.back().bracket == '{')
            m_blocks.pop_back();
        else
            --m_blocks.back()[m_open.back().bracket == '(' ? 0 : 1];
        m_open.pop_back();
    }

    // A ) or ] never reaches out of a block: only an opener inside the innermost open { is
    // its match. The counts tell at once whether there is one, so a run of stray closers
    // costs no search of the stack.
    void close(char closer)
    {
        const bool hasMatch = closer == '}' ? m_blocks.size() > 1 : m_blocks.back()[closer == ')' ? 0 : 1] > 0;
        if (!hasMatch) {
            report(m_line, column(), 1, std::string(1, closer) + " without a matching " + openerText(closer));
            return;
        }
        while (closerOf(m_open.back().bracket) != closer) {
            report(m_line, column(), 1,
                   std::string(1, m_open.back().bracket) + " of line " + std::to_string(m_open.back().line) +
                       " is not closed before this " + closer);
            popOpen();
        }
        popOpen();
    }

    static std::string openerText(char closer)
    {
        switch (closer) {
        case ')': return "(";
        case ']': return "[";
        default: return "{";
        }
    }

    // How often, in bytes, the scan looks whether it was asked to stop.
    static constexpr std::size_t kStopCheckBytes = 1 << 16;

    std::string_view m_text;
    std::vector<MelDiagnostic>& m_findings;
    const std::atomic<bool>* m_stop;
    std::size_t m_pos = 0;
    std::size_t m_lineStart = 0;
    int m_line = 1;
    int m_lineEndOf = 0;          // the line whose end m_lineEnd is
    std::size_t m_lineEnd = 0;
    bool m_codeOnLine = false;
    std::vector<Opening> m_open;
    // For the script's top level and each open {: the ( and the [ open inside it.
    std::vector<std::array<int, 2>> m_blocks{{0, 0}};
};

} // namespace

void checkMelLexically(std::string_view text, std::vector<MelDiagnostic>& findings, const std::atomic<bool>* stop)
{
    LexicalScan(text, findings, stop).run();
}

} // namespace orv
