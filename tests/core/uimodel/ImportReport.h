// What tests of the MEL import compare: the warnings at their places and the element tree.
#pragma once

#include "uimodel/CUIElement.h"
#include "uimodel/MelWindowImport.h"

#include <string>
#include <vector>

namespace orv::test {

// "line:column: text" of each warning.
inline std::vector<std::string> placed(const MelWindowImport& import)
{
    std::vector<std::string> out;
    for (const MelDiagnostic& d : import.warnings)
        out.push_back(std::to_string(d.line) + ":" + std::to_string(d.column) + ": " + d.text);
    return out;
}

// One line per element: TABs for depth, command, name, then its items.
inline void dumpTree(const CUIElement& element, int depth, std::string& out)
{
    out += std::string(static_cast<std::size_t>(depth), '\t') + element.command() + " " + element.name();
    for (const std::string& item : element.listItems())
        out += " {" + item + "}";
    out += "\n";
    for (const auto& child : element.children())
        dumpTree(*child, depth + 1, out);
}

} // namespace orv::test
