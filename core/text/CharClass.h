// The character classes of the editor: 7-bit ASCII only, so 8-bit characters are neither
// white space nor word characters.
#pragma once

namespace orv {

// Letters, digits and "_": whole-word search, word moves and double-click selection.
constexpr bool isWordChar(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

// Blank, tab, and the line-feed, vertical-tab, form-feed and carriage-return characters.
constexpr bool isBlankChar(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

} // namespace orv
