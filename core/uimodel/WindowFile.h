// The ".wnd" window file: the element tree as CR LF text lines, TABs giving the depth.
#pragma once

#include "uimodel/CUIWindow.h"
#include "log/OutputLog.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orv {

// Most elements read from one file, a guard against hostile files only; the rest is left
// out and reported as a loading error.
inline constexpr std::size_t kMaxElementsPerFile = 100000;

// Files larger than this are refused before they are read: far above any real window, and
// small enough that reading one keeps memory within a small multiple of it.
inline constexpr std::int64_t kMaxWindowFileBytes = std::int64_t{64} << 20;

// How the reader arranges: once for the whole tree, or after every element as the
// designer's own insertions do. Both give the same tree and geometry; the second costs
// time in proportion to the square of the element count and serves as the reference.
enum class WindowReading { arrangeOnce, arrangeEachElement };

// The lines of a file as the reader sees them: CR LF or LF removed, each whole up to
// wnd_file::kMaxLineBytes after its leading TABs and cut there, between two characters.
std::vector<std::string> splitWindowFileLines(std::string_view bytes);

// A name or value as a window file line can hold it: line breaks and TABs (which end the
// line or the value there) become blanks. True when one did.
bool blankWindowFileSeparators(std::string& text);

// The whole file: header lines, the tree from the window, "[EUI]"; the model's UTF-8 as it
// is. Changes nothing.
std::string WriteWindowFile(const CUIWindow& window);

// What reading a window file came to.
struct WindowFileRead {
    bool windowFile = false;  // false: not a window file, and nothing was changed
    std::string problem;      // why a part of the file was left out; empty when it was read whole
    explicit operator bool() const { return windowFile; }
};

// Loads a file into window (which should have no children yet). The file is read as UTF-8
// when it is valid UTF-8 and as Windows-1252 otherwise: the model holds UTF-8. Not a window
// file, with nothing changed, when the third line is not "[window]" or the file ends before
// the window's state line; the header is checked before the rest is split into lines, and lines
// are split one at a time as the reader goes. A block with an unknown tag is skipped with its
// children and reported once in log; "[radioButton]" blocks and elements the parent refuses
// are skipped silently. A file cut off (a last line without its line end, a block cut short,
// no "[EUI]") keeps what was read before the cut, elements past kMaxElementsPerFile are left
// out, and a line longer than wnd_file::kMaxLineBytes is cut: each is a loading error in log,
// and the problem of the result says which.
// The window's observers hear each element as it is linked.
WindowFileRead ReadWindowFile(std::string_view bytes, CUIWindow& window, OutputLog& log,
                              WindowReading reading = WindowReading::arrangeOnce);

// One element with its subtree as the window file writes it, its tag one TAB deep and its
// children below: the text the designer's undo keeps and the clipboard carries. Changes nothing.
std::string WriteElementBlock(const CUIElement& element);

// The names of the elements of a block read into a window: as written (undo brings back what
// was there), or a new default name for each whose name another element of the window has
// (a copy).
enum class BlockNames { asWritten, freshWhereTaken };

// Reads the first element block of text (as WriteElementBlock writes it, the file's reader
// rules holding; lines before it, such as a whole window file's header, are passed over) and
// links it as parent's last child; its observers hear it inserted. Null,
// with parent unchanged, when the text holds no element parent takes.
CUIElement* ReadElementBlock(std::string_view text, CUIElement& parent, BlockNames names = BlockNames::asWritten);

} // namespace orv
