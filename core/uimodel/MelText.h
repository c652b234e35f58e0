// How flag values are written in MEL: a text inside double quotes, and which values of the
// other types may be written bare.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orv {

// A backslash before every '"' and '\', and every control character escaped (\n, \r, \t,
// the others as \x and two hex digits): the result between double quotes is a MEL string
// literal on one line, whatever the text held.
std::string escapeMelString(const std::string& text);

// Whether a value may be written bare for a flag of the given type text ("Int Int",
// "on|off", "String Int", "Float (multi-use)" ...): one item per word of the type, separated
// by blanks (for a multi-use type, as many times over as the flag is given); a number where
// the type wants one (an integer for the Int kinds), a boolean word (readBooleanWord) for
// "on|off", for a text a plain word or a quoted, escaped literal, and for any item a MEL
// variable ($name). Anything else could end the command and run text of its own.
bool isBareFlagValue(std::string_view value, std::string_view typeText);

// What one item of a bare value is, after the word of the flag's type it stands for.
enum class FlagItemKind { integer, real, boolean, text, variable };

struct FlagItem {
    std::string_view text;  // as written: a text item may be a quoted, escaped literal
    FlagItemKind kind;
};

struct BareFlagValue {
    std::vector<FlagItem> items;
    bool several = false;  // one use of the flag takes more than one item (several words, or any count)
    std::size_t itemsPerUse = 0;  // items.size() but for a multi-use flag given more than once
};

// The items of a value that isBareFlagValue accepts; nothing for any other value.
std::optional<BareFlagValue> bareFlagItems(std::string_view value, std::string_view typeText);

// Whether the type text is that of a flag that may be given several times ("(multi-use)").
bool isMultiUseType(std::string_view typeText);

// The value of each use of the flag, in order, for a value that isBareFlagValue accepts: the
// whole value as it stands for one use, one piece per use ("a" "b" gives "a" and "b") for a
// multi-use flag given several times. Empty for a value it does not accept.
std::vector<std::string_view> flagUses(std::string_view value, std::string_view typeText);

// A MEL variable as a value item: '$', then a letter or '_', then letters, digits and '_'.
bool isMelVariable(std::string_view item);

// The text a text item stands for: a quoted literal without its quotes and escapes (\n, \r,
// \t, \x and two hex digits, and a backslash before any other character), a plain word as it is.
std::string melItemText(std::string_view item);

} // namespace orv
