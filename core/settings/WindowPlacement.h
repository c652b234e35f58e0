// The 44-byte window placement blob ("pos", "tools", "IconEditor", "IconPreview").
#pragma once

#include "settings/Bytes.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>

namespace orv {

// How a window is shown, as the blob stores it.
enum class ShowCommand : std::uint32_t { hide = 0, normal = 1, minimized = 2, maximized = 3 };

struct PlacementPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
    bool operator==(const PlacementPoint&) const = default;
};

struct PlacementRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
    bool operator==(const PlacementRect&) const = default;
};

// A window's normal (restored) geometry and how it is shown.
struct WindowGeometry {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool maximized = false;
    bool minimized = false;
    bool operator==(const WindowGeometry&) const = default;
};

struct WindowPlacement {
    static constexpr std::size_t kSize = 44;

    std::uint32_t length = kSize;
    std::uint32_t flags = 0;
    ShowCommand showCmd = ShowCommand::normal;
    PlacementPoint minPosition{-1, -1};
    PlacementPoint maxPosition{-1, -1};
    PlacementRect normalPosition;

    std::array<std::uint8_t, kSize> serialize() const;
    // Exactly 44 bytes whose length field says 44; anything else is no placement.
    static std::optional<WindowPlacement> parse(std::span<const std::uint8_t> stored);

    static WindowPlacement fromGeometry(const WindowGeometry& g);
    WindowGeometry toGeometry() const;

    bool operator==(const WindowPlacement&) const = default;
};

} // namespace orv
