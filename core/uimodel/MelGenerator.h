// The MEL script that rebuilds a designed window: one command per element, in tree order.
#pragma once

#include "uimodel/CUIWindow.h"

#include <string>

namespace orv {

// Appends the lines of element and its subtree at depth (TABs), each element's flags
// refreshed first with its own StoreFlags. Flags come from the command database in record
// order; "String" values are quoted and escaped.
void GenerateElementMel(CUIElement& element, std::string& out, int depth, bool shortFlags);

// Banner, the window's lines, then "showWindow;". Lines end with LF.
std::string GenerateWindowScript(CUIWindow& window, bool shortFlags);

} // namespace orv
