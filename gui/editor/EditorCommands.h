// The commands of the text and edit views and the editor's accelerator table: the one
// place that says which key runs which command.
#pragma once

#include "framework/CommandIds.h"

#include <QKeySequence>

#include <optional>

class QKeyEvent;

namespace orv::editor_command {

inline constexpr int kCharLeft = 37100;  // each move command is followed by its Shift variant
inline constexpr int kCharRight = 37102;
inline constexpr int kWordLeft = 37104;
inline constexpr int kWordRight = 37106;
inline constexpr int kLineUp = 37108;
inline constexpr int kLineDown = 37110;
inline constexpr int kScrollUp = 37112;
inline constexpr int kScrollDown = 37113;
inline constexpr int kPageUp = 37114;
inline constexpr int kPageDown = 37116;
inline constexpr int kLineEnd = 37118;
inline constexpr int kLineStart = 37120;
inline constexpr int kTextStart = 37122;
inline constexpr int kTextEnd = 37124;
inline constexpr int kFindPrevious = 37126;
inline constexpr int kToggleBookmark0 = 37200;  // .. 37209
inline constexpr int kGoBookmark0 = 37210;      // .. 37219
inline constexpr int kClearNumberedBookmarks = 37220;
inline constexpr int kToggleBookmark = 37223;
inline constexpr int kNextBookmark = 37224;
inline constexpr int kPrevBookmark = 37225;
inline constexpr int kClearBookmarks = 37226;
inline constexpr int kDelete = 37000;
inline constexpr int kBackspace = 37001;
inline constexpr int kWordBackspace = 37002;
inline constexpr int kTab = 37003;
inline constexpr int kShiftTab = 37004;
inline constexpr int kToggleOverwrite = 37005;
inline constexpr int kComplete = 37006;    // the completion list of the word at the cursor
inline constexpr int kSendToMaya = commandValue(CommandId::sendToMaya);  // the selection or the script to Maya
inline constexpr int kPageSetup = commandValue(CommandId::filePageSetup);
inline constexpr int kPrint = commandValue(CommandId::filePrint);
inline constexpr int kPrintDirect = commandValue(CommandId::filePrintDirect);
inline constexpr int kPrintPreview = commandValue(CommandId::filePrintPreview);
inline constexpr int kCopy = commandValue(CommandId::editCopy);
inline constexpr int kCut = commandValue(CommandId::editCut);
inline constexpr int kFind = commandValue(CommandId::editFind);
inline constexpr int kPaste = commandValue(CommandId::editPaste);
inline constexpr int kFindNext = commandValue(CommandId::editFindNext);
inline constexpr int kReplace = commandValue(CommandId::editReplace);
inline constexpr int kSelectAll = commandValue(CommandId::editSelectAll);
inline constexpr int kUndo = commandValue(CommandId::editUndo);
inline constexpr int kRedo = commandValue(CommandId::editRedo);

// The status indicators a text view fills.
inline constexpr int kIndicatorOverwrite = 59140;
inline constexpr int kIndicatorReadOnly = 37901;
inline constexpr int kIndicatorLineEnd = 37902;
inline constexpr int kIndicatorPosition = 37903;

// The command of a key press in the accelerator table, if any.
std::optional<int> commandForKey(const QKeyEvent& event);
// The first key of a command, for menu texts; empty when it has none.
QKeySequence keyOfCommand(int command);

} // namespace orv::editor_command
