// Follows the script's blocks and declarations token by token: braces that open a block open a
// scope (those of an array literal do not), a proc's body hides the scopes around it, and a
// variable is declared by a type word, a proc parameter, a first assignment or a for-in loop.
#include "melparse/MelVariableChecks.h"

#include "melparse/MelChecks.h"

namespace orv {
namespace {

// Variables waiting for their subscripts to close: past this many (a hostile text of open
// subscripts) a variable is taken as read at once.
constexpr std::size_t kMostWaiting = 256;

// The comparisons below run for every token of the script: each looks at a first character
// before it compares a whole word.
bool isTypeWord(std::string_view word)
{
    if (word.empty() || (word[0] != 's' && word[0] != 'i' && word[0] != 'f' && word[0] != 'v' && word[0] != 'm'))
        return false;
    return word == "string" || word == "int" || word == "float" || word == "vector" || word == "matrix";
}

// A bracket token: its one character.
bool isBracket(const MelToken& token, MelTokenKind kind, char bracket)
{
    return token.kind == kind && token.text[0] == bracket;
}

bool isRun(const MelToken& token, std::string_view word)
{
    return token.kind == MelTokenKind::run && token.text.size() == word.size() && token.text[0] == word[0] &&
           token.text == word;
}

// "=", "=0": an assignment; "==" a comparison.
bool startsAssignment(const MelToken& token)
{
    return token.kind == MelTokenKind::run && token.text[0] == '=' && !token.text.starts_with("==");
}

} // namespace

MelVariableChecks::MelVariableChecks(std::vector<MelDiagnostic>& findings) : m_findings(findings)
{
    m_scopes.push_back({});
}

void MelVariableChecks::take(const MelToken& token)
{
    resolveWaiting(token);
    const bool afterTypeWord = m_afterTypeWord;
    m_afterTypeWord = false;
    switch (token.kind) {
    case MelTokenKind::open:
        if (token.text[0] == '{') {
            openBrace();
        } else {
            ++m_depth;
            if (m_procHeader && token.text[0] == '(' && m_depth == 1)
                m_parameters = true;
        }
        break;
    case MelTokenKind::close:
        if (token.text[0] == '}')
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
        if (isRun(token, "proc")) {
            m_procHeader = true;
            m_pendingParameters.clear();
        } else if (!m_procHeader && isTypeWord(token.text)) {
            m_afterTypeWord = true;
        }
        break;
    case MelTokenKind::variable:
        if (token.text.size() < 2)
            break;
        if (m_parameters) {
            m_pendingParameters.emplace_back(token.text, token.span);
        } else if (afterTypeWord || (m_declaring && m_expectName)) {
            if (afterTypeWord) {
                m_declaring = true;
                m_declarationDepth = m_depth;
            }
            m_expectName = false;
            declare(token.text, token.span);
        } else if (m_waiting.size() < kMostWaiting) {
            m_waiting.push_back({token.text, token.span, m_depth});
        } else {
            resolve({token.text, token.span, m_depth}, false);
        }
        break;
    default:
        break;
    }
    m_previous = token;
    m_havePrevious = true;
}

// The variables waiting at this depth learn what follows them: a subscript keeps them waiting,
// "=" or "in" declares them, anything else reads them. Those inside an open subscript wait on.
void MelVariableChecks::resolveWaiting(const MelToken& next)
{
    while (!m_waiting.empty() && m_waiting.back().depth >= m_depth) {
        if (m_waiting.back().depth == m_depth && isBracket(next, MelTokenKind::open, '[') && !next.blankBefore)
            return;
        const Waiting variable = m_waiting.back();
        m_waiting.pop_back();
        resolve(variable, variable.depth == m_depth &&
                              (startsAssignment(next) || isRun(next, "in")));
    }
}

void MelVariableChecks::resolve(const Waiting& variable, bool declares)
{
    if (visible(variable.name))
        return;
    if (declares) {
        declare(variable.name, variable.span);
        return;
    }
    if (m_undeclared.size() < kMaxMelFindings)
        m_undeclared.push_back({variable.name, variable.span});
}

// A brace at the start of a statement opens a block; elsewhere ("= {1, 2}") an array.
void MelVariableChecks::openBrace()
{
    const bool statementStart = !m_havePrevious || m_previous.kind == MelTokenKind::semicolon ||
                                m_previous.kind == MelTokenKind::close || isBracket(m_previous, MelTokenKind::open, '{') ||
                                isRun(m_previous, "else") ||
                                isRun(m_previous, "do") || m_procHeader;
    if (!statementStart || m_depth > 0) {
        m_scopes.push_back({false, false, m_names.size()});
        ++m_depth;
        return;
    }
    const Scope scope{m_procHeader, true, m_names.size()};
    m_scopes.push_back(scope);
    if (!m_procHeader)
        return;
    m_procHeader = false;
    report(m_topDeclarations, false);  // reads so far outside the procs: the declarations met decide
    m_inBody = true;
    m_bodyFirstName = scope.firstName;
    for (const auto& [name, span] : m_pendingParameters)
        declare(name, span);
    m_pendingParameters.clear();
}

void MelVariableChecks::closeBrace()
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
        // The proc's reads are told now, so that its declarations need not be kept.
        report(m_bodyDeclarations, true);
        m_bodyDeclarations.clear();
        m_inBody = false;
        m_bodyFirstName = 0;
    }
}

// Declared in a scope open, and not below the proc body that holds the reader.
bool MelVariableChecks::visible(std::string_view name) const
{
    const auto where = m_where.find(name);
    return where != m_where.end() && !where->second.empty() && where->second.back() >= m_bodyFirstName;
}

void MelVariableChecks::declare(std::string_view name, const MelSourceSpan& span)
{
    m_where[name].push_back(m_names.size());
    m_names.push_back(name);
    (m_inBody ? m_bodyDeclarations : m_topDeclarations).try_emplace(name, span);
}

// Tells the reads left undeclared, by the first declarations of their part of the script: in a
// proc body every one; outside the procs only a read before a declaration met since, the
// others kept for declarations still to come.
void MelVariableChecks::report(const std::unordered_map<std::string_view, MelSourceSpan>& declarations, bool inBody)
{
    std::vector<Use> unresolved;
    for (const Use& use : m_undeclared) {
        const auto declared = declarations.find(use.name);
        const bool later = declared != declarations.end() && declared->second.offset > use.span.offset;
        if (!inBody && !later) {
            unresolved.push_back(use);
            continue;
        }
        if (m_findings.size() >= kMaxMelFindings)
            continue;
        std::string text = "variable " + std::string(use.name);
        text += later ? " is used before its declaration on line " + std::to_string(declared->second.line)
                      : " is not declared";
        m_findings.push_back({use.span.line, use.span.column, static_cast<int>(use.span.length), MelSeverity::warning,
                              std::move(text)});
    }
    m_undeclared = std::move(unresolved);
}

void MelVariableChecks::finish()
{
    while (!m_waiting.empty()) {
        const Waiting variable = m_waiting.back();
        m_waiting.pop_back();
        resolve(variable, false);
    }
    if (m_inBody)
        report(m_bodyDeclarations, true);
    report(m_topDeclarations, false);
    m_undeclared.clear();
}

} // namespace orv
