// Names, codes, sizes and messages of the UI window model, named once.
#pragma once

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

// Fixed system metrics, so that designs lay out identically everywhere.
namespace metrics {
inline constexpr int kFrame = 4;      // SM_CXFRAME, SM_CYFRAME
inline constexpr int kCaption = 19;   // SM_CYCAPTION
inline constexpr int kBorder = 1;     // SM_CXBORDER, SM_CYBORDER
// The rectangle a new layout takes inside the window before its first arrangement.
inline constexpr int kNewLayoutWidthInset = 8;
inline constexpr int kNewLayoutHeightInset = 27;
inline constexpr int kSeparatorHeight = 17;
} // namespace metrics

inline constexpr std::uint32_t kUnlimitedChildren = 0xFFFFFFFFu;
inline constexpr std::uint32_t kRowLayoutMaxChildren = 6;
inline constexpr int kFlagTableSize = 256;
// How deep an element may sit below the window (its layout is at depth 1): far past any real
// window, a guard against hostile files that keeps every walk of the tree shallow.
inline constexpr int kMaxElementDepth = 100;

// Texts of the window file.
namespace wnd_file {
inline constexpr const char* kHeader = "[ORVANTE 0.4]";
inline constexpr const char* kWindowSection = "[UI_Window]";
inline constexpr const char* kEnd = "[EUI]";
inline constexpr const char* kWindowTag = "[window]";
inline constexpr const char* kRadioButtonTag = "[radioButton]";
inline constexpr const char* kItemPrefix = "{item}";
inline constexpr const char* kLineEnd = "\r\n";
inline constexpr std::size_t kReadBufferLength = 256;
inline constexpr const char* kLoadError = "Error while loading the window hierarchy file\n";
// A load that left part of the file out says why after this, on the same line.
inline constexpr const char* kLoadErrorBecause = "Error while loading the window hierarchy file: ";
inline constexpr const char* kUnknownTag = "unknown tag ";
inline constexpr const char* kTooManyElements = "more than %zu elements, the rest is left out";
inline constexpr const char* kTooDeep = "elements nested deeper than %d levels are left out";
inline constexpr const char* kCutLine = "the file is cut off inside its last line";
inline constexpr const char* kCutBlock = "the file ends inside an element";
inline constexpr const char* kNoEnd = "the element list does not end with \"[EUI]\"";
} // namespace wnd_file

// Texts of the MEL export.
namespace mel_export {
inline constexpr const char* kBannerRule =
    "////////////////////////////////////////////////////////////////////////////////\n";
inline constexpr const char* kBannerTitle = "// Generated with ORVANTE v0.4\n";
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
inline constexpr const char* kBannerTitle = "# Generated with ORVANTE v0.4\n";
inline constexpr const char* kImport = "import maya.cmds as cmds\n\n";
inline constexpr const char* kShowWindow = "\ncmds.showWindow()\n";
inline constexpr const char* kSetParent = "cmds.setParent('..')\n";
} // namespace python_export

} // namespace orv
