// Byte layout of the window placement blob: eleven 32-bit little-endian fields.
#include "settings/WindowPlacement.h"

namespace orv {

std::array<std::uint8_t, WindowPlacement::kSize> WindowPlacement::serialize() const
{
    std::array<std::uint8_t, kSize> out{};
    const std::array<std::uint32_t, 11> fields{
        length,
        flags,
        static_cast<std::uint32_t>(showCmd),
        static_cast<std::uint32_t>(minPosition.x),
        static_cast<std::uint32_t>(minPosition.y),
        static_cast<std::uint32_t>(maxPosition.x),
        static_cast<std::uint32_t>(maxPosition.y),
        static_cast<std::uint32_t>(normalPosition.left),
        static_cast<std::uint32_t>(normalPosition.top),
        static_cast<std::uint32_t>(normalPosition.right),
        static_cast<std::uint32_t>(normalPosition.bottom),
    };
    for (std::size_t i = 0; i < fields.size(); ++i)
        writeU32(out, 4 * i, fields[i]);
    return out;
}

std::optional<WindowPlacement> WindowPlacement::parse(std::span<const std::uint8_t> stored)
{
    if (stored.size() != kSize || readU32(stored, 0) != kSize)
        return std::nullopt;
    const auto field = [&](std::size_t i) { return static_cast<std::int32_t>(readU32(stored, 4 * i)); };
    WindowPlacement p;
    p.flags = readU32(stored, 4);
    const std::uint32_t show = readU32(stored, 8);
    p.showCmd = show <= 3 ? static_cast<ShowCommand>(show) : ShowCommand::normal;
    p.minPosition = {field(3), field(4)};
    p.maxPosition = {field(5), field(6)};
    p.normalPosition = {field(7), field(8), field(9), field(10)};
    return p;
}

WindowPlacement WindowPlacement::fromGeometry(const WindowGeometry& g)
{
    WindowPlacement p;
    p.showCmd = g.maximized ? ShowCommand::maximized
              : g.minimized ? ShowCommand::minimized
                            : ShowCommand::normal;
    p.normalPosition = {g.x, g.y, g.x + g.width, g.y + g.height};
    return p;
}

WindowGeometry WindowPlacement::toGeometry() const
{
    WindowGeometry g;
    g.x = normalPosition.left;
    g.y = normalPosition.top;
    // A hostile blob may hold any numbers: widths never come out negative.
    const auto extent = [](std::int32_t from, std::int32_t to) {
        const std::int64_t d = static_cast<std::int64_t>(to) - from;
        return d < 0 ? 0 : d > 1'000'000 ? 1'000'000 : static_cast<int>(d);
    };
    g.width = extent(normalPosition.left, normalPosition.right);
    g.height = extent(normalPosition.top, normalPosition.bottom);
    g.maximized = showCmd == ShowCommand::maximized;
    g.minimized = showCmd == ShowCommand::minimized;
    return g;
}

} // namespace orv
