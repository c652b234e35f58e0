// Follows the script's blocks and declarations token by token: braces that open a block open a
// scope (those of an array literal do not), a proc's body hides the scopes around it, and a
// variable is declared by a type word, a proc parameter, a first assignment or a for-in loop.
#include "melparse/MelVariableChecks.h"

#include "melparse/MelChecks.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <unordered_map>

namespace orv {
namespace {

bool isTypeWord(std::string_view word)
{
    return word == "string" || word == "int" || word == "float" || word == "vector" || word == "matrix";
}

bool isToken(const MelToken& token, MelTokenKind kind, std::string_view text)
{
    return token.kind == kind && token.text == text;
}

// "=", "=0": an assignment; "==" a comparison.
bool startsAssignment(const MelToken& token)
{
    return token.kind == MelTokenKind::run && token.text.starts_with('=') && !token.text.starts_with("==");
}

// A scope is a stretch of the stack of names declared: from `firstName` to the stack's top.
struct Scope {
    bool procBody = false;  // the scopes below it are out of sight
    bool block = true;      // false: the braces of an array literal
    std::size_t firstName = 0;
};

struct Declaration {
    int function = -1;  // the proc it is in (by order of the procs), -1 outside them
    std::string_view name;
    MelSourceSpan span;
};

struct Use {
    std::string_view name;
    MelSourceSpan span;
    int function = -1;
};

class VariableChecks {
public:
    VariableChecks(const std::vector<MelToken>& tokens, std::vector<MelDiagnostic>& findings)
        : m_tokens(tokens), m_findings(findings)
    {
        m_scopes.push_back({});
    }

    void run()
    {
        for (m_at = 0; m_at < m_tokens.size(); ++m_at)
            step();
        if (m_undeclared.empty())
            return;
        // The first declaration of each name in each function, for the few reads left over.
        for (const Declaration& d : m_declarations)
            m_firstDeclarations.try_emplace(key(d.function, d.name), d.span);
        for (const Use& use : m_undeclared)
            report(use);
    }

private:
    void step()
    {
        const MelToken& token = m_tokens[m_at];
        switch (token.kind) {
        case MelTokenKind::open:
            if (token.text == "{")
                openBrace();
            else
                ++m_depth;
            break;
        case MelTokenKind::close:
            if (token.text == "}")
                closeBrace();
            else if (m_depth > 0)
                --m_depth;
            if (m_parameters && m_depth == 0)
                m_parameters = false;
            break;
        case MelTokenKind::semicolon:
            m_declaring = false;
            m_procHeader = false;
            break;
        case MelTokenKind::comma:
            if (m_declaring && m_depth == m_declarationDepth)
                m_expectName = true;
            break;
        case MelTokenKind::run:
            if (token.text == "proc") {
                m_procHeader = true;
                m_pendingParameters.clear();
            } else if (!m_procHeader && isTypeWord(token.text) && next(MelTokenKind::variable)) {
                m_declaring = true;
                m_expectName = true;
                m_declarationDepth = m_depth;
            }
            break;
        case MelTokenKind::variable:
            variable(token);
            break;
        default:
            break;
        }
        if (token.kind == MelTokenKind::open && token.text == "(" && m_procHeader && m_depth == 1)
            m_parameters = true;
        m_previous = &token;
    }

    bool next(MelTokenKind kind) const
    {
        return m_at + 1 < m_tokens.size() && m_tokens[m_at + 1].kind == kind;
    }

    // A brace at the start of a statement opens a block; elsewhere ("= {1, 2}") an array.
    void openBrace()
    {
        const bool statementStart = m_previous == nullptr || m_previous->kind == MelTokenKind::semicolon ||
                                    m_previous->kind == MelTokenKind::close ||
                                    (m_previous->kind == MelTokenKind::open && m_previous->text == "{") ||
                                    isToken(*m_previous, MelTokenKind::run, "else") ||
                                    isToken(*m_previous, MelTokenKind::run, "do") || m_procHeader;
        if (!statementStart || m_depth > 0) {
            m_scopes.push_back({false, false, m_names.size()});
            ++m_depth;
            return;
        }
        Scope scope{false, true, m_names.size()};
        if (m_procHeader) {
            scope.procBody = true;
            m_procHeader = false;
            m_function = ++m_procs;
            m_bodyFirstName = scope.firstName;
            m_scopes.push_back(scope);
            for (const std::size_t parameter : m_pendingParameters)
                declare(m_tokens[parameter].text, parameter);
            m_pendingParameters.clear();
            return;
        }
        m_scopes.push_back(scope);
    }

