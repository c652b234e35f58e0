// Makes the element of a command keyword ("button", "columnLayout", ...) under a parent.
#pragma once

#include "uimodel/CUIElement.h"

#include <memory>
#include <string_view>

namespace orv {

// Null for a keyword that names no element class (also "window" and "radioButton").
std::unique_ptr<CUIElement> createElement(std::string_view command, CUIElement& parent);
// Whether createElement makes an element for the keyword.
bool isElementCommand(std::string_view command);

} // namespace orv
