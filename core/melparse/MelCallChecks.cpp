// Calls written name(...) are found on the tokens, a name right before '(' with no blank
// between, anywhere in a statement; their items are counted as the group closes.
#include "melparse/MelCallChecks.h"

#include "mel/CommandDatabase.h"
#include "mel/CommandFacts.h"
#include "mel/MelVocabulary.h"
#include "melparse/MelBuiltinProcs.h"
#include "melparse/MelChecks.h"

#include <algorithm>

namespace orv {
namespace {

// Groups nested deeper are not followed: a hostile text would hold one entry per bracket.
constexpr std::size_t kDeepestGroup = 4096;
// A proc header is a few tokens: "proc string[] name(".
constexpr int kLongestHeader = 6;

bool isNameChar(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

bool isTypeWord(std::string_view word)
{
    return word == "string" || word == "int" || word == "float" || word == "vector" || word == "matrix";
}

// The name a run ends in, where an operator may come first ("=size" in "$n=size($a)"); empty
// when the run ends otherwise, is a flag ("-label(" is no call) or follows a '.' or a '$'.
std::string_view trailingName(std::string_view run)
{
    std::size_t start = run.size();
    while (start > 0 && isNameChar(run[start - 1]))
        --start;
    const std::string_view name = run.substr(start);
    if (name.empty() || (name[0] >= '0' && name[0] <= '9') || (start == 1 && run[0] == '-') ||
        (start > 0 && (run[start - 1] == '.' || run[start - 1] == '$')))
        return {};
    return name;
}

std::string plural(int count, const char* one)
{
    return std::to_string(count) + ' ' + one + (count == 1 ? "" : "s");
}

} // namespace

bool IsKnownOutsideTheScript(std::string_view word)
{
    if (word.empty())
        return true;
    const std::string name(word);
    const int length = static_cast<int>(name.size());
    return (name[0] >= 'A' && name[0] <= 'Z') || isTypeWord(name) || IsMelKeyword(name.data(), length) ||
           IsMelBuiltinProc(name) || FindMelCommand(name.c_str()) >= 0 || IsMelCommandWord(name.data(), length) ||
           IsCommandFactName(name);
}

MelProcArguments::MelProcArguments(const std::vector<MelProc>& procs)
{
    for (const MelProc& proc : procs) {
        const auto [known, added] = m_parameters.try_emplace(proc.name, proc.parameterCount);
        if (!added && known->second != proc.parameterCount)
            known->second = -1;
    }
}

void MelProcArguments::check(std::string_view word, const MelSourceSpan& span, int given,
                             std::vector<MelDiagnostic>& findings) const
{
    if (findings.size() >= kMaxMelFindings || word.empty() || !std::all_of(word.begin(), word.end(), isNameChar) ||
        (word[0] >= '0' && word[0] <= '9'))
        return;
    const int length = std::max(1, static_cast<int>(span.length));
    const auto proc = m_parameters.find(word);
    if (proc == m_parameters.end()) {
        if (!IsKnownOutsideTheScript(word))
            findings.push_back({span.line, span.column, length, MelSeverity::note,
                                "proc " + std::string(word) + " is not defined in this script nor known"});
        return;
    }
    // A proc named like a command leaves open which of the two a statement calls.
    if (proc->second >= 0 && given >= 0 && given != proc->second && !IsKnownOutsideTheScript(word))
        findings.push_back({span.line, span.column, length, MelSeverity::warning,
                            "proc " + std::string(word) + " takes " + plural(proc->second, "argument") + ", " +
                                std::to_string(given) + " given"});
}

void MelCallChecks::take(const MelToken& token)
{
    if (token.kind == MelTokenKind::close) {
        if (m_tooDeep > 0) {
            --m_tooDeep;
        } else if (!m_groups.empty()) {
            const Group group = m_groups.back();
            m_groups.pop_back();
            if (!group.callee.empty())
                m_procs.check(group.callee, group.span,
                              !group.sound ? -1 : group.empty ? 0 : group.commas + 1, m_findings);
        }
    } else {
        if (!m_groups.empty()) {
            Group& group = m_groups.back();
            if (token.kind == MelTokenKind::comma && !m_inBackquote)
                ++group.commas;
            else if (token.kind == MelTokenKind::semicolon)
                group.sound = false;
            group.empty = false;
        }
        if (token.kind == MelTokenKind::backquote)
            m_inBackquote = !m_inBackquote;
        if (token.kind == MelTokenKind::open) {
            Group group;
            const bool header = m_headerLeft > 0;
            if (!header && token.text == "(" && !token.blankBefore && m_havePrevious &&
                m_previous.kind == MelTokenKind::run) {
                group.callee = trailingName(m_previous.text);
                const std::size_t skipped = m_previous.text.size() - group.callee.size();
                group.span = m_previous.span;
                group.span.offset += skipped;
                group.span.column += static_cast<int>(skipped);
                group.span.length = group.callee.size();
            }
            if (token.text == "(")
                m_headerLeft = 0;
            if (m_groups.size() < kDeepestGroup)
                m_groups.push_back(group);
            else
                ++m_tooDeep;
        }
    }
    if (token.kind == MelTokenKind::run && token.text == "proc")
        m_headerLeft = kLongestHeader;
    else if (m_headerLeft > 0)
        --m_headerLeft;
    m_previous = token;
    m_havePrevious = true;
}

} // namespace orv
