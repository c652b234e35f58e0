// Names, codes, sizes and messages of the UI window model, named once.
#pragma once

#include "version/Version.h"

#include <cstddef>
#include <cstdint>

namespace orv {

// The element's image index in the hierarchy tree, and its kind.
enum class ElementTypeCode : std::uint32_t {
    window = 3,
    button = 5,
    checkBox = 6,
    slider = 9,
    textEntry = 10,
    text = 11,
    textScrollList = 16,
    columnLayout = 17,
    rowLayout = 18,
    separator = 20,
};

// The codes of the kinds added beside the first thirteen, at their pictures' places in the
// same image list. They stand apart from the enumerators above, whose switches name every one.
namespace element_code {
inline constexpr ElementTypeCode frameLayout{19};
} // namespace element_code

// Fixed system metrics, so that designs lay out identically everywhere.
namespace metrics {
inline constexpr int kFrame = 4;      // SM_CXFRAME, SM_CYFRAME
inline constexpr int kCaption = 19;   // SM_CYCAPTION
inline constexpr int kBorder = 1;     // SM_CXBORDER, SM_CYBORDER
// The rectangle a new layout takes inside the window before its first arrangement.
inline constexpr int kNewLayoutWidthInset = 8;
inline constexpr int kNewLayoutHeightInset = 27;
inline constexpr int kSeparatorHeight = 17;
// The title bar of a frame layout, where its label and collapse arrow are drawn.
inline constexpr int kFrameTitleHeight = 20;
} // namespace metrics

inline constexpr std::uint32_t kUnlimitedChildren = 0xFFFFFFFFu;
inline constexpr std::uint32_t kRowLayoutMaxChildren = 6;
inline constexpr int kFlagTableSize = 256;
// How deep an element may sit below the window (its layout is at depth 1) in the model, a
// window file and an import: far past any real window, and each level costs a TAB on every
// line of the file and a level of the reader's recursion.
inline constexpr int kMaxElementDepth = 100;

// Texts of the window file.
namespace wnd_file {
// The mark of the file format, which files of every version carry: not the program's version.
inline constexpr const char* kHeader = "[ORVANTE 0.4]";
inline constexpr const char* kWindowSection = "[UI_Window]";
inline constexpr const char* kEnd = "[EUI]";
inline constexpr const char* kWindowTag = "[window]";
inline constexpr const char* kRadioButtonTag = "[radioButton]";
inline constexpr const char* kItemPrefix = "{item}";
inline constexpr const char* kLineEnd = "\r\n";
// The most bytes of a line, after its leading TABs, that the reader takes: a longer line is
// cut there. Far above any value typed by hand, and a bound on what one line can cost.
inline constexpr std::size_t kMaxLineBytes = 65536;
// The most bytes of a name, a list item or a flag value, so that its line, with the flag's
// position or the item mark before it, stays within kMaxLineBytes.
inline constexpr std::size_t kMaxValueBytes = kMaxLineBytes - 16;
inline constexpr const char* kLoadError = "Error while loading the window hierarchy file\n";
// A load that left part of the file out says why after this, on the same line.
inline constexpr const char* kLoadErrorBecause = "Error while loading the window hierarchy file: ";
inline constexpr const char* kUnknownTag = "unknown tag ";
inline constexpr const char* kTooManyElements = "more than %zu elements, the rest is left out";
inline constexpr const char* kTooDeep = "elements nested deeper than %zu levels are left out";
inline constexpr const char* kCutLine = "the file is cut off inside its last line";
inline constexpr const char* kCutBlock = "the file ends inside an element";
inline constexpr const char* kNoEnd = "the element list does not end with \"[EUI]\"";
inline constexpr const char* kLongLine = "a line longer than %zu bytes was cut";
} // namespace wnd_file

// Texts of the MEL export.
namespace mel_export {
inline constexpr const char* kBannerRule =
    "////////////////////////////////////////////////////////////////////////////////\n";
inline constexpr const char* kBannerTitle = "// Generated with ORVANTE v" ORVANTE_VERSION "\n";
inline constexpr const char* kShowWindow = "\nshowWindow;\n";
inline constexpr const char* kSetParent = "\tsetParent ..;\n";
inline constexpr const char* kGenerating = "Generating script of the current window ...\n";
inline constexpr const char* kDashLine = "-------------------------------------------------------------\n";
inline constexpr const char* kSuccess = "Generation successful.\n\n";
inline constexpr const char* kUnixMode = "File saved in Unix mode.\n";
inline constexpr const char* kClipboard = "This script has been duplicated into the clipboard.\n";
// A value left out of the script, one line per flag after the script, e.g.
// Left out -enable of button "Button0": the value is not of type "on|off".
inline constexpr const char* kLeftOutFlag = "Left out -";
inline constexpr const char* kLeftOutOf = " of ";
inline constexpr const char* kLeftOutType = "\": the value is not of type \"";
inline constexpr const char* kLeftOutEnd = "\".\n";
// A name left out of the script: Left out the name of button "my button": it is not a MEL name.
inline constexpr const char* kLeftOutName = "Left out the name of ";
inline constexpr const char* kLeftOutNameEnd = "\": it is not a MEL name.\n";
// With element names: the window made again when it is open already, and shown by its name.
inline constexpr const char* kDeleteOpenWindow = "if (`window -exists %s`) deleteUI %s;\n";
inline constexpr const char* kShowNamedWindow = "\nshowWindow %s;\n";
// After the reason of the writer ("cannot write \"x.mel\": No space left on device").
inline constexpr const char* kNotSaved = "The script was not saved: %s.\n";
// The flag of a list's items, without its dash.
inline constexpr const char* kListItemLong = "append";
inline constexpr const char* kListItemShort = "a";
} // namespace mel_export

// Texts of the Python export: the same calls as the MEL export, through maya.cmds.
namespace python_export {
inline constexpr const char* kBannerRule =
    "################################################################################\n";
inline constexpr const char* kBannerTitle = "# Generated with ORVANTE v" ORVANTE_VERSION "\n";
inline constexpr const char* kImport = "import maya.cmds as cmds\n";
// Only a script with a script flag (a callback) needs MEL.
inline constexpr const char* kImportMel = "import maya.mel as mel\n";
// A script flag's MEL, run by Maya's MEL when the control calls back with its arguments.
inline constexpr const char* kMelCallbackStart = "lambda *args: mel.eval(";
inline constexpr const char* kMelCallbackEnd = ")";
inline constexpr const char* kShowWindow = "\ncmds.showWindow()\n";
inline constexpr const char* kSetParent = "cmds.setParent('..')\n";
inline constexpr const char* kDeleteOpenWindow = "if cmds.window(%s, exists=True): cmds.deleteUI(%s)\n";
inline constexpr const char* kShowNamedWindow = "\ncmds.showWindow(%s)\n";
} // namespace python_export

} // namespace orv
