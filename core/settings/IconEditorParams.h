// The 12-byte icon editor options "icmprm": grid and preview shown, the two paint colours.
#pragma once

#include "colour/Color.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>

namespace orv {

struct IconEditorParams {
    static constexpr std::size_t kSize = 12;

    std::uint8_t showGrid = 0;
    std::uint8_t spare = 0;
    std::uint8_t showPreview = 0;
    std::uint8_t unused = 0;
    ColorRef primaryColor = 0x000000;
    ColorRef secondaryColor = 0xFFFFFF;

    std::array<std::uint8_t, kSize> serialize() const;
    // The first 12 bytes of a stored value; a value shorter than 12 bytes counts as missing.
    static std::optional<IconEditorParams> parse(std::span<const std::uint8_t> stored);

    bool operator==(const IconEditorParams&) const = default;
};

} // namespace orv
