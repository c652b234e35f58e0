// The MEL script that rebuilds a designed window: one command per element, in tree order.
#pragma once

#include "uimodel/CUIWindow.h"

#include <string>
#include <vector>

namespace orv {

// Appends the lines of element and its subtree at depth (TABs), each element's flags
// refreshed first with its own StoreFlags. Flags come from the command database in record
// order; "String" values are quoted and escaped, the others written as they are when they
// are literals of their type. A value that is not is left out, with a line for the output
// log in leftOut (when given) naming the element and the flag. writeNames: each command ends
// with its element's name (a name that is no MEL name is left out and logged so).
void GenerateElementMel(const CUIElement& element, std::string& out, int depth, bool shortFlags,
                        std::vector<std::string>* leftOut = nullptr, bool writeNames = false);

// Banner, the window's lines, then "showWindow;". Lines end with LF. writeNames: the names
// as above, "if (`window -exists NAME`) deleteUI NAME;" before the window's command and
// "showWindow NAME;" at the end.
std::string GenerateWindowScript(const CUIWindow& window, bool shortFlags, std::vector<std::string>* leftOut = nullptr,
                                 bool writeNames = false);

} // namespace orv
