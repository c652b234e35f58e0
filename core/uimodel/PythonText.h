// How flag values are written in Python: literals of the flag's type, texts as UTF-8 string
// literals that keep every byte.
#pragma once

#include "mel/CommandDatabase.h"

#include <string>
#include <string_view>

namespace orv {

// A single-quoted Python string literal in UTF-8 that stands for text: its UTF-8 characters
// as they are, every byte that is no UTF-8 as the surrogate escape \udcXX (Python's own way of
// carrying undecodable bytes in a text: encode('utf-8', 'surrogateescape') gives the bytes
// back), quote, backslash and the control characters (C1 included) escaped.
std::string pythonStringLiteral(std::string_view text);

// The Python value of one use of a flag whose value the MEL export writes (a "String" value,
// or one use (flagUses) of a value that isBareFlagValue accepts): integers, floats, True or
// False and texts by the type's words, a MEL variable as the Python variable of its name, a
// tuple when one use takes several items.
std::string pythonFlagValue(const TypedFlag& flag, const std::string& value);

// Whether name can stand as a keyword argument: an identifier that is no reserved word.
bool isPythonKeywordArgument(std::string_view name);

} // namespace orv
