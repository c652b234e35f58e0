// The procedures MEL itself provides beside the commands of the word list (print, size,
// tokenize, sin ...): calling one is never a misspelt command.
#pragma once

#include <string_view>

namespace orv {

bool IsMelBuiltinProc(std::string_view word);

} // namespace orv
