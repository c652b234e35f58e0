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

void MelCallChecks::command(std::string_view word, const MelSourceSpan& span, int given)
{
    call(word, span, given);
}

void MelCallChecks::call(std::string_view word, const MelSourceSpan& span, int given)
{
    if (m_findings.size() + m_waiting.size() >= kMaxMelFindings || word.empty() || (word[0] >= '0' && word[0] <= '9') ||
        !std::all_of(word.begin(), word.end(), isNameChar))
        return;
    judge(word, span, given, false);
}

// A proc named like a command leaves open which of the two a statement calls; a word known
// outside the script is none of the script's affair.
void MelCallChecks::judge(std::string_view word, const MelSourceSpan& span, int given, bool final)
{
    const auto proc = m_parameters.find(word);
    if (proc == m_parameters.end() && !final) {
        if (!IsKnownOutsideTheScript(word))
            m_waiting.push_back({std::string(word), span, given});
        return;
    }
    if (IsKnownOutsideTheScript(word) || m_findings.size() >= kMaxMelFindings)
        return;
    const int length = std::max(1, static_cast<int>(span.length));
    if (proc == m_parameters.end())
        m_findings.push_back({span.line, span.column, length, MelSeverity::note,
                              "proc " + std::string(word) + " is not defined in this script nor known"});
    else if (proc->second >= 0 && given >= 0 && given != proc->second)
        m_findings.push_back({span.line, span.column, length, MelSeverity::warning,
                              "proc " + std::string(word) + " takes " + plural(proc->second, "argument") + ", " +
                                  std::to_string(given) + " given"});
}

void MelCallChecks::finish()
{
    for (const Waiting& waiting : m_waiting)
        judge(waiting.word, waiting.span, waiting.given, true);
    m_waiting.clear();
}

void MelCallChecks::take(const MelToken& token)
{
    if (token.kind == MelTokenKind::close) {
        if (m_tooDeep > 0) {
            --m_tooDeep;
        } else if (!m_groups.empty()) {
            const Group group = m_groups.back();
            m_groups.pop_back();
            if (group.header) {
                const int count = group.sound ? group.variables : -1;
                const auto [known, added] = m_parameters.try_emplace(group.callee, count);
                if (!added && known->second != count)
                    known->second = -1;
            } else if (!group.callee.empty()) {
                call(group.callee, group.span, !group.sound ? -1 : group.empty ? 0 : group.commas + 1);
            }
        }
    } else {
        if (!m_groups.empty()) {
            Group& group = m_groups.back();
            if (token.kind == MelTokenKind::comma && !m_inBackquote)
                ++group.commas;
            else if (token.kind == MelTokenKind::semicolon)
                group.sound = false;
            else if (token.kind == MelTokenKind::variable)
                ++group.variables;
            group.empty = false;
        }
        if (token.kind == MelTokenKind::backquote)
            m_inBackquote = !m_inBackquote;
        if (token.kind == MelTokenKind::open) {
            Group group;
            const bool parenthesis = token.text[0] == '(';
            if (m_headerLeft > 0 && parenthesis) {
                group.header = !m_headerName.empty();
                group.callee = m_headerName;
                m_headerLeft = 0;
            } else if (parenthesis && !token.blankBefore && m_previousKind == MelTokenKind::run) {
                group.callee = trailingName(m_previousText);
                const std::size_t skipped = m_previousText.size() - group.callee.size();
                group.span = m_previousSpan;
                group.span.offset += skipped;
                group.span.column += static_cast<int>(skipped);
                group.span.length = group.callee.size();
            }
            if (m_groups.size() < kDeepestGroup)
                m_groups.push_back(group);
            else
                ++m_tooDeep;
        }
    }
    if (token.kind == MelTokenKind::run && token.text.size() == 4 && token.text == "proc") {
        m_headerLeft = kLongestHeader;
        m_headerName = {};
    } else if (m_headerLeft > 0) {
        if (token.kind == MelTokenKind::run)
            m_headerName = token.text;
        --m_headerLeft;
    }
    m_previousKind = token.kind;
    m_previousText = token.text;
    m_previousSpan = token.span;
}

} // namespace orv
