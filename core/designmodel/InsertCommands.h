// The numbering of the commands that the tools palette, the insertion menu and the
// hierarchy's context menu offer: categories, their commands, which are grayed, and what
// each working command makes.
#pragma once

#include "uimodel/CUIElement.h"

#include <cstdint>
#include <span>
#include <string_view>

namespace orv {

// Category bits of the palette and the insertion menu.
namespace insert_category {
inline constexpr std::uint32_t button = 0x01;
inline constexpr std::uint32_t checkBox = 0x02;
inline constexpr std::uint32_t radioButton = 0x04;
inline constexpr std::uint32_t list = 0x08;
inline constexpr std::uint32_t slider = 0x10;
inline constexpr std::uint32_t textField = 0x20;
inline constexpr std::uint32_t text = 0x40;
inline constexpr std::uint32_t misc = 0x80;
inline constexpr std::uint32_t layout = 0x100;
inline constexpr std::uint32_t editCommands = 0x8000;
// What the hierarchy's context menu asks for: every category and the edit commands.
inline constexpr std::uint32_t all = 0xFFFFFFFFu;
} // namespace insert_category

// The edit commands after the categories.
enum class EditCommand : int { duplicate = 90, rename = 91, remove = 92, moveUp = 100, moveDown = 101 };

inline constexpr int kFirstInsertCommand = 1;
inline constexpr int kLastInsertCommand = 42;

struct InsertCommand {
    int id;
    std::string_view text;
    // The picture: an index into the controls' pictures, or into the layouts' when layoutImage.
    int image;
    bool layoutImage;
    // The element made, empty for the grayed commands.
    std::string_view keyword;
};

struct InsertCategory {
    std::string_view text;
    std::uint32_t bit;
    std::span<const InsertCommand> commands;
};

// In menu order; a separator follows "Layout".
std::span<const InsertCategory> insertCategories();
const InsertCommand* findInsertCommand(int id);
// Commands that stay grayed whatever is selected: those that make no element yet.
bool isGrayedInsertCommand(int id);
// Whether a palette button has something to insert: its first command, or one of its
// category's (a right click or Ctrl+click offers the category's menu).
bool paletteButtonWorks(std::uint32_t categoryBits, int defaultCommand);
// The category whose bits are exactly one category bit, else null (the palette's form).
const InsertCategory* singleCategory(std::uint32_t bits);
// The categories the hierarchy's context menu disables for the selected element: only
// layouts under the window, anything under another container, nothing under a leaf.
std::uint32_t disabledCategoriesFor(const CUIElement& selected);

} // namespace orv
