// COLORREF values (0x00BBGGRR) as stored in the settings and element tables.
#pragma once

#include <cstdint>

namespace orv {

using ColorRef = std::uint32_t;

constexpr ColorRef makeColorRef(std::uint8_t r, std::uint8_t g, std::uint8_t b)
{
    return static_cast<ColorRef>(r) | (static_cast<ColorRef>(g) << 8) | (static_cast<ColorRef>(b) << 16);
}
constexpr std::uint8_t colorRed(ColorRef c) { return static_cast<std::uint8_t>(c); }
constexpr std::uint8_t colorGreen(ColorRef c) { return static_cast<std::uint8_t>(c >> 8); }
constexpr std::uint8_t colorBlue(ColorRef c) { return static_cast<std::uint8_t>(c >> 16); }

// The button face colour of the fixed system metrics.
constexpr ColorRef kButtonFaceColor = 0xC0C0C0;

} // namespace orv
