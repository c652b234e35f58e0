// MEL syntax colouring of one line: colour blocks (position, colour class) and the state
// carried to the next line (open block comments, and with a trailing backslash strings,
// line comments and "#" lines); and the colour of each class.
#pragma once

#include "colour/Color.h"
#include "settings/SettingsRecord.h"
#include "text/ColourBlocks.h"
#include "text/LineStateCache.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace orv {

// The bits of the state carried from the end of one line to the start of the next.
namespace line_state {
inline constexpr std::uint32_t kLineComment = 1;
inline constexpr std::uint32_t kHashLine = 2;
inline constexpr std::uint32_t kBlockComment = 4;
inline constexpr std::uint32_t kDoubleQuoted = 8;
inline constexpr std::uint32_t kSingleQuoted = 16;
} // namespace line_state

// The classes of MEL's words and runs, beside the view's own (text/ColourBlocks.h).
namespace colour_class {
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

// The colour a class is drawn in; the settings colours are read at each call, so a
// changed setting shows at the next redraw. `windowColor` is the system window colour.
ColorRef ColorOf(int colourClass, const SettingsRecord& settings, ColorRef windowColor);

// The MEL colouring of one line as the editor draws it: with the colouring switch of the
// settings, read at every line. Every view and the shared line states colour through it.
std::uint32_t colourMelLine(std::uint32_t state, std::string_view line, std::vector<ColourBlock>* blocks,
                            const SettingsRecord& settings);
// colourMelLine for a line-state cache.
LineStateCache::LineColourer melLineColourer(const SettingsRecord& settings);

} // namespace orv
