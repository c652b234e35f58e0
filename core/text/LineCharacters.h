// The characters of a line in its file's encoding: where each one starts, how many columns it
// takes on screen and how many stand before a byte. In Windows-1252 every byte is a character;
// in UTF-8 a well-formed sequence is one character, and each byte of a broken one is one, so
// every byte of any line belongs to exactly one character.
#pragma once

#include "text/TextEncoding.h"

#include <string_view>

namespace orv {

// The byte after the character starting at ch (ch itself at or past the end).
int nextCharStart(std::string_view line, int ch, TextEncoding encoding);
// The start of the character ending at ch (0 at the start).
int prevCharStart(std::string_view line, int ch, TextEncoding encoding);
// The start of the character that holds the byte at ch: ch itself unless it falls inside a
// UTF-8 sequence.
int charStartAt(std::string_view line, int ch, TextEncoding encoding);
// How many characters stand before the byte at ch.
int charactersBefore(std::string_view line, int ch, TextEncoding encoding);

// One character of a line: its code point and the bytes it takes.
struct LineCharacter {
    char32_t codePoint = 0;
    int length = 1;
};
LineCharacter characterAt(std::string_view line, int ch, TextEncoding encoding);

// The columns a character takes on screen: two for the wide characters of East Asian
// scripts (ideographs, kana, hangul, full-width forms) and pictographs, one for the rest.
int characterColumns(char32_t codePoint);

} // namespace orv
