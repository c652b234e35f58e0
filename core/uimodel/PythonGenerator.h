// The Python script that rebuilds a designed window through maya.cmds: the MEL export's
// calls, in the same order, with the same flags.
#pragma once

#include "uimodel/CUIWindow.h"

#include <string>
#include <vector>

namespace orv {

// Banner, "import maya.cmds as cmds" (and "import maya.mel as mel" when a script flag is
// given: its MEL is a callback "lambda *args: mel.eval('<the MEL>')", as maya.cmds would run
// a text as Python), one "cmds.<command>(<flag>=<value>, ...)" line per
// element (not indented: Python reads indentation as blocks), "cmds.setParent('..')" where
// the MEL has "setParent ..;", then "cmds.showWindow()". Lines end with LF. leftOut gets
// the same lines as the MEL export's.
// writeNames: each call's first argument is its element's name, the window's call comes after
// "if cmds.window(NAME, exists=True): cmds.deleteUI(NAME)" and ends "cmds.showWindow(NAME)".
std::string GenerateWindowPython(const CUIWindow& window, bool shortFlags, std::vector<std::string>* leftOut = nullptr,
                                 bool writeNames = false);

} // namespace orv
