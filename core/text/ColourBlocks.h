// A line's colour blocks, as a colouring gives them and the view draws them: where each colour
// class starts, and the runs they make.
#pragma once

#include <string>
#include <vector>

namespace orv {

// The classes the view draws whatever the text's language; a colouring adds its own from 6 on.
namespace colour_class {
inline constexpr int kWhiteSpace = 0;      // the area right of the text
inline constexpr int kBackground = 1;
inline constexpr int kNormalText = 2;      // also the text before the first block
inline constexpr int kSelectionMargin = 3;
inline constexpr int kSelectionBackground = 4;
inline constexpr int kSelectedText = 5;
} // namespace colour_class

// A block runs from its position to the next block's (the last one to the line's end).
struct ColourBlock {
    int pos = 0;
    int colourClass = 0;
    friend bool operator==(const ColourBlock&, const ColourBlock&) = default;
};

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

} // namespace orv
