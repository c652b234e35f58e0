// Each command statement is held against its command's flags (its record in the database and
// today's command facts) as the reader hands it over. A statement that names a procedure of the
// script, a command that nothing knows, or a value that only the running script knows is left
// alone: a false alarm costs more than a missed fault. The procedures are known only at the end
// of the script, so the findings of each statement wait there with the word they were found on,
// and so do the statements in command form that call a word nothing else knows (a proc).
#include "melparse/MelStatementChecks.h"

#include "mel/CommandDatabase.h"
#include "mel/CommandFacts.h"
#include "mel/MelVocabulary.h"
#include "melparse/MelChecks.h"
#include "melparse/MelBuiltinProcs.h"
#include "melparse/MelCallChecks.h"
#include "melparse/MelStatementReader.h"
#include "melparse/MelVariableChecks.h"
#include "melparse/NearestName.h"

#include <algorithm>
#include <string>
#include <unordered_map>
#include <unordered_set>

namespace orv {
namespace {

// Shorter words in command position are too close to too many commands to call typos.
constexpr std::size_t kShortestTypo = 3;
// A shorter beginning of a flag's long name says too little to suggest that flag.
constexpr std::size_t kShortestAbbreviation = 3;

bool isLiteral(const MelArgument& argument)
{
    return argument.kind == MelArgumentKind::string || argument.kind == MelArgumentKind::number ||
           argument.kind == MelArgumentKind::word;
}

bool isIdentifier(std::string_view word)
{
    return !word.empty() && std::all_of(word.begin(), word.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
    });
}

std::string plural(int count, const char* one)
{
    return std::to_string(count) + ' ' + one + (count == 1 ? "" : "s");
}

// A statement holding more arguments than this is a data dump (a generated array); its later
// arguments are not kept, and a flag whose values run past them is not counted.
constexpr std::size_t kMostArgumentsChecked = 4096;
// Verdicts on words in command position kept for their next use; a script of more distinct
// words than this judges the others each time, so that the cache stays small.
constexpr std::size_t kMostCommandWordVerdicts = 8192;

class StatementChecks final : public MelStatementSink {
public:
    explicit StatementChecks(std::vector<MelDiagnostic>& findings)
        : m_findings(findings), m_calls(findings), m_variables(findings)
    {
    }

    // The checks that follow the tokens: the calls written name(...), the variables.
    void token(const MelToken& token) override
    {
        m_calls.take(token);
        m_variables.take(token);
    }

    void statement(MelStatement& statement, int) override
    {
        if (statement.kind != MelStatementKind::command)
            return;
        m_word = &statement.word;
        const std::vector<CommandFlag>& flags = flagsOf(statement.word);
        if (flags.empty()) {
            checkCommandWord(statement);
            return;
        }
        const bool query = HasMelFlag(statement, "query", "q");
        const auto& arguments = statement.arguments;
        for (std::size_t i = 0; i < arguments.size(); ++i) {
            if (arguments[i].kind != MelArgumentKind::flag)
                continue;
            const std::string_view name = std::string_view(arguments[i].text).substr(1);
            const CommandFlag* flag = findCommandFlag(flags, name);
            if (flag == nullptr) {
                if (!mayBeUntoldShortName(flags, name))
                    unknownFlag(statement, arguments[i], flags);
            } else if (!query && flag->queryOnly) {
                report(arguments[i].span, "flag " + arguments[i].text + " of " + statement.word +
                                              " works only with -query");
            } else if (!query && flag->valueCount > 0) {
                checkValueCount(statement, i, *flag);
            }
        }
    }

    // Strings, comments and brackets are the text checks' own; a backquote only the reader sees.
    void problem(MelLexicalProblem&& problem) override
    {
        if (problem.kind == MelLexicalProblemKind::unterminatedBackquote && !full())
            m_findings.push_back({problem.span.line, problem.span.column, 1, MelSeverity::error, std::move(problem.text)});
    }

    // The findings on statements that name none of the script's procedures join the others;
    // the calls that waited for the procs are judged, and the variables' reads told.
    void finish(const std::vector<MelProc>& procs)
    {
        std::unordered_set<std::string_view> names;
        for (const MelProc& proc : procs)
            names.insert(proc.name);
        for (Pending& pending : m_pending)
            if (!names.contains(pending.word))
                m_findings.push_back(std::move(pending.finding));
        m_pending.clear();
        m_calls.finish();
        m_variables.finish();
    }

private:
    struct Pending {
        MelDiagnostic finding;
        std::string word;
    };
    bool full() const { return m_findings.size() + m_pending.size() >= kMaxMelFindings; }

    // Only the words of the command table and of the facts are kept: other scripts' procs
    // would make the cache grow with the script.
    const std::vector<CommandFlag>& flagsOf(const std::string& command)
    {
        static const std::vector<CommandFlag> kNone;
        auto flags = m_flags.find(command);
        if (flags != m_flags.end())
            return flags->second;
        if (FindMelCommand(command.c_str()) < 0 && !IsCommandFactName(command))
            return kNone;
        return m_flags.emplace(command, KnownCommandFlags(command)).first->second;
    }

    void report(const MelSourceSpan& span, std::string text)
    {
        if (full())
            return;
        Pending& pending = m_pending.emplace_back();
        pending.finding = {span.line, span.column, std::max(1, static_cast<int>(span.length)), MelSeverity::warning,
                           std::move(text)};
        pending.word = *m_word;
    }

