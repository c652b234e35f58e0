// What completion offers at the cursor of a MEL script: the commands of the word list and of
// today's command facts (built-in functions too) that start with the word typed, or, after a
// known command, that command's flags; and the bytes
// around the cursor that the chosen item replaces, in one undo group.
#pragma once

#include "text/TextPos.h"

#include <string>
#include <string_view>
#include <vector>

namespace orv {

class CTextBuffer;
class TextEditModel;

enum class CompletionKind { none, command, flag };

struct CompletionContext {
    CompletionKind kind = CompletionKind::none;
    std::string command;  // for a flag: the command it belongs to
    std::string prefix;   // the word typed left of the cursor; for a flag without its "-"
    int before = 0;       // bytes left of the cursor that an item replaces (a flag's "-" too)
    int after = 0;        // bytes right of the cursor that an item replaces (the word's rest)
};

struct CompletionItem {
    std::string text;    // what is inserted: "button", "-label"
    std::string label;   // what the list shows: "button", "-label (-l)"
    std::string detail;  // a flag's type: "string"
};

// How far above the cursor a command that spans lines is looked for.
inline constexpr int kCompletionLookBackLines = 20;

// The completion at a position: `before` is the text from some line start up to the cursor
// (lines joined by "\n"), `after` the rest of the cursor's line. None inside a string or a
// comment, on a variable or a number, or on a flag of a command the database does not know.
CompletionContext melCompletionContext(std::string_view before, std::string_view after);
// The same at a position of a buffer, looking back kCompletionLookBackLines lines.
CompletionContext melCompletionAt(const CTextBuffer& buffer, TextPos cursor);

// The items that match the context's prefix: commands in byte order; flags whose long or short
// name starts with it, in the order of their long names.
std::vector<CompletionItem> melCompletionItems(const CompletionContext& context);

// Replaces the context's bytes around the cursor with the item's text as one undo group,
// the cursor after it; false when the model cannot edit.
bool applyCompletion(TextEditModel& model, const CompletionContext& context, const CompletionItem& item);

} // namespace orv
