// What the settings dialog shows of the record: the texts of its edits, its check boxes, its six
// colour swatches and its boolean style; read from the record when the dialog opens and written
// back whole when it is accepted.
#pragma once

#include "settings/SettingsRecord.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace orv {

// The dialog's edit boxes: four one-byte fields, then the sixteen default sizes.
enum class FormText : int {
    recentFileCount, indentSize, gridWidth, gridHeight,
    windowWidth, windowHeight, buttonWidth, buttonHeight, checkBoxWidth, checkBoxHeight,
    listWidth, listHeight, radioButtonWidth, radioButtonHeight, textFieldWidth, textFieldHeight,
    sliderWidth, sliderHeight, textWidth, textHeight,
};
inline constexpr int kFormTextCount = 20;
inline constexpr int kFormByteFieldCount = 4;

// The six MEL colours in swatch order: default, comments, commands, keywords, flags, strings.
inline constexpr int kMelColourCount = 6;
using MelColours = std::array<ColorRef, kMelColourCount>;
inline constexpr MelColours kDefaultMelColours{0x000000, 0x008000, 0xC000C0, 0xFF0000, 0x8080C0, 0x808080};

// The option bits the dialog has a check box for; the others pass through it unchanged.
inline constexpr SettingsFlag kFormFlags[] = {
    SettingsFlag::reloadLastDocument, SettingsFlag::exportAuthorInfo, SettingsFlag::useWidthHeight,
    SettingsFlag::shortFlags,         SettingsFlag::exportToFile,     SettingsFlag::exportToClipboard,
    SettingsFlag::unixFormat,
};

struct SettingsForm {
    std::array<std::string, kFormTextCount> texts;
    std::uint16_t flags = 0;
    MelColours colours{};
    int booleanStyle = 0;

    std::string& text(FormText which) { return texts[static_cast<std::size_t>(which)]; }
    const std::string& text(FormText which) const { return texts[static_cast<std::size_t>(which)]; }
    bool checked(SettingsFlag f) const { return (flags & static_cast<std::uint16_t>(f)) != 0; }
    void setChecked(SettingsFlag f, bool on)
    {
        const auto mask = static_cast<std::uint16_t>(f);
        flags = static_cast<std::uint16_t>(on ? (flags | mask) : (flags & ~mask));
    }
};

// Every control as the record has it: numbers as decimal text.
SettingsForm loadSettingsForm(const SettingsRecord& record);
// Every control into the record at once; the fields the dialog does not show stay as they are.
void applySettingsForm(const SettingsForm& form, SettingsRecord& record);

// A one-byte field: the leading decimal number of the text, its low 8 bits kept ("300" is 44);
// text that starts with no number gives 0.
std::uint8_t byteFromText(std::string_view text);
// A size: the whole text as an unsigned decimal number; empty, not a number, or beyond 32 bits
// gives 0.
std::uint32_t sizeFromText(std::string_view text);
// What an edit box that accepts digits only keeps of typed or pasted text.
std::string digitsOnly(std::string_view text);

} // namespace orv
