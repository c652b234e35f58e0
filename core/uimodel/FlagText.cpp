// Reading and writing flag value texts.
#include "uimodel/FlagText.h"

#include "mel/MelVocabulary.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <limits>

namespace orv {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v'; }

// The longest plain decimal number at the start of text (after blanks), or "" if none.
std::string decimalPrefix(const std::string& text, std::size_t& pos, bool allowFraction)
{
    pos = 0;
    while (pos < text.size() && isBlank(text[pos]))
        ++pos;
    std::string number;
    std::size_t i = pos;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        number += text[i++];
    bool digits = false;
    while (i < text.size() && isDigit(text[i])) {
        number += text[i++];
        digits = true;
    }
    if (allowFraction && i < text.size() && text[i] == '.') {
        number += text[i++];
        while (i < text.size() && isDigit(text[i])) {
            number += text[i++];
            digits = true;
        }
    }
    if (!digits)
        return {};
    if (allowFraction && i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < text.size() && (text[j] == '+' || text[j] == '-'))
            exponent += text[j++];
        bool expDigits = false;
        while (j < text.size() && isDigit(text[j])) {
            exponent += text[j++];
            expDigits = true;
        }
        if (expDigits)
            number += exponent;
    }
    return number;
}

} // namespace

int readFlagInt(const std::string& text)
{
    std::size_t pos = 0;
    const std::string number = decimalPrefix(text, pos, false);
    if (number.empty())
        return 0;
    const long long value = std::strtoll(number.c_str(), nullptr, 10);
    return static_cast<int>(std::clamp<long long>(value, std::numeric_limits<int>::min(),
                                                  std::numeric_limits<int>::max()));
}

int readFlagLength(const std::string& text)
{
    constexpr int limit = static_cast<int>(SettingsRecord::kMaxControlSize);
    return std::clamp(readFlagInt(text), -limit, limit);
}

double readFlagFloat(const std::string& text)
{
    std::size_t pos = 0;
    const std::string number = decimalPrefix(text, pos, true);
    if (number.empty())
        return 0.0;
    const double value = std::strtod(number.c_str(), nullptr);
    return std::isfinite(value) ? value : 0.0;
}

ColorRef readFlagColor(const std::string& text)
{
    if (text.empty())
        return kButtonFaceColor;
    std::uint8_t parts[3] = {0, 0, 0};
    std::size_t start = 0;
    for (auto& part : parts) {
        while (start < text.size() && text[start] == ' ')
            ++start;
        std::size_t end = text.find(' ', start);
        if (end == std::string::npos)
            end = text.size();
        const double scaled = readFlagFloat(text.substr(start, end - start)) * 255.0;
        const double bounded = std::clamp(scaled, -1e15, 1e15);
        part = static_cast<std::uint8_t>(static_cast<long long>(bounded) & 0xFF);
        start = end;
    }
    return makeColorRef(parts[0], parts[1], parts[2]);
}

std::string formatFlagInt(int value)
{
    return std::to_string(value);
}

std::string formatFlagFloat(double value, int precision)
{
    const int size = std::snprintf(nullptr, 0, "%.*f", precision, value);
    std::string out(static_cast<std::size_t>(std::max(size, 0)), '\0');
    std::snprintf(out.data(), out.size() + 1, "%.*f", precision, value);
    return out;
}

bool isFlagOn(const std::string& text, int booleanStyle)
{
    return text != MelFalseWord(booleanStyle);
}

bool isFlagExactlyTrue(const std::string& text, int booleanStyle)
{
    return text == MelTrueWord(booleanStyle);
}

std::optional<bool> readBooleanWord(std::string_view text)
{
    // The style words come in pairs, the true word first; MEL also takes yes and no.
    for (std::size_t i = 0; i < std::size(kMelBooleanWords); ++i)
        if (text == kMelBooleanWords[i])
            return i % 2 == 0;
    if (text == "yes")
        return true;
    if (text == "no")
        return false;
    return std::nullopt;
}

std::pair<std::string, std::string> splitAtFirstBlank(const std::string& text)
{
    const std::size_t blank = text.find(' ');
    if (blank == std::string::npos)
        return {text, {}};
    return {text.substr(0, blank), text.substr(blank + 1)};
}

} // namespace orv
