// The designer's insertion menu: the categories of layouts and controls with their commands
// and pictures, or a single category's commands with the first in bold, and the edit commands.
#pragma once

#include <QPoint>

#include <cstdint>
#include <memory>

namespace orv {

class CIconPopupMenu;

// The menu for the category bits, the categories in disabled grayed.
std::unique_ptr<CIconPopupMenu> makeInsertMenu(std::uint32_t categories, std::uint32_t disabled);
// Shows it at a screen point: the chosen command id, 0 when dismissed.
int BuildInsertMenu(std::uint32_t categories, std::uint32_t disabled, const QPoint& at);

} // namespace orv
