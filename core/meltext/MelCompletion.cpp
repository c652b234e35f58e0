// Completion of MEL commands and flags: where the cursor stands, what matches, and the edit.
#include "meltext/MelCompletion.h"

#include "mel/CommandDatabase.h"
#include "mel/CommandFacts.h"
#include "mel/MelVocabulary.h"
#include "text/CTextBuffer.h"
#include "text/CharClass.h"
#include "text/TextEditModel.h"

#include <algorithm>
#include <optional>
#include <span>
#include <utility>

namespace orv {

namespace {

// Where the statement around the end of a text starts, found by one pass over it; nullopt
// when the text ends inside a string or a comment. A parenthesis, a bracket or a back-quote
// opens a statement of its own inside the one around it.
std::optional<std::size_t> statementStart(std::string_view text)
{
    enum class State { code, string, lineComment, blockComment };
    State state = State::code;
    std::vector<std::pair<char, std::size_t>> enclosing;  // the opener and the start it hid
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const char next = i + 1 < text.size() ? text[i + 1] : '\0';
        switch (state) {
        case State::string:
            if (c == '\\') {
                ++i;
            } else if (c == '"') {
                state = State::code;
            } else if (c == '\n') {
                // A string never spans lines: the statement it broke ends with its line.
                state = State::code;
                start = i + 1;
            }
            break;
        case State::lineComment:
            if (c == '\n')
                state = State::code;
            break;
        case State::blockComment:
            if (c == '*' && next == '/') {
                state = State::code;
                ++i;
            }
            break;
        case State::code:
            if (c == '"') {
                state = State::string;
            } else if (c == '/' && (next == '/' || next == '*')) {
                state = next == '/' ? State::lineComment : State::blockComment;
                ++i;
            } else if (c == ';' || c == '{' || c == '}') {
                start = i + 1;
            } else if (c == '(' || c == '[' || (c == '`' && (enclosing.empty() || enclosing.back().first != '`'))) {
                enclosing.emplace_back(c, start);
                start = i + 1;
            } else if (!enclosing.empty() && ((c == ')' && enclosing.back().first == '(') ||
                                              (c == ']' && enclosing.back().first == '[') || c == '`')) {
                start = enclosing.back().second;
                enclosing.pop_back();
            }
            break;
        }
    }
    if (state != State::code)
        return std::nullopt;
    return start;
}

std::size_t skipBlanks(std::string_view text, std::size_t i)
{
    while (i < text.size() && isBlankChar(text[i]))
        ++i;
    return i;
}

std::size_t skipWord(std::string_view text, std::size_t i)
{
    while (i < text.size() && isWordChar(text[i]))
        ++i;
    return i;
}

bool startsWord(char c)
{
    return isWordChar(c) && !(c >= '0' && c <= '9');
}

// The command word of a statement: its first word, after an assignment to a variable
// ("$b = button ..."), followed by a blank. Empty when the statement starts otherwise.
std::string commandOf(std::string_view statement)
{
    std::size_t i = skipBlanks(statement, 0);
    if (i < statement.size() && statement[i] == '$') {
        i = skipBlanks(statement, skipWord(statement, i + 1));
        if (i >= statement.size() || statement[i] != '=' || (i + 1 < statement.size() && statement[i + 1] == '='))
            return {};
        i = skipBlanks(statement, i + 1);
    }
    if (i >= statement.size() || !startsWord(statement[i]))
        return {};
    const std::size_t end = skipWord(statement, i);
    if (end >= statement.size() || !isBlankChar(statement[end]))
        return {};
    return std::string(statement.substr(i, end - i));
}

bool startsWith(std::string_view text, std::string_view prefix)
{
    return text.substr(0, prefix.size()) == prefix;
}

} // namespace

