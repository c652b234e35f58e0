// Python literals of flag values.
#include "uimodel/PythonText.h"

#include "mel/MelVocabulary.h"
#include "text/TextEncoding.h"
#include "uimodel/FlagText.h"
#include "uimodel/MelText.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace orv {
namespace {

constexpr char kHex[] = "0123456789abcdef";

void appendHex(std::string& out, unsigned value, int digits)
{
    for (int shift = (digits - 1) * 4; shift >= 0; shift -= 4)
        out += kHex[(value >> shift) & 0xF];
}

// A number as a Python literal: no plus sign, and no leading zeros in an integer (Python
// refuses "007"). The item is a plain decimal the MEL side accepted.
std::string pythonInteger(std::string_view item)
{
    const bool negative = item.front() == '-';
    if (item.front() == '+' || item.front() == '-')
        item.remove_prefix(1);
    const std::size_t digits = item.find_first_not_of('0');
    if (digits == std::string_view::npos)
        return "0";
    std::string out = negative ? "-" : "";
    out.append(item.substr(digits));
    return out;
}

// A real always reads as a float in Python, also when written without fraction.
std::string pythonFloat(std::string_view item)
{
    if (item.front() == '+')
        item.remove_prefix(1);
    std::string out(item);
    if (out.find_first_of(".eE") == std::string::npos)
        out += ".0";
    return out;
}

// A MEL variable stands for a Python variable of the same name, which the code around the
// script defines as the MEL code around the MEL script defines the MEL one; a name Python
// reserves takes a trailing '_', as Python's own style has it.
std::string pythonVariable(std::string_view item)
{
    std::string name(item.substr(1));
    if (!isPythonKeywordArgument(name))
        name += '_';
    return name;
}

std::string pythonItem(const FlagItem& item)
{
    switch (item.kind) {
    case FlagItemKind::integer:
        return pythonInteger(item.text);
    case FlagItemKind::real:
        return pythonFloat(item.text);
    case FlagItemKind::boolean:
        return readBooleanWord(item.text).value_or(false) ? "True" : "False";
    case FlagItemKind::variable:
        return pythonVariable(item.text);
    case FlagItemKind::text:
        break;
    }
    return pythonStringLiteral(melItemText(item.text));
}

} // namespace

std::string pythonStringLiteral(std::string_view text)
{
    std::string out = "'";
    for (std::size_t pos = 0; pos < text.size();) {
        const char c = text[pos];
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            ++pos;
            if (c == '\'' || c == '\\') {
                out += '\\';
                out += c;
            } else if (c == '\n') {
                out += "\\n";
            } else if (c == '\r') {
                out += "\\r";
            } else if (c == '\t') {
                out += "\\t";
            } else if (byte < 0x20 || byte == 0x7F) {
                out += "\\x";
                appendHex(out, byte, 2);
            } else {
                out += c;
            }
            continue;
        }
        char32_t code = 0;
        const std::size_t length = DecodeUtf8At(text, pos, code);
        if (length == 0) {
            out += "\\udc";
            appendHex(out, byte, 2);
            ++pos;
        } else if (code < 0xA0) {
            // The C1 controls would be invisible in the script.
            out += "\\x";
            appendHex(out, static_cast<unsigned>(code), 2);
            pos += length;
        } else {
            out.append(text.substr(pos, length));
            pos += length;
        }
    }
    out += '\'';
    return out;
}

std::string pythonFlagValue(const TypedFlag& flag, const std::string& value)
{
    if (flag.typeIndex == mel_type::kString)
        return pythonStringLiteral(value);
    const std::optional<BareFlagValue> bare = bareFlagItems(value, flag.typeText);
    if (!bare)
        return pythonStringLiteral(value);  // the walk leaves such values out
    if (!bare->several)
        return pythonItem(bare->items.front());
    std::string tuple = "(";
    for (const FlagItem& item : bare->items) {
        if (tuple.size() > 1)
            tuple += ", ";
        tuple += pythonItem(item);
    }
    // One item alone is a tuple only with its comma.
    tuple += bare->items.size() == 1 ? ",)" : ")";
    return tuple;
}

bool isPythonKeywordArgument(std::string_view name)
{
    static constexpr std::array<std::string_view, 36> kReserved{
        "False", "None",   "True",    "and",      "as",     "assert", "async",  "await", "break",
        "class", "continue", "def",   "del",      "elif",   "else",   "except", "finally", "for",
        "from",  "global", "if",      "import",   "in",     "is",     "lambda", "nonlocal", "not",
        "or",    "pass",   "raise",   "return",   "try",    "while",  "with",   "yield",  "__debug__"};
    if (name.empty() || (name.front() >= '0' && name.front() <= '9'))
        return false;
    const bool identifier = std::all_of(name.begin(), name.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
    });
    return identifier && std::find(kReserved.begin(), kReserved.end(), name) == kReserved.end();
}

} // namespace orv
