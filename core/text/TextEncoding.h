// How the bytes of a file become characters: valid UTF-8 is read as UTF-8, anything else as
// Windows-1252 (the encoding of files written on the original platform). One place decides it,
// so scripts, window files and the output log read the same bytes the same way.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace orv {

enum class TextEncoding {
    utf8,
    windows1252,
};

// True when the bytes are well-formed UTF-8: no overlong forms, no surrogates, nothing past
// U+10FFFF, no sequence cut at the end. Plain ASCII (and the empty text) is valid UTF-8.
bool IsValidUtf8(std::string_view bytes);

// The encoding a file's bytes are read in: UTF-8 when they are valid UTF-8, else Windows-1252.
TextEncoding DetectTextEncoding(std::string_view bytes);

// The Unicode code point of a Windows-1252 byte. The five bytes the code page leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 control of the same value, so every byte has a
// character and comes back unchanged.
char32_t Windows1252ToCodePoint(unsigned char byte);

// The Windows-1252 byte of a code point, or -1 when the code page has none.
int CodePointToWindows1252(char32_t codePoint);

// Windows-1252 bytes as UTF-8.
std::string Windows1252ToUtf8(std::string_view bytes);

// UTF-8 as Windows-1252 bytes; a character the code page lacks becomes '?' and sets *lossy.
// Bytes of an invalid sequence are kept as they are.
std::string Utf8ToWindows1252(std::string_view utf8, bool* lossy = nullptr);

// The bytes as UTF-8 whatever they were: valid UTF-8 unchanged, anything else from Windows-1252.
std::string ToUtf8(std::string_view bytes);

// Bytes read in an encoding as UTF-8, and UTF-8 as bytes of an encoding (in Windows-1252 a
// character the code page lacks becomes '?'). UTF-8 passes through both unchanged.
std::string EncodingToUtf8(std::string_view bytes, TextEncoding encoding);
std::string Utf8ToEncoding(std::string_view utf8, TextEncoding encoding);

// Appends the UTF-8 form of a code point (U+FFFD for a surrogate or a value past U+10FFFF).
void AppendUtf8(std::string& out, char32_t codePoint);

// The length of the well-formed UTF-8 sequence starting at bytes[at], with its code point in
// codePoint, or 0 (codePoint then unchanged) when none starts there.
std::size_t DecodeUtf8At(std::string_view bytes, std::size_t at, char32_t& codePoint);

// The number of characters in valid UTF-8 (each byte of an invalid sequence counts as one).
std::size_t Utf8CharacterCount(std::string_view bytes);

// The longest start of the bytes, at most limit long, that ends between two characters: a
// text cut there keeps no half of a UTF-8 sequence.
std::size_t Utf8CutLength(std::string_view bytes, std::size_t limit);

} // namespace orv
