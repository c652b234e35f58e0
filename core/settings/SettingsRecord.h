// The 116-byte settings block "prm": option bits, editor and designer defaults, colours.
#pragma once

#include "settings/Bytes.h"
#include "colour/Color.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>

namespace orv {

enum class SettingsFlag : std::uint16_t {
    mainMaximized = 0x0001,
    childMaximized = 0x0002,
    designerGrid = 0x0004,
    reloadLastDocument = 0x0008,
    exportAuthorInfo = 0x0010,
    shortFlags = 0x0020,
    useWidthHeight = 0x0040,
    syntaxColoring = 0x0080,
    exportToFile = 0x0100,
    exportToClipboard = 0x0200,
    unixFormat = 0x0400,
};

// How generated MEL writes booleans.
enum class BooleanStyle : std::uint8_t { offOn = 0, falseTrue = 1, zeroOne = 2 };

struct SettingsRecord {
    static constexpr std::size_t kSize = 116;
    static constexpr std::uint16_t kMarker = 64;
    static constexpr std::uint16_t kDefaultFlags = 0x0393;
    // No window or control is larger: a stored default size beyond it reads as its default.
    static constexpr std::uint32_t kMaxControlSize = 10000;

    std::uint16_t version = kMarker;
    std::uint16_t flags = kDefaultFlags;
    std::uint8_t gridWidth = 10;
    std::uint8_t gridHeight = 10;
    std::uint8_t recentFileCount = 5;
    std::uint8_t indentSize = 4;
    BooleanStyle booleanStyle = BooleanStyle::offOn;
    ColorRef colorDefault = 0x000000;
    ColorRef colorComments = 0x008000;
    ColorRef colorCommands = 0xC000C0;
    ColorRef colorKeywords = 0xFF0000;
    ColorRef colorFlags = 0x8080C0;
    ColorRef colorStrings = 0x808080;
    std::uint32_t windowWidth = 320;
    std::uint32_t windowHeight = 240;
    std::uint32_t buttonWidth = 80;
    std::uint32_t buttonHeight = 28;
    std::uint32_t checkBoxWidth = 100;
    std::uint32_t checkBoxHeight = 28;
    std::uint32_t radioButtonWidth = 100;
    std::uint32_t radioButtonHeight = 28;
    std::uint32_t sliderWidth = 100;
    std::uint32_t sliderHeight = 17;
    std::uint32_t textFieldWidth = 100;
    std::uint32_t textFieldHeight = 23;
    std::uint32_t listWidth = 150;
    std::uint32_t listHeight = 100;
    std::uint32_t textWidth = 80;
    std::uint32_t textHeight = 17;
    std::array<std::uint32_t, 4> reserved{};

    bool flag(SettingsFlag f) const { return (flags & static_cast<std::uint16_t>(f)) != 0; }
    void setFlag(SettingsFlag f, bool on)
    {
        const auto mask = static_cast<std::uint16_t>(f);
        flags = static_cast<std::uint16_t>(on ? (flags | mask) : (flags & ~mask));
    }

    bool mainMaximized() const { return flag(SettingsFlag::mainMaximized); }
    bool childMaximized() const { return flag(SettingsFlag::childMaximized); }
    bool designerGrid() const { return flag(SettingsFlag::designerGrid); }
    bool reloadLastDocument() const { return flag(SettingsFlag::reloadLastDocument); }
    bool exportAuthorInfo() const { return flag(SettingsFlag::exportAuthorInfo); }
    bool shortFlags() const { return flag(SettingsFlag::shortFlags); }
    bool useWidthHeight() const { return flag(SettingsFlag::useWidthHeight); }
    bool syntaxColoring() const { return flag(SettingsFlag::syntaxColoring); }
    bool exportToFile() const { return flag(SettingsFlag::exportToFile); }
    bool exportToClipboard() const { return flag(SettingsFlag::exportToClipboard); }
    bool unixFormat() const { return flag(SettingsFlag::unixFormat); }

    // The tab size of the editor: a stored indent size of 0 behaves as 1.
    int tabSize() const { return indentSize < 1 ? 1 : indentSize; }

    // The 116 stored bytes, little-endian, the three bytes after booleanStyle 0.
    std::array<std::uint8_t, kSize> serialize() const;
    // A stored value is a record only with exactly 116 bytes and marker 64.
    static std::optional<SettingsRecord> parse(std::span<const std::uint8_t> stored);

    bool operator==(const SettingsRecord&) const = default;
};

// The defaults: zero the block, then set marker, flags, sizes and colours.
void ResetSettings(SettingsRecord& record);

} // namespace orv
