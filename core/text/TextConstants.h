// The text engine's fixed numbers and texts: undo actions, line-end styles, update and
// line flags, limits, and the messages and captions the editor shows.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace orv {

// The user action an undo record belongs to; codes 11 and above have no description.
enum class UndoAction : int {
    unknown = 0,
    paste = 1,
    deleteSelection = 2,
    cut = 3,
    typing = 4,
    backspace = 5,
    indent = 6,
    dragAndDrop = 7,
    replace = 8,
    deleteChar = 9,
    autoIndent = 10,
};

// "Typing", "Paste" ...; an empty text for a code without description.
std::string_view actionDescription(UndoAction action);

enum class LineEnd : int { crLf = 0, lfCr = 1, lf = 2 };  // shown as "DOS", "UNIX", "MAC"

// The separator bytes of a style: CR LF, LF CR, LF.
std::string_view lineEndSeparator(LineEnd style);
// "DOS", "UNIX", "MAC".
std::string_view lineEndName(LineEnd style);
// Whether a stored or passed number is one of the styles 0..2.
bool isLineEndStyle(int style);

// What a change notification covers.
namespace update_flag {
inline constexpr unsigned kHorzRange = 0x1;
inline constexpr unsigned kVertRange = 0x2;
inline constexpr unsigned kSingleLine = 0x100;
inline constexpr unsigned kFlagsOnly = 0x200;
inline constexpr unsigned kReset = 0x1000;
} // namespace update_flag

namespace line_flag {
inline constexpr int kNumberedBookmarks = 10;
inline constexpr std::uint32_t kBookmark = 0x80000;
constexpr std::uint32_t numberedBookmark(int n) { return 1u << n; }
// The cell of the margin marks picture (16 x 16 pixels each) that a line with these flags
// shows: the first flag of a fixed order that the line carries picks it; -1 for none.
int marginMarkCell(std::uint32_t flags);
} // namespace line_flag

namespace text_limits {
inline constexpr int kUndoLimit = 1024;
inline constexpr int kLineCapacityStep = 16;
inline constexpr std::size_t kFileBlockSize = 32768;
// Lengths and positions are ints: a bigger file is refused rather than cut or overflowed.
inline constexpr long long kMaxFileSize = 0x7FFFFFFF;
inline constexpr std::size_t kLoadedLineArrayStep = 4096;
} // namespace text_limits

// Search flags of the find commands.
namespace find_flag {
inline constexpr unsigned kMatchCase = 0x1;
inline constexpr unsigned kWholeWord = 0x2;
inline constexpr unsigned kUp = 0x10;
} // namespace find_flag

namespace text_messages {
inline constexpr const char* kUndoWith = "&Undo %s";
inline constexpr const char* kUndo = "&Undo";
inline constexpr const char* kRedoWith = "&Redo %s";
inline constexpr const char* kRedo = "&Redo";
inline constexpr const char* kUndoKey = "Ctrl+Z";
inline constexpr const char* kRedoKey = "Ctrl+Y";
inline constexpr const char* kPosition = "Ln %d, Col %d";
inline constexpr const char* kPageFooter = "Page %d/%d";
} // namespace text_messages

// "Cannot find string" directly followed by the searched text in double quotes.
std::string cannotFindMessage(std::string_view searched);
// "Ln 1, Col 3" for a 0-based line and character.
std::string positionIndicator(int line, int ch);
// "Page 1/4".
std::string pageFooter(int page, int pageCount);

} // namespace orv
