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
// by blanks; a number where the type wants one (an integer for the Int kinds), one of the
// boolean words for "on|off", and for a text a plain word or a quoted, escaped literal.
// Anything else could end the command and run text of its own.
bool isBareFlagValue(std::string_view value, std::string_view typeText);

// What one item of a bare value is, after the word of the flag's type it stands for.
enum class FlagItemKind { integer, real, boolean, text };

struct FlagItem {
    std::string_view text;  // as written: a text item may be a quoted, escaped literal
    FlagItemKind kind;
};

struct BareFlagValue {
    std::vector<FlagItem> items;
    bool several = false;  // the type takes more than one item (several words, or any count)
};

// The items of a value that isBareFlagValue accepts; nothing for any other value.
std::optional<BareFlagValue> bareFlagItems(std::string_view value, std::string_view typeText);

// The text a text item stands for: a quoted literal without its quotes and escapes (\n, \r,
// \t, \x and two hex digits, and a backslash before any other character), a plain word as it is.
std::string melItemText(std::string_view item);

} // namespace orv
