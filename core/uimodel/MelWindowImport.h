// Builds a designed window from a hand-written MEL script: its window command and the layouts
// and controls made after it, as the script would make them; what it cannot take is reported.
#pragma once

#include "melparse/MelDiagnostic.h"
#include "uimodel/CUIWindow.h"

#include <string>
#include <string_view>
#include <vector>

namespace orv {

struct MelWindowImport {
    bool built = false;    // a window command was found and the window built from it
    std::string problem;   // when none was: one sentence saying why
    // Everything skipped or changed on the way, in the order of the script: a command that
    // makes no element (with what it holds), an unknown flag, a value the script computes,
    // an element its parent refuses, the script's own lexical problems.
    std::vector<MelDiagnostic> warnings;
};

// Reads script into window (a new window element without children). windowName empty: the
// first window command; else the one that names its window so. The tree goes into the window
// through the window file reader, so it is arranged as a file read from disk (its observers
// hear each element linked). Flags are matched by long or short name and stored at
// the places the window file keeps them; a textScrollList's -append items become its items.
// An unknown flag is skipped with the arguments up to the next flag, whose number it does not
// tell; a name no element can have is not taken, and the element keeps a name of its own.
// The import ends at showWindow, at another window command or at the end of the proc that
// holds the window command; the bodies of other procs are passed over. A script that is not
// UTF-8 is read as Windows-1252: the values it gives and the warnings' texts are in UTF-8,
// while the places of the warnings stay places in the script's own bytes.
MelWindowImport ImportMelWindow(std::string_view script, CUIWindow& window, std::string_view windowName = {});

} // namespace orv
