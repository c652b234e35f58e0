// Byte layout of the icon editor options.
#include "settings/IconEditorParams.h"

#include "settings/Bytes.h"

namespace orv {

std::array<std::uint8_t, IconEditorParams::kSize> IconEditorParams::serialize() const
{
    std::array<std::uint8_t, kSize> out{};
    out[0] = showGrid;
    out[1] = spare;
    out[2] = showPreview;
    out[3] = unused;
    writeU32(out, 4, primaryColor);
    writeU32(out, 8, secondaryColor);
    return out;
}

std::optional<IconEditorParams> IconEditorParams::parse(std::span<const std::uint8_t> stored)
{
    if (stored.size() < kSize)
        return std::nullopt;
    IconEditorParams p;
    p.showGrid = stored[0];
    p.spare = stored[1];
    p.showPreview = stored[2];
    p.unused = stored[3];
    p.primaryColor = readU32(stored, 4);
    p.secondaryColor = readU32(stored, 8);
    return p;
}

} // namespace orv
