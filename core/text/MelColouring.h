// MEL syntax colouring of one line: colour blocks (position, colour class) and the state
// carried to the next line (open block comments, and with a trailing backslash strings,
// line comments and "#" lines); and the colour of each class.
#pragma once

#include "settings/Color.h"
#include "settings/SettingsRecord.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orv {

// A block runs from its position to the next block's (the last one to the line's end).
struct ColourBlock {
    int pos = 0;
    int colourClass = 0;
    friend bool operator==(const ColourBlock&, const ColourBlock&) = default;
};

// The bits of the state carried from the end of one line to the start of the next.
namespace line_state {
inline constexpr std::uint32_t kLineComment = 1;
inline constexpr std::uint32_t kHashLine = 2;
inline constexpr std::uint32_t kBlockComment = 4;
inline constexpr std::uint32_t kDoubleQuoted = 8;
inline constexpr std::uint32_t kSingleQuoted = 16;
} // namespace line_state

namespace colour_class {
inline constexpr int kWhiteSpace = 0;      // the area right of the text
inline constexpr int kBackground = 1;
inline constexpr int kNormalText = 2;      // also the text before the first block
inline constexpr int kSelectionMargin = 3;
inline constexpr int kSelectionBackground = 4;
inline constexpr int kSelectedText = 5;
inline constexpr int kKeyword = 6;
inline constexpr int kComment = 7;
inline constexpr int kUnusedDefault = 8;   // never produced by the MEL colouring
inline constexpr int kUnusedBlack = 9;     // never produced by the MEL colouring
inline constexpr int kString = 10;
inline constexpr int kHashLine = 11;
inline constexpr int kCommand = 12;
inline constexpr int kFlag = 13;
} // namespace colour_class

inline constexpr ColorRef kHashLineColor = 0xC08000;

// Colours one line. Without a block list only the state is wanted: no word is looked up.
// Blocks are appended to `blocks` (whatever it holds already counts as earlier blocks);
// with `colouring` off the line gets no block and the state is 0.
std::uint32_t ParseMelLine(std::uint32_t state, std::string_view line, std::vector<ColourBlock>* blocks,
                           bool colouring = true);

// A visible run of one colour class: from `begin` to `end` (excluded).
struct ColourSpan {
    int begin = 0;
    int end = 0;
    int colourClass = 0;
    friend bool operator==(const ColourSpan&, const ColourSpan&) = default;
};

// The runs a line of `length` characters is drawn in: the text before the first block in
// class 2, each block to the next one's position; hidden (empty) blocks give no run.
std::vector<ColourSpan> colourSpans(const std::vector<ColourBlock>& blocks, int length);

// "<line>: <pos>:<class> <pos>:<class> ..." (a line without blocks: "<line>:"), the
// colouring's output for tools and golden files.
std::string blocksLine(int line, const std::vector<ColourBlock>& blocks);

// The colour a class is drawn in; the settings colours are read at each call, so a
// changed setting shows at the next redraw. `windowColor` is the system window colour.
ColorRef ColorOf(int colourClass, const SettingsRecord& settings, ColorRef windowColor);

} // namespace orv