    void unknownFlag(const MelStatement& statement, const MelArgument& flagWord, const std::vector<CommandFlag>& flags)
    {
        const std::string_view name = std::string_view(flagWord.text).substr(1);
        NearestName nearest(name, nearEnoughDistance(name));
        for (std::size_t f = 0; f < flags.size(); ++f) {
            nearest.consider(flags[f].shortName, static_cast<int>(f));
            if (!flags[f].longName.empty())
                nearest.consider(flags[f].longName, static_cast<int>(f));
        }
        std::string_view suggestion = nearest.name();
        if (!nearest.found() && name.size() >= kShortestAbbreviation)
            suggestion = onlyLongNameStartingWith(name, flags);
        std::string text = "unknown flag " + flagWord.text + " of " + statement.word;
        if (!suggestion.empty())
            text += ": did you mean -" + std::string(suggestion) + "?";
        report(flagWord.span, std::move(text));
    }

    // "-lab" for -label: the long name the word begins, when it begins only one.
    static std::string_view onlyLongNameStartingWith(std::string_view word, const std::vector<CommandFlag>& flags)
    {
        std::string_view found;
        for (const CommandFlag& flag : flags) {
            if (!flag.longName.starts_with(word) || flag.longName == found)
                continue;
            if (!found.empty())
                return {};
            found = flag.longName;
        }
        return found;
    }

    // The values of a flag run to the next flag or the statement's end; a value only the
    // running script knows (a variable may hold an array) leaves the count open.
    void checkValueCount(const MelStatement& statement, std::size_t flagAt, const CommandFlag& flag)
    {
        const auto& arguments = statement.arguments;
        int given = 0;
        std::size_t j = flagAt + 1;
        for (; j < arguments.size() && arguments[j].kind != MelArgumentKind::flag; ++j) {
            if (!isLiteral(arguments[j]))
                return;
            ++given;
        }
        if (given >= flag.valueCount || (j == arguments.size() && statement.cut))
            return;
        report(arguments[flagAt].span, "flag " + arguments[flagAt].text + " of " + statement.word + " takes " +
                                           plural(flag.valueCount, "value") + " (" + std::string(flag.typeText) +
                                           "), " + (given == 0 ? "none" : std::to_string(given)) + " given");
    }

    void checkCommandWord(const MelStatement& statement)
    {
        auto verdict = m_commandWords.find(statement.word);
        if (verdict == m_commandWords.end()) {
            if (m_commandWords.size() >= kMostCommandWordVerdicts)
                m_commandWords.clear();
            verdict = m_commandWords.emplace(statement.word, commandWordFinding(statement.word)).first;
        }
        if (!verdict->second.empty()) {
            report(statement.wordSpan, verdict->second);
            return;
        }
        // A word nothing but a proc can be: its arguments are counted unless a group or a cut
        // leaves the count open.
        const bool open = statement.cut || std::any_of(statement.arguments.begin(), statement.arguments.end(),
                                                       [](const MelArgument& a) { return a.kind == MelArgumentKind::expression; });
        m_calls.command(statement.word, statement.wordSpan, open ? -1 : static_cast<int>(statement.arguments.size()));
    }

    // What to say of a word in command position that is no command: empty unless it is one
    // edit from a command and nothing else it could be: a procedure of MEL itself, or one of
    // the runtime commands (Undo, Duplicate, MoveTool) that begin with a capital and that no
    // word list holds.
    std::string commandWordFinding(const std::string& word)
    {
        if (word.size() < kShortestTypo || !isIdentifier(word) || (word.front() >= 'A' && word.front() <= 'Z') ||
            FindMelCommand(word.c_str()) >= 0 || IsCommandFactName(word) ||
            IsMelCommandWord(word.data(), static_cast<int>(word.size())) ||
            IsMelKeyword(word.data(), static_cast<int>(word.size())) || IsMelBuiltinProc(word))
            return {};
        NearestName nearest(word, 1);
        const std::vector<std::vector<std::size_t>>& byLength = commandsByLength();
        const std::vector<std::string>& commands = MelCommandWords();
        for (std::size_t length = word.size() - 1; length <= word.size() + 1 && length < byLength.size(); ++length)
            for (const std::size_t c : byLength[length])
                if (commands[c].front() == word.front() || commands[c].back() == word.back())
                    nearest.consider(commands[c], static_cast<int>(c));
        if (!nearest.found())
            return {};
        return "unknown command " + word +
               (nearest.owner() >= 0 ? ": did you mean " + std::string(nearest.name()) + "?"
                                     : std::string(": one edit from more than one command"));
    }

    // The command words by their length: one edit changes a length by one at most, and leaves
    // the first or the last character of a word of three or more as it was.
    const std::vector<std::vector<std::size_t>>& commandsByLength()
    {
        if (m_commandsByLength.empty()) {
            const std::vector<std::string>& commands = MelCommandWords();
            for (std::size_t c = 0; c < commands.size(); ++c) {
                if (m_commandsByLength.size() <= commands[c].size())
                    m_commandsByLength.resize(commands[c].size() + 1);
                m_commandsByLength[commands[c].size()].push_back(c);
            }
        }
        return m_commandsByLength;
    }

    std::vector<MelDiagnostic>& m_findings;
    std::vector<Pending> m_pending;
    const std::string* m_word = nullptr;  // the word of the statement being checked
    std::unordered_map<std::string, std::vector<CommandFlag>> m_flags;
    MelCallChecks m_calls;
    MelVariableChecks m_variables;
    // Words of other scripts' procedures come back on every call: each is judged once.
    std::unordered_map<std::string, std::string> m_commandWords;
    std::vector<std::vector<std::size_t>> m_commandsByLength;
};

} // namespace

void checkMelStatements(std::string_view text, std::vector<MelDiagnostic>& findings, const std::atomic<bool>* stop)
{
    StatementChecks checks(findings);
    checks.finish(StreamMelStatements(text, checks, kMostArgumentsChecked, stop));
}

} // namespace orv
