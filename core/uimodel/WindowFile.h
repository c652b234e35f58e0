// The ".wnd" window file: the element tree as CR LF text lines, TABs giving the depth.
#pragma once

#include "uimodel/CUIWindow.h"
#include "uimodel/OutputLog.h"

#include <string>
#include <vector>

namespace orv {

// Most elements read from one file, a guard against hostile files only; the rest is left
// out and reported as a loading error.
inline constexpr std::size_t kMaxElementsPerFile = 100000;

// How the reader arranges: once for the whole tree, or after every element as the
// designer's own insertions do. Both give the same tree and geometry; the second costs
// time in proportion to the square of the element count and serves as the reference.
enum class WindowReading { arrangeOnce, arrangeEachElement };

// The lines of a file as the reader sees them: CR LF or LF removed, and every line cut
// into pieces of at most 256 characters.
std::vector<std::string> splitWindowFileLines(const std::string& bytes);

// The whole file: header lines, the tree from the window, "[EUI]". Changes nothing.
std::string WriteWindowFile(const CUIWindow& window);

// Loads a file into window (which should have no children yet). False, with nothing
// changed, when it is not a window file (the third line is not "[window]" or the file ends
// before the window's state line). A block with an unknown tag is skipped with its children
// and reported once in log; "[radioButton]" blocks and elements the parent refuses are
// skipped silently; a block or line cut off by the end of the file is left out. previews, when
// given, makes each element's preview (the window's too, if it has none).
bool ReadWindowFile(const std::string& bytes, CUIWindow& window, OutputLog& log, PreviewFactory* previews = nullptr,
                    WindowReading reading = WindowReading::arrangeOnce);

} // namespace orv
