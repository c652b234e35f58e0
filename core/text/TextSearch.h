// Finding a text in a buffer: match case, whole words, up or down, wrap-around, and an
// optional block that limits the search.
#pragma once

#include "text/CTextBuffer.h"
#include "text/TextPos.h"

#include <optional>
#include <string_view>

namespace orv {

// The text looked for is UTF-8, searched for in the text's own encoding; without match case,
// a-z and the accented letters of Latin-1 match either case.
// Searches the whole text from `start` with the find flags (match case, whole word, up).
std::optional<TextRange> FindInText(const CTextBuffer& buffer, std::string_view what, TextPos start,
                                    unsigned flags, bool wrap);

// Searches between blockStart and blockEnd only; a match lies wholly inside the block.
// Down: the first match that begins at or after `start`. Up: the last match that begins
// before `start`. With wrap, a search that reaches the block's end (up: its start) runs
// once more over the whole block.
std::optional<TextRange> FindInBlock(const CTextBuffer& buffer, std::string_view what, TextPos start,
                                     TextPos blockStart, TextPos blockEnd, unsigned flags, bool wrap);

} // namespace orv
