// Escaping of MEL string literals and the literals that may stand bare.
#include "uimodel/MelText.h"

#include "uimodel/ElementNames.h"
#include "uimodel/FlagText.h"

#include <algorithm>
#include <iterator>
#include <vector>

namespace orv {

std::string escapeMelString(const std::string& text)
{
    static constexpr char kHex[] = "0123456789abcdef";
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        switch (c) {
        case '"':
        case '\\':
            out += '\\';
            out += c;
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (byte < 0x20) {
                out += "\\x";
                out += kHex[byte >> 4];
                out += kHex[byte & 0xF];
            } else {
                out += c;
            }
        }
    }
    return out;
}

namespace {

using ItemKind = FlagItemKind;

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isBlank(char c) { return c == ' ' || c == '\t'; }

// The value of a hexadecimal digit, or -1.
int hexDigit(char c)
{
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

ItemKind kindOfTypeWord(std::string_view word)
{
    if (word == "Int" || word == "UnsignedInt" || word == "UnsignedIntAsPtr")
        return ItemKind::integer;
    if (word == "Float" || word == "Angle" || word == "Length" || word == "Time")
        return ItemKind::real;
    if (word == "on|off")
        return ItemKind::boolean;
    return ItemKind::text;  // String, Name and the ranges
}

// Digits from pos on; false when there are none.
bool skipDigits(std::string_view text, std::size_t& pos)
{
    const std::size_t from = pos;
    while (pos < text.size() && isDigit(text[pos]))
        ++pos;
    return pos > from;
}

bool isInteger(std::string_view item)
{
    std::size_t pos = item.starts_with('+') || item.starts_with('-') ? 1 : 0;
    return skipDigits(item, pos) && pos == item.size();
}

// Plain decimal: sign, digits with an optional fraction (or a fraction alone), exponent.
bool isReal(std::string_view item)
{
    std::size_t pos = item.starts_with('+') || item.starts_with('-') ? 1 : 0;
    bool digits = skipDigits(item, pos);
    if (pos < item.size() && item[pos] == '.') {
        ++pos;
        digits = skipDigits(item, pos) || digits;
    }
    if (!digits)
        return false;
    if (pos < item.size() && (item[pos] == 'e' || item[pos] == 'E')) {
        ++pos;
        if (pos < item.size() && (item[pos] == '+' || item[pos] == '-'))
            ++pos;
        if (!skipDigits(item, pos))
            return false;
    }
    return pos == item.size();
}

// A word MEL reads as a text by itself: letters, digits and the punctuation of names and
// paths, nothing that could start a string, a comment, an expression or a new command. A
// dash first only before a digit: "-left" would be read as a flag of its own.
bool isPlainWord(std::string_view item)
{
    if (item.starts_with('-') && (item.size() < 2 || !isDigit(item[1])))
        return false;
    return !item.empty() && std::all_of(item.begin(), item.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || isDigit(c) || c == '_' || c == '.' ||
               c == ':' || c == '|' || c == '-' || c == '+';
    });
}

// "..." with every '"' and '\' escaped and no control character.
bool isQuotedLiteral(std::string_view item)
{
    if (item.size() < 2 || item.front() != '"' || item.back() != '"')
        return false;
    for (std::size_t i = 1; i + 1 < item.size(); ++i) {
        const char c = item[i];
        if (static_cast<unsigned char>(c) < 0x20 || c == '"')
            return false;
        if (c == '\\' && ++i + 1 >= item.size())
            return false;  // a backslash must escape a character inside the quotes
        if (c == '\\' && static_cast<unsigned char>(item[i]) < 0x20)
            return false;
    }
    return true;
}

bool isItemOfKind(std::string_view item, ItemKind kind)
{
    switch (kind) {
    case ItemKind::integer:
        return isInteger(item);
    case ItemKind::real:
        return isReal(item);
    case ItemKind::boolean:
        return readBooleanWord(item).has_value();
    case ItemKind::text:
        return isPlainWord(item) || isQuotedLiteral(item);
    case ItemKind::variable:
        return isMelVariable(item);
    }
    return false;
}

// The items of a value between blanks; a quoted literal is one item even with blanks
// inside. Nothing when a quote is left open.
bool splitItems(std::string_view value, std::vector<std::string_view>& items)
{
    std::size_t pos = 0;
    while (true) {
        while (pos < value.size() && isBlank(value[pos]))
            ++pos;
        if (pos == value.size())
            return true;
        const std::size_t start = pos;
        if (value[pos] == '"') {
            for (++pos; pos < value.size() && value[pos] != '"'; ++pos)
                if (value[pos] == '\\')
                    ++pos;
            if (pos >= value.size())
                return false;
            ++pos;
        }
        while (pos < value.size() && !isBlank(value[pos]))
            ++pos;
        items.push_back(value.substr(start, pos - start));
    }
}

// An item of the kind, or a variable standing in for one.
std::optional<FlagItem> itemOf(std::string_view item, ItemKind kind)
{
    if (isItemOfKind(item, kind))
        return FlagItem{item, kind};
    if (isMelVariable(item))
        return FlagItem{item, ItemKind::variable};
    return std::nullopt;
}

constexpr std::string_view kMultiUse = "(multi-use)";

} // namespace