CompletionContext melCompletionContext(std::string_view before, std::string_view after)
{
    const std::optional<std::size_t> start = statementStart(before);
    if (!start)
        return {};
    std::size_t wordStart = before.size();
    while (wordStart > *start && isWordChar(before[wordStart - 1]))
        --wordStart;
    CompletionContext context;
    context.prefix = std::string(before.substr(wordStart));
    context.after = static_cast<int>(skipWord(after, 0));
    const bool dashBefore = wordStart > *start && before[wordStart - 1] == '-';
    // Flags written together ("setAttr -e-keyable") count as separate flags: the command
    // stands before the first of them.
    std::size_t flagsStart = wordStart - (dashBefore ? 1 : 0);
    while (dashBefore && flagsStart > *start && isWordChar(before[flagsStart - 1])) {
        std::size_t previous = flagsStart - 1;
        while (previous > *start && isWordChar(before[previous - 1]))
            --previous;
        if (previous == *start || before[previous - 1] != '-')
            break;
        flagsStart = previous - 1;
    }
    if (dashBefore && flagsStart > *start && isBlankChar(before[flagsStart - 1])) {
        context.command = commandOf(before.substr(*start, flagsStart - *start));
        if (context.command.empty() || KnownCommandFlags(context.command).empty())
            return {};
        context.kind = CompletionKind::flag;
        context.before = static_cast<int>(context.prefix.size()) + 1;
        return context;
    }
    const bool afterSigil = wordStart > *start && (before[wordStart - 1] == '$' || dashBefore);
    if (context.prefix.empty() || !startsWord(context.prefix[0]) || afterSigil)
        return {};
    context.kind = CompletionKind::command;
    context.before = static_cast<int>(context.prefix.size());
    return context;
}

CompletionContext melCompletionAt(const CTextBuffer& buffer, TextPos cursor)
{
    if (cursor.line < 0 || cursor.line >= buffer.LineCount())
        return {};
    const std::string_view line = buffer.LineText(cursor.line);
    const auto ch = std::min(static_cast<std::size_t>(std::max(cursor.ch, 0)), line.size());
    std::string before;
    for (int above = std::max(0, cursor.line - kCompletionLookBackLines); above < cursor.line; ++above) {
        before += buffer.LineText(above);
        before += '\n';
    }
    before += line.substr(0, ch);
    return melCompletionContext(before, line.substr(ch));
}

std::vector<CompletionItem> melCompletionItems(const CompletionContext& context)
{
    std::vector<CompletionItem> items;
    if (context.kind == CompletionKind::command) {
        // The word list's commands and today's commands and functions, merged in byte order.
        std::vector<std::string_view> found;
        const std::vector<std::string>& words = MelCommandWords();
        for (auto it = std::lower_bound(words.begin(), words.end(), context.prefix);
             it != words.end() && startsWith(*it, context.prefix); ++it)
            found.push_back(*it);
        const std::size_t fromList = found.size();
        const std::span<const std::string_view> facts = CommandFactNames();
        for (auto it = std::lower_bound(facts.begin(), facts.end(), context.prefix);
             it != facts.end() && startsWith(*it, context.prefix); ++it)
            found.push_back(*it);
        std::inplace_merge(found.begin(), found.begin() + static_cast<std::ptrdiff_t>(fromList), found.end());
        found.erase(std::unique(found.begin(), found.end()), found.end());
        for (const std::string_view word : found)
            items.push_back({std::string(word), std::string(word), {}});
    } else if (context.kind == CompletionKind::flag) {
        // Every flag of the record, those that take no value (-edit, -query, -exists) too.
        for (const CommandFlag& flag : KnownCommandFlags(context.command)) {
            if (!startsWith(flag.longName, context.prefix) && !startsWith(flag.shortName, context.prefix))
                continue;
            const std::string name(flag.longName.empty() ? flag.shortName : flag.longName);
            items.push_back({"-" + name,
                             flag.shortName.empty() || flag.longName.empty() ? "-" + name
                                                                              : "-" + name + " (-" + std::string(flag.shortName) + ")",
                             std::string(flag.typeText)});
        }
        std::sort(items.begin(), items.end(), [](const CompletionItem& a, const CompletionItem& b) { return a.text < b.text; });
    }
    return items;
}

bool applyCompletion(TextEditModel& model, const CompletionContext& context, const CompletionItem& item)
{
    if (!model.canEdit() || context.kind == CompletionKind::none)
        return false;
    const TextPos cursor = model.cursor();
    const int length = model.buffer()->LineLength(cursor.line);
    model.setSelection({std::max(0, cursor.ch - context.before), cursor.line},
                       {std::min(length, cursor.ch + context.after), cursor.line});
    return model.replaceSelection(item.text, UndoAction::typing);
}

} // namespace orv
