// The editor's accelerator table.
#include "editor/EditorCommands.h"

#include <QKeyEvent>

#include <array>

namespace orv::editor_command {

namespace {

struct Accelerator {
    int key;  // Qt key with its modifiers
    int command;
};

constexpr int kCtrl = Qt::ControlModifier;
constexpr int kShift = Qt::ShiftModifier;
constexpr int kAlt = Qt::AltModifier;

constexpr std::size_t kFixedKeys = 54;

constexpr auto kTable = [] {
    std::array<Accelerator, kFixedKeys + 20> table{{
        {Qt::Key_Left, kCharLeft}, {kShift | Qt::Key_Left, kCharLeft + 1},
        {Qt::Key_Right, kCharRight}, {kShift | Qt::Key_Right, kCharRight + 1},
        {kCtrl | Qt::Key_Left, kWordLeft}, {kCtrl | kShift | Qt::Key_Left, kWordLeft + 1},
        {kCtrl | Qt::Key_Right, kWordRight}, {kCtrl | kShift | Qt::Key_Right, kWordRight + 1},
        {Qt::Key_Up, kLineUp}, {kShift | Qt::Key_Up, kLineUp + 1},
        {Qt::Key_Down, kLineDown}, {kShift | Qt::Key_Down, kLineDown + 1},
        {kCtrl | Qt::Key_Up, kScrollUp}, {kCtrl | Qt::Key_Down, kScrollDown},
        {Qt::Key_PageUp, kPageUp}, {kShift | Qt::Key_PageUp, kPageUp + 1},
        {Qt::Key_PageDown, kPageDown}, {kShift | Qt::Key_PageDown, kPageDown + 1},
        {Qt::Key_End, kLineEnd}, {kShift | Qt::Key_End, kLineEnd + 1},
        {Qt::Key_Home, kLineStart}, {kShift | Qt::Key_Home, kLineStart + 1},
        {kCtrl | Qt::Key_Home, kTextStart}, {kCtrl | kShift | Qt::Key_Home, kTextStart + 1},
        {kCtrl | Qt::Key_End, kTextEnd}, {kCtrl | kShift | Qt::Key_End, kTextEnd + 1},
        {kCtrl | Qt::Key_F2, kToggleBookmark}, {Qt::Key_F2, kNextBookmark}, {kShift | Qt::Key_F2, kPrevBookmark},
        {kCtrl | kShift | Qt::Key_F2, kClearBookmarks},
        {kCtrl | Qt::Key_C, kCopy}, {kCtrl | Qt::Key_Insert, kCopy}, {kCtrl | Qt::Key_A, kSelectAll},
        {kCtrl | Qt::Key_F, kFind}, {Qt::Key_F3, kFindNext}, {kShift | Qt::Key_F3, kFindPrevious},
        {Qt::Key_Delete, kDelete}, {Qt::Key_Backspace, kBackspace}, {kCtrl | Qt::Key_Backspace, kWordBackspace},
        {Qt::Key_Tab, kTab}, {kShift | Qt::Key_Backtab, kShiftTab}, {Qt::Key_Backtab, kShiftTab},
        {Qt::Key_Insert, kToggleOverwrite},
        {kCtrl | Qt::Key_X, kCut}, {kShift | Qt::Key_Delete, kCut},
        {kCtrl | Qt::Key_V, kPaste}, {kShift | Qt::Key_Insert, kPaste},
        {kCtrl | Qt::Key_Z, kUndo}, {kAlt | Qt::Key_Backspace, kUndo}, {kCtrl | Qt::Key_Y, kRedo},
        {kCtrl | Qt::Key_H, kReplace},
        {kCtrl | Qt::Key_Space, kComplete}, {kCtrl | Qt::Key_Return, kSendToMaya}, {kCtrl | Qt::Key_Enter, kSendToMaya},
    }};
    // Ctrl+digit toggles, Alt+digit goes to the numbered bookmarks.
    for (int n = 0; n < 10; ++n) {
        table[static_cast<std::size_t>(kFixedKeys + n)] = {kCtrl | (Qt::Key_0 + n), kToggleBookmark0 + n};
        table[static_cast<std::size_t>(kFixedKeys + 10 + n)] = {kAlt | (Qt::Key_0 + n), kGoBookmark0 + n};
    }
    return table;
}();

} // namespace

std::optional<int> commandForKey(const QKeyEvent& event)
{
    // The keypad sends the same keys with its own modifier, which does not count here.
    const int modifiers = static_cast<int>(event.modifiers() & (Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier));
    const int key = modifiers | event.key();
    for (const Accelerator& a : kTable)
        if (a.key == key)
            return a.command;
    return std::nullopt;
}

QKeySequence keyOfCommand(int command)
{
    for (const Accelerator& a : kTable)
        if (a.command == command)
            return QKeySequence(a.key);
    return {};
}

} // namespace orv::editor_command
