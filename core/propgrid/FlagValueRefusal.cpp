// The grid's checks of a typed value, and the words that say why one is refused.
#include "propgrid/FlagValueRefusal.h"

#include "settings/SettingsRecord.h"
#include "uimodel/MelText.h"
#include "uimodel/UIModelConstants.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <vector>

namespace orv {
namespace {

bool isWholeNumberWord(std::string_view word)
{
    return word == "Int" || word == "UnsignedInt" || word == "UnsignedIntAsPtr";
}

bool isNumberWord(std::string_view word)
{
    return isWholeNumberWord(word) || word == "Float" || word == "Angle" || word == "Length" || word == "Time";
}

// The words of a type but "(multi-use)".
std::vector<std::string_view> typeWords(std::string_view typeText)
{
    std::vector<std::string_view> words;
    std::size_t at = 0;
    while (at < typeText.size()) {
        const std::size_t end = std::min(typeText.find(' ', at), typeText.size());
        const std::string_view word = typeText.substr(at, end - at);
        if (word != "(multi-use)" && !word.empty())
            words.push_back(word);
        at = end + 1;
    }
    return words;
}

// The flags whose numbers are sizes in pixels.
bool isSizeFlag(std::string_view longName)
{
    return longName == "width" || longName == "height" || longName == "widthHeight" || longName.starts_with("columnWidth");
}

std::string quoted(std::string_view text)
{
    std::string out(1, '"');
    out.append(text).push_back('"');
    return out;
}

// Why a whole number item of a word cannot stand; empty when it can.
std::string wholeNumberRefusal(std::string_view item, std::string_view word, bool size)
{
    std::string_view digits = item;
    if (digits.starts_with('+'))
        digits.remove_prefix(1);
    long long number = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (error != std::errc() || end != digits.data() + digits.size() || number < std::numeric_limits<int>::min() ||
        number > std::numeric_limits<int>::max())
        return quoted(item) + " is out of the range of whole numbers";
    if (size && number < 0)
        return quoted(item) + " is below 0, and a size cannot be";
    if (word.starts_with("Unsigned") && number < 0)
        return quoted(item) + " is below 0";
    if (size && number > static_cast<long long>(SettingsRecord::kMaxControlSize))
        return quoted(item) + " is too large: a size is at most " + std::to_string(SettingsRecord::kMaxControlSize);
    return {};
}

// Why a number row cannot take value; empty when it can.
std::string numberRefusal(const TypedFlag& flag, std::string_view value, const std::vector<std::string_view>& words)
{
    const std::optional<BareFlagValue> bare = bareFlagItems(value, flag.typeText);
    const bool numbers = bare && std::none_of(bare->items.begin(), bare->items.end(),
                                              [](const FlagItem& item) { return item.kind == FlagItemKind::variable; });
    if (!numbers) {
        if (words.size() > 1 || isMultiUseType(flag.typeText))
            return quoted(value) + " is not of type " + quoted(flag.typeText);
        return quoted(value) + (isWholeNumberWord(words.front()) ? " is not a whole number" : " is not a number");
    }
    const bool size = isSizeFlag(flag.longName);
    for (std::size_t i = 0; i < bare->items.size(); ++i) {
        const FlagItem& item = bare->items[i];
        std::string reason;
        if (item.kind == FlagItemKind::integer)
            reason = wholeNumberRefusal(item.text, words[i % words.size()], size);
        else if (!std::isfinite(std::strtod(std::string(item.text).c_str(), nullptr)))
            reason = quoted(item.text) + " is out of the range of numbers";
        if (!reason.empty())
            return reason;
    }
    return {};
}

} // namespace

bool isNumberType(std::string_view typeText)
{
    const std::vector<std::string_view> words = typeWords(typeText);
    return !words.empty() && std::all_of(words.begin(), words.end(), isNumberWord);
}

std::string FlagValueRefusal(const TypedFlag& flag, std::string_view value, std::string_view kept)
{
    if (value.empty())
        return {};
    std::string reason;
    if (value.size() > wnd_file::kMaxValueBytes)
        reason = "the value is longer than " + std::to_string(wnd_file::kMaxValueBytes) +
                 " bytes, the most a window file line holds";
    else if (isNumberType(flag.typeText))
        reason = numberRefusal(flag, value, typeWords(flag.typeText));
    if (reason.empty())
        return {};
    const std::string& name = flag.longName.empty() ? flag.shortName : flag.longName;
    return "'" + name + "' keeps " + (kept.empty() ? std::string("no value") : quoted(kept)) + ": " + reason + ".";
}

} // namespace orv
