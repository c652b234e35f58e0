// Byte layout of the settings block; offsets are the stored format's and never change.
#include "settings/SettingsRecord.h"

namespace orv {

namespace {

// Offsets of the fields in the stored block.
enum Offset : std::size_t {
    oVersion = 0,
    oFlags = 2,
    oGridWidth = 4,
    oGridHeight = 5,
    oRecentFileCount = 6,
    oIndentSize = 7,
    oBooleanStyle = 8,
    oColors = 12,
    oSizes = 36,
    oReserved = 100,
};

constexpr std::size_t kColorCount = 6;
constexpr std::size_t kSizeCount = 16;

// Hands the colour fields and the size fields, in stored order, to two visitors.
template <typename Record, typename Colors, typename Sizes>
void forEachField(Record& r, Colors&& colors, Sizes&& sizes)
{
    colors(std::array{&r.colorDefault, &r.colorComments, &r.colorCommands, &r.colorKeywords,
                      &r.colorFlags, &r.colorStrings});
    sizes(std::array{&r.windowWidth, &r.windowHeight, &r.buttonWidth, &r.buttonHeight,
                     &r.checkBoxWidth, &r.checkBoxHeight, &r.radioButtonWidth,
                     &r.radioButtonHeight, &r.sliderWidth, &r.sliderHeight, &r.textFieldWidth,
                     &r.textFieldHeight, &r.listWidth, &r.listHeight, &r.textWidth, &r.textHeight});
}

} // namespace

std::array<std::uint8_t, SettingsRecord::kSize> SettingsRecord::serialize() const
{
    std::array<std::uint8_t, kSize> out{};
    writeU16(out, oVersion, version);
    writeU16(out, oFlags, flags);
    out[oGridWidth] = gridWidth;
    out[oGridHeight] = gridHeight;
    out[oRecentFileCount] = recentFileCount;
    out[oIndentSize] = indentSize;
    out[oBooleanStyle] = static_cast<std::uint8_t>(booleanStyle);
    forEachField(
        *this,
        [&](const auto& colors) {
            for (std::size_t i = 0; i < kColorCount; ++i)
                writeU32(out, oColors + 4 * i, *colors[i]);
        },
        [&](const auto& sizes) {
            for (std::size_t i = 0; i < kSizeCount; ++i)
                writeU32(out, oSizes + 4 * i, *sizes[i]);
        });
    for (std::size_t i = 0; i < reserved.size(); ++i)
        writeU32(out, oReserved + 4 * i, reserved[i]);
    return out;
}

std::optional<SettingsRecord> SettingsRecord::parse(std::span<const std::uint8_t> stored)
{
    if (stored.size() != kSize || readU16(stored, oVersion) != kMarker)
        return std::nullopt;
    SettingsRecord r;
    r.version = kMarker;
    r.flags = readU16(stored, oFlags);
    r.gridWidth = stored[oGridWidth];
    r.gridHeight = stored[oGridHeight];
    r.recentFileCount = stored[oRecentFileCount];
    r.indentSize = stored[oIndentSize];
    // Readers of the whole 32-bit word must see the style itself: anything beyond
    // the three known styles (or stray high bytes) falls back to the default style.
    const std::uint32_t style = readU32(stored, oBooleanStyle);
    r.booleanStyle = style <= 2 ? static_cast<BooleanStyle>(style) : BooleanStyle::offOn;
    forEachField(
        r,
        [&](const auto& colors) {
            for (std::size_t i = 0; i < kColorCount; ++i)
                *colors[i] = readU32(stored, oColors + 4 * i);
        },
        [&](const auto& sizes) {
            // A size no screen can show is damage: that field keeps its default.
            for (std::size_t i = 0; i < kSizeCount; ++i) {
                if (const std::uint32_t size = readU32(stored, oSizes + 4 * i); size <= kMaxControlSize)
                    *sizes[i] = size;
            }
        });
    for (std::size_t i = 0; i < r.reserved.size(); ++i)
        r.reserved[i] = readU32(stored, oReserved + 4 * i);
    return r;
}

void ResetSettings(SettingsRecord& record)
{
    record = SettingsRecord{};
}

} // namespace orv
