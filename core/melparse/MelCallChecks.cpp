// Calls are found on the tokens (a name right before '(' with no blank between, anywhere in a
// statement) and on the statements (a command word); proc parameters are counted on the tokens
// of each proc's header.
#include "melparse/MelCallChecks.h"

#include "mel/CommandDatabase.h"
#include "mel/CommandFacts.h"
#include "mel/MelVocabulary.h"
#include "melparse/MelBuiltinProcs.h"
#include "melparse/MelChecks.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

namespace orv {
namespace {

constexpr int kCountsDiffer = -1;  // a proc defined more than once with different parameters

bool isNameChar(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

bool isTypeWord(std::string_view word)
{
    return word == "string" || word == "int" || word == "float" || word == "vector" || word == "matrix";
}

// The name a run ends in, where an operator may come first ("=size" in "$n=size($a)"); empty
// when the run ends otherwise or is a flag ("-label(" is no call).
std::string_view trailingName(std::string_view run)
{
    std::size_t start = run.size();
    while (start > 0 && isNameChar(run[start - 1]))
        --start;
    const std::string_view name = run.substr(start);
    if (name.empty() || (name[0] >= '0' && name[0] <= '9') || (start > 0 && run[start - 1] == '-' && start == 1) ||
        (start > 0 && (run[start - 1] == '.' || run[start - 1] == '$')))
        return {};
    return name;
}

std::string plural(int count, const char* one)
{
    return std::to_string(count) + ' ' + one + (count == 1 ? "" : "s");
}

class CallChecks {
public:
    CallChecks(const std::vector<MelToken>& tokens, std::vector<MelDiagnostic>& findings)
        : m_tokens(tokens), m_findings(findings)
    {
    }

    void run(const MelScript& script)
    {
        countGroupItems();
        findProcs();
        for (std::size_t i = 0; i + 1 < m_tokens.size(); ++i) {
            const MelToken& token = m_tokens[i];
            const MelToken& after = m_tokens[i + 1];
            if (token.kind != MelTokenKind::run || after.kind != MelTokenKind::open || after.text != "(" ||
                after.blankBefore || m_headers.contains(i))
                continue;
            const std::string_view name = trailingName(token.text);
            if (name.empty())
                continue;
            MelSourceSpan span = token.span;
            span.column += static_cast<int>(token.text.size() - name.size());
            span.offset += token.text.size() - name.size();
            span.length = name.size();
            call(std::string(name), span, m_items[i + 1]);
        }
        for (const MelStatement& statement : script.statements) {
            if (statement.kind != MelStatementKind::command)
                continue;
            const bool grouped = std::any_of(statement.arguments.begin(), statement.arguments.end(),
                                             [](const MelArgument& a) { return a.kind == MelArgumentKind::expression; });
            call(statement.word, statement.wordSpan, grouped ? -1 : static_cast<int>(statement.arguments.size()));
        }
    }

private:
    // Every proc header: "proc", its return type, its name, then its parameters in parentheses.
    void findProcs()
    {
        for (std::size_t i = 0; i < m_tokens.size(); ++i) {
            if (m_tokens[i].kind != MelTokenKind::run || m_tokens[i].text != "proc")
                continue;
            // A header is a few tokens: "proc string[] name(".
            constexpr std::size_t kLongestHeader = 6;
            std::size_t j = i + 1;
            std::size_t name = 0;
            for (; j < m_tokens.size() && j <= i + kLongestHeader && m_tokens[j].kind != MelTokenKind::semicolon &&
                   !(m_tokens[j].kind == MelTokenKind::open && m_tokens[j].text != "[");
                 ++j)
                if (m_tokens[j].kind == MelTokenKind::run)
                    name = j;
            if (name == 0 || j >= m_tokens.size() || m_tokens[j].text != "(")
                continue;
            m_headers.insert(name);
            const int count = m_items[j];
            const auto [known, added] = m_procs.try_emplace(m_tokens[name].text, count);
            if (!added && known->second != count)
                known->second = kCountsDiffer;
        }
    }

    // The number of items of each group, by its opening token (-1 for a group never closed or
    // holding a ';'): items are separated by commas at the group's own level (commas in inner
    // groups and backquotes do not count). One pass, so that nested calls cost no more.
    void countGroupItems()
    {
        struct Open {
            std::size_t token;
            int commas = 0;
            bool empty = true;
            bool sound = true;
        };
        std::vector<Open> open;
        bool inBackquote = false;
        m_items.assign(m_tokens.size(), -1);
        for (std::size_t i = 0; i < m_tokens.size(); ++i) {
            const MelToken& token = m_tokens[i];
            if (token.kind == MelTokenKind::close) {
                if (open.empty())
                    continue;
                const Open group = open.back();
                open.pop_back();
                m_items[group.token] = !group.sound ? -1 : group.empty ? 0 : group.commas + 1;
                continue;
            }
            if (open.empty()) {
                if (token.kind == MelTokenKind::open)
                    open.push_back({i});
                continue;
            }
            Open& group = open.back();
            if (token.kind == MelTokenKind::comma && !inBackquote) {
                ++group.commas;
            } else if (token.kind == MelTokenKind::semicolon) {
                group.sound = false;
            } else if (token.kind == MelTokenKind::backquote) {
                inBackquote = !inBackquote;
            }
            group.empty = false;
            if (token.kind == MelTokenKind::open)
                open.push_back({i});
        }
    }

    // Whether anything known outside the script answers to the name.
    static bool knownElsewhere(const std::string& name)
    {
        const int length = static_cast<int>(name.size());
        return (name[0] >= 'A' && name[0] <= 'Z') || isTypeWord(name) || IsMelKeyword(name.data(), length) ||
               IsMelBuiltinProc(name) || FindMelCommand(name.c_str()) >= 0 || IsMelCommandWord(name.data(), length) ||
               IsCommandFactName(name);
    }

    void call(const std::string& name, const MelSourceSpan& span, int given)
    {
        if (name.empty() || (name[0] >= '0' && name[0] <= '9') ||
            !std::all_of(name.begin(), name.end(), isNameChar))
            return;
        if (m_findings.size() >= kMaxMelFindings)
            return;
        const auto proc = m_procs.find(name);
        if (proc == m_procs.end()) {
            // A few bisections: cheaper than remembering each word of a script of many calls.
            if (!knownElsewhere(name))
                report(span, MelSeverity::note, "proc " + name + " is not defined in this script nor known");
            return;
        }
        // A proc named like a command leaves open which of the two a statement calls.
        if (proc->second >= 0 && given >= 0 && given != proc->second && !knownElsewhere(name))
            report(span, MelSeverity::warning,
                   "proc " + name + " takes " + plural(proc->second, "argument") + ", " + std::to_string(given) + " given");
    }

    void report(const MelSourceSpan& span, MelSeverity severity, std::string text)
    {
        m_findings.push_back({span.line, span.column, std::max(1, static_cast<int>(span.length)), severity,
                              std::move(text)});
    }

    const std::vector<MelToken>& m_tokens;
    std::vector<MelDiagnostic>& m_findings;
    std::unordered_map<std::string, int> m_procs;  // name: its parameter count
    std::unordered_set<std::size_t> m_headers;  // tokens that name a proc in its header
    std::vector<int> m_items;                   // by opening token, as countGroupItems
};

} // namespace

void checkMelCalls(const std::vector<MelToken>& tokens, const MelScript& script, std::vector<MelDiagnostic>& findings)
{
    CallChecks(tokens, findings).run(script);
}

} // namespace orv