bool isMelVariable(std::string_view item)
{
    return item.starts_with('$') && isMelName(item.substr(1));
}

bool isMultiUseType(std::string_view typeText)
{
    return typeText.find(kMultiUse) != std::string_view::npos;
}

std::optional<BareFlagValue> bareFlagItems(std::string_view value, std::string_view typeText)
{
    std::vector<ItemKind> kinds;
    bool anyCount = false;  // "String[...]": as many texts as given
    std::size_t pos = 0;
    while (pos < typeText.size()) {
        std::size_t end = typeText.find(' ', pos);
        if (end == std::string_view::npos)
            end = typeText.size();
        const std::string_view word = typeText.substr(pos, end - pos);
        if (word.ends_with("[...]"))
            anyCount = true;
        else if (word != kMultiUse && !word.empty())
            kinds.push_back(kindOfTypeWord(word));
        pos = end + 1;
    }
    std::vector<std::string_view> items;
    if (!splitItems(value, items) || items.empty())
        return std::nullopt;
    BareFlagValue bare;
    bare.several = anyCount || kinds.size() > 1;
    bare.itemsPerUse = items.size();
    if (anyCount || kinds.empty()) {
        for (const std::string_view item : items) {
            const std::optional<FlagItem> read = itemOf(item, ItemKind::text);
            if (!read)
                return std::nullopt;
            bare.items.push_back(*read);
        }
        return bare;
    }
    // A multi-use flag given n times holds n times the items of one use.
    const bool multiUse = isMultiUseType(typeText);
    if (multiUse ? items.size() % kinds.size() != 0 : items.size() != kinds.size())
        return std::nullopt;
    bare.itemsPerUse = kinds.size();
    for (std::size_t i = 0; i < items.size(); ++i) {
        const std::optional<FlagItem> read = itemOf(items[i], kinds[i % kinds.size()]);
        if (!read)
            return std::nullopt;
        bare.items.push_back(*read);
    }
    return bare;
}

std::vector<std::string_view> flagUses(std::string_view value, std::string_view typeText)
{
    const std::optional<BareFlagValue> bare = bareFlagItems(value, typeText);
    if (!bare)
        return {};
    // A value of one use is written as it stands, blanks and all.
    if (bare->items.size() == bare->itemsPerUse)
        return {value};
    std::vector<std::string_view> uses;
    for (std::size_t first = 0; first < bare->items.size(); first += bare->itemsPerUse) {
        const std::string_view from = bare->items[first].text;
        const std::string_view to = bare->items[first + bare->itemsPerUse - 1].text;
        uses.push_back(value.substr(static_cast<std::size_t>(from.data() - value.data()),
                                    static_cast<std::size_t>(to.data() + to.size() - from.data())));
    }
    return uses;
}

bool isBareFlagValue(std::string_view value, std::string_view typeText)
{
    return bareFlagItems(value, typeText).has_value();
}

std::string melItemText(std::string_view item)
{
    if (item.size() < 2 || item.front() != '"' || item.back() != '"')
        return std::string(item);
    std::string text;
    const std::string_view inner = item.substr(1, item.size() - 2);
    for (std::size_t i = 0; i < inner.size(); ++i) {
        if (inner[i] != '\\' || i + 1 == inner.size()) {
            text += inner[i];
            continue;
        }
        const char c = inner[++i];
        if (c == 'n') {
            text += '\n';
        } else if (c == 'r') {
            text += '\r';
        } else if (c == 't') {
            text += '\t';
        } else if (c == 'x' && i + 2 < inner.size() && hexDigit(inner[i + 1]) >= 0 && hexDigit(inner[i + 2]) >= 0) {
            text += static_cast<char>(hexDigit(inner[i + 1]) * 16 + hexDigit(inner[i + 2]));
            i += 2;
        } else {
            text += c;
        }
    }
    return text;
}

} // namespace orv
