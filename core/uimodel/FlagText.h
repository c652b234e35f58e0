// How flag value texts read as numbers, colours and booleans, and how numbers are written.
#pragma once

#include "settings/Color.h"
#include "settings/SettingsRecord.h"

#include <optional>
#include <string>
#include <string_view>

namespace orv {

// Plain decimal reading: optional blanks and sign, then digits; anything else ends the
// number, and text without digits reads as 0. Saturates at the int range.
int readFlagInt(const std::string& text);
// A size, place or spacing: readFlagInt bounded to +-SettingsRecord::kMaxControlSize, so that
// the sums of a layout over a file's elements stay inside the int range.
int readFlagLength(const std::string& text);
// Plain decimal reading with fraction and exponent; no "nan", "inf" or hex: those read 0.
double readFlagFloat(const std::string& text);
// "r g b" in 0..1, each times 255, truncated and masked to 8 bits; empty: the button face.
ColorRef readFlagColor(const std::string& text);
std::string formatFlagInt(int value);
// "%.<precision>f" of value.
std::string formatFlagFloat(double value, int precision);

// Booleans of the chosen style: most flags are false only for the false word; adjustable
// column, resize to fit and tool window are true only for the true word.
bool isFlagOn(const std::string& text, int booleanStyle);
bool isFlagExactlyTrue(const std::string& text, int booleanStyle);
// What a boolean word means in MEL, whatever the style: on/off, true/false, yes/no and 1/0
// (spelt so, in lower case); nothing for any other text.
std::optional<bool> readBooleanWord(std::string_view text);

// The text before the first blank and the text after it (empty when there is no blank).
std::pair<std::string, std::string> splitAtFirstBlank(const std::string& text);

} // namespace orv