    void closeBrace()
    {
        if (m_scopes.size() <= 1)
            return;
        const Scope scope = m_scopes.back();
        m_scopes.pop_back();
        if (!scope.block) {
            if (m_depth > 0)
                --m_depth;
            return;
        }
        while (m_names.size() > scope.firstName) {
            m_where[m_names.back()].pop_back();
            m_names.pop_back();
        }
        m_declaring = false;
        if (scope.procBody) {
            m_function = -1;
            m_bodyFirstName = 0;
        }
    }

    // Declared in a scope open, and not below the proc body that holds the reader.
    bool visible(std::string_view name) const
    {
        const auto where = m_where.find(name);
        return where != m_where.end() && !where->second.empty() && where->second.back() >= m_bodyFirstName;
    }

    void declare(std::string_view name, std::size_t token)
    {
        m_where[name].push_back(m_names.size());
        m_names.push_back(name);
        m_declarations.push_back({m_function, name, m_tokens[token].span});
    }

    // The token after a variable and its subscripts ($a[$i] = ...), or the end. A subscript
    // longer than kLongestSubscript tokens is not followed (a hostile text would make every
    // variable in it walk to its end).
    std::size_t afterSubscripts() const
    {
        constexpr std::size_t kLongestSubscript = 256;
        std::size_t i = m_at + 1;
        const std::size_t end = std::min(m_tokens.size(), m_at + 1 + kLongestSubscript);
        while (i < end && isToken(m_tokens[i], MelTokenKind::open, "[") && !m_tokens[i].blankBefore) {
            int depth = 0;
            for (; i < end; ++i) {
                if (m_tokens[i].kind == MelTokenKind::open)
                    ++depth;
                else if (m_tokens[i].kind == MelTokenKind::close && --depth == 0)
                    break;
            }
            if (i == end)
                return m_tokens.size();
            ++i;
        }
        return i;
    }

    void variable(const MelToken& token)
    {
        const std::string_view name = token.text;
        if (name.size() < 2)
            return;
        if (m_parameters) {
            m_pendingParameters.push_back(m_at);
            return;
        }
        if (m_declaring && m_expectName) {
            m_expectName = false;
            declare(name, m_at);
            return;
        }
        const std::size_t after = afterSubscripts();
        const bool assigned = after < m_tokens.size() && startsAssignment(m_tokens[after]);
        const bool loop = after < m_tokens.size() && isToken(m_tokens[after], MelTokenKind::run, "in");
        if (visible(name))
            return;
        if (assigned || loop) {
            declare(name, m_at);
            return;
        }
        m_undeclared.push_back({name, token.span, m_function});
    }

    // Outside the procs only a read before the script's own later declaration is reported.
    void report(const Use& use)
    {
        const auto declared = m_firstDeclarations.find(key(use.function, use.name));
        const bool later = declared != m_firstDeclarations.end() && declared->second.offset > use.span.offset;
        if (use.function < 0 && !later)
            return;
        if (m_findings.size() >= kMaxMelFindings)
            return;
        std::string text = "variable " + std::string(use.name);
        text += later ? " is used before its declaration on line " + std::to_string(declared->second.line)
                      : " is not declared";
        m_findings.push_back({use.span.line, use.span.column, static_cast<int>(use.span.length), MelSeverity::warning,
                              std::move(text)});
    }

    static std::string key(int function, std::string_view name)
    {
        return std::to_string(function) + ' ' + std::string(name);
    }

    const std::vector<MelToken>& m_tokens;
    std::vector<MelDiagnostic>& m_findings;
    std::size_t m_at = 0;
    const MelToken* m_previous = nullptr;
    std::vector<Scope> m_scopes;
    std::vector<std::string_view> m_names;  // the names declared in the scopes open
    std::size_t m_bodyFirstName = 0;  // the first name of the proc body open (procs do not nest)
    // Where each name stands in m_names, innermost last.
    std::unordered_map<std::string_view, std::vector<std::size_t>> m_where;
    int m_depth = 0;  // parentheses, brackets and array braces open
    bool m_procHeader = false;
    bool m_parameters = false;
    std::vector<std::size_t> m_pendingParameters;  // their tokens
    bool m_declaring = false;
    bool m_expectName = false;
    int m_declarationDepth = 0;
    int m_function = -1;
    int m_procs = -1;
    std::vector<Declaration> m_declarations;
    std::unordered_map<std::string, MelSourceSpan> m_firstDeclarations;  // "function name"
    std::vector<Use> m_undeclared;
};

} // namespace

void checkMelVariables(const std::vector<MelToken>& tokens, std::vector<MelDiagnostic>& findings)
{
    VariableChecks(tokens, findings).run();
}

} // namespace orv
