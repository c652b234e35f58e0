// The shared clipboard helper of the MEL export: puts 8-bit text on the clipboard as plain text.
#pragma once

#include <string>

namespace orv {

// The bytes are taken as Latin-1, so every byte comes back unchanged when pasted as 8-bit text.
// False when there is no clipboard to write to.
bool CopyTextToClipboard(const std::string& text);

} // namespace orv
