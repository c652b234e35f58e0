// The words a flag takes where its command lists them (a separator's -style): one table for the
// model that reads them and the property grid that offers them.
#pragma once

#include <span>
#include <string_view>

namespace orv {

// In the order the command lists them; empty for a flag of free text.
std::span<const std::string_view> flagWords(std::string_view command, std::string_view longName);

// A separator's -style words.
namespace separator_style {
inline constexpr std::string_view none = "none";
inline constexpr std::string_view single = "single";
inline constexpr std::string_view doubleLine = "double";
inline constexpr std::string_view singleDash = "singleDash";
inline constexpr std::string_view doubleDash = "doubleDash";
inline constexpr std::string_view in = "in";
inline constexpr std::string_view out = "out";
} // namespace separator_style

} // namespace orv
